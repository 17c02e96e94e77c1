#pragma once
#include "Handle.h"

// The bytes of one raw video frame and how to read them: the colour format (the video
// source's 32-bit code, kept as it is given), whether rows run top-down, the picture's
// size and the size of the buffer it lies in (rows may be padded). Emptying the handle
// forgets the description with the bytes, so an empty handle never claims a picture.
class TNWBS_CLASS CImageHandle : public CHandle {
public:
    CImageHandle();

    void Empty() override;

    void SetImageFormat(long colorFormat, bool topDown, unsigned short imageWidth,
                        unsigned short imageHeight, unsigned short bufferWidth,
                        unsigned short bufferHeight);
    long GetColorFormat() const;
    bool IsTopDown() const;
    unsigned short GetImageWidth() const;
    unsigned short GetImageHeight() const;
    unsigned short GetBufferWidth() const;
    unsigned short GetBufferHeight() const;

private:
    long mColorFormat;
    bool mTopDown;
    unsigned short mImageWidth;
    unsigned short mImageHeight;
    unsigned short mBufferWidth;
    unsigned short mBufferHeight;
};

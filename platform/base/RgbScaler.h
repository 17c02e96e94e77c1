#pragma once
#include "BaseExport.h"

// Scales one raw RGB frame into another RGB format and size: the picture is scaled to the
// target size (nearest pixel) and laid at the top-left corner of an output frame of the
// output size, whose other pixels are black.
//
// Colour formats are the video source's codes (CVideoConverter::kColorRgb24, kColorRgb32).
// Frames run top-down; pixels are stored blue, green, red (and a fourth, unused byte for
// 32-bit ones, which the scaler writes as 0); each row of a 24-bit frame is padded to a
// multiple of 4 bytes, as in Windows bitmaps.
//
// A scaler whose formats are not known, whose sizes are not positive, or whose target
// does not fit in the output frame is not valid and converts nothing.
class TNWBS_CLASS CRgbScaler {
public:
    CRgbScaler(long inputColor, int inputWidth, int inputHeight, long outputColor, int targetWidth,
               int targetHeight, int outputWidth, int outputHeight);
    virtual ~CRgbScaler();

    bool IsValid() const { return mValid; }
    unsigned long GetInputLineSize() const { return GetLineSize(mInputColor, mInputWidth); }
    unsigned long GetOutputLineSize() const { return GetLineSize(mOutputColor, mOutputWidth); }
    // Bytes of one output frame.
    unsigned long long GetOutputSize() const;
    int GetOutputWidth() const { return mOutputWidth; }
    int GetOutputHeight() const { return mOutputHeight; }

    // Converts one input frame into one output frame; false when the scaler is not valid.
    bool Scale(const void* input, void* output) const;

    // Bytes per pixel of a colour format, 0 for a format not known here.
    static int GetPixelSize(long colorFormat);
    // Bytes of one row of a frame of the format; 0 for a format not known here.
    static unsigned long GetLineSize(long colorFormat, int width);

private:
    long mInputColor;
    int mInputWidth;
    int mInputHeight;
    long mOutputColor;
    int mTargetWidth;
    int mTargetHeight;
    int mOutputWidth;
    int mOutputHeight;
    bool mValid;
};

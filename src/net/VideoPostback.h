#pragma once
#include "tnwbscut.h"

#include <unknwn.h>

// The two COM-style interfaces between a video source of the maker's media engine and a
// frame handler. The source delivers each raw frame to the handler it was given
// (IVideoPostbackHandler::ProcessImage, on the source's own thread) and encodes raw
// frames into still images on request (IVideoPostback::EncodeImage).
//
// Colour formats and image types are the source's own 32-bit codes; this library passes
// them through unchanged.
typedef long EColorFormat;
typedef long EImageType;

// {8BE58398-96E2-4DBA-92A8-75945A1B6516}
inline constexpr IID IID_IVideoPostbackHandler = {
    0x8BE58398, 0x96E2, 0x4DBA, { 0x92, 0xA8, 0x75, 0x94, 0x5A, 0x1B, 0x65, 0x16 }
};

struct IVideoPostbackHandler : public IUnknown {
    // One raw frame: size bytes at data, rows of bufferWidth pixels (bufferHeight rows), of
    // which imageWidth x imageHeight is the picture. The data is the source's: copy it.
    virtual HRESULT STDMETHODCALLTYPE ProcessImage(const unsigned char* data, unsigned long size,
                                                   EColorFormat color, bool topDown,
                                                   unsigned short imageWidth, unsigned short imageHeight,
                                                   unsigned short bufferWidth,
                                                   unsigned short bufferHeight) = 0;
};

struct IVideoPostback : public IUnknown {
    // Sets the one handler that receives frames; null removes it. Once the call returns,
    // the handler it replaced receives no further frame.
    virtual HRESULT STDMETHODCALLTYPE SetPostbackHandler(IVideoPostbackHandler* handler) = 0;
    // Encodes a raw frame as a still image of the given type and quality (0 to 100),
    // scaled to the output size, into output.
    virtual HRESULT STDMETHODCALLTYPE EncodeImage(const unsigned char* data, unsigned long size,
                                                  EColorFormat color, bool topDown,
                                                  unsigned short imageWidth, unsigned short imageHeight,
                                                  unsigned short bufferWidth, unsigned short bufferHeight,
                                                  EImageType type, unsigned char quality,
                                                  unsigned short outputWidth, unsigned short outputHeight,
                                                  CHandle* output) = 0;
};

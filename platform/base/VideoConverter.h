#pragma once
#include "BaseExport.h"

class CRgbScaler;

// Converts raw frames of a video source into pictures of another colour format and size,
// through an RGB scaler (CRgbScaler).
//
// The settings describe the conversion: the original frame's size and colour format, the
// output colour format, and whether frames are scaled to the output size or passed at
// their own size. Initialize builds a scaler from them; a caller may also hand over a
// scaler of its own (SetScaler), which the converter then owns.
//
// Decisions of this library:
// - Only RGB frames are known: kColorRgb24 (105) and kColorRgb32 (106), laid out as
//   CRgbScaler describes. Frames of other formats are not converted.
// - Without scaling, or with an output size of 0 x 0, the output has the original size.
class TNWBS_CLASS CVideoConverter {
public:
    enum : long { kColorRgb24 = 105, kColorRgb32 = 106 };

    CVideoConverter();
    virtual ~CVideoConverter();
    CVideoConverter(const CVideoConverter&) = delete;
    CVideoConverter& operator=(const CVideoConverter&) = delete;

    // Builds the scaler the settings describe; false (and no scaler) when they describe no
    // conversion.
    virtual bool Initialize();

    void SetOriginalWidth(int width) { mOriginalWidth = width; }
    void SetOriginalHeight(int height) { mOriginalHeight = height; }
    void SetInputColor(long colorFormat) { mInputColor = colorFormat; }
    void SetOutputColor(long colorFormat) { mOutputColor = colorFormat; }
    void SetOutputSize(int width, int height);
    void SetScaling(bool scaling) { mScaling = scaling; }
    int GetOriginalWidth() const { return mOriginalWidth; }
    int GetOriginalHeight() const { return mOriginalHeight; }
    long GetInputColor() const { return mInputColor; }
    long GetOutputColor() const { return mOutputColor; }
    bool GetScaling() const { return mScaling; }

    // Replaces the scaler (null removes it); the converter owns it from now on.
    void SetScaler(CRgbScaler* scaler);
    CRgbScaler* GetScaler() const { return mScaler; }
    // Bytes of one output row, 0 without a valid scaler.
    unsigned long GetLineSize() const;
    // Converts one frame with the scaler; false without a valid scaler.
    bool Convert(const void* input, void* output) const;

private:
    int mOriginalWidth = 0;
    int mOriginalHeight = 0;
    long mInputColor = 0;
    long mOutputColor = kColorRgb32;
    int mOutputWidth = 0;
    int mOutputHeight = 0;
    bool mScaling = false;
    CRgbScaler* mScaler = nullptr;
};

#include "RgbScaler.h"
#include "VideoConverter.h"

#include <cstring>
#include <vector>

CRgbScaler::CRgbScaler(long inputColor, int inputWidth, int inputHeight, long outputColor, int targetWidth,
                       int targetHeight, int outputWidth, int outputHeight)
    : mInputColor(inputColor), mInputWidth(inputWidth), mInputHeight(inputHeight), mOutputColor(outputColor),
      mTargetWidth(targetWidth), mTargetHeight(targetHeight), mOutputWidth(outputWidth),
      mOutputHeight(outputHeight)
{
    mValid = GetPixelSize(inputColor) && GetPixelSize(outputColor) && inputWidth > 0 && inputHeight > 0
             && targetWidth > 0 && targetHeight > 0 && targetWidth <= outputWidth && targetHeight <= outputHeight;
}

CRgbScaler::~CRgbScaler() = default;

int CRgbScaler::GetPixelSize(long colorFormat)
{
    switch (colorFormat) {
    case CVideoConverter::kColorRgb24: return 3;
    case CVideoConverter::kColorRgb32: return 4;
    default: return 0;
    }
}

unsigned long CRgbScaler::GetLineSize(long colorFormat, int width)
{
    const int pixelSize = GetPixelSize(colorFormat);
    if (!pixelSize || width <= 0)
        return 0;
    return (static_cast<unsigned long>(width) * static_cast<unsigned long>(pixelSize) + 3u) & ~3u;
}

unsigned long long CRgbScaler::GetOutputSize() const
{
    return mValid ? static_cast<unsigned long long>(GetOutputLineSize()) * static_cast<unsigned long long>(mOutputHeight)
                  : 0;
}

bool CRgbScaler::Scale(const void* input, void* output) const
{
    if (!mValid || !input || !output)
        return false;
    const unsigned char* source = static_cast<const unsigned char*>(input);
    unsigned char* target = static_cast<unsigned char*>(output);
    const int inSize = GetPixelSize(mInputColor);
    const int outSize = GetPixelSize(mOutputColor);
    const size_t inLine = GetInputLineSize();
    const size_t outLine = GetOutputLineSize();
    std::memset(target, 0, static_cast<size_t>(GetOutputSize()));

    // The source column of each target column, worked out once for all rows.
    std::vector<size_t> columns(static_cast<size_t>(mTargetWidth));
    for (int x = 0; x < mTargetWidth; ++x)
        columns[x] = static_cast<size_t>(static_cast<long long>(x) * mInputWidth / mTargetWidth) * inSize;
    for (int y = 0; y < mTargetHeight; ++y) {
        const unsigned char* row = source + static_cast<size_t>(static_cast<long long>(y) * mInputHeight / mTargetHeight) * inLine;
        unsigned char* pixel = target + static_cast<size_t>(y) * outLine;
        for (int x = 0; x < mTargetWidth; ++x, pixel += outSize) {
            const unsigned char* from = row + columns[x];
            pixel[0] = from[0];
            pixel[1] = from[1];
            pixel[2] = from[2];
        }
    }
    return true;
}

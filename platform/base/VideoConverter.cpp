#include "VideoConverter.h"
#include "RgbScaler.h"

CVideoConverter::CVideoConverter() = default;

CVideoConverter::~CVideoConverter()
{
    delete mScaler;
}

void CVideoConverter::SetOutputSize(int width, int height)
{
    mOutputWidth = width;
    mOutputHeight = height;
}

bool CVideoConverter::Initialize()
{
    const bool ownSize = !mScaling || (mOutputWidth == 0 && mOutputHeight == 0);
    const int width = ownSize ? mOriginalWidth : mOutputWidth;
    const int height = ownSize ? mOriginalHeight : mOutputHeight;
    auto* scaler = new CRgbScaler(mInputColor, mOriginalWidth, mOriginalHeight, mOutputColor, width, height, width,
                                  height);
    if (!scaler->IsValid()) {
        delete scaler;
        scaler = nullptr;
    }
    SetScaler(scaler);
    return scaler != nullptr;
}

void CVideoConverter::SetScaler(CRgbScaler* scaler)
{
    if (scaler == mScaler)
        return;
    delete mScaler;
    mScaler = scaler;
}

unsigned long CVideoConverter::GetLineSize() const
{
    return mScaler && mScaler->IsValid() ? mScaler->GetOutputLineSize() : 0;
}

bool CVideoConverter::Convert(const void* input, void* output) const
{
    return mScaler && mScaler->Scale(input, output);
}

#include "dialogs/BitmapCapture.h"

#include <memory>
#include <new>

CBitmapCapture::CBitmapCapture() = default;

bool CBitmapCapture::Initialize()
{
    SetScaling(false);
    SetOutputColor(kColorRgb32);
    return CVideoConverter::Initialize();
}

CBitmap* CBitmapCapture::MakeBitmap(const void* bits, long colorFormat, int width, int height)
{
    if (!bits)
        return nullptr;
    SetOriginalWidth(width);
    SetOriginalHeight(height);
    SetInputColor(colorFormat);
    SetScaler(new CRgbScaler(colorFormat, width, height, kColorRgb32, width, height, width, height));
    const unsigned long long size = static_cast<unsigned long long>(GetLineSize()) * static_cast<unsigned long long>(height);
    if (size == 0 || size > 0xFFFFFFFFull)
        return nullptr;
    std::unique_ptr<unsigned char[]> pixels(new (std::nothrow) unsigned char[static_cast<size_t>(size)]);
    if (!pixels || !Convert(bits, pixels.get()))
        return nullptr;
    auto bitmap = std::make_unique<CBitmap>();
    if (!bitmap->CreateBitmap(width, height, 1, 32, nullptr)
        || bitmap->SetBitmapBits(static_cast<DWORD>(size), pixels.get()) != static_cast<DWORD>(size))
        return nullptr;
    return bitmap.release();
}

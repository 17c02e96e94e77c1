#include "BitmapResizer.h"

#include "ComApartment.h"

#include <wincodec.h>

#include <climits>
#include <memory>
#include <vector>

namespace {

struct SComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <class T>
using ComPtr = std::unique_ptr<T, SComRelease>;

// A 32-bit top-down DIB section; its pixels, 4 bytes each row after row, go to bits.
HBITMAP CreateDib(int width, int height, void** bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

std::wstring Widen(const char* text)
{
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(length > 0 ? length : 1, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    return wide;
}

// The first frame of a picture file as premultiplied 32-bit pixels, or null.
ComPtr<IWICBitmapSource> ReadPicture(IWICImagingFactory* factory, const char* path)
{
    IWICBitmapDecoder* decoder = nullptr;
    if (FAILED(factory->CreateDecoderFromFilename(Widen(path).c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, &decoder)))
        return nullptr;
    ComPtr<IWICBitmapDecoder> decoderHolder(decoder);
    IWICBitmapFrameDecode* frame = nullptr;
    if (FAILED(decoder->GetFrame(0, &frame)))
        return nullptr;
    ComPtr<IWICBitmapFrameDecode> frameHolder(frame);
    IWICFormatConverter* converter = nullptr;
    if (FAILED(factory->CreateFormatConverter(&converter)))
        return nullptr;
    ComPtr<IWICBitmapSource> converted(converter);
    if (FAILED(converter->Initialize(frame, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom)))
        return nullptr;
    return converted;
}

// Premultiplied colours over white: each channel gains what the pixel lets through.
void LayOverWhite(BYTE* pixels, size_t count)
{
    for (size_t i = 0; i < count; ++i, pixels += 4) {
        const BYTE letThrough = static_cast<BYTE>(255 - pixels[3]);
        pixels[0] = static_cast<BYTE>(pixels[0] + letThrough);
        pixels[1] = static_cast<BYTE>(pixels[1] + letThrough);
        pixels[2] = static_cast<BYTE>(pixels[2] + letThrough);
        pixels[3] = 255;
    }
}

} // namespace

CBitmapResizer::CBitmapResizer() = default;

CBitmapResizer::~CBitmapResizer()
{
    ReleaseScaled();
    if (mDC)
        ::DeleteDC(mDC);
    if (mPicture)
        ::DeleteObject(mPicture);
}

void CBitmapResizer::SetSize(int width, int height)
{
    if (width == mTargetWidth && height == mTargetHeight)
        return;
    mTargetWidth = width;
    mTargetHeight = height;
    Scale();
}

bool CBitmapResizer::SetFilePath(const char* path)
{
    HBITMAP picture = path && *path ? Decode(path) : nullptr;
    if (!picture)
        return false;
    if (mPicture)
        ::DeleteObject(mPicture);
    mPicture = picture;
    mPath = path;
    Scale();
    return true;
}

HBITMAP CBitmapResizer::Decode(const char* path)
{
    StComApartment apartment;
    IWICImagingFactory* factory = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))))
        return nullptr;
    ComPtr<IWICImagingFactory> factoryHolder(factory);
    ComPtr<IWICBitmapSource> source = ReadPicture(factory, path);
    UINT width = 0;
    UINT height = 0;
    if (!source || FAILED(source->GetSize(&width, &height)) || width == 0 || height == 0)
        return nullptr;
    // The whole picture must fit one buffer whose size a UINT can state.
    const unsigned long long bytes = 4ull * width * height;
    if (width > INT_MAX / 4 || height > INT_MAX || bytes > UINT_MAX)
        return nullptr;

    void* bits = nullptr;
    HBITMAP picture = CreateDib(static_cast<int>(width), static_cast<int>(height), &bits);
    if (!picture)
        return nullptr;
    if (FAILED(source->CopyPixels(nullptr, 4 * width, static_cast<UINT>(bytes), static_cast<BYTE*>(bits)))) {
        ::DeleteObject(picture);
        return nullptr;
    }
    LayOverWhite(static_cast<BYTE*>(bits), static_cast<size_t>(width) * height);
    return picture;
}

void CBitmapResizer::Scale()
{
    ReleaseScaled();
    if (!mPicture || mTargetWidth <= 0 || mTargetHeight <= 0)
        return;
    if (!mDC && !(mDC = ::CreateCompatibleDC(nullptr)))
        return;
    void* bits = nullptr;
    mScaled = CreateDib(mTargetWidth, mTargetHeight, &bits);
    if (!mScaled)
        return;
    mDCBitmap = ::SelectObject(mDC, mScaled);

    BITMAP size = {};
    ::GetObjectA(mPicture, sizeof size, &size);
    HDC source = ::CreateCompatibleDC(nullptr);
    HGDIOBJ sourceBitmap = ::SelectObject(source, mPicture);
    ::SetStretchBltMode(mDC, HALFTONE);
    ::SetBrushOrgEx(mDC, 0, 0, nullptr);
    ::StretchBlt(mDC, 0, 0, mTargetWidth, mTargetHeight, source, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    ::SelectObject(source, sourceBitmap);
    ::DeleteDC(source);
}

void CBitmapResizer::ReleaseScaled()
{
    if (!mScaled)
        return;
    ::SelectObject(mDC, mDCBitmap);
    ::DeleteObject(mScaled);
    mScaled = nullptr;
    mDCBitmap = nullptr;
}

#include "BitmapUtils.h"

HBITMAP UBitmapUtils::MakeMonochrome(HBITMAP bitmap)
{
    BITMAP layout = {};
    if (!bitmap || !::GetObjectA(bitmap, sizeof layout, &layout) || layout.bmWidth <= 0 || layout.bmHeight <= 0)
        return nullptr;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = layout.bmWidth;
    info.bmiHeader.biHeight = -layout.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP grey = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!grey)
        return nullptr;
    HDC dc = ::CreateCompatibleDC(nullptr);
    const int rows = dc ? ::GetDIBits(dc, bitmap, 0, static_cast<UINT>(layout.bmHeight), bits, &info, DIB_RGB_COLORS) : 0;
    if (dc)
        ::DeleteDC(dc);
    if (rows != layout.bmHeight) {
        ::DeleteObject(grey);
        return nullptr;
    }
    // Blue, green, red, alpha in each 32-bit pixel.
    unsigned char* pixel = static_cast<unsigned char*>(bits);
    const size_t count = static_cast<size_t>(layout.bmWidth) * static_cast<size_t>(layout.bmHeight);
    for (size_t i = 0; i < count; ++i, pixel += 4) {
        const unsigned char shade =
            static_cast<unsigned char>((pixel[2] * 299u + pixel[1] * 587u + pixel[0] * 114u + 500u) / 1000u);
        pixel[0] = pixel[1] = pixel[2] = shade;
    }
    ::GdiFlush();
    return grey;
}

#include "skins/SkinObject.h"

#include "util/DrawingUtils.h"

#include <vector>

namespace {

const DWORD kColourBits = 0x00FFFFFF;

} // namespace

CSkinObject::CSkinObject() = default;

CSkinObject::~CSkinObject()
{
    Release();
}

void CSkinObject::SetBitmapId(UINT id)
{
    if (id == mBitmapId)
        return;
    Release();
    mBitmapId = id;
    Load();
}

bool CSkinObject::Load()
{
    if (HasRegion())
        return true;
    if (!mBitmapId)
        return false;
    ReleaseBitmap();
    if (mBitmap.LoadBitmap(mBitmapId))
        LoadImageA(mBitmap);
    // Nothing half loaded stays behind.
    if (!HasRegion())
        ReleaseBitmap();
    return HasRegion();
}

void CSkinObject::LoadImageA(CBitmap& bitmap)
{
    if (!HasRegion() && !BuildRegion(bitmap)) {
        mRegion.DeleteObject();
        mFrameWidth = 0;
        mFrameHeight = 0;
        return;
    }
    SelectBitmap(bitmap);
}

bool CSkinObject::BuildRegion(CBitmap& bitmap)
{
    BITMAP layout = {};
    if (!bitmap.GetBitmap(&layout) || layout.bmWidth <= 0 || layout.bmHeight <= 0)
        return false;
    const int width = layout.bmWidth;
    const int height = layout.bmHeight;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // rows top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = ::GetDC(nullptr);
    const int rows = ::GetDIBits(screen, static_cast<HBITMAP>(bitmap.m_hObject), 0, static_cast<UINT>(height),
                                 pixels.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows != height)
        return false;

    mFrameWidth = static_cast<unsigned long>(width / mFrameCount);
    mFrameHeight = static_cast<unsigned long>(height);
    if (!mRegion.CreateRectRgn(0, 0, width, height))
        return false;
    // Each run of key pixels in a row is cut out at once: the same shape as cutting them
    // one by one, for a fraction of the region operations.
    CRgn run;
    if (!run.CreateRectRgn(0, 0, 0, 0))
        return false;
    const DWORD key = pixels[0] & kColourBits;
    const int frameWidth = static_cast<int>(mFrameWidth);
    for (int y = 0; y < height; ++y) {
        const DWORD* row = &pixels[static_cast<size_t>(y) * static_cast<size_t>(width)];
        int x = 0;
        while (x < frameWidth) {
            if ((row[x] & kColourBits) != key) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < frameWidth && (row[x] & kColourBits) == key)
                ++x;
            run.SetRectRgn(start, y, x, y + 1);
            mRegion.CombineRgn(&mRegion, &run, RGN_XOR);
        }
    }
    return true;
}

void CSkinObject::SelectBitmap(CBitmap& bitmap)
{
    if (&bitmap != &mBitmap) {
        HANDLE copy = ::CopyImage(bitmap.m_hObject, IMAGE_BITMAP, 0, 0, 0);
        if (!copy)
            return;
        ReleaseBitmap();
        mBitmap.Attach(copy);
    }
    if (!mMemoryDC.m_hDC && !mMemoryDC.CreateCompatibleDC(nullptr))
        return;
    HGDIOBJ previous = ::SelectObject(mMemoryDC.m_hDC, mBitmap.m_hObject);
    if (!mPreviousBitmap)
        mPreviousBitmap = previous;
}

void CSkinObject::ReleaseBitmap()
{
    // A bitmap is deleted only once no device context holds it.
    if (mMemoryDC.m_hDC && mPreviousBitmap)
        ::SelectObject(mMemoryDC.m_hDC, mPreviousBitmap);
    mPreviousBitmap = nullptr;
    mBitmap.DeleteObject();
}

void CSkinObject::Release()
{
    ReleaseBitmap();
    if (mMemoryDC.m_hDC)
        mMemoryDC.DeleteDC();
    mRegion.DeleteObject();
    mFrameWidth = 0;
    mFrameHeight = 0;
}

void CSkinObject::SetFrameCount(int count)
{
    mFrameCount = count < 1 ? 1 : count;
}

bool CSkinObject::TransparentBitBlt(CDC* target, int x, int y, int width, int height, CDC* source, int sourceX,
                                    int sourceY)
{
    if (!target || !target->m_hDC || !source || !source->m_hDC)
        return false;
    const int saved = target->SaveDC();
    if (HasRegion()) {
        // The clipping region is in device units, the position in the target's own.
        CRgn clip;
        POINT at = { x, y };
        ::LPtoDP(target->m_hDC, &at, 1);
        if (clip.CreateRectRgn(0, 0, 0, 0) && clip.CopyRgn(&mRegion) != ERROR) {
            clip.OffsetRgn(at.x, at.y);
            target->SelectClipRgn(&clip);
        }
    }
    const BOOL copied = target->BitBlt(x, y, width, height, source, sourceX, sourceY, SRCCOPY);
    target->RestoreDC(saved);
    return copied != FALSE;
}

bool CSkinObject::ShapeWindow(CWnd* window)
{
    if (!HasRegion() || !window || !window->m_hWnd)
        return false;
    CRgn copy;
    if (!copy.CreateRectRgn(0, 0, 0, 0) || copy.CopyRgn(&mRegion) == ERROR)
        return false;
    if (!window->SetWindowRgn(static_cast<HRGN>(copy.m_hObject), TRUE))
        return false;
    // The window owns the copy now.
    copy.Detach();
    return true;
}

int CSkinObject::GetPixelSize(int bitsPerPixel)
{
    return UDrawingUtils::GetPixelSize(bitsPerPixel);
}

#include "DragIndicator.h"

#include <algorithm>

namespace tnwwndut {

CDragIndicator::CDragIndicator(HWND window, int thickness, bool solid)
    : mWindow(window), mThickness(std::max(thickness, 1)), mSolid(solid)
{
}

CDragIndicator::~CDragIndicator()
{
    Undraw();
}

void CDragIndicator::Drag(const POINT& screenPoint)
{
    if (!mAnchored) {
        mAnchored = true;
        mAnchor = screenPoint;
    }
    const RECT spanned = { std::min(mAnchor.x, screenPoint.x), std::min(mAnchor.y, screenPoint.y),
                           std::max(mAnchor.x, screenPoint.x), std::max(mAnchor.y, screenPoint.y) };
    Show(spanned);
}

void CDragIndicator::Move(const RECT& screenRect)
{
    const RECT normal = { std::min(screenRect.left, screenRect.right), std::min(screenRect.top, screenRect.bottom),
                          std::max(screenRect.left, screenRect.right), std::max(screenRect.top, screenRect.bottom) };
    mAnchored = true;
    mAnchor = { normal.left, normal.top };
    Show(normal);
}

RECT CDragIndicator::GetDrawRect() const
{
    return mRect;
}

void CDragIndicator::Show(const RECT& rect)
{
    if (mDrawn && ::EqualRect(&rect, &mRect))
        return;
    Undraw();
    mRect = rect;
    Draw();
}

void CDragIndicator::Draw()
{
    if (!mDrawn && mAnchored)
        Toggle();
}

void CDragIndicator::Undraw()
{
    if (mDrawn)
        Toggle();
}

void CDragIndicator::Toggle()
{
    // A window that is gone took its pixels with it: the band is off the screen either way.
    mDrawn = !mDrawn;
    HWND window = mWindow && ::IsWindow(mWindow) ? mWindow : nullptr;
    if (mWindow && !window)
        return;
    HDC dc = window ? ::GetDCEx(window, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE) : ::GetDC(nullptr);
    if (!dc)
        return;
    RECT origin = {};
    if (window)
        ::GetWindowRect(window, &origin);
    RECT band = mRect;
    ::OffsetRect(&band, -origin.left, -origin.top);
    DrawBand(dc, band);
    ::ReleaseDC(window, dc);
}

namespace {

// Inverts a frame of the given thickness inside rect with the brush (PATINVERT), or every
// pixel (DSTINVERT) without one. The edges never overlap: a pixel inverted twice would not
// show.
void InvertFrame(HDC dc, const RECT& rect, int thickness, HBRUSH brush)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return;
    const int top = std::min(thickness, height);
    const int bottom = std::min(thickness, height - top);
    const int middle = height - top - bottom;
    const int left = std::min(thickness, width);
    const int right = std::min(thickness, width - left);
    const DWORD rop = brush ? PATINVERT : DSTINVERT;
    HGDIOBJ previous = brush ? ::SelectObject(dc, brush) : nullptr;
    ::PatBlt(dc, rect.left, rect.top, width, top, rop);
    if (bottom > 0)
        ::PatBlt(dc, rect.left, rect.bottom - bottom, width, bottom, rop);
    if (middle > 0) {
        ::PatBlt(dc, rect.left, rect.top + top, left, middle, rop);
        if (right > 0)
            ::PatBlt(dc, rect.right - right, rect.top + top, right, middle, rop);
    }
    if (brush)
        ::SelectObject(dc, previous);
}

} // namespace

void CDragIndicator::DrawBand(HDC dc, const RECT& rect) const
{
    if (mSolid) {
        InvertFrame(dc, rect, mThickness, nullptr);
        return;
    }
    // Every other pixel, as the system's own drag rectangles.
    const WORD pattern[8] = { 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA };
    HBITMAP bitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
    HBRUSH brush = bitmap ? ::CreatePatternBrush(bitmap) : nullptr;
    if (brush) {
        const COLORREF text = ::SetTextColor(dc, RGB(0, 0, 0));
        const COLORREF background = ::SetBkColor(dc, RGB(255, 255, 255));
        InvertFrame(dc, rect, mThickness, brush);
        ::SetTextColor(dc, text);
        ::SetBkColor(dc, background);
        ::DeleteObject(brush);
    }
    if (bitmap)
        ::DeleteObject(bitmap);
}

} // namespace tnwwndut

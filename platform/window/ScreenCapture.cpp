#include "ScreenCapture.h"

CScreenCapture::CScreenCapture() = default;

CScreenCapture::~CScreenCapture()
{
    Release();
}

bool CScreenCapture::SetCapture(int mode)
{
    if (mode != kCaptureScreen)
        return false;
    mMode = mode;
    return true;
}

void CScreenCapture::Release()
{
    if (mDC) {
        ::SelectObject(mDC, mDCBitmap);
        ::DeleteDC(mDC);
    }
    if (mBitmap)
        ::DeleteObject(mBitmap);
    mDC = nullptr;
    mDCBitmap = nullptr;
    mBitmap = nullptr;
    mWidth = 0;
    mHeight = 0;
}

bool CScreenCapture::Capture()
{
    Release();
    if (mMode != kCaptureScreen)
        return false;
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    HDC screen = ::GetDC(nullptr);
    if (!screen)
        return false;
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = dc && width > 0 && height > 0 ? ::CreateCompatibleBitmap(screen, width, height) : nullptr;
    bool captured = false;
    if (bitmap) {
        mDCBitmap = ::SelectObject(dc, bitmap);
        captured = ::BitBlt(dc, 0, 0, width, height, screen, 0, 0, SRCCOPY) != FALSE;
    }
    ::ReleaseDC(nullptr, screen);
    if (!captured) {
        if (bitmap) {
            ::SelectObject(dc, mDCBitmap);
            ::DeleteObject(bitmap);
        }
        if (dc)
            ::DeleteDC(dc);
        mDCBitmap = nullptr;
        return false;
    }
    if (mWantCursor)
        DrawCursor(dc);
    mDC = dc;
    mBitmap = bitmap;
    mWidth = width;
    mHeight = height;
    return true;
}

void CScreenCapture::DrawCursor(HDC dc)
{
    CURSORINFO cursor = {};
    cursor.cbSize = sizeof cursor;
    if (!::GetCursorInfo(&cursor) || !(cursor.flags & CURSOR_SHOWING) || !cursor.hCursor)
        return;
    ICONINFO info = {};
    if (!::GetIconInfo(cursor.hCursor, &info))
        return;
    // GetIconInfo hands out copies of the cursor's bitmaps.
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    ::DrawIconEx(dc, cursor.ptScreenPos.x - static_cast<int>(info.xHotspot),
                 cursor.ptScreenPos.y - static_cast<int>(info.yHotspot), cursor.hCursor, 0, 0, 0, nullptr,
                 DI_NORMAL);
}

bool CScreenCapture::Draw(HDC dc, int x, int y) const
{
    return mDC && dc && ::BitBlt(dc, x, y, mWidth, mHeight, mDC, 0, 0, SRCCOPY);
}

#include "MemoryCanvas.h"

CMemoryCanvas::CMemoryCanvas(int width, int height, COLORREF fill) : mWidth(width), mHeight(height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    mBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    mDC.CreateCompatibleDC(nullptr);
    mPrevious = ::SelectObject(mDC, mBitmap);
    Fill(fill);
}

CMemoryCanvas::~CMemoryCanvas()
{
    ::SelectObject(mDC, mPrevious);
    mDC.DeleteDC();
    ::DeleteObject(mBitmap);
}

void CMemoryCanvas::Fill(COLORREF color)
{
    mDC.FillSolidRect(0, 0, mWidth, mHeight, color);
}

int CMemoryCanvas::Count(COLORREF color) const
{
    int count = 0;
    for (int y = 0; y < mHeight; ++y) {
        for (int x = 0; x < mWidth; ++x)
            count += Pixel(x, y) == color;
    }
    return count;
}

void DrawOwnerDrawItem(CWnd& parent, CWnd& control, UINT state, CMemoryCanvas& canvas, const RECT& rect)
{
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(control.GetDlgCtrlID());
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = control.m_hWnd;
    item.hDC = canvas.DC().m_hDC;
    item.rcItem = rect;
    parent.SendMessage(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

#include "util/DrawingUtils.h"

#include <climits>
#include <cmath>

bool UDrawingUtils::sInitialized = false;
CFont UDrawingUtils::sFont;
CFont UDrawingUtils::sSmallFont;
CFont UDrawingUtils::sCourier18Bold;
CBrush UDrawingUtils::sBlackBrush;
CBrush UDrawingUtils::sLightYellowBrush;
CBrush UDrawingUtils::sLightBlueBrush;
CBrush UDrawingUtils::sRedBrush;
CBrush UDrawingUtils::sWhiteBrush;

namespace {

void CreateSharedFont(CFont& font, int height, int weight, const char* face, BYTE charSet)
{
    font.CreateFont(height, 0, 0, 0, weight, 0, 0, 0, charSet, 0, 0, 0, 0, face);
}

} // namespace

bool UDrawingUtils::Initialize()
{
    if (sInitialized)
        return false;
    const BYTE charSet = GetDefaultCharSet();
    CreateSharedFont(sFont, -12, FW_NORMAL, "Arial", charSet);
    CreateSharedFont(sSmallFont, -10, FW_NORMAL, "Arial", charSet);
    CreateSharedFont(sCourier18Bold, -18, FW_BOLD, "Courier New", charSet);
    sBlackBrush.CreateSolidBrush(RGB(0, 0, 0));
    sLightYellowBrush.CreateSolidBrush(RGB(255, 255, 128));
    sLightBlueBrush.CreateSolidBrush(RGB(174, 175, 255));
    sRedBrush.CreateSolidBrush(RGB(255, 0, 0));
    sWhiteBrush.CreateSolidBrush(RGB(255, 255, 255));
    sInitialized = true;
    return true;
}

unsigned char UDrawingUtils::GetDefaultCharSet()
{
    HWND desktop = ::GetDesktopWindow();
    HDC dc = ::GetDC(desktop);
    const int charSet = ::GetTextCharset(dc);
    ::ReleaseDC(desktop, dc);
    return static_cast<unsigned char>(charSet);
}

CFont* UDrawingUtils::GetFont()
{
    Initialize();
    return &sFont;
}

CFont* UDrawingUtils::GetSmallFont()
{
    Initialize();
    return &sSmallFont;
}

CFont* UDrawingUtils::GetCourier18Bold()
{
    Initialize();
    return &sCourier18Bold;
}

CBrush* UDrawingUtils::GetLightBlueBrush()
{
    Initialize();
    return &sLightBlueBrush;
}

CBrush* UDrawingUtils::GetRedBrush()
{
    Initialize();
    return &sRedBrush;
}

CBrush* UDrawingUtils::GetWhiteBrush()
{
    Initialize();
    return &sWhiteBrush;
}

bool UDrawingUtils::IsDrawable(CDC* dc, const RECT* rect)
{
    return dc && rect && rect->right > rect->left && rect->bottom > rect->top;
}

void UDrawingUtils::FillRect(CDC* dc, const RECT* rect, COLORREF color)
{
    if (IsDrawable(dc, rect))
        dc->FillSolidRect(rect, color);
}

void UDrawingUtils::FillRect(CDC* dc, const RECT* rect, CBrush* brush)
{
    if (IsDrawable(dc, rect) && brush->GetSafeHandle())
        dc->FillRect(rect, brush);
}

void UDrawingUtils::FrameRect(CDC* dc, const RECT* rect)
{
    Initialize();
    FrameRect(dc, rect, &sBlackBrush);
}

void UDrawingUtils::FrameRect(CDC* dc, const RECT* rect, CBrush* brush)
{
    if (IsDrawable(dc, rect) && brush->GetSafeHandle())
        dc->FrameRect(rect, brush);
}

void UDrawingUtils::Line(CDC* dc, const POINT& from, const POINT& to)
{
    if (!dc)
        return;
    dc->MoveTo(from);
    dc->LineTo(to);
}

void UDrawingUtils::LineWithArrow(CDC* dc, const POINT& from, const POINT& to, int size)
{
    if (!dc)
        return;
    Line(dc, from, to);
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0)
        return;
    // The direction from the vector itself: exact along the axes, where the cosine of an
    // angle of 90 degrees would not be 0.
    const double c = dx / length;
    const double s = dy / length;
    const double back = size;
    const double half = size / 2;
    const POINT head[3] = {
        to,
        { to.x + std::lround(-back * c + half * s), to.y + std::lround(-back * s - half * c) },
        { to.x + std::lround(-back * c - half * s), to.y + std::lround(-back * s + half * c) },
    };
    dc->Polygon(head, 3);
}

void UDrawingUtils::Refresh(CWnd* window)
{
    if (window->GetSafeHwnd())
        window->Invalidate(FALSE);
}

POINT UDrawingUtils::TranslatePoint(const RealPoint& point)
{
    return { static_cast<LONG>(point.x), static_cast<LONG>(point.y) };
}

RealPoint UDrawingUtils::TranslatePoint(const POINT& point)
{
    return { static_cast<double>(point.x), static_cast<double>(point.y) };
}

bool UDrawingUtils::Equal(const RealPoint& first, const RealPoint& second)
{
    return first.x == second.x && first.y == second.y;
}

int UDrawingUtils::RoundToPixel(double value)
{
    const double pixel = value + 0.5;
    if (std::isnan(pixel))
        return 0;
    if (pixel <= static_cast<double>(INT_MIN))
        return INT_MIN;
    if (pixel >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(pixel);
}

int UDrawingUtils::GetPixelSize(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 8: return 1;
    case 15: case 16: return 2;
    case 24: return 3;
    case 32: return 4;
    default: return 0;
    }
}

void UDrawingUtils::DrawBitmap(CDC* dc, CBitmap* bitmap, short x, short y)
{
    BITMAP size = {};
    if (!dc || !bitmap->GetSafeHandle() || !bitmap->GetBitmap(&size))
        return;
    CDC memory;
    if (!memory.CreateCompatibleDC(dc))
        return;
    CBitmap* previous = memory.SelectObject(bitmap);
    const int left = x - size.bmWidth / 2;
    const int top = y - size.bmHeight / 2;
    dc->BitBlt(left, top, size.bmWidth, size.bmHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
}

#pragma once
#include "afxwin.h"

// A point with real coordinates, for geometry that is rounded to pixels only when drawn.
struct RealPoint {
    double x;
    double y;
};

// Drawing helpers and the fonts and brushes the library's windows share.
//
// The shared objects are made together, once, by Initialize, and kept until the library
// unloads. Every getter (and FrameRect with the black brush) initialises them first when
// needed, so that no caller can be handed an empty font or brush.
//
// The rectangle operations draw nothing unless the rectangle has a positive width and
// height: an inverted rectangle would otherwise be filled or framed from its other side.
// Every operation does nothing with a null device context.
//
// The arrow head of LineWithArrow is an isosceles triangle with its tip on the line's end:
// its length (tip to base) is `size` and its half-width h = size / 2, in every direction.
// With c and s the cosine and sine of the line's direction, the base corners are
//     to + (-size*c + h*s, -size*s - h*c)  and  to + (-size*c - h*s, -size*s + h*c),
// each offset rounded to the nearest pixel. For a line pointing right these are exactly
// to + (-size, -h) and to + (-size, h).
class AFX_EXT_CLASS UDrawingUtils {
public:
    // True when it made the objects, false when they already existed.
    static bool Initialize();
    // The desktop's text character set, which the shared fonts use.
    static unsigned char GetDefaultCharSet();

    static CFont* GetFont();
    static CFont* GetSmallFont();
    static CFont* GetCourier18Bold();
    static CBrush* GetLightBlueBrush();
    static CBrush* GetRedBrush();
    static CBrush* GetWhiteBrush();

    static void FillRect(CDC* dc, const RECT* rect, COLORREF color);
    // Draws nothing with a null brush.
    static void FillRect(CDC* dc, const RECT* rect, CBrush* brush);
    // A one-pixel black frame.
    static void FrameRect(CDC* dc, const RECT* rect);
    static void FrameRect(CDC* dc, const RECT* rect, CBrush* brush);

    // With the device context's current pen.
    static void Line(CDC* dc, const POINT& from, const POINT& to);
    // The line, then a filled head at `to`, with the current pen and brush. A line of no
    // length has no direction and gets no head.
    static void LineWithArrow(CDC* dc, const POINT& from, const POINT& to, int size);

    // Invalidates the whole window without erasing its background.
    static void Refresh(CWnd* window);

    // Each coordinate truncated toward zero.
    static POINT TranslatePoint(const RealPoint& point);
    static RealPoint TranslatePoint(const POINT& point);
    static bool Equal(const RealPoint& first, const RealPoint& second);

    // A position in pixels: value + 0.5 truncated toward zero, held within the range of
    // an int, so that no real number (NaN gives 0, huge values the nearest end) reaches an
    // undefined conversion.
    static int RoundToPixel(double value);
    // Bytes per pixel of a colour depth: 8 gives 1, 15 or 16 give 2, 24 gives 3, 32 gives
    // 4, anything else 0.
    static int GetPixelSize(int bitsPerPixel);

    // Copies the bitmap with its centre at (x, y); odd halves round down.
    static void DrawBitmap(CDC* dc, CBitmap* bitmap, short x, short y);

private:
    static bool IsDrawable(CDC* dc, const RECT* rect);

    static bool sInitialized;
    static CFont sFont;
    static CFont sSmallFont;
    static CFont sCourier18Bold;
    static CBrush sBlackBrush;
    static CBrush sLightYellowBrush;
    static CBrush sLightBlueBrush;
    static CBrush sRedBrush;
    static CBrush sWhiteBrush;
};

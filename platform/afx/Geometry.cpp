#include "afxgeom.h"

#include <utility>

namespace {

// Runs one of the system's set operations on copies of the sources, so that either source
// may be the destination itself.
BOOL CombineCopies(BOOL(WINAPI* operation)(LPRECT, const RECT*, const RECT*), LPRECT destination,
                   LPCRECT source1, LPCRECT source2)
{
    const RECT first = *source1;
    const RECT second = *source2;
    return operation(destination, &first, &second);
}

} // namespace

CSize CPoint::operator-(POINT point) const
{
    return CSize(x - point.x, y - point.y);
}

CRect CPoint::operator+(const RECT* lpRect) const
{
    CRect result(lpRect);
    result.OffsetRect(x, y);
    return result;
}

CRect CPoint::operator-(const RECT* lpRect) const
{
    CRect result(lpRect);
    result.OffsetRect(-x, -y);
    return result;
}

CRect CSize::operator+(const RECT* lpRect) const
{
    return CPoint(*this) + lpRect;
}

CRect CSize::operator-(const RECT* lpRect) const
{
    return CPoint(*this) - lpRect;
}

BOOL CRect::IsRectEmpty() const
{
    return ::IsRectEmpty(this);
}

BOOL CRect::IsRectNull() const
{
    return left == 0 && top == 0 && right == 0 && bottom == 0;
}

BOOL CRect::PtInRect(POINT point) const
{
    return ::PtInRect(this, point);
}

void CRect::SetRect(int x1, int y1, int x2, int y2)
{
    left = x1;
    top = y1;
    right = x2;
    bottom = y2;
}

void CRect::SetRect(POINT topLeft, POINT bottomRight)
{
    SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
}

void CRect::SetRectEmpty()
{
    SetRect(0, 0, 0, 0);
}

void CRect::CopyRect(LPCRECT lpSrcRect)
{
    if (lpSrcRect)
        SetRect(lpSrcRect->left, lpSrcRect->top, lpSrcRect->right, lpSrcRect->bottom);
    else
        SetRectEmpty();
}

BOOL CRect::EqualRect(LPCRECT lpRect) const
{
    return lpRect && left == lpRect->left && top == lpRect->top && right == lpRect->right &&
           bottom == lpRect->bottom;
}

void CRect::InflateRect(int x, int y)
{
    InflateRect(x, y, x, y);
}

void CRect::InflateRect(SIZE size)
{
    InflateRect(size.cx, size.cy);
}

void CRect::InflateRect(LPCRECT lpRect)
{
    InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CRect::InflateRect(int l, int t, int r, int b)
{
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void CRect::DeflateRect(int x, int y)
{
    InflateRect(-x, -y);
}

void CRect::DeflateRect(SIZE size)
{
    InflateRect(-size.cx, -size.cy);
}

void CRect::DeflateRect(LPCRECT lpRect)
{
    InflateRect(-lpRect->left, -lpRect->top, -lpRect->right, -lpRect->bottom);
}

void CRect::DeflateRect(int l, int t, int r, int b)
{
    InflateRect(-l, -t, -r, -b);
}

void CRect::OffsetRect(int x, int y)
{
    left += x;
    right += x;
    top += y;
    bottom += y;
}

void CRect::OffsetRect(SIZE size)
{
    OffsetRect(size.cx, size.cy);
}

void CRect::OffsetRect(POINT point)
{
    OffsetRect(point.x, point.y);
}

void CRect::NormalizeRect()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

BOOL CRect::IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    return CombineCopies(::IntersectRect, this, lpRect1, lpRect2);
}

BOOL CRect::UnionRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    return CombineCopies(::UnionRect, this, lpRect1, lpRect2);
}

BOOL CRect::SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2)
{
    return CombineCopies(::SubtractRect, this, lpRectSrc1, lpRectSrc2);
}

CRect CRect::operator+(POINT point) const
{
    CRect result(*this);
    result.OffsetRect(point);
    return result;
}

CRect CRect::operator-(POINT point) const
{
    CRect result(*this);
    result.OffsetRect(-point.x, -point.y);
    return result;
}

CRect CRect::operator+(SIZE size) const
{
    CRect result(*this);
    result.OffsetRect(size);
    return result;
}

CRect CRect::operator-(SIZE size) const
{
    CRect result(*this);
    result.OffsetRect(-size.cx, -size.cy);
    return result;
}

CRect CRect::operator+(LPCRECT lpRect) const
{
    CRect result(*this);
    result.InflateRect(lpRect);
    return result;
}

CRect CRect::operator-(LPCRECT lpRect) const
{
    CRect result(*this);
    result.DeflateRect(lpRect);
    return result;
}

CRect CRect::operator&(const RECT& rect2) const
{
    CRect result;
    result.IntersectRect(this, &rect2);
    return result;
}

CRect CRect::operator|(const RECT& rect2) const
{
    CRect result;
    result.UnionRect(this, &rect2);
    return result;
}

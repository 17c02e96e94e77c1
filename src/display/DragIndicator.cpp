#include "display/DragIndicator.h"

#include <climits>
#include <cmath>

namespace tnwmfcut {

namespace {

const int kCloseDistance = 4;

double ToReal(int pixel, int origin, double scale)
{
    return scale == 0.0 ? 0.0 : (pixel - origin) / scale;
}

int ToPixel(double real, int origin, double scale)
{
    const double pixel = scale * real + origin + 0.5;
    if (std::isnan(pixel))
        return origin;
    if (pixel <= static_cast<double>(INT_MIN))
        return INT_MIN;
    if (pixel >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(pixel);
}

} // namespace

CDragIndicator::CDragIndicator(CWnd* window, double xScale, double yScale, int xOrigin, int yOrigin)
    : mWindow(window), mDragType(kNoDrag), mCurrentPoint{ 0.0, 0.0 }, mDrawn(false), mXScale(xScale),
      mYScale(yScale), mXOrigin(xOrigin), mYOrigin(yOrigin)
{
}

CDragIndicator::~CDragIndicator() = default;

bool CDragIndicator::StartDragSelf(RealPoint&)
{
    return false;
}

bool CDragIndicator::EndDrag(RealPoint&)
{
    if (mDragType == kNoDrag)
        return false;
    Refresh(false);
    return true;
}

void CDragIndicator::ProcessSelf(RealPoint&) {}

void CDragIndicator::Draw(CDC*) {}

RealPoint CDragIndicator::TranslatePoint(const POINT& point) const
{
    return { ToReal(point.x, mXOrigin, mXScale), ToReal(point.y, mYOrigin, mYScale) };
}

POINT CDragIndicator::TranslatePoint(const RealPoint& point) const
{
    return { ToPixel(point.x, mXOrigin, mXScale), ToPixel(point.y, mYOrigin, mYScale) };
}

bool CDragIndicator::StartDrag(const POINT& point)
{
    RealPoint real = TranslatePoint(point);
    return StartDragSelf(real);
}

bool CDragIndicator::EndDrag(const POINT& point)
{
    RealPoint real = TranslatePoint(point);
    return EndDrag(real);
}

void CDragIndicator::Process(const POINT& point)
{
    RealPoint real = TranslatePoint(point);
    Process(real);
}

void CDragIndicator::Process(RealPoint& point)
{
    if (mDragType == kNoDrag)
        return;
    Refresh(false);
    ProcessSelf(point);
    mCurrentPoint = point;
    Refresh(true);
}

void CDragIndicator::Refresh(bool show)
{
    if (show == mDrawn)
        return;
    if (mWindow->GetSafeHwnd()) {
        CClientDC dc(mWindow);
        Draw(&dc);
    }
    mDrawn = show;
}

bool CDragIndicator::CloseTo(const POINT& first, const POINT& second)
{
    return std::abs(first.x - second.x) <= kCloseDistance && std::abs(first.y - second.y) <= kCloseDistance;
}

bool CDragIndicator::CloseTo(const RealPoint& first, const RealPoint& second)
{
    return std::fabs(first.x - second.x) <= kCloseDistance && std::fabs(first.y - second.y) <= kCloseDistance;
}

} // namespace tnwmfcut

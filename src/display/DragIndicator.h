#pragma once
#include "afxwin.h"
#include "util/DrawingUtils.h"

// The window support library has a rubber-band indicator of the same name, which the
// screen tools use. This one lives in the library's namespace so that a program can use
// both; the node classes bring it into their own scope (CObjectNode::CDragIndicator).
namespace tnwmfcut {

// The feedback of one mouse drag inside a node window: converts between window pixels and
// the nodes' real coordinates (pixel = scale * real + origin), keeps the drag's current
// point and draws and erases its own feedback as the mouse moves.
//
// A deriving indicator decides in StartDragSelf whether a press starts a drag and sets a
// drag type other than kNoDrag; ProcessSelf may move the point (to snap or clamp it) before
// it becomes the current point; Draw toggles the feedback, so drawing it twice must leave
// the window as it was (XOR drawing, for example). Refresh calls Draw only when the
// feedback is to change, so a drag always ends with the window clean. While the drag type
// is kNoDrag, Process and EndDrag do nothing (EndDrag answers false).
//
// A deriving class that overrides EndDrag(RealPoint&) brings the pixel overload back
// with `using CDragIndicator::EndDrag;`.
//
// Decisions of this library:
// - A scale of 0 maps every real coordinate to the origin, and every pixel to the real 0:
//   no coordinate is ever divided by 0.
// - A real coordinate whose pixel lies beyond the range of int is clamped to that range.
class AFX_EXT_CLASS CDragIndicator {
public:
    enum DragT : int { kNoDrag = 0 };

    CDragIndicator(CWnd* window, double xScale, double yScale, int xOrigin, int yOrigin);
    CDragIndicator(const CDragIndicator& other) = default;
    CDragIndicator& operator=(const CDragIndicator& other) = default;
    virtual ~CDragIndicator();

    // Whether the press at point starts a drag; the default starts none.
    virtual bool StartDragSelf(RealPoint& point);
    // Erases the feedback and answers true when a drag runs.
    virtual bool EndDrag(RealPoint& point);
    virtual void ProcessSelf(RealPoint& point);
    virtual void Draw(CDC* dc);

    RealPoint TranslatePoint(const POINT& point) const;
    POINT TranslatePoint(const RealPoint& point) const;

    bool StartDrag(const POINT& point);
    bool EndDrag(const POINT& point);
    void Process(const POINT& point);
    void Process(RealPoint& point);
    // Shows or hides the feedback, drawing only when that changes what is on screen.
    void Refresh(bool show);

    // Within 4 pixels (4.0 units) in both directions.
    static bool CloseTo(const POINT& first, const POINT& second);
    static bool CloseTo(const RealPoint& first, const RealPoint& second);

    DragT GetDragType() const { return mDragType; }
    RealPoint& GetCurrentPoint() { return mCurrentPoint; }
    bool IsDrawn() const { return mDrawn; }

protected:
    void SetDragType(DragT type) { mDragType = type; }

    CWnd* mWindow;
    DragT mDragType;
    RealPoint mCurrentPoint;
    bool mDrawn;
    double mXScale;
    double mYScale;
    int mXOrigin;
    int mYOrigin;
};

} // namespace tnwmfcut

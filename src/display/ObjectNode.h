#pragma once
#include "afxwin.h"
#include "display/DragIndicator.h"

#include "tnwbscut.h"

// A display that draws its object itself, in a node window (CObjectNodeWindow), in the
// window's coordinates: pixel = scale * coordinate + origin on each axis. A deriving node
// draws in DrawSelf and may be dragged: StartDragging decides whether a press hits it and
// returns a new indicator (which the window owns from then on and deletes when the drag
// ends), ProcessDragging follows the mouse, StopDragging sees the release, and DragAction
// changes the object, typically from the indicator's current point. A drag the window has
// to abandon (its window goes, the node is removed, the mouse is taken away, a new press
// arrives) ends without StopDragging or DragAction: the object is changed only by a drag
// that was finished.
//
// The displays below a node are nodes too, drawn after it in list order.
class AFX_EXT_CLASS CObjectNode : public CObjectDisplay {
public:
    using CDragIndicator = tnwmfcut::CDragIndicator;

    explicit CObjectNode(CObjectDisplay* parent);
    ~CObjectNode() override;

    // DrawSelf, then every child node in list order.
    virtual void Draw(CDC* dc, double xScale, double yScale, int xOrigin, int yOrigin);
    virtual void DrawSelf(CDC* dc, double xScale, double yScale, int xOrigin, int yOrigin);
    // A new indicator when the press at point starts a drag of this node, else null.
    virtual CDragIndicator* StartDragging(CPoint& point, double xScale, double yScale, int xOrigin, int yOrigin);
    virtual void StopDragging(CDragIndicator* indicator, CPoint& point, double xScale, double yScale, int xOrigin,
                              int yOrigin);
    virtual void ProcessDragging(CDragIndicator* indicator, CPoint& point, double xScale, double yScale,
                                 int xOrigin, int yOrigin);
    virtual void DragAction(CDragIndicator* indicator, double xScale, double yScale, int xOrigin, int yOrigin);

    // Asks the window that shows the node to repaint.
    void Redraw() override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
};

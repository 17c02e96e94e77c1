#pragma once
#include "afxwin.h"
#include "display/DragIndicator.h"
#include "display/ObjectNode.h"

#include "tnwbscut.h"

// A plain child window that is the top display of its nodes (CObjectNode) and paints them
// itself: Draw paints the background, then every node in list order, each with the
// window's two scales and two origins (pixel = scale * coordinate + origin). A deriving
// window sets the protected scales and origins (from its own layout, say) and draws its
// background; the getters are what the drawing and the dragging read. A child display's
// handle is the display itself.
//
// Redraw (of the window or of any of its nodes) invalidates the whole client area without
// erasing it; adding or removing a node does the same. Painting happens at WM_PAINT.
//
// Dragging: a left-button press asks the nodes in list order; the first whose
// StartDragging gives an indicator is dragged, with the mouse captured by the window,
// until the button is released: mouse moves go to the node's ProcessDragging, the release
// to its StopDragging and then its DragAction, after which the window deletes the
// indicator. Without an accepting node a press only gets the default handling.
//
// Decisions of this library: a drag that cannot be finished is abandoned, the indicator
// erased and deleted and the mouse released, without StopDragging or DragAction: when the
// window is destroyed, when the dragged node (or a display above it) is removed, when
// another window takes the mouse or the system cancels modes, and when a new press
// arrives before the release. The window never keeps a pointer to a node that is gone.
class AFX_EXT_CLASS CObjectNodeWindow : public CWnd, public CTopObjectDisplay {
public:
    using CDragIndicator = tnwmfcut::CDragIndicator;

    CObjectNodeWindow();
    ~CObjectNodeWindow() override;

    // A child window of the node windows' class (double clicks, arrow cursor).
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    virtual void Draw(CDC* dc);
    virtual void DrawBackground(CDC* dc);
    virtual void DrawDisplays(CDC* dc);
    virtual void DrawDisplay(CDC* dc, CObjectDisplay* display, double xScale, double yScale, int xOrigin, int yOrigin);
    virtual double GetXScale();
    virtual double GetYScale();
    virtual int GetXOrigin();
    virtual int GetYOrigin();
    // The first child node that takes the press (StartDragging true), or null.
    virtual CObjectNode* DragDisplay(CPoint& point, double xScale, double yScale, int xOrigin, int yOrigin);
    // Asks the node for an indicator and keeps it; whether one was given.
    virtual bool StartDragging(CObjectNode* node, CPoint& point, double xScale, double yScale, int xOrigin,
                               int yOrigin);
    // The node's StopDragging and DragAction, then the indicator is deleted.
    virtual bool StopDragging(CObjectNode* node, CPoint& point, double xScale, double yScale, int xOrigin,
                              int yOrigin);
    virtual bool ProcessDragging(CObjectNode* node, CPoint& point, double xScale, double yScale, int xOrigin,
                                 int yOrigin);

    LONG_PTR CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object, int index) override;
    void DisposeChildDisplayHandle(CObjectDisplay* child) override;
    void RemoveChildDisplay(CObjectDisplay* child) override;
    CObjectDisplay* CreateChild(CPersistObject* object, int index) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    LONG_PTR GetChildDisplayHandle(CObjectDisplay* child) override;
    void Redraw() override;

    // The node being dragged and its indicator, null between drags.
    CObjectNode* GetDraggedNode() const { return mDraggedNode; }
    CDragIndicator* GetDragIndicator() const { return mDragIndicator; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnCancelMode();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    double mXScale;
    double mYScale;
    int mXOrigin;
    int mYOrigin;

private:
    friend class CObjectNode;

    // A node is going away: a drag of it (or the call into it) ends.
    void NodeGone(CObjectNode* node);
    // Ends the drag without finishing it; erase takes the feedback off the window first.
    void AbandonDragging(bool erase);
    void ReleaseMouse();

    CObjectNode* mDraggedNode;
    CDragIndicator* mDragIndicator;
    // The node a drag call is inside of, null when that node went meanwhile.
    CObjectNode* mCalledNode;
    int mCallDepth;
};

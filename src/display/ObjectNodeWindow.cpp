#include "display/ObjectNodeWindow.h"

#include "util/DrawingUtils.h"

BEGIN_MESSAGE_MAP(CObjectNodeWindow, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_CANCELMODE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// Marks the node a drag call runs in for the length of the call.
class StCalledNode {
public:
    StCalledNode(CObjectNode*& called, int& depth, CObjectNode* node)
        : mCalled(called), mDepth(depth), mPrevious(called)
    {
        mCalled = node;
        ++mDepth;
    }
    ~StCalledNode()
    {
        mCalled = mPrevious;
        --mDepth;
    }
    StCalledNode(const StCalledNode&) = delete;
    StCalledNode& operator=(const StCalledNode&) = delete;

private:
    CObjectNode*& mCalled;
    int& mDepth;
    CObjectNode* mPrevious;
};

} // namespace

CObjectNodeWindow::CObjectNodeWindow()
    : mXScale(1.0), mYScale(1.0), mXOrigin(0), mYOrigin(0), mDraggedNode(nullptr), mDragIndicator(nullptr),
      mCalledNode(nullptr), mCallDepth(0)
{
    SetClosing(false);
}

CObjectNodeWindow::~CObjectNodeWindow()
{
    // While this class is still whole, so that its WM_DESTROY handling ends a drag and
    // unbinds the object.
    if (m_hWnd)
        DestroyWindow();
    AbandonDragging(false);
}

BOOL CObjectNodeWindow::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                             reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return CWnd::Create(windowClass, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

void CObjectNodeWindow::Draw(CDC* dc)
{
    DrawBackground(dc);
    DrawDisplays(dc);
}

void CObjectNodeWindow::DrawBackground(CDC*) {}

void CObjectNodeWindow::DrawDisplays(CDC* dc)
{
    const double xScale = GetXScale();
    const double yScale = GetYScale();
    for (int index = 0; index < GetChildDisplayCount(); ++index) {
        if (CObjectDisplay* child = GetChildDisplay(index))
            DrawDisplay(dc, child, xScale, yScale, GetXOrigin(), GetYOrigin());
    }
}

void CObjectNodeWindow::DrawDisplay(CDC* dc, CObjectDisplay* display, double xScale, double yScale, int xOrigin,
                                    int yOrigin)
{
    if (auto* node = dynamic_cast<CObjectNode*>(display))
        node->Draw(dc, xScale, yScale, xOrigin, yOrigin);
}

double CObjectNodeWindow::GetXScale()
{
    return mXScale;
}

double CObjectNodeWindow::GetYScale()
{
    return mYScale;
}

int CObjectNodeWindow::GetXOrigin()
{
    return mXOrigin;
}

int CObjectNodeWindow::GetYOrigin()
{
    return mYOrigin;
}

CObjectNode* CObjectNodeWindow::DragDisplay(CPoint& point, double xScale, double yScale, int xOrigin, int yOrigin)
{
    for (int index = 0; index < GetChildDisplayCount(); ++index) {
        auto* node = dynamic_cast<CObjectNode*>(GetChildDisplay(index));
        if (StartDragging(node, point, xScale, yScale, xOrigin, yOrigin))
            return node;
    }
    return nullptr;
}

bool CObjectNodeWindow::StartDragging(CObjectNode* node, CPoint& point, double xScale, double yScale, int xOrigin,
                                      int yOrigin)
{
    if (!node)
        return false;
    CDragIndicator* indicator = nullptr;
    {
        StCalledNode called(mCalledNode, mCallDepth, node);
        indicator = node->StartDragging(point, xScale, yScale, xOrigin, yOrigin);
        if (!mCalledNode) {
            // The node went while it was asked.
            delete indicator;
            return false;
        }
    }
    if (!indicator)
        return false;
    delete mDragIndicator;
    mDragIndicator = indicator;
    return true;
}

bool CObjectNodeWindow::StopDragging(CObjectNode* node, CPoint& point, double xScale, double yScale, int xOrigin,
                                     int yOrigin)
{
    if (!node || !mDragIndicator)
        return false;
    {
        StCalledNode called(mCalledNode, mCallDepth, node);
        node->StopDragging(mDragIndicator, point, xScale, yScale, xOrigin, yOrigin);
        if (mCalledNode)
            node->DragAction(mDragIndicator, xScale, yScale, xOrigin, yOrigin);
    }
    delete mDragIndicator;
    mDragIndicator = nullptr;
    return true;
}

bool CObjectNodeWindow::ProcessDragging(CObjectNode* node, CPoint& point, double xScale, double yScale,
                                        int xOrigin, int yOrigin)
{
    if (!node || !mDragIndicator)
        return false;
    StCalledNode called(mCalledNode, mCallDepth, node);
    node->ProcessDragging(mDragIndicator, point, xScale, yScale, xOrigin, yOrigin);
    return true;
}

LONG_PTR CObjectNodeWindow::CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject*, int)
{
    return reinterpret_cast<LONG_PTR>(child);
}

void CObjectNodeWindow::DisposeChildDisplayHandle(CObjectDisplay*) {}

void CObjectNodeWindow::RemoveChildDisplay(CObjectDisplay* child)
{
    CTopObjectDisplay::RemoveChildDisplay(child);
    UDrawingUtils::Refresh(this);
}

CObjectDisplay* CObjectNodeWindow::CreateChild(CPersistObject* object, int index)
{
    CObjectDisplay* child = CTopObjectDisplay::CreateChild(object, index);
    if (child)
        UDrawingUtils::Refresh(this);
    return child;
}

CObjectDisplay* CObjectNodeWindow::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CObjectNode(this) : nullptr;
}

LONG_PTR CObjectNodeWindow::GetChildDisplayHandle(CObjectDisplay* child)
{
    return child ? reinterpret_cast<LONG_PTR>(child) : -1;
}

void CObjectNodeWindow::Redraw()
{
    if (m_hWnd)
        InvalidateRect(nullptr, FALSE);
}

void CObjectNodeWindow::OnPaint()
{
    CPaintDC dc(this);
    Draw(&dc);
}

void CObjectNodeWindow::OnLButtonDown(UINT, CPoint point)
{
    // A release that never came: the drag before this press is over.
    if (mDraggedNode || mDragIndicator)
        AbandonDragging(true);
    CObjectNode* node = DragDisplay(point, GetXScale(), GetYScale(), GetXOrigin(), GetYOrigin());
    if (node && mDragIndicator) {
        mDraggedNode = node;
        ::SetCapture(m_hWnd);
    } else {
        AbandonDragging(false);
    }
    Default();
}

void CObjectNodeWindow::OnMouseMove(UINT, CPoint point)
{
    if (mDraggedNode) {
        ProcessDragging(mDraggedNode, point, GetXScale(), GetYScale(), GetXOrigin(), GetYOrigin());
        if (!mDraggedNode)
            AbandonDragging(false);
    }
    Default();
}

void CObjectNodeWindow::OnLButtonUp(UINT, CPoint point)
{
    if (mDraggedNode) {
        StopDragging(mDraggedNode, point, GetXScale(), GetYScale(), GetXOrigin(), GetYOrigin());
        // Whatever StopDragging left (a node that went meanwhile leaves its indicator).
        AbandonDragging(false);
    }
    Default();
}

void CObjectNodeWindow::OnCaptureChanged(CWnd* pWnd)
{
    if (mDraggedNode && pWnd->GetSafeHwnd() != m_hWnd)
        AbandonDragging(true);
    Default();
}

void CObjectNodeWindow::OnCancelMode()
{
    if (mDraggedNode)
        AbandonDragging(true);
    Default();
}

void CObjectNodeWindow::OnDestroy()
{
    AbandonDragging(true);
    SetClosing(true);
    SetObject(nullptr);
    Default();
}

void CObjectNodeWindow::NodeGone(CObjectNode* node)
{
    if (node == mCalledNode)
        mCalledNode = nullptr;
    if (node != mDraggedNode)
        return;
    // The feedback is not drawn again: the indicator may know the node. The window
    // repaints instead. Inside a call into a node, the caller ends the drag afterwards.
    mDraggedNode = nullptr;
    if (mCallDepth == 0) {
        AbandonDragging(false);
        Redraw();
    }
}

void CObjectNodeWindow::AbandonDragging(bool erase)
{
    CDragIndicator* indicator = mDragIndicator;
    // Cleared first: releasing the mouse comes back here through WM_CAPTURECHANGED.
    mDragIndicator = nullptr;
    mDraggedNode = nullptr;
    if (indicator) {
        if (erase && m_hWnd)
            indicator->Refresh(false);
        delete indicator;
    }
    ReleaseMouse();
}

void CObjectNodeWindow::ReleaseMouse()
{
    if (m_hWnd && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

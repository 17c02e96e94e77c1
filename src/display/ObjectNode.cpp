#include "display/ObjectNode.h"
#include "display/ObjectNodeWindow.h"

CObjectNode::CObjectNode(CObjectDisplay* parent) : CObjectDisplay(parent) {}

CObjectNode::~CObjectNode()
{
    // The window must not go on dragging (or calling) a node that is gone.
    if (auto* window = dynamic_cast<CObjectNodeWindow*>(GetTopDisplay()))
        window->NodeGone(this);
}

void CObjectNode::Draw(CDC* dc, double xScale, double yScale, int xOrigin, int yOrigin)
{
    DrawSelf(dc, xScale, yScale, xOrigin, yOrigin);
    for (int index = 0; index < GetChildDisplayCount(); ++index) {
        if (auto* child = dynamic_cast<CObjectNode*>(GetChildDisplay(index)))
            child->Draw(dc, xScale, yScale, xOrigin, yOrigin);
    }
}

void CObjectNode::DrawSelf(CDC*, double, double, int, int) {}

tnwmfcut::CDragIndicator* CObjectNode::StartDragging(CPoint&, double, double, int, int)
{
    return nullptr;
}

void CObjectNode::StopDragging(CDragIndicator*, CPoint&, double, double, int, int) {}

void CObjectNode::ProcessDragging(CDragIndicator*, CPoint&, double, double, int, int) {}

void CObjectNode::DragAction(CDragIndicator*, double, double, int, int) {}

void CObjectNode::Redraw()
{
    if (CTopObjectDisplay* top = GetTopDisplay())
        top->Redraw();
}

CObjectDisplay* CObjectNode::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CObjectNode(this) : nullptr;
}

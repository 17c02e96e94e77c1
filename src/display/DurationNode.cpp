#include "display/DurationNode.h"

#include "util/DrawingUtils.h"

#undef GetObject

CDurationNode::CDurationNode(CObjectDisplay* parent) : CObjectNode(parent) {}

CDurationNode::~CDurationNode() = default;

CDuration* CDurationNode::GetDuration()
{
    CPersistObject* object = GetObject();
    return object && object->IsInstanceOf(CDuration::kDurationType) ? static_cast<CDuration*>(object) : nullptr;
}

void CDurationNode::DrawSelf(CDC* dc, double xScale, double, int xOrigin, int yOrigin)
{
    CDuration* duration = GetDuration();
    if (!duration)
        return;
    const int startX = UDrawingUtils::RoundToPixel(duration->GetStart() * xScale);
    const int endX = UDrawingUtils::RoundToPixel(duration->GetEnd() * xScale);
    if (startX != endX)
        DrawDuration(dc, startX, endX, xOrigin, yOrigin);
}

void CDurationNode::DrawDuration(CDC*, int, int, int, int) {}

bool CDurationNode::Respond(long code, CBroadcaster* broadcaster, long data1, long data2)
{
    if (code == CDuration::kStartChanged || code == CDuration::kEndChanged) {
        DisplayChanged(this);
        return true;
    }
    return CObjectNode::Respond(code, broadcaster, data1, data2);
}

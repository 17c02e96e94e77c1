#include "display/ObjectTreeDisplay.h"

#undef GetObject

CObjectTreeDisplay::CObjectTreeDisplay(CObjectDisplay* parent) : CObjectControlDisplay(parent), mTreeItem(nullptr) {}

bool CObjectTreeDisplay::Respond(long code, CBroadcaster* broadcaster, long data1, long data2)
{
    if (CObjectControlDisplay::Respond(code, broadcaster, data1, data2))
        return true;
    if (!GetObject() || broadcaster != static_cast<CBroadcaster*>(GetObject()))
        return false;
    DisplayChanged(this);
    return true;
}

CObjectDisplay* CObjectTreeDisplay::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CObjectTreeDisplay(this) : nullptr;
}

void CObjectTreeDisplay::SelectChild(CObjectDisplay* child, bool select)
{
    if (CObjectDisplay* parent = GetParentDisplay())
        parent->SelectChild(child, select);
    else
        CObjectControlDisplay::SelectChild(child, select);
}

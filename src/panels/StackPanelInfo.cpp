#include "panels/StackPanelInfo.h"

bool CStackPanelInfo::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code == CPanel::kEnabledChanged)
        Broadcast(CPanel::kEnabledChanged, nullptr, nullptr);
    return CPanelInfo::ListenToMessage(code, sender, extra);
}

#pragma once
#include "panels/PanelInfo.h"

// One page of a panel stack: a group of panels with a name (the group's text). It passes
// a change of its panels' enabled states (kEnabledChanged) on to its own listeners, the
// stack that shows it, so that the stack can list or drop the page.
class AFX_EXT_CLASS CStackPanelInfo : public CPanelInfo, public CBroadcaster {
public:
    bool ListenToMessage(long code, const void* sender, const void* extra) override;
};

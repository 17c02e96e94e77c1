#pragma once
#include "dialogs/PlainFrame.h"
#include "dialogs/TaskBarWindow.h"

// A plain frame that can live in the notification area (see CTaskBarWindow) and decides
// for itself whether minimising hides it (see CSwitchedTaskBarWindow). Made through
// CreateObject; like every frame it frees itself when destroyed.
class AFX_EXT_CLASS CTaskBarFrame : public CSwitchedTaskBarWindow<CPlainFrame> {
    DECLARE_DYNCREATE(CTaskBarFrame)
public:
    CTaskBarFrame();
    ~CTaskBarFrame() override;
};

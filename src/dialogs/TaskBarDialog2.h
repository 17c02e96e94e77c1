#pragma once
#include "dialogs/TaskBarWindow.h"

// A dialog that can live in the notification area (see CTaskBarWindow) and decides for
// itself whether minimising hides it (see CSwitchedTaskBarWindow).
class AFX_EXT_CLASS CTaskBarDialog2 : public CSwitchedTaskBarWindow<CDialog> {
public:
    CTaskBarDialog2(unsigned int templateId, CWnd* parent);
    ~CTaskBarDialog2() override;
};

#include "dialogs/TaskBarDialog2.h"

CTaskBarDialog2::CTaskBarDialog2(unsigned int templateId, CWnd* parent)
    : CSwitchedTaskBarWindow(templateId, parent)
{
}

CTaskBarDialog2::~CTaskBarDialog2() = default;

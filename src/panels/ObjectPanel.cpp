#include "panels/ObjectPanel.h"

IMPLEMENT_DYNAMIC(CObjectPanel, CPanel)

CObjectPanel::CObjectPanel(UINT id, CWnd* parent) : CPanel(id, parent) {}

CObjectPanel::~CObjectPanel()
{
    SetController(nullptr);
    SetController2(nullptr);
}

void CObjectPanel::Replace(CObjectController2*& stored, CObjectController2* other, CObjectController2* controller)
{
    if (controller == stored)
        return;
    CObjectController2* old = Live(stored);
    stored = controller;
    if (old && old != other)
        old->RemoveListener(this);
    if (stored)
        stored->AddListener(this);
}

CObjectController2* CObjectPanel::Live(CObjectController2* controller) const
{
    return controller && IsListeningTo(controller) ? controller : nullptr;
}

void CObjectPanel::SetController(CObjectController2* controller)
{
    Replace(mController, mController2, controller);
}

void CObjectPanel::SetController2(CObjectController2* controller)
{
    Replace(mController2, mController, controller);
}

void CObjectPanel::SetObject(CPersistObject* object)
{
    CObjectController2* controller = Live(mController);
    if (!controller)
        return;
    controller->SetObject(object, true);
    ReflectObject();
}

void CObjectPanel::SetAutoShow(bool autoShow)
{
    mAutoShow = autoShow;
    ReflectObject();
}

CPersistObject* CObjectPanel::GetObjectA()
{
    CObjectController2* controller = Live(mController);
    return controller ? controller->GetObjectA() : nullptr;
}

void CObjectPanel::ReflectObject()
{
    if (Live(mController) && mAutoShow)
        SetEnable(GetObjectA() != nullptr);
    if (IsEnabled())
        Broadcast(kSummaryChanged, nullptr, nullptr);
}

CString CObjectPanel::GetDetailedText(bool& ok)
{
    ok = true;
    CString text;
    if (CObjectController2* controller = Live(mController)) {
        ok = controller->IsValid();
        text = controller->GetSummaryText();
    }
    if (CObjectController2* controller = Live(mController2)) {
        if (!text.IsEmpty())
            text += ", ";
        text += controller->GetSummaryText();
    }
    return text;
}

void CObjectPanel::Refresh()
{
    for (CObjectController2* controller : {Live(mController), Live(mController2)})
        if (controller)
            controller->Refresh();
}

bool CObjectPanel::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code == CObjectController2::kSettingsChanged && IsEnabled())
        Broadcast(kSummaryChanged, nullptr, nullptr);
    else if (code == CObjectController2::kShowRequest)
        Broadcast(kOpenMe, this, nullptr);
    return CListener::ListenToMessage(code, sender, extra);
}

BOOL CObjectPanel::OnInitDialog()
{
    CPanel::OnInitDialog();
    SetupControls();
    return TRUE;
}

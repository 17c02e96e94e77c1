#pragma once
#include "afxwin.h"

#include "tnwbscut.h"

// What the two object inspector dialogs share: a modal dialog whose one control (bound to
// its id) is filled by saving the object into a storage on that control, under the name
// "Object", when the dialog opens. Close (IDOK) and Escape end it.
//
// TDialog is the deriving dialog (for ShowObject), TControl the control's class, TStorage
// a storage made from a name and the control.
template <class TDialog, class TControl, class TStorage>
class CObjectInspectorDialogT : public CDialog {
public:
    CObjectInspectorDialogT(UINT templateId, int controlId, CWnd* parent)
        : CDialog(templateId, parent), mStorage("Object", mControl), mObject(nullptr), mControlId(controlId)
    {
    }

    void SetObject(CPersistObject* object) { mObject = object; }

    // Shows the object in a dialog without a parent, modally; nothing for no object.
    static void ShowObject(CPersistObject* object)
    {
        if (!object)
            return;
        TDialog dialog(nullptr);
        dialog.SetObject(object);
        dialog.DoModal();
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, mControlId, mControl);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (mObject)
            mObject->Save("Object", mStorage);
        return TRUE;
    }

    TControl mControl;
    TStorage mStorage;
    CPersistObject* mObject;

private:
    int mControlId;
};

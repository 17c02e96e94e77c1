#include "ObjectListControl.h"

#undef GetObject

BEGIN_MESSAGE_MAP(CObjectListControl, CFriendlyListControl)
    ON_OBJECT_LIST_BINDING_MESSAGES()
END_MESSAGE_MAP()

void CObjectListControl::RefreshOneDisplay(CObjectDisplay* display)
{
    CBinding::RefreshOneDisplay(display);
}

void CObjectListControl::SetPromptText(const char* text)
{
    mPromptText = text;
    RefreshPrompt();
}

void CObjectListControl::RefreshPrompt()
{
    CPersistList* list = GetDisplayedList();
    ShowPrompt(list && list->GetItemCount() == 0 ? static_cast<LPCSTR>(mPromptText) : "");
}

void CObjectListControl::Remove()
{
    CPersistList* list = GetDisplayedList();
    if (!list)
        return;
    CPointerList selection;
    GetSelection(selection);
    CPersistObject* follower = nullptr;
    for (int index = 0; index < selection.GetItemCount(); ++index) {
        CPersistObject* object = static_cast<CObjectDisplay*>(selection.GetAt(index))->GetObject();
        if (index == selection.GetItemCount() - 1)
            follower = list->GetNext(object);
        // The object's display goes with it as the list tells of the removal.
        list->DeleteAt(list->GetIndex(object));
    }
    SelectAll(false);
    if (!follower)
        follower = list->GetLast();
    if (!follower)
        return;
    if (CObjectDisplay* display = FindChildDisplay(follower))
        display->Select(true);
}

void CObjectListControl::Clear()
{
    SelectAll(false);
    if (CPersistList* list = GetDisplayedList()) {
        for (int index = list->GetItemCount() - 1; index >= 0; --index)
            list->DeleteAt(index);
    }
}

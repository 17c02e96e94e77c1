#include "display/ObjectComboBox.h"

#undef GetObject

BEGIN_MESSAGE_MAP(CObjectComboBox, CComboBox)
    ON_CONTROL_REFLECT(CBN_SELCHANGE, OnSelChange)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CObjectComboBox::CObjectComboBox()
{
    SetClosing(false);
}

CObjectComboBox::~CObjectComboBox()
{
    // While this class is still whole, so that its WM_DESTROY handling unbinds the list.
    if (m_hWnd)
        DestroyWindow();
}

CString CObjectComboBox::GetObjectText(CPersistObject*, bool)
{
    return CString();
}

LONG_PTR CObjectComboBox::CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object, int)
{
    if (!child || !object || !m_hWnd)
        return -1;
    const int entry = AddString(GetObjectText(object, false));
    if (entry < 0)
        return -1;
    SetItemData(entry, reinterpret_cast<DWORD_PTR>(child));
    return entry;
}

void CObjectComboBox::DisposeChildDisplayHandle(CObjectDisplay* child)
{
    const int entry = GetListIndex(child);
    if (entry >= 0)
        DeleteString(entry);
}

LONG_PTR CObjectComboBox::GetChildDisplayHandle(CObjectDisplay* child)
{
    return GetListIndex(child);
}

CObjectDisplay* CObjectComboBox::FindDisplayFromHandle(LONG_PTR handle)
{
    if (handle < 0 || handle > INT_MAX)
        return nullptr;
    return GetListDisplay(static_cast<int>(handle));
}

void CObjectComboBox::SelectChild(CObjectDisplay* child, bool select)
{
    CTopObjectDisplay::SelectChild(child, select);
    if (IsClosing())
        return;
    const int entry = GetListIndex(child);
    if (entry >= 0)
        SetCurSel(entry);
}

int CObjectComboBox::GetListIndex(CObjectDisplay* display)
{
    if (!display || !m_hWnd)
        return -1;
    const int count = GetCount();
    for (int entry = 0; entry < count; ++entry) {
        if (GetItemData(entry) == reinterpret_cast<DWORD_PTR>(display))
            return entry;
    }
    return -1;
}

CObjectDisplay* CObjectComboBox::GetListDisplay(int index)
{
    if (!m_hWnd || index < 0 || index >= GetCount())
        return nullptr;
    auto* display = reinterpret_cast<CObjectDisplay*>(GetItemData(index));
    // Only displays of this combo box: an entry a caller added itself carries other data.
    return display && GetChildIndex(display) >= 0 ? display : nullptr;
}

BOOL CObjectComboBox::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= WS_VSCROLL;
    return CComboBox::PreCreateWindow(cs);
}

void CObjectComboBox::OnSelChange()
{
    if (CObjectDisplay* previous = GetSelection()) {
        previous->SetSelected(false);
        bool selected = false;
        Broadcast(kSelectionChanged, previous, &selected);
    }
    CObjectDisplay* current = GetListDisplay(GetCurSel());
    if (current) {
        current->SetSelected(true);
        bool selected = true;
        Broadcast(kSelectionChanged, current, &selected);
    }
}

void CObjectComboBox::OnDestroy()
{
    SetClosing(true);
    SetObject(nullptr);
    Default();
}

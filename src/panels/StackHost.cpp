#include "panels/StackHost.h"

#include "res/resource.h"
#include "util/WindowsUtils.h"

BEGIN_TEMPLATE_MESSAGE_MAP(CStackHost, TBase, TBase)
    ON_CBN_SELCHANGE(IDC_TNW_STACK_PAGES, OnPageChange)
    ON_BN_CLICKED(IDC_TNW_STACK_PREVIOUS, OnPreviousPage)
    ON_BN_CLICKED(IDC_TNW_STACK_NEXT, OnNextPage)
END_MESSAGE_MAP()

template <class TBase>
CStackHost<TBase>::CStackHost(UINT id, CWnd* parent) : TBase(id, parent)
{
}

template <class TBase>
CStackHost<TBase>::~CStackHost() = default;

template <class TBase>
void CStackHost<TBase>::SetFreeFlow(bool freeFlow)
{
    mFreeFlow = freeFlow;
}

template <class TBase>
bool CStackHost<TBase>::GetFreeFlow() const
{
    return mFreeFlow;
}

template <class TBase>
CPanelStack& CStackHost<TBase>::GetStack()
{
    return mStack;
}

template <class TBase>
void CStackHost<TBase>::SetupPanels()
{
}

template <class TBase>
bool CStackHost<TBase>::MayPrevious()
{
    return true;
}

template <class TBase>
bool CStackHost<TBase>::CanPrevious()
{
    return true;
}

template <class TBase>
bool CStackHost<TBase>::CanNext()
{
    return true;
}

template <class TBase>
bool CStackHost<TBase>::OnPrevious()
{
    return true;
}

template <class TBase>
bool CStackHost<TBase>::OnNext()
{
    return true;
}

template <class TBase>
void CStackHost<TBase>::DoDataExchange(CDataExchange* pDX)
{
    TBase::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TNW_STACK_PREVIOUS, mPrevious);
    DDX_Control(pDX, IDC_TNW_STACK_NEXT, mNext);
    DDX_Control(pDX, IDC_TNW_STACK_PAGES, mPageList);
    DDX_Control(pDX, IDC_TNW_STACK_PLACE, mPlaceholder);
}

template <class TBase>
BOOL CStackHost<TBase>::OnInitDialog()
{
    TBase::OnInitDialog();
    mStack.SetWindows(this, &mPageList, &mPlaceholder);
    mPageList.EnableWindow(mFreeFlow);
    SetupPanels();
    mStack.Arrange();
    const bool steps = mStack.CanPrevious() || mStack.CanNext();
    UWindowsUtils::ShowWindow(&mPrevious, steps && MayPrevious());
    UWindowsUtils::ShowWindow(&mNext, steps);
    UpdateButtons();
    return TRUE;
}

template <class TBase>
void CStackHost<TBase>::UpdateButtons()
{
    UWindowsUtils::EnableWindow(&mPrevious, mStack.CanPrevious() && CanPrevious());
    UWindowsUtils::EnableWindow(&mNext, mStack.CanNext() && CanNext());
}

template <class TBase>
void CStackHost<TBase>::OnPageChange()
{
    mStack.Select();
    UpdateButtons();
}

template <class TBase>
void CStackHost<TBase>::OnPreviousPage()
{
    if (!OnPrevious())
        return;
    mStack.Previous();
    mStack.Select();
    UpdateButtons();
}

template <class TBase>
void CStackHost<TBase>::OnNextPage()
{
    if (!OnNext())
        return;
    mStack.Next();
    mStack.Select();
    UpdateButtons();
}

template class CStackHost<CPanel>;
template class CStackHost<CDialog>;

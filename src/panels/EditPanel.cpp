#include "panels/EditPanel.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CEditPanel, CTextEditor<CPanel>)
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CEditPanel::CEditPanel(CWnd* parent) : CTextEditor<CPanel>(IDD_TNW_EDIT_PANEL, parent)
{
    // The text box's right and bottom edges follow the panel's.
    mTextLocator.SetLocation(0, 0, 256, 256);
}

CEditPanel::~CEditPanel()
{
    // Destroyed here, while the controls still exist for OnDestroy.
    if (m_hWnd)
        DestroyWindow();
}

BOOL CEditPanel::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    if (!AfxInitRichEdit())
        return FALSE;
    return CTextEditor<CPanel>::Create(lpszTemplateName, pParentWnd);
}

void CEditPanel::Select(unsigned long start, unsigned long count)
{
    mEditor.Select(start, count);
}

CString CEditPanel::GetText()
{
    return mEditor.GetText();
}

CString CEditPanel::GetTextFromCursor(long& start)
{
    return mEditor.GetTextFromCursor(start);
}

void CEditPanel::DoDataExchange(CDataExchange* pDX)
{
    CTextEditor<CPanel>::DoDataExchange(pDX);
    mEditor.Exchange(pDX, IDC_TNW_PANEL_FONTS, IDC_TNW_PANEL_SIZES);
}

BOOL CEditPanel::OnInitDialog()
{
    CTextEditor<CPanel>::OnInitDialog();
    mEditor.Initialize(true);
    mTextLocator.SetWindow(&mEditor.GetTextBox());
    // The focus is in the text box.
    return FALSE;
}

void CEditPanel::OnSize(UINT nType, int cx, int cy)
{
    CTextEditor<CPanel>::OnSize(nType, cx, cy);
    if (mEditor.GetTextBox().m_hWnd)
        mTextLocator.Move(this);
}

void CEditPanel::OnClose()
{
    mEditor.SetDefault();
    CTextEditor<CPanel>::OnClose();
}

void CEditPanel::OnDestroy()
{
    mEditor.SetDefault();
    CTextEditor<CPanel>::OnDestroy();
}

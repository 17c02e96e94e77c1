#include "panels/EditPane.h"

#include "util/DrawingUtils.h"

#include <algorithm>

namespace {

// Where the text box stays: its top-left corner, and its distance from the right and
// bottom edges.
const int kTextLeft = 4;
const int kTextTop = 32;
const int kTextMargin = 4;

} // namespace

BEGIN_MESSAGE_MAP(CEditPane, CTextEditor<CPane>)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CEditPane::CEditPane() = default;

CEditPane::~CEditPane()
{
    // Destroyed here, while the controls still exist for OnDestroy.
    if (m_hWnd)
        DestroyWindow();
}

int CEditPane::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTextEditor<CPane>::OnCreate(lpCreateStruct) == -1 || !mEditor.Create(this))
        return -1;
    mEditor.Initialize(false);
    return 0;
}

void CEditPane::OnSize(UINT nType, int cx, int cy)
{
    CTextEditor<CPane>::OnSize(nType, cx, cy);
    CWnd& text = mEditor.GetTextBox();
    if (text.m_hWnd)
        text.MoveWindow(kTextLeft, kTextTop, std::max(0, cx - kTextLeft - kTextMargin),
                        std::max(0, cy - kTextTop - kTextMargin), TRUE);
}

BOOL CEditPane::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    UDrawingUtils::FillRect(pDC, &client, CTextEditorControls::kPaneBackground);
    return TRUE;
}

void CEditPane::OnDestroy()
{
    mEditor.SetDefault();
    CTextEditor<CPane>::OnDestroy();
}

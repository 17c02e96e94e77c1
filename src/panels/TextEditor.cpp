#include "panels/TextEditor.h"

#include "panels/Pane.h"
#include "panels/Panel.h"
#include "res/resource.h"

// The pane's lists and the panel's template lists have ids of their own; each window has
// only one pair.
BEGIN_TEMPLATE_MESSAGE_MAP(CTextEditor, TBase, TBase)
    ON_CBN_SELCHANGE(IDC_TNW_PANE_FONTS, OnFontChange)
    ON_CBN_SELCHANGE(IDC_TNW_PANEL_FONTS, OnFontChange)
    ON_CBN_SELCHANGE(IDC_TNW_PANE_SIZES, OnSizeChange)
    ON_CBN_SELCHANGE(IDC_TNW_PANEL_SIZES, OnSizeChange)
    ON_BN_CLICKED(IDC_TNW_BOLD, OnBold)
    ON_BN_CLICKED(IDC_TNW_ITALIC, OnItalic)
    ON_BN_CLICKED(IDC_TNW_UNDERLINE, OnUnderline)
    ON_BN_CLICKED(IDC_TNW_ALIGN_LEFT, OnAlignLeft)
    ON_BN_CLICKED(IDC_TNW_ALIGN_CENTER, OnAlignCenter)
    ON_BN_CLICKED(IDC_TNW_ALIGN_RIGHT, OnAlignRight)
    ON_NOTIFY(EN_SELCHANGE, IDC_TNW_TEXT, OnSelectionChange)
END_MESSAGE_MAP()

template class CTextEditor<CPane>;
template class CTextEditor<CPanel>;

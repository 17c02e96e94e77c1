#include "panels/StackSettingsPanel.h"

#include "res/resource.h"

CStackSettingsPanel::CStackSettingsPanel(CWnd* parent) : CStackHost<CPanel>(IDD_TNW_STACK_PANEL, parent) {}

CStackSettingsPanel::~CStackSettingsPanel()
{
    if (m_hWnd)
        DestroyWindow();
}

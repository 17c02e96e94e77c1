#include "panels/MainPanel.h"

IMPLEMENT_DYNAMIC(CMainPanel, CPanel)

BEGIN_MESSAGE_MAP(CMainPanel, CPanel)
    ON_WM_DESTROY()
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
END_MESSAGE_MAP()

CMainPanel::CMainPanel(UINT id, CWnd* parent) : CPanel(id, parent) {}

CMainPanel::~CMainPanel()
{
    mObject = nullptr;
    if (m_hWnd)
        DestroyWindow();
}

BOOL CMainPanel::OnInitDialog()
{
    CPanel::OnInitDialog();
    LoadDefault();
    return TRUE;
}

void CMainPanel::OnDestroy()
{
    CPanel::OnDestroy();
    SaveDefault();
}

void CMainPanel::OnFileOpen()
{
    LoadData();
}

void CMainPanel::OnFileSave()
{
    SaveData();
}

#include "panels/ContainerPanel.h"

#include "res/resource.h"

IMPLEMENT_DYNAMIC(CContainerPanel, CPanel)

BEGIN_MESSAGE_MAP(CContainerPanel, CPanel)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CContainerPanel::CContainerPanel(CWnd* parent) : CPanel(IDD_TNW_CONTAINER_PANEL, parent) {}

CContainerPanel::~CContainerPanel()
{
    if (m_hWnd)
        DestroyWindow();
}

void CContainerPanel::AddPanel(CExpandPanel* expander, CPanel* panel, const char* title)
{
    mManager.AddPanel(expander, panel, title);
}

void CContainerPanel::AttachChildPanel(CExpandPanel* expander, CPanel* panel)
{
    mManager.AttachChildPanel(expander, panel);
}

void CContainerPanel::SetLiveArrange(bool live)
{
    mManager.SetLiveArrange(live);
}

void CContainerPanel::Arrange()
{
    mManager.Arrange();
}

void CContainerPanel::ArrangeToWidth(int width)
{
    mManager.ArrangeToWidth(width);
}

void CContainerPanel::RequestSize(CRect& size)
{
    Broadcast(kSizeRequest, this, &size);
}

BOOL CContainerPanel::OnInitDialog()
{
    CPanel::OnInitDialog();
    mManager.SetParent(this);
    return TRUE;
}

void CContainerPanel::OnPaint()
{
    CPaintDC dc(this);
    mManager.Paint(&dc);
}

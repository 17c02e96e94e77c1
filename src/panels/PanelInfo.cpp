#include "panels/PanelInfo.h"

#include "util/WindowsUtils.h"

CPanelInfo::CPanelInfo() : mPanels(*this) {}

CPanelInfo::~CPanelInfo() = default;

void CPanelInfo::AddChildPanel(CPanel* panel)
{
    mPanels.Add(panel);
}

bool CPanelInfo::PanelsEnabled()
{
    for (CPanel* panel : mPanels.Items()) {
        if (panel->IsEnabled())
            return true;
    }
    return false;
}

bool CPanelInfo::Contains(CPanel* panel)
{
    return panel && mPanels.Contains(panel);
}

void CPanelInfo::Show(bool show)
{
    for (CPanel* panel : mPanels.Items())
        UWindowsUtils::ShowWindow(panel, show);
}

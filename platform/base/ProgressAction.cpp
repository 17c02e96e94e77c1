#include "ProgressAction.h"

CProgressAction::CProgressAction() = default;
CProgressAction::~CProgressAction() = default;

char* CProgressAction::GetText()
{
    return nullptr;
}

double CProgressAction::GetProgress()
{
    return 0.0;
}

CProgressAction* CProgressAction::GetChildAction()
{
    return nullptr;
}

char* CProgressAction::GetDetailText()
{
    return nullptr;
}

double CProgressAction::GetDetailProgress()
{
    return 0.0;
}

char* CProgressAction::GetDetail(double& progress)
{
    if (CProgressAction* child = GetChildAction()) {
        progress = child->GetProgress();
        return child->GetText();
    }
    char* text = GetDetailText();
    if (text)
        progress = GetDetailProgress();
    return text;
}

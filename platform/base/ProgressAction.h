#pragma once
#include "BaseExport.h"

// Something long-running whose state a progress display can poll: a main text and
// progress, and an optional detail step (its own text and progress, or a child action).
// Texts are temporary strings from UStringBuffer: copy what you keep, never free them.
class TNWBS_CLASS CProgressAction {
public:
    CProgressAction();
    virtual ~CProgressAction();

    virtual char* GetText();
    virtual double GetProgress();
    virtual CProgressAction* GetChildAction();
    virtual char* GetDetailText();
    virtual double GetDetailProgress();

    // The detail step's text, or null when there is none. A child action, when there is
    // one, is the detail; otherwise the action's own detail text and progress are.
    // progress is left unchanged when there is no detail.
    char* GetDetail(double& progress);
};

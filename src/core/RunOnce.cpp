#include "core/RunOnce.h"

#include "tnwwndut.h"

bool URunOnce::Run(const char* name)
{
    CRegistry done("Run Once", name, nullptr);
    // An unreadable value reads as the default, 1: done.
    if (done.HasValue() && done.GetValue(1) != 0)
        return false;
    done.SetValue(1);
    return true;
}

#include "util/ShellUtils.h"

#include <shellapi.h>

void UShellUtils::Open(const char* path)
{
    Open(path, nullptr, true);
}

void UShellUtils::Open(const char* file, const char* parameters, bool show)
{
    if (file && *file)
        ::ShellExecuteA(nullptr, "open", file, parameters, nullptr, show ? SW_SHOW : SW_HIDE);
}

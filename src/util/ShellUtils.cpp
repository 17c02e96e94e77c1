#include "util/ShellUtils.h"

#include <shellapi.h>

bool UShellUtils::Open(const char* path)
{
    return Open(path, nullptr, true);
}

bool UShellUtils::Open(const char* file, const char* parameters, bool show)
{
    if (!file || !*file)
        return false;
    HINSTANCE result = ::ShellExecuteA(nullptr, "open", file, parameters, nullptr, show ? SW_SHOW : SW_HIDE);
    // Values up to 32 are the shell's error codes.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

#include "persist/PerUserPath.h"

#include "tnwwndut.h"

#include <cstring>

CString UPerUserPath::GetAlternative(const char* path)
{
    const std::string common = UDirectoryUtils::GetCommonAppDataDirectory();
    const std::string user = UDirectoryUtils::GetUserAppDataDirectory();
    if (!path || common.empty() || common == user || std::strncmp(path, common.c_str(), common.size()) != 0)
        return CString();
    return CString((user + (path + common.size())).c_str());
}

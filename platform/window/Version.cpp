#include "Version.h"

#include <windows.h>

#include <cstdio>
#include <vector>

CVersion::CVersion(const char* path)
{
    if (!path || !*path)
        return;
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0)
        return;
    std::vector<BYTE> info(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!GetFileVersionInfoA(path, 0, size, info.data()) ||
        !VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize) || !fixed ||
        fixedSize < sizeof(VS_FIXEDFILEINFO))
        return;
    mParts[0] = HIWORD(fixed->dwFileVersionMS);
    mParts[1] = LOWORD(fixed->dwFileVersionMS);
    mParts[2] = HIWORD(fixed->dwFileVersionLS);
    mParts[3] = LOWORD(fixed->dwFileVersionLS);
    mHasVersion = true;
}

std::string CVersion::GetVersionText() const
{
    if (!mHasVersion)
        return std::string();
    char text[32];
    if (mParts[3] != 0)
        std::snprintf(text, sizeof text, "%u.%u.%u.%u", mParts[0], mParts[1], mParts[2], mParts[3]);
    else
        std::snprintf(text, sizeof text, "%u.%u.%u", mParts[0], mParts[1], mParts[2]);
    return text;
}

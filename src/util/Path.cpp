#include "util/Path.h"

CPath::CPath(const char* path) : mPath(path ? path : "") {}

CPath::~CPath() = default;

bool CPath::IsDir() const
{
    return false;
}

void CPath::PhysicalRemove() {}

bool CPath::IsDir(const char* path)
{
    const DWORD attributes = ::GetFileAttributesA(path ? path : "");
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

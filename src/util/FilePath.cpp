#include "util/FilePath.h"

#include "tnwwndut.h"

CFilePath::CFilePath(const char* path) : CPath(path) {}

CFilePath::~CFilePath() = default;

bool CFilePath::IsDir() const
{
    return false;
}

void CFilePath::PhysicalRemove()
{
    UFileUtils::DeleteFileA(mPath);
}

#include "MultiFile.h"

#include "FileUtils.h"

#include <cstdio>

CMultiFile::CMultiFile() = default;

CMultiFile::CMultiFile(const CMultiFile& other)
{
    for (const SPart& part : other.mParts)
        AddFile(part.path.c_str());
}

CMultiFile& CMultiFile::operator=(const CMultiFile& other)
{
    if (this != &other) {
        RemoveAll();
        for (const SPart& part : other.mParts)
            AddFile(part.path.c_str());
    }
    return *this;
}

CMultiFile::~CMultiFile()
{
    Close();
}

bool CMultiFile::AddFile(const char* path)
{
    if (!path || !*path)
        return false;
    SPart part;
    part.path = path;
    mParts.push_back(part);
    return true;
}

void CMultiFile::RemoveAll()
{
    Close();
    mParts.clear();
}

std::string CMultiFile::GetFilePath(int index) const
{
    return index >= 0 && index < GetFileCount() ? mParts[index].path : std::string();
}

bool CMultiFile::Open(int mode)
{
    Close();
    if (mode != kOpenRead || mParts.empty())
        return false;
    for (SPart& part : mParts) {
        part.handle = CreateFileA(part.path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        LARGE_INTEGER size;
        if (part.handle == INVALID_HANDLE_VALUE || !GetFileSizeEx(part.handle, &size)) {
            Close();
            return false;
        }
        part.length = size.QuadPart;
    }
    mOpen = true;
    return true;
}

void CMultiFile::Close()
{
    for (SPart& part : mParts) {
        if (part.handle != INVALID_HANDLE_VALUE)
            CloseHandle(part.handle);
        part.handle = INVALID_HANDLE_VALUE;
        part.length = 0;
    }
    mOpen = false;
    mPosition = 0;
}

__int64 CMultiFile::GetLength() const
{
    __int64 length = 0;
    for (const SPart& part : mParts)
        length += mOpen ? part.length : UFileUtils::GetFileSize(part.path.c_str());
    return length;
}

__int64 CMultiFile::Seek(__int64 offset, int origin)
{
    if (!mOpen)
        return -1;
    const __int64 length = GetLength();
    __int64 base;
    switch (origin) {
    case kBegin: base = 0; break;
    case kCurrent: base = mPosition; break;
    case kEnd: base = length; break;
    default: return -1;
    }
    // base lies within 0..length, so only a huge positive offset can overflow the sum.
    const bool beyondEnd = offset > length - base;
    const __int64 target = beyondEnd ? length : base + offset;
    if (target < 0)
        return -1;
    mPosition = target;
    return mPosition;
}

unsigned long CMultiFile::Read(void* buffer, unsigned long count)
{
    if (!mOpen || !buffer)
        return 0;
    char* out = static_cast<char*>(buffer);
    unsigned long total = 0;
    __int64 partStart = 0;
    for (size_t i = 0; i < mParts.size() && total < count; ++i) {
        const __int64 partEnd = partStart + mParts[i].length;
        if (mPosition < partEnd) {
            const __int64 left = partEnd - mPosition;
            const unsigned long want = left < count - total ? static_cast<unsigned long>(left) : count - total;
            unsigned long got = 0;
            const bool whole = ReadPart(i, mPosition - partStart, out + total, want, got);
            total += got;
            mPosition += got;
            if (!whole)
                break;
        }
        partStart = partEnd;
    }
    return total;
}

bool CMultiFile::ReadPart(size_t index, __int64 partOffset, char* buffer, unsigned long count, unsigned long& got)
{
    got = 0;
    LARGE_INTEGER offset;
    offset.QuadPart = partOffset;
    if (!SetFilePointerEx(mParts[index].handle, offset, nullptr, FILE_BEGIN))
        return false;
    while (got < count) {
        DWORD read = 0;
        if (!ReadFile(mParts[index].handle, buffer + got, count - got, &read, nullptr) || read == 0)
            return false;
        got += read;
    }
    return true;
}

std::string CMultiFile::GetText() const
{
    if (mParts.empty())
        return std::string();
    std::string text = UFileUtils::GetFileNameOnly(mParts.front().path.c_str());
    if (mParts.size() > 1) {
        char more[32];
        std::snprintf(more, sizeof more, " and %u more", static_cast<unsigned>(mParts.size() - 1));
        text += more;
    }
    return text;
}

#include "Handle.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>

CHandle::CHandle() : mBuffer(nullptr), mSize(0), mCapacity(0) {}

CHandle::CHandle(const CHandle& other) : CHandle()
{
    Append(other.mBuffer, other.mSize);
}

CHandle& CHandle::operator=(const CHandle& other)
{
    if (this != &other) {
        CHandle copy(other);
        std::swap(mBuffer, copy.mBuffer);
        std::swap(mSize, copy.mSize);
        std::swap(mCapacity, copy.mCapacity);
    }
    return *this;
}

CHandle::~CHandle()
{
    std::free(mBuffer);
}

void CHandle::Empty()
{
    std::free(mBuffer);
    mBuffer = nullptr;
    mSize = 0;
    mCapacity = 0;
}

bool CHandle::Reserve(unsigned long capacity)
{
    if (capacity <= mCapacity)
        return true;
    void* grown = std::realloc(mBuffer, capacity);
    if (!grown)
        return false;
    mBuffer = static_cast<unsigned char*>(grown);
    mCapacity = capacity;
    return true;
}

bool CHandle::Allocate(unsigned long size, bool setSize, bool zeroFill)
{
    if (!Reserve(size))
        return false;
    if (setSize) {
        if (zeroFill && size > mSize)
            std::memset(mBuffer + mSize, 0, size - mSize);
        mSize = size;
    }
    return true;
}

bool CHandle::SetSize(unsigned long size)
{
    return Allocate(size, true, true);
}

unsigned long CHandle::GetSize() const
{
    return mSize;
}

unsigned char* CHandle::GetBuffer()
{
    return mBuffer;
}

const unsigned char* CHandle::GetBuffer() const
{
    return mBuffer;
}

bool CHandle::Append(const void* data, unsigned long size)
{
    if (size == 0)
        return true;
    if (!data || size > ULONG_MAX - mSize)
        return false;
    unsigned long needed = mSize + size;
    // A part of this very block may be appended; growing may move it.
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    bool inside = mBuffer && bytes >= mBuffer && bytes < mBuffer + mSize;
    size_t offset = inside ? bytes - mBuffer : 0;
    if (needed > mCapacity) {
        // Doubling keeps a long series of small appends (a document being written) linear.
        unsigned long doubled = mCapacity > ULONG_MAX / 2 ? ULONG_MAX : mCapacity * 2;
        if (!Reserve(doubled > needed ? doubled : needed) && !Reserve(needed))
            return false;
    }
    std::memmove(mBuffer + mSize, inside ? mBuffer + offset : bytes, size);
    mSize = needed;
    return true;
}

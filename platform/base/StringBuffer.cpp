#include "StringBuffer.h"

#include <cstring>
#include <vector>

// Defined here as well, so that the module exports them: a program that binds one to a
// reference (std::max, a test assertion) links against this definition.
constexpr int UStringBuffer::kRingSize;

namespace {

// A large text should not pin its memory once the ring has moved on to small ones.
const size_t kKeptCapacity = 64 * 1024;

struct BufferRing {
    std::vector<char> buffers[UStringBuffer::kRingSize];
    int next = 0;
};

void WINAPI FreeRing(void* ring)
{
    delete static_cast<BufferRing*>(ring);
}

// The rings hang off a fiber-local slot rather than a C++ thread_local: with the
// compiler's emulated thread-local storage, threads of this library were seen to mix up
// their rings (wrong texts, heap corruption) under Wine. The slot's callback frees a thread's ring when the thread ends, and
// the slot is given back when the library is unloaded, before its callback goes away.
class CRingSlot {
public:
    CRingSlot() : mIndex(FlsAlloc(FreeRing)) {}
    ~CRingSlot()
    {
        if (mIndex != FLS_OUT_OF_INDEXES)
            FlsFree(mIndex);
    }
    CRingSlot(const CRingSlot&) = delete;
    CRingSlot& operator=(const CRingSlot&) = delete;

    BufferRing& ThreadRing()
    {
        auto* ring = static_cast<BufferRing*>(FlsGetValue(mIndex));
        if (!ring) {
            ring = new BufferRing;
            FlsSetValue(mIndex, ring);
        }
        return *ring;
    }

private:
    DWORD mIndex;
};

} // namespace

void* UStringBuffer::NextBuffer(size_t bytes)
{
    static CRingSlot sSlot;
    BufferRing& ring = sSlot.ThreadRing();
    std::vector<char>& buffer = ring.buffers[ring.next];
    ring.next = (ring.next + 1) % kRingSize;
    if (buffer.capacity() > kKeptCapacity && bytes <= kKeptCapacity)
        std::vector<char>().swap(buffer);
    // Sized for a wide terminator too, whatever the caller writes.
    buffer.assign(bytes + sizeof(wchar_t), 0);
    return buffer.data();
}

char* UStringBuffer::Text(const char* text)
{
    if (!text)
        text = "";
    size_t length = std::strlen(text);
    char* copy = static_cast<char*>(NextBuffer(length));
    std::memcpy(copy, text, length);
    return copy;
}

char* UStringBuffer::Reserve(unsigned long size)
{
    return static_cast<char*>(NextBuffer(size));
}

wchar_t* UStringBuffer::ToWide(const char* text, UINT codePage)
{
    if (!text)
        text = "";
    int count = MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
    if (count <= 0)
        return static_cast<wchar_t*>(NextBuffer(0));
    wchar_t* wide = static_cast<wchar_t*>(NextBuffer(count * sizeof(wchar_t)));
    MultiByteToWideChar(codePage, 0, text, -1, wide, count);
    return wide;
}

char* UStringBuffer::ToMultiByte(const wchar_t* text, UINT codePage)
{
    if (!text)
        text = L"";
    int count = WideCharToMultiByte(codePage, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (count <= 0)
        return static_cast<char*>(NextBuffer(0));
    char* narrow = static_cast<char*>(NextBuffer(count));
    WideCharToMultiByte(codePage, 0, text, -1, narrow, count, nullptr, nullptr);
    return narrow;
}

char* UStringBuffer::ToMultiByte(const char* text, UINT fromCodePage)
{
    if (!text)
        text = "";
    int count = MultiByteToWideChar(fromCodePage, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
    if (count <= 0)
        return Text(text);
    std::vector<wchar_t> wide(count);
    MultiByteToWideChar(fromCodePage, 0, text, -1, wide.data(), count);
    return ToMultiByte(wide.data());
}

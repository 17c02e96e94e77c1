#include "persist/XmlNodeHeap.h"

#include <windows.h>

#include <cstdlib>
#include <new>

namespace {

const size_t kChunkSize = 64 * 1024;
const size_t kAlignment = 8;
const size_t kLargestCut = 1024;
// Up to 16 MiB of chunks whose nodes are all deleted wait for the next nodes.
const int kSpareChunks = 256;

size_t RoundUp(size_t size)
{
    return (size + kAlignment - 1) / kAlignment * kAlignment;
}

} // namespace

struct UXmlNodeHeap::SChunk {
    // The chunk's live blocks, plus one while new blocks are cut from it.
    std::atomic<long> references;
};

// What a spare chunk holds: the next spare one.
struct UXmlNodeHeap::SSpare {
    SSpare* next;
};

std::atomic<bool> UXmlNodeHeap::sLocked{ false };
UXmlNodeHeap::SChunk* UXmlNodeHeap::sCurrent = nullptr;
char* UXmlNodeHeap::sNext = nullptr;
char* UXmlNodeHeap::sEnd = nullptr;
UXmlNodeHeap::SSpare* UXmlNodeHeap::sSpare = nullptr;
int UXmlNodeHeap::sSpareCount = 0;

void UXmlNodeHeap::Lock()
{
    while (sLocked.exchange(true, std::memory_order_acquire)) {
        // Another thread is between its two pointer moves; let it finish.
        ::SwitchToThread();
    }
}

void UXmlNodeHeap::Unlock()
{
    sLocked.store(false, std::memory_order_release);
}

void UXmlNodeHeap::Release(SChunk* chunk)
{
    if (chunk->references.fetch_sub(1, std::memory_order_acq_rel) != 1)
        return;
    chunk->~SChunk();
    Lock();
    if (sSpareCount < kSpareChunks) {
        sSpare = new (chunk) SSpare{ sSpare };
        ++sSpareCount;
        chunk = nullptr;
    }
    Unlock();
    std::free(chunk);
}

void* UXmlNodeHeap::Allocate(size_t size)
{
    // Before every block: the chunk it was cut from.
    const size_t needed = sizeof(SChunk*) + RoundUp(size ? size : 1);
    if (needed > kLargestCut)
        return ::operator new(size);
    SChunk* retired = nullptr;
    Lock();
    if (!sCurrent || static_cast<size_t>(sEnd - sNext) < needed) {
        void* memory = sSpare;
        if (sSpare) {
            sSpare = sSpare->next;
            --sSpareCount;
        } else {
            memory = std::malloc(kChunkSize);
        }
        if (!memory) {
            Unlock();
            throw std::bad_alloc();
        }
        retired = sCurrent;
        sCurrent = new (memory) SChunk{ { 1 } };
        sNext = static_cast<char*>(memory) + RoundUp(sizeof(SChunk));
        sEnd = static_cast<char*>(memory) + kChunkSize;
    }
    SChunk** header = reinterpret_cast<SChunk**>(sNext);
    sNext += needed;
    *header = sCurrent;
    sCurrent->references.fetch_add(1, std::memory_order_relaxed);
    Unlock();
    // The chunk given up goes back once its last block is deleted, perhaps now.
    if (retired)
        Release(retired);
    return header + 1;
}

void UXmlNodeHeap::Free(void* block, size_t size)
{
    if (!block)
        return;
    if (sizeof(SChunk*) + RoundUp(size ? size : 1) > kLargestCut)
        ::operator delete(block);
    else
        Release(*(static_cast<SChunk**>(block) - 1));
}

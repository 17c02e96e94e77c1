#pragma once
#include <atomic>
#include <cstddef>

// Where the nodes of XML trees live. A settings document of a few megabytes is a few
// hundred thousand nodes, made together and dropped together, and the system heap (under
// Wine above all) spends more time on so many small blocks than the parse itself. Nodes
// are therefore cut from chunks of 64 KiB, one chunk after the other: making a node costs a
// lock and a pointer bump, deleting one the decrement of its chunk's count, and a chunk
// waits for the next nodes once its last node is deleted. The lock is held for a few
// instructions, so a thread that finds it taken spins rather than sleeps.
//
// Memory the system hands out for the first time costs it a fault per page, more than
// filling the page does; the pages of a chunk used before cost nothing. So up to 16 MiB of
// chunks whose nodes are all deleted are kept for the next tree (settings are written and
// read again and again); chunks beyond that go back to the system heap.
//
// Any thread may make and delete nodes. The room of a deleted node is not reused while
// other nodes of its chunk live, so a long-lived tree that keeps a few nodes of many
// chunks keeps those chunks; trees are made and dropped whole, so that stays rare. Blocks
// of more than a kilobyte, larger than any node, come from the system heap.
//
// Nodes are small and many: the size of a node is worth keeping down.
class UXmlNodeHeap {
public:
    // A block of at least size bytes, aligned to 8 bytes (nodes hold pointers and
    // integers); throws std::bad_alloc when there is no memory for it, as operator new
    // does.
    static void* Allocate(size_t size);
    // Gives back a block of Allocate with the size it was asked for; nothing for null.
    static void Free(void* block, size_t size);

private:
    struct SChunk;
    struct SSpare;
    static void Lock();
    static void Unlock();
    static void Release(SChunk* chunk);

    // The chunk that blocks are cut from now and the room left in it, under the lock.
    static std::atomic<bool> sLocked;
    static SChunk* sCurrent;
    static char* sNext;
    static char* sEnd;
    static SSpare* sSpare;
    static int sSpareCount;
};

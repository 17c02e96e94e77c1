#include "GdiObjectCount.h"

#include <windows.h>
#include <winternl.h>

namespace {

// One entry of the GDI handle table: the object's address (0 once the object is deleted),
// the owner, the kind of object and a user address.
struct GdiHandleEntry {
    UINT64 object;
    USHORT processId;
    USHORT count;
    unsigned char type;
    unsigned char flags;
    unsigned char extendedType;
    unsigned char generation;
    UINT64 userPointer;
};
const int kHandleCount = 0x10000;
// Where the process environment block keeps the table's address.
const size_t kTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

} // namespace

unsigned CountGdiObjects()
{
    if (const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS))
        return reported;
    // Wine answers GetGuiResources with 0. It keeps the handles of the process's own GDI
    // objects in the table the process environment block points to, as Windows does: the
    // entries that point to an object are the objects.
    const BYTE* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kTableOffset);
    if (!table)
        return 0;
    unsigned count = 0;
    for (int i = 0; i < kHandleCount; ++i)
        count += table[i].object != 0;
    return count;
}

#pragma once
#include "BaseExport.h"

#include <windows.h>

// Temporary strings for functions that hand out char* (or wchar_t*) without the caller
// owning anything.
//
// Guarantee: a returned buffer stays valid and unchanged until the same thread has asked
// for kRingSize more buffers. So a result may be passed straight to a call - several
// results to one call, too - and read by that call; the caller copies what it keeps and
// never frees it. Every thread has a ring of its own, so threads using the buffers at the
// same time never see each other's texts. A thread's ring is freed when the thread ends.
//
// Texts are in the ANSI code page unless a code page is named.
class TNWBS_CLASS UStringBuffer {
public:
    static constexpr int kRingSize = 32;

    // A copy of text; null gives an empty text.
    static char* Text(const char* text);
    // A buffer of at least size + 1 bytes, all zero, for the caller to fill.
    static char* Reserve(unsigned long size);
    // text converted to UTF-16; null gives an empty text.
    static wchar_t* ToWide(const char* text, UINT codePage = CP_ACP);
    // UTF-16 text converted to the ANSI code page (or the one named).
    static char* ToMultiByte(const wchar_t* text, UINT codePage = CP_ACP);
    // text in another code page (UTF-8 unless named), as found in files, converted to the
    // ANSI code page. Plain ASCII, such as a number's text, comes back unchanged; so does
    // text that is not valid in the source code page, rather than losing characters.
    static char* ToMultiByte(const char* text, UINT fromCodePage = CP_UTF8);

private:
    static void* NextBuffer(size_t bytes);
};

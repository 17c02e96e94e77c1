#pragma once
// Read before every source file of the native test build (clang on Linux). The library's
// sources are written for MinGW-w64; these few words of the Windows compilers' dialect
// mean nothing here, or their plain meaning.
//
// One difference stays and is worth knowing when reading a finding: long is 64 bits here
// and 32 bits on Windows, so arithmetic on long and unsigned long wraps later natively.
#define __declspec(attribute)
#define __stdcall
#define __cdecl
#define __int64 long long

#pragma once
// The part of the Windows API that the parsers of the library use, for the native test
// build: types, constants and the few functions that shim/Win32.cpp implements over the C
// and POSIX libraries. Only what the compiled sources name is here.
#include <cstddef>
#include <cstdint>
#include <cstring>

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
// As on Windows, DWORD is the same type as unsigned long, so overloads pick alike.
typedef unsigned long DWORD;
typedef long LONG;
typedef unsigned long ULONG;
typedef unsigned int UINT;
typedef long long LONGLONG;
typedef unsigned long long ULONGLONG;
typedef intptr_t INT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t UINT_PTR;
typedef uintptr_t ULONG_PTR;
typedef uintptr_t DWORD_PTR;
typedef char CHAR;
typedef wchar_t WCHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef wchar_t* LPWSTR;
typedef const wchar_t* LPCWSTR;
typedef void* LPVOID;
typedef void* HANDLE;
typedef struct HINSTANCE__* HINSTANCE;
typedef struct HKEY__* HKEY;
typedef HKEY* PHKEY;
typedef DWORD* LPDWORD;
typedef BYTE* LPBYTE;
typedef DWORD REGSAM;
typedef HINSTANCE HMODULE;
typedef wchar_t* BSTR;
typedef unsigned long LCID;

#define TRUE 1
#define FALSE 0
#define WINAPI
#define CALLBACK
#define MAX_PATH 260

struct GUID {
    uint32_t Data1;
    unsigned short Data2;
    unsigned short Data3;
    unsigned char Data4[8];
};
const GUID GUID_NULL = {};

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

#define LOWORD(l) ((WORD)(((ULONG_PTR)(l)) & 0xffff))
#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)
#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define RT_STRING MAKEINTRESOURCEA(6)

#define CP_ACP 0
#define CP_UTF8 65001
#define MB_ERR_INVALID_CHARS 0x00000008
#define LOCALE_USER_DEFAULT 0x0400
#define NORM_IGNORECASE 0x00000001
#define CSTR_LESS_THAN 1
#define CSTR_EQUAL 2
#define CSTR_GREATER_THAN 3

// The ANSI code page of the native build is Latin-1: every byte is one character.
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int length, LPWSTR wide,
                        int wideLength);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR text,
                        int length, LPCSTR defaultChar, BOOL* usedDefaultChar);
DWORD CharUpperBuffA(LPSTR text, DWORD length);
DWORD CharLowerBuffA(LPSTR text, DWORD length);
int lstrcmpiA(LPCSTR text1, LPCSTR text2);
int _stricmp(const char* text1, const char* text2);
int CompareStringA(LCID locale, DWORD flags, LPCSTR text1, int length1, LPCSTR text2,
                   int length2);

// Fiber-local storage: one slot per thread, its callback run when the thread ends.
typedef void (*PFLS_CALLBACK_FUNCTION)(void* data);
#define FLS_OUT_OF_INDEXES ((DWORD)0xFFFFFFFF)
DWORD FlsAlloc(PFLS_CALLBACK_FUNCTION callback);
BOOL FlsFree(DWORD index);
void* FlsGetValue(DWORD index);
BOOL FlsSetValue(DWORD index, void* data);

BSTR SysAllocStringLen(const wchar_t* text, UINT length);
void SysFreeString(BSTR text);
// The native build has no resources: every string resource is missing.
int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax);

// Ini files, kept in the memory files (shim/Profile.cpp); the lines are read as the
// profile functions read them.
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR text, DWORD size,
                               LPCSTR path);
BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR text, LPCSTR path);
// Paths of the native build are absolute already: the path comes back as it is.
DWORD GetFullPathNameA(LPCSTR path, DWORD size, LPSTR full, LPSTR* filePart);

// The native build has no registry: every key is missing and none can be made.
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)0x80000001)
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)0x80000002)
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_MORE_DATA 234L
#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_DWORD 4
#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result);
LONG RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options, REGSAM access,
                     void* security, PHKEY result, LPDWORD disposition);
LONG RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size);
LONG RegSetValueExA(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size);
LONG RegDeleteValueA(HKEY key, LPCSTR name);
LONG RegCloseKey(HKEY key);

// A re-entrant lock, as the Windows one is.
struct CRITICAL_SECTION {
    void* mutex;
};
void InitializeCriticalSection(CRITICAL_SECTION* section);
void DeleteCriticalSection(CRITICAL_SECTION* section);
void EnterCriticalSection(CRITICAL_SECTION* section);
void LeaveCriticalSection(CRITICAL_SECTION* section);

// The Windows functions of windows.h for the native test build, over the C and POSIX
// libraries. They keep the contracts the parsers rely on (counts with and without the
// terminator, failure as 0, strict UTF-8 with MB_ERR_INVALID_CHARS), not every detail.
#include <windows.h>

#include <pthread.h>
#include <strings.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {

// Decodes UTF-8 into code points; false for a byte sequence that is not UTF-8.
bool DecodeUtf8(const unsigned char* text, size_t length, std::vector<wchar_t>& out, bool strict)
{
    const wchar_t kReplacement = 0xFFFD;
    for (size_t i = 0; i < length;) {
        const unsigned char lead = text[i];
        int more = lead < 0x80 ? 0 : lead >= 0xC2 && lead <= 0xDF ? 1
                 : lead >= 0xE0 && lead <= 0xEF ? 2 : lead >= 0xF0 && lead <= 0xF4 ? 3 : -1;
        unsigned long codePoint = more <= 0 ? lead : lead & (0x3F >> more);
        bool valid = more >= 0;
        for (int k = 1; valid && k <= more; ++k) {
            if (i + k >= length || (text[i + k] & 0xC0) != 0x80)
                valid = false;
            else
                codePoint = codePoint << 6 | (text[i + k] & 0x3F);
        }
        if (valid && ((more == 2 && codePoint < 0x800) || (more == 3 && codePoint < 0x10000) ||
                      codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)))
            valid = false;
        if (!valid) {
            if (strict)
                return false;
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        out.push_back(static_cast<wchar_t>(codePoint));
        i += more + 1;
    }
    return true;
}

void EncodeUtf8(wchar_t character, std::string& out)
{
    unsigned long c = static_cast<unsigned long>(character);
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

template <typename Char>
int CopyOut(const Char* converted, size_t count, Char* target, int targetLength)
{
    if (count > 0x7FFFFFFF)
        return 0;
    if (targetLength == 0)
        return static_cast<int>(count);
    if (!target || static_cast<size_t>(targetLength) < count)
        return 0;
    std::memcpy(target, converted, count * sizeof(Char));
    return static_cast<int>(count);
}

struct SFlsSlot {
    pthread_key_t key;
    PFLS_CALLBACK_FUNCTION callback;
};

std::vector<SFlsSlot>& FlsSlots()
{
    static std::vector<SFlsSlot> slots;
    return slots;
}

} // namespace

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int length, LPWSTR wide,
                        int wideLength)
{
    if (!text || wideLength < 0)
        return 0;
    const size_t count = length < 0 ? std::strlen(text) + 1 : static_cast<size_t>(length);
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
    std::vector<wchar_t> converted;
    if (codePage == CP_UTF8) {
        if (!DecodeUtf8(bytes, count, converted, (flags & MB_ERR_INVALID_CHARS) != 0))
            return 0;
    } else {
        converted.assign(bytes, bytes + count);
    }
    return CopyOut(converted.data(), converted.size(), wide, wideLength);
}

int WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR wide, int wideLength, LPSTR text,
                        int length, LPCSTR defaultChar, BOOL* usedDefaultChar)
{
    if (!wide || length < 0)
        return 0;
    size_t count = 0;
    if (wideLength < 0) {
        while (wide[count])
            ++count;
        ++count;
    } else {
        count = static_cast<size_t>(wideLength);
    }
    std::string converted;
    bool usedDefault = false;
    for (size_t i = 0; i < count; ++i) {
        if (codePage == CP_UTF8) {
            EncodeUtf8(wide[i], converted);
        } else if (static_cast<unsigned long>(wide[i]) < 0x100) {
            converted += static_cast<char>(wide[i]);
        } else {
            converted += defaultChar ? *defaultChar : '?';
            usedDefault = true;
        }
    }
    if (usedDefaultChar)
        *usedDefaultChar = usedDefault;
    return CopyOut(converted.data(), converted.size(), text, length);
}

DWORD CharUpperBuffA(LPSTR text, DWORD length)
{
    for (DWORD i = 0; i < length; ++i) {
        if (text[i] >= 'a' && text[i] <= 'z')
            text[i] = static_cast<char>(text[i] - 'a' + 'A');
    }
    return length;
}

DWORD CharLowerBuffA(LPSTR text, DWORD length)
{
    for (DWORD i = 0; i < length; ++i) {
        if (text[i] >= 'A' && text[i] <= 'Z')
            text[i] = static_cast<char>(text[i] - 'A' + 'a');
    }
    return length;
}

int lstrcmpiA(LPCSTR text1, LPCSTR text2)
{
    return strcasecmp(text1 ? text1 : "", text2 ? text2 : "");
}

int _stricmp(const char* text1, const char* text2)
{
    return strcasecmp(text1, text2);
}

int CompareStringA(LCID, DWORD flags, LPCSTR text1, int length1, LPCSTR text2, int length2)
{
    const std::string first(text1, length1 < 0 ? std::strlen(text1) : static_cast<size_t>(length1));
    const std::string second(text2, length2 < 0 ? std::strlen(text2) : static_cast<size_t>(length2));
    const int order = flags & NORM_IGNORECASE ? strcasecmp(first.c_str(), second.c_str())
                                              : first.compare(second);
    return order < 0 ? CSTR_LESS_THAN : order > 0 ? CSTR_GREATER_THAN : CSTR_EQUAL;
}

DWORD FlsAlloc(PFLS_CALLBACK_FUNCTION callback)
{
    pthread_key_t key;
    if (pthread_key_create(&key, callback) != 0)
        return FLS_OUT_OF_INDEXES;
    FlsSlots().push_back({ key, callback });
    return static_cast<DWORD>(FlsSlots().size() - 1);
}

BOOL FlsFree(DWORD index)
{
    if (index >= FlsSlots().size())
        return FALSE;
    // As on Windows, freeing a slot runs its callback for the value still held (the
    // native programs use it from their main thread only).
    SFlsSlot& slot = FlsSlots()[index];
    void* data = pthread_getspecific(slot.key);
    pthread_setspecific(slot.key, nullptr);
    if (data && slot.callback)
        slot.callback(data);
    pthread_key_delete(slot.key);
    return TRUE;
}

void* FlsGetValue(DWORD index)
{
    return index < FlsSlots().size() ? pthread_getspecific(FlsSlots()[index].key) : nullptr;
}

BOOL FlsSetValue(DWORD index, void* data)
{
    return index < FlsSlots().size() && pthread_setspecific(FlsSlots()[index].key, data) == 0;
}

BSTR SysAllocStringLen(const wchar_t* text, UINT length)
{
    BSTR copy = static_cast<BSTR>(std::calloc(length + 1, sizeof(wchar_t)));
    if (copy && text)
        std::memcpy(copy, text, length * sizeof(wchar_t));
    return copy;
}

void SysFreeString(BSTR text)
{
    std::free(text);
}

int LoadStringW(HINSTANCE, UINT, LPWSTR, int)
{
    return 0;
}

DWORD GetFullPathNameA(LPCSTR path, DWORD size, LPSTR full, LPSTR* filePart)
{
    if (filePart)
        *filePart = nullptr;
    const size_t length = path ? std::strlen(path) : 0;
    if (length == 0)
        return 0;
    if (!full || size <= length)
        return static_cast<DWORD>(length + 1);
    std::memcpy(full, path, length + 1);
    return static_cast<DWORD>(length);
}

LONG RegOpenKeyExA(HKEY, LPCSTR, DWORD, REGSAM, PHKEY result)
{
    if (result)
        *result = nullptr;
    return ERROR_FILE_NOT_FOUND;
}

LONG RegCreateKeyExA(HKEY, LPCSTR, DWORD, LPSTR, DWORD, REGSAM, void*, PHKEY result, LPDWORD)
{
    if (result)
        *result = nullptr;
    return ERROR_ACCESS_DENIED;
}

LONG RegQueryValueExA(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD)
{
    return ERROR_FILE_NOT_FOUND;
}

LONG RegSetValueExA(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD)
{
    return ERROR_ACCESS_DENIED;
}

LONG RegDeleteValueA(HKEY, LPCSTR)
{
    return ERROR_FILE_NOT_FOUND;
}

LONG RegCloseKey(HKEY)
{
    return ERROR_SUCCESS;
}

void InitializeCriticalSection(CRITICAL_SECTION* section)
{
    section->mutex = new std::recursive_mutex;
}

void DeleteCriticalSection(CRITICAL_SECTION* section)
{
    delete static_cast<std::recursive_mutex*>(section->mutex);
    section->mutex = nullptr;
}

void EnterCriticalSection(CRITICAL_SECTION* section)
{
    static_cast<std::recursive_mutex*>(section->mutex)->lock();
}

void LeaveCriticalSection(CRITICAL_SECTION* section)
{
    static_cast<std::recursive_mutex*>(section->mutex)->unlock();
}

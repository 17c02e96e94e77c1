// Stands in for the Windows Mobile Remote API ("RAPI.DLL") with the entry points the
// class library calls. The "device" is a folder, named by the environment variable
// TNW_RAPI_DEVICE: device paths are taken below it. Without that variable no device is
// connected: the connection attempt ends with a failure.
//
// Every call is recorded, one line each, in the file named by TNW_RAPI_RECORD (when set):
// "init <size>", "open <path> <access> <creation>", "mkdir <path>", "delete <path>",
// "move <from> <to>", "time <creation time>", "close", "uninit", and before "close" the lengths of the
// writes to that file, as runs: "write <length> x<count>".
//
// TNW_RAPI_FAIL switches failures on: "init" (the connection attempt ends with a failure),
// "create" (no file can be created), "write" (the second write to a file fails). Built
// with TNW_RAPI_WITHOUT_CREATEFILE, the library lacks CeCreateFile.
//
// Blocks of zero bytes are not written but skipped, so that a file of many gigabytes
// from a sparse source stays sparse on the device folder.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct RAPIINIT {
    DWORD cbSize;
    HANDLE heRapiInit;
    HRESULT hrRapiInit;
};

namespace {

struct SOpenFile {
    std::vector<std::pair<DWORD, unsigned long long>> runs;
    unsigned writes = 0;
    bool skipped = false; // ends in skipped zero bytes
};

std::map<HANDLE, SOpenFile> sFiles;
HANDLE sInitEvent = nullptr;
DWORD sLastError = 0;

std::string Environment(const char* name)
{
    char value[MAX_PATH * 2] = {};
    const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value) : std::string();
}

bool Failing(const char* what)
{
    return Environment("TNW_RAPI_FAIL") == what;
}

std::string Narrow(const wchar_t* text)
{
    if (!text)
        return std::string();
    char buffer[MAX_PATH * 4] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
    return buffer;
}

void Record(const std::string& line)
{
    const std::string path = Environment("TNW_RAPI_RECORD");
    if (path.empty())
        return;
    if (FILE* file = std::fopen(path.c_str(), "ab")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

// The folder path of a device path.
std::wstring Local(const wchar_t* devicePath)
{
    const std::string device = Environment("TNW_RAPI_DEVICE");
    wchar_t folder[MAX_PATH] = {};
    ::MultiByteToWideChar(CP_ACP, 0, device.c_str(), -1, folder, MAX_PATH);
    std::wstring path = folder;
    if (!path.empty() && path.back() != L'\\')
        path += L'\\';
    while (devicePath && *devicePath == L'\\')
        ++devicePath;
    return path + (devicePath ? devicePath : L"");
}

BOOL Remember(BOOL result)
{
    sLastError = result ? 0 : ::GetLastError();
    return result;
}

} // namespace

extern "C" {

__declspec(dllexport) HRESULT WINAPI CeRapiInitEx(RAPIINIT* init)
{
    if (!init)
        return E_INVALIDARG;
    Record("init " + std::to_string(init->cbSize));
    if (init->cbSize != sizeof(RAPIINIT))
        return E_INVALIDARG;
    if (!sInitEvent)
        sInitEvent = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    init->heRapiInit = sInitEvent;
    init->hrRapiInit = Environment("TNW_RAPI_DEVICE").empty() || Failing("init") ? E_FAIL : S_OK;
    ::SetEvent(sInitEvent);
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI CeRapiUninit()
{
    Record("uninit");
    if (sInitEvent)
        ::CloseHandle(sInitEvent);
    sInitEvent = nullptr;
    return S_OK;
}

#ifndef TNW_RAPI_WITHOUT_CREATEFILE
__declspec(dllexport) HANDLE WINAPI CeCreateFile(LPCWSTR name, DWORD access, DWORD share,
                                                 LPSECURITY_ATTRIBUTES security, DWORD creation, DWORD flags,
                                                 HANDLE templateFile)
{
    char line[MAX_PATH * 4];
    std::snprintf(line, sizeof line, "open %s %lx %lu", Narrow(name).c_str(), access, creation);
    Record(line);
    if (Failing("create") && (access & GENERIC_WRITE)) {
        sLastError = ERROR_ACCESS_DENIED;
        return INVALID_HANDLE_VALUE;
    }
    HANDLE file = ::CreateFileW(Local(name).c_str(), access, share, security, creation, flags, templateFile);
    sLastError = file == INVALID_HANDLE_VALUE ? ::GetLastError() : 0;
    if (file != INVALID_HANDLE_VALUE)
        sFiles[file] = SOpenFile();
    return file;
}
#endif

__declspec(dllexport) BOOL WINAPI CeWriteFile(HANDLE file, LPCVOID buffer, DWORD count, LPDWORD written,
                                              LPOVERLAPPED)
{
    SOpenFile& open = sFiles[file];
    if (open.runs.empty() || open.runs.back().first != count)
        open.runs.push_back({ count, 0 });
    ++open.runs.back().second;
    if (Failing("write") && ++open.writes >= 2) {
        sLastError = ERROR_WRITE_FAULT;
        return FALSE;
    }
    const char* bytes = static_cast<const char*>(buffer);
    DWORD zero = 0;
    while (zero < count && bytes[zero] == 0)
        ++zero;
    if (count > 0 && zero == count) {
        LARGE_INTEGER distance;
        distance.QuadPart = count;
        open.skipped = true;
        if (written)
            *written = count;
        return Remember(::SetFilePointerEx(file, distance, nullptr, FILE_CURRENT));
    }
    open.skipped = false;
    return Remember(::WriteFile(file, buffer, count, written, nullptr));
}

__declspec(dllexport) BOOL WINAPI CeReadFile(HANDLE file, LPVOID buffer, DWORD count, LPDWORD read, LPOVERLAPPED)
{
    return Remember(::ReadFile(file, buffer, count, read, nullptr));
}

__declspec(dllexport) BOOL WINAPI CeCloseHandle(HANDLE file)
{
    auto open = sFiles.find(file);
    if (open != sFiles.end()) {
        if (open->second.skipped)
            ::SetEndOfFile(file);
        for (const auto& run : open->second.runs)
            Record("write " + std::to_string(run.first) + " x" + std::to_string(run.second));
        sFiles.erase(open);
    }
    Record("close");
    return Remember(::CloseHandle(file));
}

__declspec(dllexport) BOOL WINAPI CeSetFileTime(HANDLE file, const FILETIME* creation, const FILETIME* access,
                                                const FILETIME* write)
{
    ULARGE_INTEGER created = {};
    if (creation) {
        created.LowPart = creation->dwLowDateTime;
        created.HighPart = creation->dwHighDateTime;
    }
    Record("time " + std::to_string(created.QuadPart));
    return Remember(::SetFileTime(file, creation, access, write));
}

__declspec(dllexport) BOOL WINAPI CeGetFileTime(HANDLE file, FILETIME* creation, FILETIME* access, FILETIME* write)
{
    return Remember(::GetFileTime(file, creation, access, write));
}

__declspec(dllexport) BOOL WINAPI CeDeleteFile(LPCWSTR name)
{
    Record("delete " + Narrow(name));
    return Remember(::DeleteFileW(Local(name).c_str()));
}

__declspec(dllexport) BOOL WINAPI CeMoveFile(LPCWSTR from, LPCWSTR to)
{
    Record("move " + Narrow(from) + " " + Narrow(to));
    return Remember(::MoveFileW(Local(from).c_str(), Local(to).c_str()));
}

__declspec(dllexport) BOOL WINAPI CeCreateDirectory(LPCWSTR name, LPSECURITY_ATTRIBUTES security)
{
    Record("mkdir " + Narrow(name));
    return Remember(::CreateDirectoryW(Local(name).c_str(), security));
}

__declspec(dllexport) DWORD WINAPI CeGetLastError()
{
    return sLastError;
}

} // extern "C"

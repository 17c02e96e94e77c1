#include "StandIns.h"

#include <sstream>

std::string ProgramFolder()
{
    char path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program(path, length);
    return program.substr(0, program.find_last_of('\\') + 1);
}

std::vector<std::string> ReadLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::istringstream stream(ReadWholeFile(path));
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

StEnvironmentVariable::StEnvironmentVariable(const char* name, const std::string& value) : mName(name)
{
    char old[4096];
    const DWORD length = ::GetEnvironmentVariableA(name, old, sizeof old);
    if (length > 0 && length < sizeof old)
        mOld = std::string(old);
    ::SetEnvironmentVariableA(name, value.empty() ? nullptr : value.c_str());
}

StEnvironmentVariable::~StEnvironmentVariable()
{
    ::SetEnvironmentVariableA(mName.c_str(), mOld ? mOld->c_str() : nullptr);
}

std::optional<std::string> ReadClassesDefault(const std::string& key)
{
    char text[1024];
    DWORD size = sizeof text;
    if (::RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(text);
}

void WriteClassesValue(const std::string& key, const char* name, const std::string& value)
{
    ::RegSetKeyValueA(HKEY_CLASSES_ROOT, key.c_str(), name, REG_SZ, value.c_str(),
                      static_cast<DWORD>(value.size() + 1));
}

StRegisteredStandIn::StRegisteredStandIn(const char* progId, const char* dll, const char* clsid)
    : mProgIdKey(std::string(progId) + "\\CLSID"), mClassKey(std::string("CLSID\\") + clsid)
{
    mOldClass = ReadClassesDefault(mProgIdKey);
    WriteClassesValue(mClassKey + "\\InprocServer32", nullptr, ProgramFolder() + dll);
    WriteClassesValue(mClassKey + "\\InprocServer32", "ThreadingModel", "Apartment");
    WriteClassesValue(mProgIdKey, nullptr, clsid);
}

StRegisteredStandIn::~StRegisteredStandIn()
{
    if (mOldClass)
        WriteClassesValue(mProgIdKey, nullptr, *mOldClass);
    else
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, mProgIdKey.c_str());
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, mClassKey.c_str());
}

StStandInRapi::StStandInRapi(EBuild build)
    : mDeviceVariable("TNW_RAPI_DEVICE", mDevice.Path()),
      mRecordVariable("TNW_RAPI_RECORD", mScratch.File("record.txt")), mFailVariable("TNW_RAPI_FAIL", "")
{
    ::SetDllDirectoryA((ProgramFolder() + (build == kComplete ? "rapi" : "rapi-nocreate")).c_str());
}

StStandInRapi::~StStandInRapi()
{
    ::SetDllDirectoryA(nullptr);
}

void StStandInRapi::Fail(const char* what)
{
    ::SetEnvironmentVariableA("TNW_RAPI_FAIL", what && *what ? what : nullptr);
}

void StStandInRapi::Disconnect()
{
    ::SetEnvironmentVariableA("TNW_RAPI_DEVICE", nullptr);
}

std::vector<std::string> StStandInRapi::Record() const
{
    return ReadLines(mScratch.File("record.txt"));
}

void StStandInRapi::Forget()
{
    ::DeleteFileA(mScratch.File("record.txt").c_str());
}

StStandInITunes::StStandInITunes(const std::string& libraryLines)
    : mModule(::LoadLibraryA((ProgramFolder() + "tnwitunes.dll").c_str()))
{
    WriteWholeFile(mScratch.File("library.txt"), libraryLines);
    auto registerClass = reinterpret_cast<HRESULT (*)(const char*, DWORD*)>(
        mModule ? ::GetProcAddress(mModule, "TnwITunesRegister") : nullptr);
    if (!registerClass || FAILED(registerClass(mScratch.File("library.txt").c_str(), &mCookie)))
        mCookie = 0;
}

StStandInITunes::~StStandInITunes()
{
    auto revoke = reinterpret_cast<HRESULT (*)(DWORD)>(mModule ? ::GetProcAddress(mModule, "TnwITunesRevoke") : nullptr);
    if (revoke && mCookie)
        revoke(mCookie);
    if (mModule)
        ::FreeLibrary(mModule);
}

std::vector<std::string> StStandInITunes::Library() const
{
    return ReadLines(mScratch.File("library.txt"));
}

long StStandInITunes::LiveObjects() const
{
    auto live = reinterpret_cast<long (*)()>(mModule ? ::GetProcAddress(mModule, "TnwITunesObjects") : nullptr);
    return live ? live() : -1;
}

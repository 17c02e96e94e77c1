#include "ApplicationUtils.h"

#include "FileUtils.h"
#include "Registry.h"
#include "Version.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

struct SApplicationNames {
    unsigned long id;
    const char* name;
    const char* shortName;
};

const SApplicationNames kApplications[] = {
    {1, "Tarnwell Video Converter", "VideoConverter"},
    {2, "Tarnwell Audio Converter", "AudioConverter"},
    {3, "Tarnwell Screen Recorder", "ScreenRecorder"},
    {4, "Tarnwell Audio Recorder", "AudioRecorder"},
    {5, "Tarnwell Video Capture", "VideoCapture"},
    {6, "Tarnwell Mobile Converter", "MobileConverter"},
};

const SApplicationNames* FindApplication(unsigned long id)
{
    for (const SApplicationNames& application : kApplications) {
        if (application.id == id)
            return &application;
    }
    return nullptr;
}

std::string UnknownName(unsigned long id, const char* format)
{
    if (id == 0)
        return UFileUtils::GetFileNameWithoutExtension(UApplicationUtils::GetExecutablePath().c_str());
    char name[32];
    std::snprintf(name, sizeof name, format, id);
    return name;
}

} // namespace

std::string UApplicationUtils::GetApplicationName(unsigned long id)
{
    const SApplicationNames* application = FindApplication(id);
    return application ? application->name : UnknownName(id, "Application %lu");
}

std::string UApplicationUtils::GetShortApplicationName(unsigned long id)
{
    const SApplicationNames* application = FindApplication(id);
    return application ? application->shortName : UnknownName(id, "Application%lu");
}

std::string UApplicationUtils::GetApplicationNameWithVersion()
{
    std::string name = CRegistry::GetDefaultApplication();
    for (const SApplicationNames& application : kApplications) {
        if (lstrcmpiA(application.shortName, name.c_str()) == 0) {
            name = application.name;
            break;
        }
    }
    const std::string version = GetExecutableVersion();
    return version.empty() ? name : name + ' ' + version;
}

std::string UApplicationUtils::GetExecutablePath()
{
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD got = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (got == 0)
            return std::string();
        // A path that filled the buffer may have been cut.
        if (got < path.size())
            return std::string(path.data(), got);
        path.resize(path.size() * 2);
    }
}

std::string UApplicationUtils::GetExecutableVersion()
{
    return CVersion(GetExecutablePath().c_str()).GetVersionText();
}

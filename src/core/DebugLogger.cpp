#include "core/DebugLogger.h"

#include <cstdio>
#include <string>

CDebugLogger* CDebugLogger::sLogger = nullptr;
int CDebugLogger::sLiveLoggers = 0;
int CDebugLogger::sLineCount = 0;

namespace {

const char* const kSection = "Debug";

} // namespace

CDebugLogger::CDebugLogger()
    : mSwitch(kSection, "Enable", nullptr), mEnabled(false), mLogFile(nullptr)
{
    if (!sLogger)
        sLogger = this;
    if (sLiveLoggers++ == 0)
        sLineCount = 0;
    mEnabled = mSwitch.GetValue(0) == 1;
    if (!mEnabled)
        return;
    mLogFile = new CIniProfile;
    mLogFile->SetIniFile((UDirectoryUtils::GetAppDirectory() + "log.ini").c_str());
}

CDebugLogger::~CDebugLogger()
{
    LogText("End Log");
    delete mLogFile;
    mLogFile = nullptr;
    if (sLogger == this)
        sLogger = nullptr;
    --sLiveLoggers;
}

void CDebugLogger::Log(const char* text)
{
    if (sLogger)
        sLogger->LogText(text);
}

void CDebugLogger::LogText(const char* text)
{
    if (!mLogFile)
        return;
    const std::string all = text ? text : "";
    size_t start = 0;
    do {
        const size_t end = all.find_first_of("\r\n", start);
        WriteLine(all.substr(start, end == std::string::npos ? std::string::npos : end - start).c_str());
        if (end == std::string::npos)
            break;
        start = end + (all.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    } while (start < all.size());
}

void CDebugLogger::WriteLine(const char* line)
{
    ++sLineCount;
    char key[16];
    std::snprintf(key, sizeof key, "%d", sLineCount);
    CRegistry(kSection, key, mLogFile).SetTextValue(line);
}

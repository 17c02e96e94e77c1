#include "Tracer.h"

#include "DirectoryUtils.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <vector>

CTracer::CTracer() : mStartTick(GetTickCount64())
{
}

void CTracer::SetEnabled(bool enabled)
{
    CTwSingleLock lock(mLock, true);
    mEnabled = enabled;
}

bool CTracer::IsEnabled() const
{
    CTwSingleLock lock(mLock, true);
    return mEnabled;
}

void CTracer::SetFile(const char* path)
{
    CTwSingleLock lock(mLock, true);
    mFile = path ? path : "";
    if (!mFile.empty())
        UDirectoryUtils::EstablishPath(mFile.c_str());
}

void CTracer::Trace(const char* text)
{
    CTwSingleLock lock(mLock, true);
    if (!mEnabled)
        return;
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%10.3f [%lu] ", (GetTickCount64() - mStartTick) / 1000.0,
                  GetCurrentThreadId());
    const std::string line = stamp + std::string(text ? text : "") + "\r\n";
    OutputDebugStringA(line.c_str());
    if (!mFile.empty())
        AppendToFile(line);
}

void CTracer::TraceFormat(const char* format, ...)
{
    if (!format || !IsEnabled())
        return;
    va_list arguments;
    va_start(arguments, format);
    va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    std::vector<char> text(length > 0 ? length + 1 : 1, '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size(), format, arguments);
    va_end(arguments);
    Trace(text.data());
}

void CTracer::AppendToFile(const std::string& line)
{
    HANDLE file = CreateFileA(mFile.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

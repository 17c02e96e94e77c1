#include "StandInBrowser.h"

#include "MessagePump.h"
#include "StandIns.h"

#include <windows.h>

#include <algorithm>

namespace {

const char kHttpCommandKey[] = "http\\shell\\open\\command";
const char kFileType[] = "tnwstandin.document";

} // namespace

std::string StandInBrowser::BrowserPath()
{
    return ProgramFolder() + "tnwbrowser.exe";
}

StandInBrowser::StandInBrowser(std::vector<std::string> extensions) : mRecord(mScratch.File("opened.txt"))
{
    const std::string command = "\"" + BrowserPath() + "\" \"" + mRecord + "\" \"%1\"";
    Register(kHttpCommandKey, command);
    if (extensions.empty())
        return;
    Register(std::string(kFileType) + "\\shell\\open\\command", command);
    for (const std::string& extension : extensions)
        Register(extension, kFileType);
}

StandInBrowser::~StandInBrowser()
{
    // Put back in the reverse order, so that a key saved twice ends as it first was.
    for (auto saved = mSaved.rbegin(); saved != mSaved.rend(); ++saved) {
        if (saved->value)
            WriteClassesValue(saved->key, nullptr, *saved->value);
        else
            ::RegDeleteTreeA(HKEY_CLASSES_ROOT, saved->key.c_str());
    }
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kFileType);
}

void StandInBrowser::Register(const std::string& key, const std::string& value)
{
    mSaved.push_back({key, ReadClassesDefault(key)});
    WriteClassesValue(key, nullptr, value);
}

std::string StandInBrowser::Record() const
{
    return ReadWholeFile(mRecord);
}

std::string StandInBrowser::WaitForStarts(int starts, unsigned timeoutMs) const
{
    std::string text;
    PumpMessagesUntil([&] {
        text = Record();
        return std::count(text.begin(), text.end(), '\n') >= starts;
    }, timeoutMs);
    return text;
}

std::vector<std::string> StandInBrowser::WaitForOpened(int starts, unsigned timeoutMs) const
{
    const std::string text = WaitForStarts(starts, timeoutMs);
    std::vector<std::string> opened;
    size_t begin = 0;
    for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", begin)) {
        const std::string line = text.substr(begin, end - begin);
        const size_t tab = line.find('\t');
        opened.push_back(tab == std::string::npos ? std::string() : line.substr(tab + 1));
        begin = end + 2;
    }
    return opened;
}

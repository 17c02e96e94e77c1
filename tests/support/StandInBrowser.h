#pragma once
#include "ScratchFolder.h"

#include <optional>
#include <string>
#include <vector>

// Makes the shell open web pages, and documents of the given file extensions, with the
// stand-in browser (tnwbrowser.exe beside the test program), which records every start in
// a file of its own instead of showing anything. The registration is made in the test
// prefix's classes (Wine reads them from HKEY_CLASSES_ROOT only) and the earlier one is
// put back when the object goes. A test program that uses it depends on tnwbrowser.
class StandInBrowser {
public:
    explicit StandInBrowser(std::vector<std::string> extensions = {});
    ~StandInBrowser();
    StandInBrowser(const StandInBrowser&) = delete;
    StandInBrowser& operator=(const StandInBrowser&) = delete;

    // The file the browser records into, and the record: one line per start, the show
    // command and then the arguments, separated by tabs.
    const std::string& RecordPath() const { return mRecord; }
    std::string Record() const;
    // Waits (bounded, while messages flow) until the browser was started `starts` times,
    // and returns the record.
    std::string WaitForStarts(int starts, unsigned timeoutMs = 10000) const;
    // Waits as WaitForStarts and returns what each start was asked to open.
    std::vector<std::string> WaitForOpened(int starts, unsigned timeoutMs = 10000) const;

    static std::string BrowserPath();

private:
    struct SSavedCommand {
        std::string key;
        std::optional<std::string> value;
    };

    void Register(const std::string& key, const std::string& value);

    ScratchFolder mScratch;
    std::string mRecord;
    std::vector<SSavedCommand> mSaved;
};

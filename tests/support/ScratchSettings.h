#pragma once
#include <string>

// Gives the process's settings store (CRegistry's default application) a name of its own
// while the object lives, so that settings a test writes land under a key nobody else
// uses. The destructor removes that key with everything in it, the company key too when
// nothing else is left there, and gives the store its previous name back.
class ScratchSettings {
public:
    ScratchSettings();
    ~ScratchSettings();
    ScratchSettings(const ScratchSettings&) = delete;
    ScratchSettings& operator=(const ScratchSettings&) = delete;

    // HKEY_CURRENT_USER's path of the application key: Software\<company>\<application>.
    std::string KeyPath() const;

private:
    std::string mApplication;
    std::string mPreviousApplication;
};

#pragma once
#include "ScratchFolder.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// The folder of the test program, ending in a backslash; the stand-ins are built there.
std::string ProgramFolder();

// The default value of a key of the test prefix's classes (HKEY_CLASSES_ROOT), or nothing
// when there is none; and a value (null name: the default) written there.
std::optional<std::string> ReadClassesDefault(const std::string& key);
void WriteClassesValue(const std::string& key, const char* name, const std::string& value);

// Sets an environment variable of the test's process for the guard's lifetime (the
// stand-ins loaded into the process read their settings from it) and puts the old value
// back.
class StEnvironmentVariable {
public:
    StEnvironmentVariable(const char* name, const std::string& value);
    ~StEnvironmentVariable();
    StEnvironmentVariable(const StEnvironmentVariable&) = delete;
    StEnvironmentVariable& operator=(const StEnvironmentVariable&) = delete;

private:
    std::string mName;
    std::optional<std::string> mOld;
};

// Registers an in-process stand-in under an outside program's name in the test prefix's
// classes: the name's class becomes the stand-in's class, served by the stand-in DLL
// beside the test program. The name's earlier class is put back, and the stand-in's class
// removed, when the guard goes.
class StRegisteredStandIn {
public:
    StRegisteredStandIn(const char* progId, const char* dll, const char* clsid);
    ~StRegisteredStandIn();
    StRegisteredStandIn(const StRegisteredStandIn&) = delete;
    StRegisteredStandIn& operator=(const StRegisteredStandIn&) = delete;

private:
    std::string mProgIdKey;
    std::string mClassKey;
    std::optional<std::string> mOldClass;
};

// The Windows Mobile Remote API stand-in, found by LoadLibrary("RAPI.DLL") while the guard
// lives, with a scratch folder as the connected device. Without CeCreateFile when asked.
class StStandInRapi {
public:
    enum EBuild { kComplete, kWithoutCreateFile };
    explicit StStandInRapi(EBuild build = kComplete);
    ~StStandInRapi();
    StStandInRapi(const StStandInRapi&) = delete;
    StStandInRapi& operator=(const StStandInRapi&) = delete;

    // "init", "create" or "write"; empty for none.
    void Fail(const char* what);
    // Disconnects the device (a connection attempt fails).
    void Disconnect();
    // The file behind a device path.
    std::string DeviceFile(const std::string& devicePath) const { return mDevice.Path() + devicePath; }
    // The calls recorded so far, one line each; Forget starts the record anew.
    std::vector<std::string> Record() const;
    void Forget();

private:
    ScratchFolder mDevice;
    ScratchFolder mScratch;
    StEnvironmentVariable mDeviceVariable;
    StEnvironmentVariable mRecordVariable;
    StEnvironmentVariable mFailVariable;
};

// The iTunes stand-in, registered for the test's process (the thread must have COM),
// with a library file that starts with the given lines.
class StStandInITunes {
public:
    explicit StStandInITunes(const std::string& libraryLines = "");
    ~StStandInITunes();
    StStandInITunes(const StStandInITunes&) = delete;
    StStandInITunes& operator=(const StStandInITunes&) = delete;

    bool IsRegistered() const { return mCookie != 0; }
    // The library file's lines.
    std::vector<std::string> Library() const;
    // How many objects of the stand-in are alive.
    long LiveObjects() const;

private:
    ScratchFolder mScratch;
    HMODULE mModule;
    DWORD mCookie = 0;
};

// The lines of a text file.
std::vector<std::string> ReadLines(const std::string& path);

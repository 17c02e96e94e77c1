#pragma once
#include <string>

// A key of its own under the test application's settings store, removed with everything
// in it at the end.
class SettingsKey {
public:
    SettingsKey();
    ~SettingsKey();
    SettingsKey(const SettingsKey&) = delete;
    SettingsKey& operator=(const SettingsKey&) = delete;

    // The key as CRegistry and the storages take it.
    const std::string& Name() const { return mName; }
    // Its path below HKEY_CURRENT_USER.
    std::string Path() const;
    // Whether the key exists in the registry.
    bool Exists() const;

private:
    std::string mName;
};

#pragma once
#include "ScratchSettings.h"

#include <windows.h>

#include <string>

// A key for a storage in a settings store of its own, removed with the store at the end.
class SettingsKey : public ScratchSettings {
public:
    // The key as CRegistry and the storages take it.
    const std::string& Name() const { return mName; }
    // Its path below HKEY_CURRENT_USER, in the store the scratch settings named.
    std::string Path() const { return KeyPath() + "\\" + mName; }
    bool Exists() const
    {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Path().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

private:
    std::string mName = "Storage";
};

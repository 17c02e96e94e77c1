#include "SettingsKey.h"

#include "tnwwndut.h"

#include <windows.h>

SettingsKey::SettingsKey()
{
    static LONG sCounter = 0;
    mName = "tnwtest storage " + std::to_string(GetCurrentProcessId()) + " " +
            std::to_string(InterlockedIncrement(&sCounter));
}

SettingsKey::~SettingsKey()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, Path().c_str());
    // The application's and the company's keys go too when nothing else is left in them;
    // RegDeleteKey refuses a key that still has subkeys.
    const std::string company = "Software\\" + CRegistry::GetDefaultCompany();
    RegDeleteKeyA(HKEY_CURRENT_USER, (company + "\\" + CRegistry::GetDefaultApplication()).c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, company.c_str());
}

std::string SettingsKey::Path() const
{
    return "Software\\" + CRegistry::GetDefaultCompany() + "\\" + CRegistry::GetDefaultApplication() + "\\" + mName;
}

bool SettingsKey::Exists() const
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Path().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

#include "ScratchSettings.h"

#include "Registry.h"

#include <windows.h>

ScratchSettings::ScratchSettings() : mPreviousApplication(CRegistry::GetDefaultApplication())
{
    static LONG sCounter = 0;
    mApplication = "tnwtest " + std::to_string(GetCurrentProcessId()) + " " +
                   std::to_string(InterlockedIncrement(&sCounter));
    CRegistry::SetDefaultApplication(mApplication.c_str());
}

ScratchSettings::~ScratchSettings()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, KeyPath().c_str());
    // Fails, as it should, while other applications keep settings under the company.
    RegDeleteKeyA(HKEY_CURRENT_USER, ("Software\\" + CRegistry::GetDefaultCompany()).c_str());
    CRegistry::SetDefaultApplication(mPreviousApplication.c_str());
}

std::string ScratchSettings::KeyPath() const
{
    return "Software\\" + CRegistry::GetDefaultCompany() + "\\" + mApplication;
}

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
    const std::string company = "Software\\" + CRegistry::GetDefaultCompany();
    RegDeleteTreeA(HKEY_CURRENT_USER, (company + "\\" + mApplication).c_str());
    // Fails, as it should, while other applications keep settings under the company.
    RegDeleteKeyA(HKEY_CURRENT_USER, company.c_str());
    CRegistry::SetDefaultApplication(mPreviousApplication.c_str());
}


#include "net/WebAddresses.h"

#include "tnwwndut.h"

const char* const UWebAddresses::kHomePage = "http://www.tarnwell.com/";
const char* const UWebAddresses::kLinkSection = "Link";

CString UWebAddresses::GetLinksFile()
{
    return CString(UDirectoryUtils::GetCommonAppDataDirectory().c_str()) + "links.ini";
}

CString UWebAddresses::GetAddressByTag(const char* tag)
{
    if (!tag || !*tag)
        return kHomePage;
    CIniProfile links;
    links.SetIniFile(GetLinksFile());
    CRegistry link(kLinkSection, tag, &links);
    const char* address = link.GetTextValue(nullptr);
    if (address && *address)
        return address;
    link.SetTextValue(kHomePage);
    return kHomePage;
}

CString UWebAddresses::GetDxDownloadAddress()
{
    return GetAddressByTag("DirectX");
}

CString UWebAddresses::GetWmfDownloadAddress()
{
    return GetAddressByTag("Windows Media Format 9 runtime");
}

CString UWebAddresses::GetWmSecurityDownloadAddress()
{
    return GetAddressByTag("Windows Mobile Security Configuration Manager");
}

CString UWebAddresses::GetAspiDownloadAddress()
{
    return GetAddressByTag("ASPI");
}

CString UWebAddresses::GetAc3DownloadAddress()
{
    return GetAddressByTag("AC-3 Decoder");
}

CString UWebAddresses::GetDivxDownloadAddress()
{
    return GetAddressByTag("DivX Codec");
}

CString UWebAddresses::GetQuickTimeDownloadAddress()
{
    return GetAddressByTag("QuickTime");
}

CString UWebAddresses::GetTtsEngineDownloadAddress()
{
    return GetAddressByTag("Voices");
}

CString UWebAddresses::GetXvidDownloadAddress()
{
    return GetAddressByTag("Xvid Codec");
}

CString UWebAddresses::GetLameAcmDownloadAddress()
{
    return GetAddressByTag("lame_enc.dll");
}

CString UWebAddresses::Get3ivxDownloadAddress()
{
    return GetAddressByTag("Combined Community Codec Pack");
}

CString UWebAddresses::GetRealAlternativeDownloadAddress()
{
    return GetAddressByTag("Real Alternative");
}

CString UWebAddresses::GetApplicationAddress(unsigned long applicationId)
{
    return GetAddressByTag(UApplicationUtils::GetShortApplicationName(applicationId).c_str());
}

CString UWebAddresses::GetProductAddress()
{
    if (!StApplicationId::sId)
        return kHomePage;
    return GetApplicationAddress(static_cast<unsigned long>(StApplicationId::Id()));
}

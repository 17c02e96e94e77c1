#pragma once
#include "afx.h"

// Web addresses by tag ("DirectX", an application's short name), looked up in the shared
// file "links.ini" of the family's common application-data folder, section "Link", one key
// per tag. Nothing is compiled into the callers, so that an installer or an update can
// redirect any link. A tag that the file does not know (or knows with an empty address)
// gives the maker's home page, which is then written into the file under that tag, so the
// file lists every tag that was ever asked for.
//
// Decision of this library: a null or empty tag names no key; it gives the home page and
// writes nothing.
class AFX_EXT_CLASS UWebAddresses {
public:
    // The maker's home page, where every unknown link leads.
    static const char* const kHomePage;
    // The section of "links.ini" that holds the addresses.
    static const char* const kLinkSection;

    // The full path of the shared "links.ini".
    static CString GetLinksFile();

    static CString GetAddressByTag(const char* tag);

    static CString GetDxDownloadAddress();
    static CString GetWmfDownloadAddress();
    static CString GetWmSecurityDownloadAddress();
    static CString GetAspiDownloadAddress();
    static CString GetAc3DownloadAddress();
    static CString GetDivxDownloadAddress();
    static CString GetQuickTimeDownloadAddress();
    static CString GetTtsEngineDownloadAddress();
    static CString GetXvidDownloadAddress();
    static CString GetLameAcmDownloadAddress();
    static CString Get3ivxDownloadAddress();
    static CString GetRealAlternativeDownloadAddress();

    // The page of an application of the family, by its number.
    static CString GetApplicationAddress(unsigned long applicationId);
    // The page of the running application; the home page when it has no identity.
    static CString GetProductAddress();
};

#include "afxwin.h"
#include <cstdlib>
#include <cstring>

// Profile settings of the application: registry values once a registry key is set, an
// ini file before.

namespace {

// Opens a key for reading and writing, creating it when missing; null on failure.
HKEY OpenOrCreateKey(HKEY parent, LPCSTR path)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                          nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

} // namespace

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    std::free(const_cast<LPSTR>(m_pszRegistryKey));
    m_pszRegistryKey = DuplicateText(lpszRegistryKey);
    // Settings are filed under the application's name rather than an ini file's.
    std::free(const_cast<LPSTR>(m_pszProfileName));
    m_pszProfileName = DuplicateText(m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (!m_pszRegistryKey || !m_pszProfileName)
        return nullptr;
    return OpenOrCreateKey(HKEY_CURRENT_USER,
                           CString("Software\\") + m_pszRegistryKey + "\\" + m_pszProfileName);
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection)
{
    HKEY appKey = GetAppRegistryKey();
    if (!appKey)
        return nullptr;
    HKEY section = OpenOrCreateKey(appKey, lpszSection);
    ::RegCloseKey(appKey);
    return section;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    if (!m_pszRegistryKey)
        return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    HKEY section = GetSectionKey(lpszSection);
    if (!section)
        return static_cast<UINT>(nDefault);
    DWORD value = 0;
    DWORD type = 0;
    DWORD size = sizeof(value);
    const LONG status = ::RegQueryValueExA(section, lpszEntry, nullptr, &type,
                                           reinterpret_cast<LPBYTE>(&value), &size);
    ::RegCloseKey(section);
    // A value of another type (edited by hand, say) is not a number: use the default.
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value))
        return static_cast<UINT>(nDefault);
    return value;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    if (!m_pszRegistryKey) {
        CString text;
        text.Format("%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, text, m_pszProfileName);
    }
    HKEY section = GetSectionKey(lpszSection);
    if (!section)
        return FALSE;
    const DWORD value = static_cast<DWORD>(nValue);
    const LONG status = ::RegSetValueExA(section, lpszEntry, 0, REG_DWORD,
                                         reinterpret_cast<const BYTE*>(&value), sizeof(value));
    ::RegCloseKey(section);
    return status == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    const CString fallback(lpszDefault);
    if (!m_pszRegistryKey) {
        // Grows the buffer until the whole value fits.
        CString value;
        for (DWORD size = 256;; size *= 2) {
            const DWORD copied = ::GetPrivateProfileStringA(lpszSection, lpszEntry, fallback,
                                                            value.GetBuffer(static_cast<int>(size)),
                                                            size + 1, m_pszProfileName);
            if (copied < size) {
                value.ReleaseBuffer(static_cast<int>(copied));
                return value;
            }
        }
    }
    HKEY section = GetSectionKey(lpszSection);
    if (!section)
        return fallback;
    DWORD type = 0;
    DWORD size = 0;
    CString value = fallback;
    if (::RegQueryValueExA(section, lpszEntry, nullptr, &type, nullptr, &size) == ERROR_SUCCESS
        && type == REG_SZ) {
        LPSTR buffer = value.GetBuffer(static_cast<int>(size));
        if (::RegQueryValueExA(section, lpszEntry, nullptr, &type, reinterpret_cast<LPBYTE>(buffer),
                               &size) == ERROR_SUCCESS) {
            buffer[size] = 0;
            value.ReleaseBuffer();
        } else {
            value.ReleaseBuffer(0);
            value = fallback;
        }
    }
    ::RegCloseKey(section);
    return value;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (!m_pszRegistryKey)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (!lpszEntry) {
        HKEY appKey = GetAppRegistryKey();
        if (!appKey)
            return FALSE;
        const LONG status = ::RegDeleteTreeA(appKey, lpszSection);
        ::RegCloseKey(appKey);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    HKEY section = GetSectionKey(lpszSection);
    if (!section)
        return FALSE;
    LONG status;
    if (!lpszValue) {
        status = ::RegDeleteValueA(section, lpszEntry);
        if (status == ERROR_FILE_NOT_FOUND)
            status = ERROR_SUCCESS;
    } else {
        status = ::RegSetValueExA(section, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                                  static_cast<DWORD>(std::strlen(lpszValue) + 1));
    }
    ::RegCloseKey(section);
    return status == ERROR_SUCCESS;
}

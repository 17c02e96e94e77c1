#pragma once
#include "IniProfile.h"
#include "TwCriticalSection.h"
#include "WindowExport.h"

#include <optional>
#include <string>

// One named settings value: value name `value` under `key`.
//
// Where it lives:
// - Bound to an ini profile (given at construction, or a file named with SetIniFile), it
//   is the line value=text in section [key] of that file. Numbers are written as
//   decimal text. Nothing goes to the registry then, even when the profile names no file
//   (reads give the default, writes fail).
// - Otherwise it is in the application's settings store, the registry:
//   HKEY_CURRENT_USER (HKEY_LOCAL_MACHINE after SetCurrentUser(false))
//   \Software\<company>\<application>\<key>, numbers as REG_DWORD, texts as REG_SZ.
//   Company and application are this value's own (SetCompany, SetApplication) or else the
//   class-wide defaults, looked up at each access so that values constructed before the
//   application object names itself still land in its store. The defaults are "Tarnwell"
//   and the base name of the running executable until SetDefaultCompany and
//   SetDefaultApplication change them (null or empty returns to those); the application
//   object sets them at start-up, the same names under which the framework keeps its own
//   profile settings. Characters that would divide a key or a path are replaced by "_".
//
// Reading is lenient about how a value was stored and strict about what it means: a
// number reads a stored text as decimal, "-n" as the 32-bit pattern of -n, and any other
// text (garbage, out of range) as absent, so the default comes back rather than a wrong
// number; a text reads a stored number as its decimal text.
//
// An object is used by one thread at a time; the class-wide defaults may be read from
// any thread.
class TNWWND_CLASS CRegistry {
public:
    CRegistry(const char* key, const char* value, CIniProfile* ini);

    unsigned long GetValue(unsigned long defaultValue) const;
    // The stored text, which stays valid until this object's next GetTextValue or its
    // destruction; defaultValue itself (null included) when nothing is stored.
    const char* GetTextValue(const char* defaultValue);
    bool HasValue() const;

    // False when the store cannot be written. A null text is stored as an empty text.
    bool SetValue(unsigned long value);
    bool SetTextValue(const char* text);
    // Removes the value; true when it is gone afterwards.
    bool RemoveValue();

    // Binds the value to an ini file of its own instead of the profile given at
    // construction; null or empty returns it to the registry.
    void SetIniFile(const char* path);
    void SetCompany(const char* company);
    void SetApplication(const char* application);
    void SetCurrentUser(bool currentUser);

    static void SetDefaultCompany(const char* company);
    static void SetDefaultApplication(const char* application);
    static std::string GetDefaultCompany();
    static std::string GetDefaultApplication();

private:
    const CIniProfile* GetIni() const;
    std::string GetRegistryKey() const;
    bool ReadText(std::string& text) const;
    bool ReadRegistryText(std::string& text) const;
    bool WriteRegistry(DWORD type, const void* data, DWORD size) const;
    HKEY GetRoot() const;

    std::string mKey;
    std::string mValue;
    CIniProfile* mIni;
    CIniProfile mOwnIni;
    std::optional<std::string> mCompany;
    std::optional<std::string> mApplication;
    bool mCurrentUser = true;
    std::string mText;

    static CTwCriticalSection sDefaultsLock;
    static std::string sDefaultCompany;
    static std::string sDefaultApplication;
};

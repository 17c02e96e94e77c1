#pragma once
#include "WindowExport.h"

#include <string>

// One ini file, named by its path, with the few operations a settings value needs.
//
// A relative path is made absolute against the current folder when it is set: the
// profile functions of Windows would otherwise look for a bare file name in the Windows
// folder. An ini value is one line, so line breaks in a written text become blanks
// (a text must never be able to add lines or sections of its own); a text that starts
// or ends with a blank or is wholly quoted is written in quotes, because the profile
// functions strip those when reading, and so it reads back unchanged. A write into a
// folder that does not exist yet creates the folder and tries once more.
class TNWWND_CLASS CIniProfile {
public:
    CIniProfile();
    explicit CIniProfile(const char* path);

    // Names the file; null or empty unbinds the profile.
    void SetIniFile(const char* path);
    const std::string& GetIniFile() const { return mPath; }
    bool HasIniFile() const { return !mPath.empty(); }

    // Whether section holds key; text receives its value when it does.
    bool ReadText(const char* section, const char* key, std::string& text) const;
    bool WriteText(const char* section, const char* key, const char* text) const;
    bool RemoveValue(const char* section, const char* key) const;

private:
    bool HasKey(const char* section, const char* key) const;
    bool Write(const char* section, const char* key, const char* text) const;

    std::string mPath;
};

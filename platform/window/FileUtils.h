#pragma once
#include "WindowExport.h"

#include <windows.h>

#include <string>

// Files by path, and the parts of a path. Both separators, backslash and slash, divide
// a path. Texts are returned as owned strings.
class TNWWND_CLASS UFileUtils {
public:
    // Whether path names an existing file (a folder does not count).
    static bool FileExist(const char* path);
    // Deletes a file, a read-only one too: when the user asked for it to go, the
    // attribute is no reason to keep it.
    static bool DeleteFileA(const char* path);
    // The file's size in bytes, beyond 4 GiB too; 0 for a file that does not exist or
    // cannot be asked, so that a caller copying or measuring it has nothing to do.
    static __int64 GetFileSize(const char* path);
    // The file's times, as Win32's GetFileTime gives them, the creation time first; any
    // of them may be null. False (and nothing filled) when the file cannot be asked.
    static bool GetFileTime(const char* path, FILETIME* creation, FILETIME* lastAccess = nullptr,
                            FILETIME* lastWrite = nullptr);

    // For "C:\media\clip.final.avi": "avi" (no dot; empty when the name has none),
    // "clip.final.avi", "clip.final" and "C:\media" (no trailing separator; empty for a
    // bare file name). A dot in a folder name is no extension.
    static std::string GetFileExtension(const char* path);
    static std::string GetFileNameOnly(const char* path);
    static std::string GetFileNameWithoutExtension(const char* path);
    static std::string GetPathOnly(const char* path);
};

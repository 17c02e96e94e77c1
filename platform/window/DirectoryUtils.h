#pragma once
#include "WindowExport.h"

#include <string>

// Folders of the running application and operations on folders.
//
// The folder getters return texts that end in a backslash, so that a file name is simply
// appended. They own their text (std::string): nothing to free, nothing that a later call
// overwrites.
// - GetAppDirectory: the folder of the running executable.
// - GetUserAppDataDirectory: the user's roaming application-data folder, then the
//   company and the application of the settings store (CRegistry::GetDefaultCompany and
//   GetDefaultApplication), so that each application of the family keeps its own per-user
//   files ("Data.xml", "window.ini") and they sit beside its registry key in name.
// - GetCommonAppDataDirectory: the all-users application-data folder, then the company
//   only: files there ("links.ini") are shared by every application of the family.
// When Windows cannot name a known folder, the application's own folder stands in. The
// getters create nothing; writers call EstablishPath (ini writes do so themselves).
class TNWWND_CLASS UDirectoryUtils {
public:
    static std::string GetAppDirectory();
    static std::string GetUserAppDataDirectory();
    static std::string GetCommonAppDataDirectory();

    // Creates every missing folder on the way to the file filePath names (the text after
    // the last separator is the file and is not created; a path ending in a separator
    // creates all its folders). Both separators are accepted. True when the file's folder
    // exists afterwards.
    static bool EstablishPath(const char* filePath);

    // Whether folder names an existing folder (a file of that name does not count).
    static bool Exist(const char* folder);
    // Removes an empty folder; a folder with content is left alone and gives false, so
    // that nothing of the user's is lost by accident.
    static bool RemoveFolder(const char* folder);
    // Bytes the current user may still write on the volume that holds path; a path that
    // does not exist (yet) is measured at its nearest existing parent. 0 when unknown.
    static __int64 GetFreeDiskSpace(const char* path);

private:
    static std::string GetKnownFolder(int folderId);
};

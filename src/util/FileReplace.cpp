#include "util/FileReplace.h"

#include "dialogs/RepeatPrompter.h"
#include "tnwwndut.h"

CString UFileReplace::GetFilePath(CRepeatPrompter* prompter, const char* path, EFileReplace option)
{
    if (!UFileUtils::FileExist(path))
        return path;
    switch (option) {
    case kFileReplaceAsk: return PromptReplaceFile(prompter, path);
    case kFileReplaceReplace: return path;
    case kFileReplaceRename: return AutoRenameFilePath(path);
    default: return CString();
    }
}

CString UFileReplace::AutoRenameFilePath(const char* path)
{
    const std::string folder = UFileUtils::GetPathOnly(path);
    const std::string name = UFileUtils::GetFileNameWithoutExtension(path);
    const std::string extension = UFileUtils::GetFileExtension(path);
    for (int n = 2; n <= 9998; ++n) {
        CString candidate;
        candidate.Format("%s\\%s_%d.%s", folder.c_str(), name.c_str(), n, extension.c_str());
        if (!UFileUtils::FileExist(candidate))
            return candidate;
    }
    return CString();
}

CString UFileReplace::PromptReplaceFile(CRepeatPrompter* prompter, const char* path)
{
    CString message;
    message.Format("%s already exists. Would you like to replace the file?", path);
    if (!prompter) {
        CRepeatPrompter once;
        return once.Prompt(message, false) ? CString(path) : CString();
    }
    if (!prompter->Prompt(message, true))
        return CString();
    UFileUtils::DeleteFileA(path);
    return path;
}

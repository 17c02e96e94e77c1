#include "prompts/FileReplace.h"

#include "prompts/RepeatPrompter.h"
#include "tnwwndut.h"

namespace {

const int kFirstNumber = 2;
const int kLastNumber = 9998;

bool IsTaken(const char* path)
{
    return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

CString UFileReplace::GetFilePath(CRepeatPrompter* prompter, const char* path, EFileReplace option)
{
    if (!path || !IsTaken(path))
        return path;
    switch (option) {
    case kFileReplaceAsk:
        return PromptReplaceFile(prompter, path);
    case kFileReplaceReplace:
        return path;
    case kFileReplaceRename:
        return AutoRenameFilePath(path);
    default:
        return CString();
    }
}

CString UFileReplace::AutoRenameFilePath(const char* path)
{
    return AutoRenameFilePath(path, IsTaken);
}

CString UFileReplace::AutoRenameFilePath(const char* path, const TakenProbe& isTaken)
{
    if (!path || !*path)
        return CString();
    const std::string folder = UFileUtils::GetPathOnly(path);
    const std::string name = UFileUtils::GetFileNameWithoutExtension(path);
    const std::string extension = UFileUtils::GetFileExtension(path);
    CString candidate;
    for (int number = kFirstNumber; number <= kLastNumber; ++number) {
        candidate.Format("%s%s%s_%d%s%s", folder.c_str(), folder.empty() ? "" : "\\", name.c_str(), number,
                         extension.empty() ? "" : ".", extension.c_str());
        if (!isTaken(candidate))
            return candidate;
    }
    return CString();
}

CString UFileReplace::PromptReplaceFile(CRepeatPrompter* prompter, const char* path)
{
    CString message;
    message.Format("%s already exists. Would you like to replace the file?", path);
    if (!prompter) {
        CRepeatPrompter alone;
        return alone.Prompt(message, false) ? CString(path) : CString();
    }
    if (!prompter->Prompt(message, true))
        return CString();
    UFileUtils::DeleteFileA(path);
    return path;
}

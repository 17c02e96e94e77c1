#pragma once
#include "afxwin.h"

class CRepeatPrompter;

// What to do when an output file already exists. Stored as a 32-bit number; values above
// kFileReplaceSkip skip too.
enum EFileReplace {
    kFileReplaceAsk = 0,
    kFileReplaceReplace = 1,
    kFileReplaceRename = 2,
    kFileReplaceSkip = 3,
};

// The rule for an output path that is already taken.
class AFX_EXT_CLASS UFileReplace {
public:
    // The path to write to, or an empty text to skip the file.
    static CString GetFilePath(CRepeatPrompter* prompter, const char* path, EFileReplace option);
    // folder\name_N.ext for the first free N from 2 on; empty when all are taken.
    static CString AutoRenameFilePath(const char* path);
    static CString PromptReplaceFile(CRepeatPrompter* prompter, const char* path);
};

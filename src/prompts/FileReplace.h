#pragma once
#include "afx.h"

#include <cstdint>
#include <functional>

class CRepeatPrompter;

// What to do when an output file already exists. Stored as a 32-bit number; any value
// other than the first three means skip.
enum EFileReplace : int32_t {
    kFileReplaceAsk = 0,
    kFileReplaceReplace = 1,
    kFileReplaceRename = 2,
    kFileReplaceSkip = 3,
};

// The rule for writing to a path that may be taken: which path to write to, or an empty
// text to skip the file, so that nothing the user has is overwritten unasked.
//
// Decisions of this library:
// - A path is taken when anything exists there, a folder too: a folder never counts as
//   free for a file, and a renamed file never lands on a folder's name.
// - Renamed paths are name_N.ext in the same folder, N from 2 up to 9998; a name without
//   extension gets no dot, a bare name no folder. When all are taken, the file is skipped.
class AFX_EXT_CLASS UFileReplace {
public:
    // path when it is free; otherwise as option says. Asking uses prompter, whose "Apply
    // to All" answer then holds for the rest of a series; without one the question is
    // asked alone.
    static CString GetFilePath(CRepeatPrompter* prompter, const char* path, EFileReplace option);
    // Tells whether anything exists at a path.
    using TakenProbe = std::function<bool(const char* path)>;

    // The first free numbered name for path, or an empty text.
    static CString AutoRenameFilePath(const char* path);
    // The same, with another judge of which names are taken (a folder listed beforehand,
    // a test); the file system is not asked.
    static CString AutoRenameFilePath(const char* path, const TakenProbe& isTaken);
    // Asks whether path may be replaced: path (deleted first when a prompter is given) on
    // Yes, an empty text on No.
    static CString PromptReplaceFile(CRepeatPrompter* prompter, const char* path);
};

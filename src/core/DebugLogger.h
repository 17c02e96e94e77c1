#pragma once
#include "afxver_.h"
#include "tnwwndut.h"

// The switchable trace log that a user sends back to the maker. It is on only when the
// application's setting "Debug"/"Enable" is exactly 1 when the logger is constructed;
// then every logged text becomes a numbered entry ("1", "2", ...) of section "Debug" in
// "log.ini" beside the executable, and the logger's destruction adds "End Log". Each run
// numbers from 1 again and so overwrites the entries of the run before; entries of a
// longer earlier run beyond the last number stay in the file.
//
// The first logger constructed serves the static Log until it is destroyed; a second one
// alive at the same time writes only through its own LogText.
//
// Decisions of this library:
// - An ini value is one line. A text with line breaks (CR, LF or CR LF) is written as one
//   entry per line, each with its own number, so that nothing of it is lost or merged; a
//   line break at the very end adds no empty entry. A null text is logged as an empty
//   entry.
// - The rest of "log.ini" (other sections, lines the logger does not understand) is left
//   as it is.
// - Loggers alive at the same time share one numbering, so that a second logger (and its
//   "End Log") continues after the first one's entries instead of overwriting them. The
//   numbering starts again at 1 with the first logger constructed while none is alive.
//
// Lines are logged from the user-interface thread; another thread must not log at the
// same time.
class AFX_EXT_CLASS CDebugLogger {
public:
    CDebugLogger();
    virtual ~CDebugLogger();
    CDebugLogger(const CDebugLogger&) = delete;
    CDebugLogger& operator=(const CDebugLogger&) = delete;

    void LogText(const char* text);
    static void Log(const char* text);

private:
    void WriteLine(const char* line);

    CRegistry mSwitch;
    bool mEnabled;
    CIniProfile* mLogFile;

    static CDebugLogger* sLogger;
    static int sLiveLoggers;
    static int sLineCount;
};

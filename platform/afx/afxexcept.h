#pragma once
// The framework's exceptions. They are thrown as pointers to objects made with new and
// caught by pointer; whoever catches one ends it with Delete():
//   try { file.Write(data, size); }
//   catch (CException* e) { e->GetErrorMessage(text, sizeof text); e->Delete(); }
//
// Choices of this framework:
// - The out-of-memory exception is one object that lives for the whole run and takes no
//   heap memory; Delete() leaves it alone, so throwing it never needs memory.
#include "afxver_.h"
#include "afxobj.h"
#include "afxstr.h"

[[noreturn]] AFX_CORE_CLASS void AFXAPI AfxThrowMemoryException();
[[noreturn]] AFX_CORE_CLASS void AFXAPI AfxThrowUserException();
[[noreturn]] AFX_CORE_CLASS void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1,
                                                              LPCSTR lpszFileName = nullptr);

// The base of the framework's exceptions. Thrown by pointer and ended with Delete() by the
// code that catches it (see afxexcept.h); m_bAutoDelete tells Delete whether the object is a heap
// object it may free. Catch it where files and network are touched and turn it into a
// result: the library lets none of them reach an application.
class AFX_CORE_CLASS CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    CException();
    explicit CException(BOOL bAutoDelete);
    ~CException() override;

    // Ends an exception that was caught: deletes it unless it is one that lives on.
    void Delete();

    // Copies the description of the error into lpszError (at most nMaxError bytes with the
    // terminator). Returns FALSE, with an empty text, when there is no description.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr);

    // Shows the description with AfxMessageBox (so through the application's DoMessageBox),
    // or the string resource nMessageID when there is none. Returns the box's result.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    BOOL m_bAutoDelete;
};

// An exception whose description is one fixed text.
class AFX_CORE_CLASS CSimpleException : public CException {
    DECLARE_DYNAMIC(CSimpleException)
public:
    CSimpleException();
    explicit CSimpleException(BOOL bAutoDelete);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

protected:
    // The fixed description; null for exceptions that have none.
    virtual LPCSTR GetDescription() const;
};

// Out of memory. The framework throws its one lasting instance, so that reporting the
// shortage never needs memory itself.
class AFX_CORE_CLASS CMemoryException : public CSimpleException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException();
    explicit CMemoryException(BOOL bAutoDelete);

protected:
    LPCSTR GetDescription() const override;
};

// Thrown to stop an operation after the user has already been told why; it carries no
// description of its own.
class AFX_CORE_CLASS CUserException : public CSimpleException {
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException();
    explicit CUserException(BOOL bAutoDelete);
};

// A file operation that failed: the cause (one of the enumeration, portable across
// systems), the system's own error code and the file's name, which the message names.
class AFX_CORE_CLASS CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = CFileException::none, LONG lOsError = -1,
                            LPCSTR lpszFileName = nullptr);

    // The cause that fits a Win32 error code (GetLastError) or a C run-time errno value.
    static int PASCAL OsErrorToException(LONG lOsError);
    static int PASCAL ErrnoToException(int nErrno);
    [[noreturn]] static void PASCAL ThrowOsError(LONG lOsError, LPCSTR lpszFileName = nullptr);
    [[noreturn]] static void PASCAL ThrowErrno(int nErrno, LPCSTR lpszFileName = nullptr);

    // A sentence naming the file ("an unnamed file" when the name is not known).
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

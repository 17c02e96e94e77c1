#include "afxexcept.h"
#include "afxwin.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// Copies text into a caller's buffer of nMaxError bytes, cutting it if it must.
void CopyMessage(LPCSTR text, LPSTR lpszError, UINT nMaxError)
{
    if (!lpszError || nMaxError == 0)
        return;
    const size_t length = std::min<size_t>(std::strlen(text), nMaxError - 1);
    std::memcpy(lpszError, text, length);
    lpszError[length] = 0;
}

// One sentence per cause; %s is the file's name.
LPCSTR FileMessageFormat(int cause)
{
    switch (cause) {
    case CFileException::none: return "No error occurred while accessing %s.";
    case CFileException::fileNotFound: return "%s was not found.";
    case CFileException::badPath: return "%s contains an invalid path.";
    case CFileException::tooManyOpenFiles:
        return "%s could not be opened because there are too many open files.";
    case CFileException::accessDenied: return "Access to %s was denied.";
    case CFileException::invalidFile: return "An invalid file handle was associated with %s.";
    case CFileException::removeCurrentDir:
        return "%s could not be removed because it is the current folder.";
    case CFileException::directoryFull:
        return "%s could not be created because the folder is full.";
    case CFileException::badSeek: return "Seek failed on %s.";
    case CFileException::hardIO: return "A hardware I/O error was reported while accessing %s.";
    case CFileException::sharingViolation: return "A sharing violation occurred while accessing %s.";
    case CFileException::lockViolation: return "A locking violation occurred while accessing %s.";
    case CFileException::diskFull: return "The disk is full while accessing %s.";
    case CFileException::endOfFile: return "An attempt was made to access %s past its end.";
    default: return "An unexpected error occurred while accessing %s.";
    }
}

} // namespace

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)
IMPLEMENT_DYNAMIC(CFileException, CException)

CException::CException() : m_bAutoDelete(TRUE) {}

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}

CException::~CException() = default;

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    CopyMessage("", lpszError, nMaxError);
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    char text[512];
    if (GetErrorMessage(text, sizeof text))
        return AfxMessageBox(text, nType);
    if (nMessageID)
        return AfxMessageBox(nMessageID, nType);
    return AfxMessageBox("No error message is available.", nType);
}

CSimpleException::CSimpleException() = default;

CSimpleException::CSimpleException(BOOL bAutoDelete) : CException(bAutoDelete) {}

BOOL CSimpleException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    const LPCSTR description = GetDescription();
    if (!description)
        return CException::GetErrorMessage(lpszError, nMaxError, pnHelpContext);
    if (pnHelpContext)
        *pnHelpContext = 0;
    CopyMessage(description, lpszError, nMaxError);
    return TRUE;
}

LPCSTR CSimpleException::GetDescription() const
{
    return nullptr;
}

CMemoryException::CMemoryException() = default;

CMemoryException::CMemoryException(BOOL bAutoDelete) : CSimpleException(bAutoDelete) {}

LPCSTR CMemoryException::GetDescription() const
{
    return "Out of memory.";
}

CUserException::CUserException() = default;

CUserException::CUserException(BOOL bAutoDelete) : CSimpleException(bAutoDelete) {}

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
{
}

int PASCAL CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError) {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY:
    case ERROR_FILENAME_EXCED_RANGE:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
    case ERROR_SHARING_BUFFER_EXCEEDED:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
        return invalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return removeCurrentDir;
    case ERROR_CANNOT_MAKE:
        return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK_ON_DEVICE:
        return badSeek;
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_NOT_READY:
    case ERROR_BAD_UNIT:
    case ERROR_IO_DEVICE:
        return hardIO;
    case ERROR_SHARING_VIOLATION:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
    case ERROR_LOCK_FAILED:
    case ERROR_DRIVE_LOCKED:
        return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    default:
        return generic;
    }
}

int PASCAL CFileException::ErrnoToException(int nErrno)
{
    switch (nErrno) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EEXIST: return accessDenied;
    case EBADF: return invalidFile;
    case ESPIPE: return badSeek;
    case EIO: return hardIO;
    case EDEADLOCK: return lockViolation;
    case ENOSPC: return diskFull;
    default: return generic;
    }
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCSTR lpszFileName)
{
    AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void PASCAL CFileException::ThrowErrno(int nErrno, LPCSTR lpszFileName)
{
    AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    CString message;
    message.Format(FileMessageFormat(m_cause),
                   m_strFileName.IsEmpty() ? "an unnamed file" : static_cast<LPCSTR>(m_strFileName));
    CopyMessage(message, lpszError, nMaxError);
    return TRUE;
}

void AFXAPI AfxThrowMemoryException()
{
    // Made without the heap, and never deleted by the catcher.
    static CMemoryException sOutOfMemory(FALSE);
    throw &sOutOfMemory;
}

void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

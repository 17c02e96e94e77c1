#include "afxfile.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

CTime TimeFromFileTime(const FILETIME& fileTime)
{
    // File systems that keep no such time report zero.
    return fileTime.dwLowDateTime || fileTime.dwHighDateTime ? CTime(fileTime) : CTime();
}

CString FullPathOf(LPCSTR lpszFileName)
{
    const DWORD needed = GetFullPathNameA(lpszFileName, 0, nullptr, nullptr);
    if (needed == 0)
        return CString(lpszFileName);
    CString path;
    const DWORD length = GetFullPathNameA(lpszFileName, needed, path.GetBuffer(needed), nullptr);
    path.ReleaseBuffer(length < needed ? static_cast<int>(length) : 0);
    return path.IsEmpty() ? CString(lpszFileName) : path;
}

void FillStatus(CFileStatus& rStatus, const FILETIME& created, const FILETIME& written,
                const FILETIME& accessed, DWORD sizeHigh, DWORD sizeLow, DWORD attributes)
{
    rStatus.m_ctime = TimeFromFileTime(created);
    rStatus.m_mtime = TimeFromFileTime(written);
    rStatus.m_atime = TimeFromFileTime(accessed);
    rStatus.m_size = (static_cast<ULONGLONG>(sizeHigh) << 32) | sizeLow;
    rStatus.m_attribute = static_cast<BYTE>(attributes);
}

void SetFullName(CFileStatus& rStatus, LPCSTR path)
{
    lstrcpynA(rStatus.m_szFullName, path, sizeof rStatus.m_szFullName);
}

} // namespace

// CFile

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : CFile()
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        CFile::Abort();
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    Abort();

    DWORD access = GENERIC_READ;
    if (nOpenFlags & modeWrite)
        access = GENERIC_WRITE;
    else if (nOpenFlags & modeReadWrite)
        access = GENERIC_READ | GENERIC_WRITE;

    DWORD share = 0;
    switch (nOpenFlags & 0x70) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: break; // shareCompat and shareExclusive
    }

    DWORD disposition = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        disposition = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    SECURITY_ATTRIBUTES security = { sizeof security, nullptr,
                                     (nOpenFlags & modeNoInherit) ? FALSE : TRUE };
    HANDLE file = INVALID_HANDLE_VALUE;
    DWORD osError = ERROR_INVALID_NAME;
    if (lpszFileName && *lpszFileName) {
        file = CreateFileA(lpszFileName, access, share, &security, disposition,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        osError = GetLastError();
    }
    if (file == INVALID_HANDLE_VALUE) {
        if (pError) {
            pError->m_cause = CFileException::OsErrorToException(osError);
            pError->m_lOsError = osError;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = file;
    m_bCloseOnDelete = TRUE;
    m_strFileName = FullPathOf(lpszFileName);
    return TRUE;
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

CString CFile::GetFileName() const
{
    const int cut = std::max({ m_strFileName.ReverseFind('\\'), m_strFileName.ReverseFind('/'),
                               m_strFileName.ReverseFind(':') });
    return m_strFileName.Mid(cut + 1);
}

CString CFile::GetFileTitle() const
{
    CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

void CFile::SetFilePath(LPCSTR lpszNewName)
{
    m_strFileName = lpszNewName;
}

void CFile::ThrowLastError() const
{
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
}

void CFile::ThrowIfClosed() const
{
    if (m_hFile == hFileNull)
        AfxThrowFileException(CFileException::invalidFile, ERROR_INVALID_HANDLE, m_strFileName);
}

ULONGLONG CFile::GetPosition() const
{
    ThrowIfClosed();
    LARGE_INTEGER zero = {}, position;
    if (!SetFilePointerEx(m_hFile, zero, &position, FILE_CURRENT))
        ThrowLastError();
    return position.QuadPart;
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    ThrowIfClosed();
    if (nFrom != begin && nFrom != current && nFrom != end)
        AfxThrowFileException(CFileException::badSeek, ERROR_INVALID_PARAMETER, m_strFileName);
    static_assert(begin == FILE_BEGIN && current == FILE_CURRENT && end == FILE_END,
                  "seek origins pass straight to the system");
    LARGE_INTEGER distance, position;
    distance.QuadPart = lOff;
    if (!SetFilePointerEx(m_hFile, distance, &position, nFrom))
        ThrowLastError();
    return position.QuadPart;
}

void CFile::SeekToBegin()
{
    Seek(0, begin);
}

ULONGLONG CFile::SeekToEnd()
{
    return Seek(0, end);
}

ULONGLONG CFile::GetLength() const
{
    ThrowIfClosed();
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_hFile, &size))
        ThrowLastError();
    return size.QuadPart;
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > static_cast<ULONGLONG>(LLONG_MAX))
        AfxThrowFileException(CFileException::badSeek, ERROR_INVALID_PARAMETER, m_strFileName);
    CFile::Seek(static_cast<LONGLONG>(dwNewLen), begin);
    if (!SetEndOfFile(m_hFile))
        ThrowLastError();
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    ThrowIfClosed();
    if (nCount == 0)
        return 0;
    DWORD read = 0;
    if (!ReadFile(m_hFile, lpBuf, nCount, &read, nullptr))
        ThrowLastError();
    return read;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    ThrowIfClosed();
    if (nCount == 0)
        return;
    DWORD written = 0;
    if (!WriteFile(m_hFile, lpBuf, nCount, &written, nullptr))
        ThrowLastError();
    if (written != nCount)
        AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strFileName);
}

void CFile::Flush()
{
    if (m_hFile != hFileNull && !FlushFileBuffers(m_hFile))
        ThrowLastError();
}

void CFile::Close()
{
    const bool failed = m_hFile != hFileNull && !CloseHandle(m_hFile);
    const LONG osError = static_cast<LONG>(GetLastError());
    const CString name = m_strFileName;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (failed)
        CFileException::ThrowOsError(osError, name);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    rStatus = CFileStatus{};
    SetFullName(rStatus, m_strFileName);
    BY_HANDLE_FILE_INFORMATION info;
    if (m_hFile == hFileNull || !GetFileInformationByHandle(m_hFile, &info))
        return FALSE;
    FillStatus(rStatus, info.ftCreationTime, info.ftLastWriteTime, info.ftLastAccessTime,
               info.nFileSizeHigh, info.nFileSizeLow, info.dwFileAttributes);
    return TRUE;
}

BOOL PASCAL CFile::GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus)
{
    rStatus = CFileStatus{};
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!lpszFileName || !*lpszFileName ||
        !GetFileAttributesExA(lpszFileName, GetFileExInfoStandard, &data))
        return FALSE;
    SetFullName(rStatus, FullPathOf(lpszFileName));
    FillStatus(rStatus, data.ftCreationTime, data.ftLastWriteTime, data.ftLastAccessTime,
               data.nFileSizeHigh, data.nFileSizeLow, data.dwFileAttributes);
    return TRUE;
}

void PASCAL CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName)
{
    if (!MoveFileA(lpszOldName, lpszNewName))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszOldName);
}

void PASCAL CFile::Remove(LPCSTR lpszFileName)
{
    if (!DeleteFileA(lpszFileName))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszFileName);
}

// CStdioFile

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_pStream(nullptr) {}

CStdioFile::CStdioFile(FILE* pOpenStream)
    : CFile(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(pOpenStream)))),
      m_pStream(pOpenStream)
{
}

CStdioFile::CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags) : CStdioFile()
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream && m_bCloseOnDelete)
        Abort();
}

BOOL CStdioFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    Abort();
    if (!CFile::Open(lpszFileName, nOpenFlags & ~(typeText | typeBinary), pError))
        return FALSE;

    const bool binary = (nOpenFlags & typeBinary) != 0;
    char mode[4] = "r";
    if (nOpenFlags & modeWrite)
        std::strcpy(mode, "w");
    else if (nOpenFlags & modeReadWrite)
        std::strcpy(mode, "r+");
    std::strcat(mode, binary ? "b" : "t");

    // From here the run time owns the handle: closing the descriptor closes it.
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(m_hFile),
                                           binary ? _O_BINARY : _O_TEXT);
    FILE* stream = descriptor == -1 ? nullptr : _fdopen(descriptor, mode);
    if (!stream) {
        const int error = errno;
        if (descriptor == -1)
            CFile::Abort();
        else
            _close(descriptor);
        m_hFile = hFileNull;
        m_bCloseOnDelete = FALSE;
        m_strFileName.Empty();
        if (pError) {
            pError->m_cause = error ? CFileException::ErrnoToException(error)
                                    : static_cast<int>(CFileException::generic);
            pError->m_lOsError = error;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_pStream = stream;
    return TRUE;
}

void CStdioFile::ThrowStreamError(int fallbackCause) const
{
    const int error = errno;
    clearerr(m_pStream);
    if (error)
        CFileException::ThrowErrno(error, m_strFileName);
    AfxThrowFileException(fallbackCause, -1, m_strFileName);
}

void CStdioFile::ThrowIfNoStream() const
{
    if (!m_pStream)
        AfxThrowFileException(CFileException::invalidFile, ERROR_INVALID_HANDLE, m_strFileName);
}

void CStdioFile::WriteString(LPCSTR lpsz)
{
    ThrowIfNoStream();
    errno = 0;
    if (lpsz && std::fputs(lpsz, m_pStream) == EOF)
        ThrowStreamError(CFileException::diskFull);
}

LPSTR CStdioFile::ReadString(LPSTR lpsz, UINT nMax)
{
    ThrowIfNoStream();
    if (!lpsz || nMax == 0)
        return nullptr;
    errno = 0;
    LPSTR line = std::fgets(lpsz, static_cast<int>(std::min<UINT>(nMax, INT_MAX)), m_pStream);
    if (!line && std::ferror(m_pStream))
        ThrowStreamError(CFileException::generic);
    return line;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    ThrowIfNoStream();
    rString.Empty();
    char chunk[256];
    bool readAny = false;
    errno = 0;
    while (std::fgets(chunk, sizeof chunk, m_pStream)) {
        readAny = true;
        size_t length = std::strlen(chunk);
        const bool endOfLine = length > 0 && chunk[length - 1] == '\n';
        if (endOfLine)
            chunk[--length] = 0;
        rString += chunk;
        if (endOfLine)
            return TRUE;
    }
    if (std::ferror(m_pStream))
        ThrowStreamError(CFileException::generic);
    return readAny;
}

ULONGLONG CStdioFile::GetPosition() const
{
    ThrowIfNoStream();
    errno = 0;
    const __int64 position = _ftelli64(m_pStream);
    if (position < 0)
        ThrowStreamError(CFileException::badSeek);
    return static_cast<ULONGLONG>(position);
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    ThrowIfNoStream();
    static_assert(begin == SEEK_SET && current == SEEK_CUR && end == SEEK_END,
                  "seek origins pass straight to the run time");
    errno = 0;
    if (nFrom > end || _fseeki64(m_pStream, lOff, static_cast<int>(nFrom)) != 0)
        ThrowStreamError(CFileException::badSeek);
    return GetPosition();
}

ULONGLONG CStdioFile::GetLength() const
{
    ThrowIfNoStream();
    errno = 0;
    if (std::fflush(m_pStream) != 0)
        ThrowStreamError(CFileException::diskFull);
    return CFile::GetLength();
}

void CStdioFile::SetLength(ULONGLONG dwNewLen)
{
    Flush();
    CFile::SetLength(dwNewLen);
    // Bring the stream's position to where the handle's now is.
    Seek(static_cast<LONGLONG>(dwNewLen), begin);
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    ThrowIfNoStream();
    errno = 0;
    const size_t read = std::fread(lpBuf, 1, nCount, m_pStream);
    if (read < nCount && std::ferror(m_pStream))
        ThrowStreamError(CFileException::generic);
    return static_cast<UINT>(read);
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    ThrowIfNoStream();
    errno = 0;
    if (std::fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        ThrowStreamError(CFileException::diskFull);
}

void CStdioFile::Flush()
{
    errno = 0;
    if (m_pStream && std::fflush(m_pStream) != 0)
        ThrowStreamError(CFileException::diskFull);
}

void CStdioFile::Close()
{
    errno = 0;
    // Buffered bytes are written here, so this is where a full disk shows.
    const bool failed = m_pStream && std::fclose(m_pStream) != 0;
    const int error = errno;
    const CString name = m_strFileName;
    m_pStream = nullptr;
    m_hFile = hFileNull; // closed with the stream
    CFile::Abort();
    if (failed) {
        if (error)
            CFileException::ThrowErrno(error, name);
        AfxThrowFileException(CFileException::diskFull, -1, name);
    }
}

void CStdioFile::Abort()
{
    if (m_pStream) {
        std::fclose(m_pStream);
        m_pStream = nullptr;
        m_hFile = hFileNull;
    }
    CFile::Abort();
}

// CMemFile

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0),
      m_lpBuffer(nullptr), m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) : CMemFile(nGrowBytes)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    CMemFile::Close();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    CMemFile::Close();
    m_lpBuffer = lpBuffer;
    m_nBufferSize = nBufferSize;
    m_nGrowBytes = nGrowBytes;
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_bAutoDelete = nGrowBytes != 0;
}

BYTE* CMemFile::Detach()
{
    BYTE* buffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
    return buffer;
}

void CMemFile::GrowFile(SIZE_T dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();
    SIZE_T newSize = m_nBufferSize;
    while (newSize < dwNewLen) {
        if (newSize > SIZE_MAX - m_nGrowBytes)
            AfxThrowMemoryException();
        newSize += m_nGrowBytes;
    }
    BYTE* grown = static_cast<BYTE*>(std::realloc(m_lpBuffer, newSize));
    if (!grown)
        AfxThrowMemoryException();
    m_lpBuffer = grown;
    m_nBufferSize = newSize;
}

ULONGLONG CMemFile::GetPosition() const
{
    return m_nPosition;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG origin = 0;
    switch (nFrom) {
    case begin: origin = 0; break;
    case current: origin = static_cast<LONGLONG>(m_nPosition); break;
    case end: origin = static_cast<LONGLONG>(m_nFileSize); break;
    default: AfxThrowFileException(CFileException::badSeek, ERROR_INVALID_PARAMETER);
    }
    if ((lOff < 0 && origin + lOff < 0) || (lOff > 0 && origin > LLONG_MAX - lOff))
        AfxThrowFileException(CFileException::badSeek, ERROR_NEGATIVE_SEEK);
    m_nPosition = static_cast<SIZE_T>(origin + lOff);
    return m_nPosition;
}

ULONGLONG CMemFile::GetLength() const
{
    return m_nFileSize;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > SIZE_MAX)
        AfxThrowMemoryException();
    const SIZE_T newLength = static_cast<SIZE_T>(dwNewLen);
    GrowFile(newLength);
    if (newLength > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, newLength - m_nFileSize);
    m_nFileSize = newLength;
    m_nPosition = newLength;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (m_nPosition >= m_nFileSize)
        return 0;
    const UINT count = static_cast<UINT>(std::min<SIZE_T>(nCount, m_nFileSize - m_nPosition));
    std::memcpy(lpBuf, m_lpBuffer + m_nPosition, count);
    m_nPosition += count;
    return count;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (m_nPosition > SIZE_MAX - nCount)
        AfxThrowMemoryException();
    const SIZE_T endOfWrite = m_nPosition + nCount;
    GrowFile(endOfWrite);
    if (m_nPosition > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = endOfWrite;
    m_nFileSize = std::max(m_nFileSize, endOfWrite);
}

void CMemFile::Flush() {}

void CMemFile::Close()
{
    if (m_bAutoDelete)
        std::free(m_lpBuffer);
    m_lpBuffer = nullptr;
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
}

void CMemFile::Abort()
{
    CMemFile::Close();
}

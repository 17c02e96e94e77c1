#pragma once
// Files: CFile on a Win32 file handle with 64-bit positions, CStdioFile on a C run-time
// stream with text lines, CMemFile in memory.
//
// Every failure throws a CFileException (a CMemoryException when a memory file cannot
// grow), except Open, which returns FALSE and fills the exception object it is given.
// A write that cannot store every byte throws; it never returns as if it had.
//
// Choices of this framework:
// - Open on a file object that is already open closes the earlier file first, ignoring
//   errors, as Abort does.
// - Reading, writing or seeking a file that is not open throws invalidFile.
// - SetLength leaves the position at the new length.
// - GetFileTitle is the file name without its extension, whatever the shell shows.
// - A CStdioFile opened for writing writes where its position is, as CFile does: it never
//   appends by itself (SeekToEnd first to append). Without typeBinary it is in text mode:
//   a "\n" is stored as "\r\n" and read back as "\n".
// - A memory file that grows, or is lengthened, or is written past its end after a seek,
//   fills the gap with zero bytes.
#include "afxver_.h"
#include "afxobj.h"
#include "afxstr.h"
#include "afxtime.h"
#include "afxexcept.h"

#include <cstdio>

// What CFile::GetStatus reports of a file: its three times, its 64-bit size, its attributes
// and its full path.
struct CFileStatus {
    CTime m_ctime;        // creation
    CTime m_mtime;        // last write
    CTime m_atime;        // last access
    ULONGLONG m_size;     // bytes
    BYTE m_attribute;     // low byte of the Win32 attributes (CFile::Attribute)
    BYTE m_padding;
    char m_szFullName[MAX_PATH];
};

// A file on a Win32 handle, with 64-bit positions and lengths so that recordings beyond
// 4 GiB are read and written whole. The object owns the handle it opened and closes it when
// destroyed; a handle given to the constructor stays the caller's.
class AFX_CORE_CLASS CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };
    enum Attribute {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };
    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

    static const HANDLE hFileNull;

    CFile();
    // Wraps a handle that stays the caller's: deleting the object does not close it.
    explicit CFile(HANDLE hFile);
    // Opens the file or throws the CFileException that Open would have filled.
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    operator HANDLE() const { return m_hFile; }

    virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    // The full path of the open file, its last component, and that without extension.
    virtual CString GetFilePath() const;
    virtual CString GetFileName() const;
    virtual CString GetFileTitle() const;
    virtual void SetFilePath(LPCSTR lpszNewName);

    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin();
    ULONGLONG SeekToEnd();
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);

    // Returns the number of bytes read, fewer than nCount only at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);

    virtual void Flush();
    virtual void Close();
    // Closes without reporting errors, for clean-up paths.
    virtual void Abort();

    // FALSE when the file is not open (or, for the static form, does not exist).
    virtual BOOL GetStatus(CFileStatus& rStatus) const;
    static BOOL PASCAL GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus);
    static void PASCAL Rename(LPCSTR lpszOldName, LPCSTR lpszNewName);
    static void PASCAL Remove(LPCSTR lpszFileName);

    HANDLE m_hFile;

protected:
    [[noreturn]] void ThrowLastError() const;
    void ThrowIfClosed() const;

    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};

// A file on a C run-time stream, for texts read and written line by line. It keeps the
// stream's own buffering, so mixing its calls with direct handle calls is not supported.
class AFX_CORE_CLASS CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    // Wraps a stream that stays the caller's: deleting the object does not close it.
    explicit CStdioFile(FILE* pOpenStream);
    CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags);
    ~CStdioFile() override;

    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

    // Writes the text as it stands; its "\n" end lines.
    virtual void WriteString(LPCSTR lpsz);
    // Reads at most nMax - 1 bytes up to and including the next "\n". Null at the end.
    virtual LPSTR ReadString(LPSTR lpsz, UINT nMax);
    // Reads the next line without its "\n", however long. FALSE at the end of the file.
    virtual BOOL ReadString(CString& rString);

    ULONGLONG GetPosition() const override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG dwNewLen) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Flush() override;
    void Close() override;
    void Abort() override;

    FILE* m_pStream;

private:
    [[noreturn]] void ThrowStreamError(int fallbackCause) const;
    void ThrowIfNoStream() const;
};

// A file in memory: a buffer of its own that grows as it is written, or the caller's buffer
// (see Attach), for code that wants a file where no disk is needed.
class AFX_CORE_CLASS CMemFile : public CFile {
    DECLARE_DYNAMIC(CMemFile)
public:
    // An empty file that grows in steps of nGrowBytes.
    explicit CMemFile(UINT nGrowBytes = 1024);
    // A file over the caller's buffer; see Attach.
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    // Uses lpBuffer as the file's content. With nGrowBytes 0 the buffer stays the caller's
    // and the file cannot grow past it (a write past it throws CMemoryException). Otherwise
    // the buffer must come from malloc; the file takes it over, grows it with realloc and
    // frees it. The file starts empty when it may grow, and full otherwise.
    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Gives the buffer to the caller (who frees it, if it came from the file) and leaves
    // the file empty. Read GetLength() first.
    BYTE* Detach();

    ULONGLONG GetPosition() const override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG dwNewLen) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Flush() override;
    void Close() override;
    void Abort() override;

protected:
    void GrowFile(SIZE_T dwNewLen);

    UINT m_nGrowBytes;
    SIZE_T m_nPosition;
    SIZE_T m_nBufferSize;
    SIZE_T m_nFileSize;
    BYTE* m_lpBuffer;
    BOOL m_bAutoDelete;
};

#pragma once
// The framework's Internet classes over WinInet: a session, FTP and HTTP connections,
// files read from and written to servers, and the exception they throw.
//
// Every failure throws a CInternetException carrying the WinInet error code, except
// CFtpConnection::CreateDirectory, which answers FALSE. A connection or file belongs to
// the thread that uses it; the session may be shared by the connections it opened.
//
// Choices of this framework:
// - Timeouts. The session remembers the connect, send and receive timeouts given to its
//   SetOption and sets them on every connection and request handle it opens, before the
//   first byte goes out. WinInet on Windows hands a session's timeouts down by itself;
//   Wine's does not, and a request whose server stalls would wait for ever.
// - OpenURL sends an http or https request itself (connection, request, send), so that
//   the session's timeouts hold from the first byte; it returns a CHttpFile whatever the
//   reply's status (read it with QueryInfoStatusCode). Other schemes go to WinInet's
//   InternetOpenUrl and come back as a CInternetFile.
// - Read hands over fewer bytes than asked only at the end of the data, even where WinInet
//   returns less per call (a chunk ends, a packet is short).
// - A reply that ends before the length its server declared (Content-Length) throws
//   ERROR_INTERNET_CONNECTION_ABORTED from Read or ReadString: a cut reply never reads as
//   a whole one. A chunked reply that loses its last chunk cannot be told from a whole
//   one through WinInet.
// - ReadString(CString&) gives the next line without its line end. A line ends at "\n";
//   a "\r" just before it is dropped too, so CR LF and LF texts read the same lines. A
//   "\r" anywhere else stays, and the last line may lack a line end. FALSE at the end.
//   ReadString(LPSTR, UINT) keeps the "\n" (not the "\r" before it), as a text-mode
//   CStdioFile does.
// - Closing a file written to (or read from) an FTP server checks the server's last reply:
//   a transfer that the server aborted (426 after a full disk, say) throws from Close
//   instead of passing for a stored file.
// - Write throws unless WinInet took every byte.
// - Seeking is not offered: Seek, GetLength and SetLength of an Internet file throw
//   CFileException::invalidFile as for a closed file.
#include "afx.h"

#include <wininet.h>

#include <vector>

class CInternetSession;
class CInternetConnection;
class CFtpConnection;
class CHttpConnection;
class CInternetFile;
class CHttpFile;

// Throws a CInternetException for dwError, or for GetLastError() when dwError is 0.
[[noreturn]] AFX_CORE_CLASS void AFXAPI AfxThrowInternetException(DWORD_PTR dwContext,
                                                                  DWORD dwError = 0);

class AFX_CORE_CLASS CInternetException : public CException {
    DECLARE_DYNAMIC(CInternetException)
public:
    explicit CInternetException(DWORD dwError);

    // WinInet's description of the error; for ERROR_INTERNET_EXTENDED_ERROR the server's
    // own reply, as it stood when the exception was thrown.
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

    DWORD m_dwError;
    DWORD_PTR m_dwContext;
    CString m_strServerReply;
};

class AFX_CORE_CLASS CInternetSession : public CObject {
    DECLARE_DYNAMIC(CInternetSession)
public:
    // Opens the session at once; throws when WinInet refuses.
    CInternetSession(LPCSTR pstrAgent = nullptr, DWORD_PTR dwContext = 1,
                     DWORD dwAccessType = PRE_CONFIG_INTERNET_ACCESS,
                     LPCSTR pstrProxyName = nullptr, LPCSTR pstrProxyBypass = nullptr,
                     DWORD dwFlags = 0);
    ~CInternetSession() override;
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

    virtual void Close();
    operator HINTERNET() const { return m_hSession; }
    DWORD_PTR GetContext() const { return m_dwContext; }

    BOOL SetOption(DWORD dwOption, DWORD dwValue, DWORD dwFlags = 0);
    BOOL QueryOption(DWORD dwOption, DWORD& dwValue) const;

    // An http or https address gives a CHttpFile, anything else a CInternetFile. Throws
    // when the server cannot be reached or the address is malformed; a reply with an
    // error status is no failure here.
    CStdioFile* OpenURL(LPCSTR pstrURL, DWORD_PTR dwContext = 1,
                        DWORD dwFlags = INTERNET_FLAG_TRANSFER_ASCII, LPCSTR pstrHeaders = nullptr,
                        DWORD dwHeadersLength = 0);
    // Connects and logs in; throws when either fails.
    CFtpConnection* GetFtpConnection(LPCSTR pstrServer, LPCSTR pstrUserName = nullptr,
                                     LPCSTR pstrPassword = nullptr,
                                     INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER,
                                     BOOL bPassive = FALSE);
    // Nothing goes to the server until a request is sent.
    CHttpConnection* GetHttpConnection(LPCSTR pstrServer,
                                       INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER,
                                       LPCSTR pstrUserName = nullptr, LPCSTR pstrPassword = nullptr);
    CHttpConnection* GetHttpConnection(LPCSTR pstrServer, DWORD dwFlags,
                                       INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER,
                                       LPCSTR pstrUserName = nullptr, LPCSTR pstrPassword = nullptr);

    // Sets the timeouts given to SetOption on a handle this session opened.
    void ApplyTimeouts(HINTERNET hInternet) const;

protected:
    HINTERNET m_hSession;
    DWORD_PTR m_dwContext;

private:
    enum { kConnect, kSend, kReceive, kTimeoutKinds };
    static int TimeoutKind(DWORD dwOption);

    // 0 where none was given.
    DWORD m_timeouts[kTimeoutKinds];
};

class AFX_CORE_CLASS CInternetConnection : public CObject {
    DECLARE_DYNAMIC(CInternetConnection)
public:
    CInternetConnection(CInternetSession* pSession, LPCSTR pstrServer,
                        INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER, DWORD_PTR dwContext = 1);
    ~CInternetConnection() override;
    CInternetConnection(const CInternetConnection&) = delete;
    CInternetConnection& operator=(const CInternetConnection&) = delete;

    virtual void Close();
    operator HINTERNET() const { return m_hConnection; }
    CInternetSession* GetSession() const { return m_pSession; }
    CString GetServerName() const { return m_strServerName; }
    DWORD_PTR GetContext() const { return m_dwContext; }

    BOOL SetOption(DWORD dwOption, DWORD dwValue, DWORD dwFlags = 0);
    BOOL QueryOption(DWORD dwOption, DWORD& dwValue) const;

protected:
    // Opens the connection with the session's timeouts; throws when WinInet refuses.
    void Connect(LPCSTR pstrUserName, LPCSTR pstrPassword, DWORD dwService, DWORD dwFlags);

    HINTERNET m_hConnection;
    DWORD_PTR m_dwContext;
    CInternetSession* m_pSession;
    CString m_strServerName;
    INTERNET_PORT m_nPort;
};

class AFX_CORE_CLASS CFtpConnection : public CInternetConnection {
    DECLARE_DYNAMIC(CFtpConnection)
public:
    // Connects and logs in; throws when either fails.
    CFtpConnection(CInternetSession* pSession, LPCSTR pstrServer, LPCSTR pstrUserName = nullptr,
                   LPCSTR pstrPassword = nullptr, DWORD_PTR dwContext = 0,
                   INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER, BOOL bPassive = FALSE);

    // Throws when the server refuses the file.
    CInternetFile* OpenFile(LPCSTR pstrFileName, DWORD dwAccess = GENERIC_READ,
                            DWORD dwFlags = FTP_TRANSFER_TYPE_BINARY, DWORD_PTR dwContext = 1);
    // FALSE when the server refuses (the folder exists, its parent does not ...).
    BOOL CreateDirectory(LPCSTR pstrDirName);
};

class AFX_CORE_CLASS CHttpConnection : public CInternetConnection {
    DECLARE_DYNAMIC(CHttpConnection)
public:
    CHttpConnection(CInternetSession* pSession, LPCSTR pstrServer,
                    INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER, LPCSTR pstrUserName = nullptr,
                    LPCSTR pstrPassword = nullptr, DWORD_PTR dwContext = 1, DWORD dwFlags = 0);

    // A request to send with CHttpFile::SendRequest; a null verb is "GET".
    CHttpFile* OpenRequest(LPCSTR pstrVerb, LPCSTR pstrObjectName, LPCSTR pstrReferer = nullptr,
                           DWORD_PTR dwContext = 1, LPCSTR* ppstrAcceptTypes = nullptr,
                           LPCSTR pstrVersion = nullptr,
                           DWORD dwFlags = INTERNET_FLAG_EXISTING_CONNECT);
};

class AFX_CORE_CLASS CInternetFile : public CStdioFile {
    DECLARE_DYNAMIC(CInternetFile)
public:
    // Takes hFile over. pConnection, when given, is the connection the file came from.
    CInternetFile(HINTERNET hFile, LPCSTR pstrFileName, CInternetConnection* pConnection,
                  BOOL bReadMode);
    ~CInternetFile() override;

    operator HINTERNET() const { return m_hInternetFile; }

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    LPSTR ReadString(LPSTR lpsz, UINT nMax) override;
    BOOL ReadString(CString& rString) override;
    void WriteString(LPCSTR lpsz) override;

    ULONGLONG GetPosition() const override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG dwNewLen) override;
    void Flush() override;
    void Close() override;
    void Abort() override;

protected:
    static constexpr ULONGLONG kUnknownLength = ~0ULL;

    // Where the data ends, if the server declared it; Read throws on an earlier end.
    void SetExpectedLength(ULONGLONG length) { m_ullExpected = length; }
    // Closes the handle (and whatever else the file holds); throws what Close reports.
    virtual void CloseHandles(bool reportErrors);

    HINTERNET m_hInternetFile;
    CInternetConnection* m_pConnection;
    BOOL m_bReadMode;

private:
    // Up to nCount bytes straight from the server, fewer only at the end of the data.
    UINT ReadFromServer(void* lpBuf, UINT nCount);
    // Refills the line buffer; false at the end of the data.
    bool FillLineBuffer();
    // The next line (through its "\n" when keepNewLine) from the line buffer; false when
    // nothing was left.
    bool TakeLine(CString& line, bool keepNewLine);

    ULONGLONG m_ullPosition;
    ULONGLONG m_ullExpected;
    std::vector<char> m_lineBuffer;
    size_t m_lineStart;
};

class AFX_CORE_CLASS CHttpFile : public CInternetFile {
    DECLARE_DYNAMIC(CHttpFile)
public:
    CHttpFile(HINTERNET hFile, LPCSTR pstrVerb, LPCSTR pstrObject, CHttpConnection* pConnection);

    // Sends the request with the extra headers (a null-terminated text when
    // dwHeadersLen is 0) and the optional body. Throws when the server cannot be reached;
    // an error status is no failure here.
    BOOL SendRequest(LPCSTR pstrHeaders = nullptr, DWORD dwHeadersLen = 0,
                     LPVOID lpOptional = nullptr, DWORD dwOptionalLen = 0);
    BOOL SendRequest(CString& strHeaders, LPVOID lpOptional = nullptr, DWORD dwOptionalLen = 0);

    // HttpQueryInfo as it is: FALSE when the reply lacks the item.
    BOOL QueryInfo(DWORD dwInfoLevel, LPVOID lpvBuffer, LPDWORD lpdwBufferLength,
                   LPDWORD lpdwIndex = nullptr) const;
    BOOL QueryInfo(DWORD dwInfoLevel, CString& str, LPDWORD lpdwIndex = nullptr) const;
    // The item as a number. The 64-bit form reads the item's text, so that a length
    // beyond 4 GiB arrives whole; it is FALSE for a text that is no decimal number.
    BOOL QueryInfo(DWORD dwInfoLevel, DWORD& dwResult, LPDWORD lpdwIndex = nullptr) const;
    BOOL QueryInfo(DWORD dwInfoLevel, ULONGLONG& ullResult, LPDWORD lpdwIndex = nullptr) const;
    BOOL QueryInfoStatusCode(DWORD& dwStatusCode) const;

    CString GetVerb() const { return m_strVerb; }

protected:
    void CloseHandles(bool reportErrors) override;

private:
    friend class CInternetSession;
    // After a request went out: the reply's declared length bounds Read.
    void RequestSent();

    CString m_strVerb;
    // The connection OpenURL made for this file alone, closed with it.
    HINTERNET m_hOwnConnection;
};

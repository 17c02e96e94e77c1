#include "afxinet.h"
#include "afxwin.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// The status text of WinInet's last reply from a server to this thread, or empty.
CString LastServerReply()
{
    DWORD error = 0;
    DWORD length = 0;
    InternetGetLastResponseInfoA(&error, nullptr, &length);
    if (length == 0)
        return CString();
    CString reply;
    DWORD size = length + 1;
    const BOOL ok = InternetGetLastResponseInfoA(&error, reply.GetBuffer(static_cast<int>(size)), &size);
    reply.ReleaseBuffer(ok ? static_cast<int>(std::min(size, length)) : 0);
    return reply;
}

// Whether an FTP reply ends a transfer well: its last line starts with a 2xx code.
bool IsCompletionReply(const CString& reply)
{
    CString text = reply;
    text.TrimRight("\r\n");
    const int lastLine = text.ReverseFind('\n');
    const CString line = lastLine < 0 ? text : text.Mid(lastLine + 1);
    return line.GetLength() >= 3 && line[0] == '2' && isdigit(static_cast<unsigned char>(line[1])) &&
           isdigit(static_cast<unsigned char>(line[2]));
}

void CloseInternetHandle(HINTERNET& handle)
{
    if (handle) {
        InternetCloseHandle(handle);
        handle = nullptr;
    }
}

bool HasScheme(LPCSTR url, LPCSTR scheme)
{
    const size_t length = std::strlen(scheme);
    return _strnicmp(url, scheme, length) == 0 && url[length] == ':';
}

} // namespace

// CInternetException

IMPLEMENT_DYNAMIC(CInternetException, CException)

void AFXAPI AfxThrowInternetException(DWORD_PTR dwContext, DWORD dwError)
{
    if (dwError == 0)
        dwError = GetLastError();
    auto* exception = new CInternetException(dwError);
    exception->m_dwContext = dwContext;
    if (dwError == ERROR_INTERNET_EXTENDED_ERROR)
        exception->m_strServerReply = LastServerReply();
    throw exception;
}

CInternetException::CInternetException(DWORD dwError) : m_dwError(dwError), m_dwContext(0) {}

BOOL CInternetException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (!lpszError || nMaxError == 0)
        return FALSE;
    CString text = m_strServerReply;
    if (text.IsEmpty()) {
        char* system = nullptr;
        const DWORD length = FormatMessageA(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_FROM_SYSTEM |
                FORMAT_MESSAGE_IGNORE_INSERTS,
            GetModuleHandleA("wininet.dll"), m_dwError, 0, reinterpret_cast<LPSTR>(&system), 0, nullptr);
        if (length && system)
            text = system;
        if (system)
            LocalFree(system);
        text.TrimRight("\r\n ");
        if (text.IsEmpty())
            text.Format("Internet error %lu.", m_dwError);
    }
    lstrcpynA(lpszError, text, static_cast<int>(nMaxError));
    return TRUE;
}

// CInternetSession

IMPLEMENT_DYNAMIC(CInternetSession, CObject)

CInternetSession::CInternetSession(LPCSTR pstrAgent, DWORD_PTR dwContext, DWORD dwAccessType,
                                   LPCSTR pstrProxyName, LPCSTR pstrProxyBypass, DWORD dwFlags)
    : m_hSession(nullptr), m_dwContext(dwContext), m_timeouts()
{
    // Without an agent of its own the session names the application, as the framework does.
    if (!pstrAgent || !*pstrAgent)
        pstrAgent = AfxGetAppName();
    m_hSession = InternetOpenA(pstrAgent && *pstrAgent ? pstrAgent : "afx", dwAccessType, pstrProxyName,
                               pstrProxyBypass, dwFlags);
    if (!m_hSession)
        AfxThrowInternetException(m_dwContext);
}

CInternetSession::~CInternetSession()
{
    Close();
}

void CInternetSession::Close()
{
    CloseInternetHandle(m_hSession);
}

int CInternetSession::TimeoutKind(DWORD dwOption)
{
    switch (dwOption) {
    case INTERNET_OPTION_CONNECT_TIMEOUT: return kConnect;
    case INTERNET_OPTION_SEND_TIMEOUT: return kSend;
    case INTERNET_OPTION_RECEIVE_TIMEOUT: return kReceive;
    default: return -1;
    }
}

BOOL CInternetSession::SetOption(DWORD dwOption, DWORD dwValue, DWORD)
{
    const int kind = TimeoutKind(dwOption);
    if (kind >= 0)
        m_timeouts[kind] = dwValue;
    return InternetSetOptionA(m_hSession, dwOption, &dwValue, sizeof dwValue) || kind >= 0;
}

BOOL CInternetSession::QueryOption(DWORD dwOption, DWORD& dwValue) const
{
    const int kind = TimeoutKind(dwOption);
    if (kind >= 0 && m_timeouts[kind]) {
        dwValue = m_timeouts[kind];
        return TRUE;
    }
    DWORD length = sizeof dwValue;
    return InternetQueryOptionA(m_hSession, dwOption, &dwValue, &length);
}

void CInternetSession::ApplyTimeouts(HINTERNET hInternet) const
{
    static const DWORD options[kTimeoutKinds] = { INTERNET_OPTION_CONNECT_TIMEOUT,
                                                  INTERNET_OPTION_SEND_TIMEOUT,
                                                  INTERNET_OPTION_RECEIVE_TIMEOUT };
    for (int kind = 0; kind < kTimeoutKinds; ++kind) {
        DWORD value = m_timeouts[kind];
        if (value && hInternet)
            InternetSetOptionA(hInternet, options[kind], &value, sizeof value);
    }
}

CStdioFile* CInternetSession::OpenURL(LPCSTR pstrURL, DWORD_PTR dwContext, DWORD dwFlags,
                                      LPCSTR pstrHeaders, DWORD dwHeadersLength)
{
    if (!pstrURL)
        AfxThrowInternetException(dwContext, ERROR_INTERNET_INVALID_URL);
    const bool secure = HasScheme(pstrURL, "https");
    if (!secure && !HasScheme(pstrURL, "http")) {
        HINTERNET file = InternetOpenUrlA(m_hSession, pstrURL, pstrHeaders,
                                          pstrHeaders && !dwHeadersLength ? static_cast<DWORD>(-1) : dwHeadersLength,
                                          dwFlags, dwContext);
        if (!file)
            AfxThrowInternetException(dwContext);
        return new CInternetFile(file, pstrURL, nullptr, TRUE);
    }

    char host[INTERNET_MAX_HOST_NAME_LENGTH + 1] = {};
    char user[INTERNET_MAX_USER_NAME_LENGTH + 1] = {};
    char password[INTERNET_MAX_PASSWORD_LENGTH + 1] = {};
    std::vector<char> path(std::strlen(pstrURL) + 1);
    std::vector<char> extra(std::strlen(pstrURL) + 1);
    URL_COMPONENTSA parts = {};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host;
    parts.dwHostNameLength = sizeof host;
    parts.lpszUserName = user;
    parts.dwUserNameLength = sizeof user;
    parts.lpszPassword = password;
    parts.dwPasswordLength = sizeof password;
    parts.lpszUrlPath = path.data();
    parts.dwUrlPathLength = static_cast<DWORD>(path.size());
    parts.lpszExtraInfo = extra.data();
    parts.dwExtraInfoLength = static_cast<DWORD>(extra.size());
    if (!InternetCrackUrlA(pstrURL, 0, 0, &parts) || !*host)
        AfxThrowInternetException(dwContext, ERROR_INTERNET_INVALID_URL);

    HINTERNET connection = InternetConnectA(m_hSession, host, parts.nPort, *user ? user : nullptr,
                                            *password ? password : nullptr, INTERNET_SERVICE_HTTP, 0,
                                            dwContext);
    if (!connection)
        AfxThrowInternetException(dwContext);
    ApplyTimeouts(connection);
    CString object = CString(*path.data() ? path.data() : "/") + extra.data();
    DWORD flags = dwFlags & ~INTERNET_FLAG_TRANSFER_ASCII;
    if (secure)
        flags |= INTERNET_FLAG_SECURE;
    HINTERNET request = HttpOpenRequestA(connection, "GET", object, nullptr, nullptr, nullptr, flags, dwContext);
    if (!request) {
        const DWORD error = GetLastError();
        InternetCloseHandle(connection);
        AfxThrowInternetException(dwContext, error);
    }
    ApplyTimeouts(request);
    auto* file = new CHttpFile(request, "GET", object, nullptr);
    file->m_hOwnConnection = connection;
    try {
        file->SendRequest(pstrHeaders, dwHeadersLength);
    } catch (CException*) {
        delete file;
        throw;
    }
    return file;
}

CFtpConnection* CInternetSession::GetFtpConnection(LPCSTR pstrServer, LPCSTR pstrUserName,
                                                   LPCSTR pstrPassword, INTERNET_PORT nPort,
                                                   BOOL bPassive)
{
    return new CFtpConnection(this, pstrServer, pstrUserName, pstrPassword, m_dwContext, nPort, bPassive);
}

CHttpConnection* CInternetSession::GetHttpConnection(LPCSTR pstrServer, INTERNET_PORT nPort,
                                                     LPCSTR pstrUserName, LPCSTR pstrPassword)
{
    return new CHttpConnection(this, pstrServer, nPort, pstrUserName, pstrPassword, m_dwContext, 0);
}

CHttpConnection* CInternetSession::GetHttpConnection(LPCSTR pstrServer, DWORD dwFlags,
                                                     INTERNET_PORT nPort, LPCSTR pstrUserName,
                                                     LPCSTR pstrPassword)
{
    return new CHttpConnection(this, pstrServer, nPort, pstrUserName, pstrPassword, m_dwContext, dwFlags);
}

// CInternetConnection

IMPLEMENT_DYNAMIC(CInternetConnection, CObject)

CInternetConnection::CInternetConnection(CInternetSession* pSession, LPCSTR pstrServer,
                                         INTERNET_PORT nPort, DWORD_PTR dwContext)
    : m_hConnection(nullptr), m_dwContext(dwContext), m_pSession(pSession),
      m_strServerName(pstrServer), m_nPort(nPort)
{
}

CInternetConnection::~CInternetConnection()
{
    Close();
}

void CInternetConnection::Close()
{
    CloseInternetHandle(m_hConnection);
}

void CInternetConnection::Connect(LPCSTR pstrUserName, LPCSTR pstrPassword, DWORD dwService, DWORD dwFlags)
{
    m_hConnection = InternetConnectA(*m_pSession, m_strServerName, m_nPort, pstrUserName, pstrPassword, dwService,
                                     dwFlags, m_dwContext);
    if (!m_hConnection)
        AfxThrowInternetException(m_dwContext);
    m_pSession->ApplyTimeouts(m_hConnection);
}

BOOL CInternetConnection::SetOption(DWORD dwOption, DWORD dwValue, DWORD)
{
    return InternetSetOptionA(m_hConnection, dwOption, &dwValue, sizeof dwValue);
}

BOOL CInternetConnection::QueryOption(DWORD dwOption, DWORD& dwValue) const
{
    DWORD length = sizeof dwValue;
    return InternetQueryOptionA(m_hConnection, dwOption, &dwValue, &length);
}

// CFtpConnection

IMPLEMENT_DYNAMIC(CFtpConnection, CInternetConnection)

CFtpConnection::CFtpConnection(CInternetSession* pSession, LPCSTR pstrServer, LPCSTR pstrUserName,
                               LPCSTR pstrPassword, DWORD_PTR dwContext, INTERNET_PORT nPort,
                               BOOL bPassive)
    : CInternetConnection(pSession, pstrServer, nPort, dwContext)
{
    Connect(pstrUserName, pstrPassword, INTERNET_SERVICE_FTP, bPassive ? INTERNET_FLAG_PASSIVE : 0);
}

CInternetFile* CFtpConnection::OpenFile(LPCSTR pstrFileName, DWORD dwAccess, DWORD dwFlags,
                                        DWORD_PTR dwContext)
{
    HINTERNET file = FtpOpenFileA(m_hConnection, pstrFileName, dwAccess, dwFlags, dwContext);
    if (!file)
        AfxThrowInternetException(dwContext);
    return new CInternetFile(file, pstrFileName, this, dwAccess == GENERIC_READ);
}

BOOL CFtpConnection::CreateDirectory(LPCSTR pstrDirName)
{
    return FtpCreateDirectoryA(m_hConnection, pstrDirName);
}

// CHttpConnection

IMPLEMENT_DYNAMIC(CHttpConnection, CInternetConnection)

CHttpConnection::CHttpConnection(CInternetSession* pSession, LPCSTR pstrServer, INTERNET_PORT nPort,
                                 LPCSTR pstrUserName, LPCSTR pstrPassword, DWORD_PTR dwContext,
                                 DWORD dwFlags)
    : CInternetConnection(pSession, pstrServer, nPort, dwContext)
{
    Connect(pstrUserName, pstrPassword, INTERNET_SERVICE_HTTP, dwFlags);
}

CHttpFile* CHttpConnection::OpenRequest(LPCSTR pstrVerb, LPCSTR pstrObjectName, LPCSTR pstrReferer,
                                        DWORD_PTR dwContext, LPCSTR* ppstrAcceptTypes,
                                        LPCSTR pstrVersion, DWORD dwFlags)
{
    if (!pstrVerb)
        pstrVerb = "GET";
    HINTERNET request = HttpOpenRequestA(m_hConnection, pstrVerb, pstrObjectName, pstrVersion,
                                         pstrReferer, ppstrAcceptTypes, dwFlags, dwContext);
    if (!request)
        AfxThrowInternetException(dwContext);
    m_pSession->ApplyTimeouts(request);
    return new CHttpFile(request, pstrVerb, pstrObjectName, this);
}

// CInternetFile

IMPLEMENT_DYNAMIC(CInternetFile, CStdioFile)

CInternetFile::CInternetFile(HINTERNET hFile, LPCSTR pstrFileName, CInternetConnection* pConnection,
                             BOOL bReadMode)
    : m_hInternetFile(hFile), m_pConnection(pConnection), m_bReadMode(bReadMode), m_ullPosition(0),
      m_ullExpected(kUnknownLength), m_lineStart(0)
{
    m_strFileName = pstrFileName;
}

CInternetFile::~CInternetFile()
{
    // The base classes would close a plain file's handle; this one is WinInet's.
    CloseHandles(false);
}

void CInternetFile::CloseHandles(bool reportErrors)
{
    if (!m_hInternetFile)
        return;
    HINTERNET file = m_hInternetFile;
    m_hInternetFile = nullptr;
    m_lineBuffer.clear();
    m_lineStart = 0;
    const BOOL closed = InternetCloseHandle(file);
    if (!reportErrors)
        return;
    if (!closed)
        AfxThrowInternetException(m_pConnection ? m_pConnection->GetContext() : 1);
    // Closing an FTP file makes WinInet read the server's word on the transfer.
    if (m_pConnection && m_pConnection->IsKindOf(RUNTIME_CLASS(CFtpConnection)) &&
        !IsCompletionReply(LastServerReply()))
        AfxThrowInternetException(m_pConnection->GetContext(), ERROR_INTERNET_EXTENDED_ERROR);
}

UINT CInternetFile::ReadFromServer(void* lpBuf, UINT nCount)
{
    if (!m_hInternetFile)
        AfxThrowFileException(CFileException::invalidFile, ERROR_INVALID_HANDLE, m_strFileName);
    auto* bytes = static_cast<char*>(lpBuf);
    UINT total = 0;
    while (total < nCount) {
        DWORD read = 0;
        if (!InternetReadFile(m_hInternetFile, bytes + total, nCount - total, &read))
            AfxThrowInternetException(m_pConnection ? m_pConnection->GetContext() : 1);
        if (read == 0) {
            if (m_ullExpected != kUnknownLength && m_ullPosition + total < m_ullExpected)
                AfxThrowInternetException(m_pConnection ? m_pConnection->GetContext() : 1,
                                          ERROR_INTERNET_CONNECTION_ABORTED);
            break;
        }
        total += read;
    }
    return total;
}

UINT CInternetFile::Read(void* lpBuf, UINT nCount)
{
    auto* bytes = static_cast<char*>(lpBuf);
    UINT taken = 0;
    // Bytes a line read fetched ahead come first.
    if (m_lineStart < m_lineBuffer.size()) {
        taken = static_cast<UINT>(std::min<size_t>(nCount, m_lineBuffer.size() - m_lineStart));
        std::memcpy(bytes, m_lineBuffer.data() + m_lineStart, taken);
        m_lineStart += taken;
    }
    const UINT read = taken < nCount ? ReadFromServer(bytes + taken, nCount - taken) : 0;
    m_ullPosition += read;
    return taken + read;
}

void CInternetFile::Write(const void* lpBuf, UINT nCount)
{
    if (!m_hInternetFile)
        AfxThrowFileException(CFileException::invalidFile, ERROR_INVALID_HANDLE, m_strFileName);
    const DWORD_PTR context = m_pConnection ? m_pConnection->GetContext() : 1;
    const auto* bytes = static_cast<const char*>(lpBuf);
    UINT total = 0;
    while (total < nCount) {
        DWORD written = 0;
        if (!InternetWriteFile(m_hInternetFile, bytes + total, nCount - total, &written))
            AfxThrowInternetException(context);
        if (written == 0)
            AfxThrowInternetException(context, ERROR_INTERNET_CONNECTION_ABORTED);
        total += written;
    }
    m_ullPosition += total;
}

void CInternetFile::WriteString(LPCSTR lpsz)
{
    if (lpsz)
        Write(lpsz, static_cast<UINT>(std::strlen(lpsz)));
}

bool CInternetFile::FillLineBuffer()
{
    if (m_lineStart > 0) {
        m_lineBuffer.erase(m_lineBuffer.begin(), m_lineBuffer.begin() + static_cast<ptrdiff_t>(m_lineStart));
        m_lineStart = 0;
    }
    char chunk[4096];
    const UINT read = ReadFromServer(chunk, sizeof chunk);
    m_ullPosition += read;
    m_lineBuffer.insert(m_lineBuffer.end(), chunk, chunk + read);
    return read > 0;
}

bool CInternetFile::TakeLine(CString& line, bool keepNewLine)
{
    size_t searched = m_lineStart;
    for (;;) {
        const auto begin = m_lineBuffer.begin() + static_cast<ptrdiff_t>(searched);
        const auto newLine = std::find(begin, m_lineBuffer.end(), '\n');
        if (newLine != m_lineBuffer.end()) {
            const size_t end = static_cast<size_t>(newLine - m_lineBuffer.begin());
            size_t length = end - m_lineStart;
            if (length > 0 && m_lineBuffer[end - 1] == '\r')
                --length;
            line = CString(m_lineBuffer.data() + m_lineStart, static_cast<int>(length));
            if (keepNewLine)
                line += '\n';
            m_lineStart = end + 1;
            return true;
        }
        searched = m_lineBuffer.size() - m_lineStart;
        if (!FillLineBuffer()) {
            // The last line has no line end.
            if (m_lineStart >= m_lineBuffer.size())
                return false;
            line = CString(m_lineBuffer.data() + m_lineStart,
                           static_cast<int>(m_lineBuffer.size() - m_lineStart));
            m_lineStart = m_lineBuffer.size();
            return true;
        }
        searched += m_lineStart; // FillLineBuffer moved the unread bytes to the front
    }
}

BOOL CInternetFile::ReadString(CString& rString)
{
    rString.Empty();
    return TakeLine(rString, false);
}

LPSTR CInternetFile::ReadString(LPSTR lpsz, UINT nMax)
{
    if (!lpsz || nMax == 0)
        return nullptr;
    CString line;
    if (!TakeLine(line, true))
        return nullptr;
    // What does not fit stays for the next call, as fgets leaves it.
    if (static_cast<UINT>(line.GetLength()) > nMax - 1) {
        const int kept = static_cast<int>(nMax - 1);
        const CString rest = line.Mid(kept);
        m_lineBuffer.insert(m_lineBuffer.begin() + static_cast<ptrdiff_t>(m_lineStart),
                            static_cast<const char*>(rest), static_cast<const char*>(rest) + rest.GetLength());
        line = line.Left(kept);
    }
    std::memcpy(lpsz, static_cast<const char*>(line), static_cast<size_t>(line.GetLength()) + 1);
    return lpsz;
}

ULONGLONG CInternetFile::GetPosition() const
{
    return m_ullPosition - (m_lineBuffer.size() - m_lineStart);
}

ULONGLONG CInternetFile::Seek(LONGLONG, UINT)
{
    AfxThrowFileException(CFileException::invalidFile, ERROR_INVALID_FUNCTION, m_strFileName);
}

ULONGLONG CInternetFile::GetLength() const
{
    AfxThrowFileException(CFileException::invalidFile, ERROR_INVALID_FUNCTION, m_strFileName);
}

void CInternetFile::SetLength(ULONGLONG)
{
    AfxThrowFileException(CFileException::invalidFile, ERROR_INVALID_FUNCTION, m_strFileName);
}

void CInternetFile::Flush() {}

void CInternetFile::Close()
{
    CloseHandles(true);
}

void CInternetFile::Abort()
{
    CloseHandles(false);
}

// CHttpFile

IMPLEMENT_DYNAMIC(CHttpFile, CInternetFile)

CHttpFile::CHttpFile(HINTERNET hFile, LPCSTR pstrVerb, LPCSTR pstrObject, CHttpConnection* pConnection)
    : CInternetFile(hFile, pstrObject, pConnection, TRUE), m_strVerb(pstrVerb), m_hOwnConnection(nullptr)
{
}

void CHttpFile::CloseHandles(bool reportErrors)
{
    HINTERNET connection = m_hOwnConnection;
    m_hOwnConnection = nullptr;
    try {
        CInternetFile::CloseHandles(reportErrors);
    } catch (CException*) {
        if (connection)
            InternetCloseHandle(connection);
        throw;
    }
    if (connection)
        InternetCloseHandle(connection);
}

BOOL CHttpFile::SendRequest(LPCSTR pstrHeaders, DWORD dwHeadersLen, LPVOID lpOptional, DWORD dwOptionalLen)
{
    if (pstrHeaders && dwHeadersLen == 0)
        dwHeadersLen = static_cast<DWORD>(std::strlen(pstrHeaders));
    if (!HttpSendRequestA(m_hInternetFile, pstrHeaders, dwHeadersLen, lpOptional, dwOptionalLen))
        AfxThrowInternetException(m_pConnection ? m_pConnection->GetContext() : 1);
    RequestSent();
    return TRUE;
}

BOOL CHttpFile::SendRequest(CString& strHeaders, LPVOID lpOptional, DWORD dwOptionalLen)
{
    return SendRequest(strHeaders, static_cast<DWORD>(strHeaders.GetLength()), lpOptional, dwOptionalLen);
}

void CHttpFile::RequestSent()
{
    DWORD status = 0;
    ULONGLONG length = 0;
    // These replies carry no body, whatever length they declare.
    const bool bodyless = m_strVerb.CompareNoCase("HEAD") == 0 ||
                          (QueryInfoStatusCode(status) && (status < 200 || status == 204 || status == 304));
    SetExpectedLength(!bodyless && QueryInfo(HTTP_QUERY_CONTENT_LENGTH, length) ? length : kUnknownLength);
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, LPVOID lpvBuffer, LPDWORD lpdwBufferLength,
                          LPDWORD lpdwIndex) const
{
    return HttpQueryInfoA(m_hInternetFile, dwInfoLevel, lpvBuffer, lpdwBufferLength, lpdwIndex);
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, CString& str, LPDWORD lpdwIndex) const
{
    str.Empty();
    DWORD length = 0;
    DWORD index = lpdwIndex ? *lpdwIndex : 0;
    if (HttpQueryInfoA(m_hInternetFile, dwInfoLevel, nullptr, &length, &index))
        return TRUE; // an empty item
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return FALSE;
    DWORD size = length + 1;
    index = lpdwIndex ? *lpdwIndex : 0;
    const BOOL ok = HttpQueryInfoA(m_hInternetFile, dwInfoLevel, str.GetBuffer(static_cast<int>(size)),
                                   &size, &index);
    str.ReleaseBuffer(ok ? static_cast<int>(size) : 0);
    if (ok && lpdwIndex)
        *lpdwIndex = index;
    return ok;
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, DWORD& dwResult, LPDWORD lpdwIndex) const
{
    DWORD length = sizeof dwResult;
    return HttpQueryInfoA(m_hInternetFile, dwInfoLevel | HTTP_QUERY_FLAG_NUMBER, &dwResult, &length, lpdwIndex);
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, ULONGLONG& ullResult, LPDWORD lpdwIndex) const
{
    CString text;
    if (!QueryInfo(dwInfoLevel, text, lpdwIndex))
        return FALSE;
    text.TrimLeft();
    text.TrimRight();
    if (text.IsEmpty() || text.SpanIncluding("0123456789").GetLength() != text.GetLength())
        return FALSE;
    errno = 0;
    const ULONGLONG value = _strtoui64(text, nullptr, 10);
    if (errno == ERANGE)
        return FALSE;
    ullResult = value;
    return TRUE;
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& dwStatusCode) const
{
    return QueryInfo(HTTP_QUERY_STATUS_CODE, dwStatusCode);
}

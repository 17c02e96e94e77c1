#include "net/WebPost.h"

#include "net/NetSession.h"

#include "tnwwndut.h"

#include <cstring>
#include <memory>

namespace {

const DWORD kPlainRequestFlags = INTERNET_FLAG_DONT_CACHE;
const DWORD kSecureRequestFlags = INTERNET_FLAG_DONT_CACHE | INTERNET_FLAG_SECURE;

bool HasScheme(const char* address, const char* scheme)
{
    const size_t length = std::strlen(scheme);
    return _strnicmp(address, scheme, length) == 0 && address[length] == ':';
}

} // namespace

constexpr const char* UWebPost::kFormContentType;

bool UWebPost::Post(const char* address, const CString& body, DWORD timeoutMs, CString& answer)
{
    if (!address)
        return false;
    const bool secure = HasScheme(address, "https");
    if (!secure && !HasScheme(address, "http"))
        return false;
    INTERNET_PORT port = UUrlUtils::GetPort(address);
    if (port == 0)
        port = secure ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT;
    try {
        CNetSession session(timeoutMs);
        std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection(
            UUrlUtils::GetServer(address).c_str(), static_cast<DWORD>(INTERNET_FLAG_DONT_CACHE), port, nullptr, nullptr));
        std::unique_ptr<CHttpFile> request(connection->OpenRequest("POST", UUrlUtils::GetFileName(address).c_str(), nullptr, 0,
                                                                   nullptr, nullptr,
                                                                   secure ? kSecureRequestFlags : kPlainRequestFlags));
        CString sent = body;
        request->SendRequest(kFormContentType, 0, const_cast<char*>(static_cast<const char*>(sent)),
                             static_cast<DWORD>(sent.GetLength()));
        DWORD status = 0;
        if (!request->QueryInfoStatusCode(status) || status < 200 || status > 299)
            return false;
        CString read;
        CString line;
        for (bool first = true; request->ReadString(line); first = false) {
            if (!first)
                read += "\r\n";
            read += line;
        }
        request->Close();
        connection->Close();
        answer = read;
        return true;
    } catch (CException* e) {
        e->Delete();
        return false;
    }
}

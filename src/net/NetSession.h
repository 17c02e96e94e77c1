#pragma once
#include "afxinet.h"

// The Internet session every network class of the library opens: the user agent
// "Tarnwell/1.0", context 1, the system's pre-configured access (direct or through the
// proxy the system names), no proxy of its own, no flags.
//
// Decision of this library: nothing waits for a server without a limit. Connecting,
// sending and receiving each give up after the session's timeout (kDefaultTimeout unless
// set), and the request or transfer then ends as a connection error.
class AFX_EXT_CLASS CNetSession : public CInternetSession {
public:
    static const char* const kUserAgent;
    static const DWORD kDefaultTimeout = 30000;

    explicit CNetSession(DWORD timeoutMs = kDefaultTimeout);

    // Milliseconds for connecting, for sending and for each wait for data; connections
    // opened afterwards use it.
    void SetTimeout(DWORD timeoutMs);
    DWORD GetTimeout() const { return mTimeout; }

private:
    DWORD mTimeout;
};

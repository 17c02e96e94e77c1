#pragma once
#include <string>

// A server of the project's own (tests/support/servers, run by the system's Python) on
// 127.0.0.1, for the life of the object: the HTTP server with replies of every shape, or
// the FTP server (pyftpdlib) with one user. No other address is ever used.
//
// Start picks a free port the first time and keeps it, so a server stopped in the middle
// of a test comes back where its clients expect it. It returns once the port answers, or
// false after a time limit. The server is tied to this program by a connection of its
// own (a lifeline): Stop closes it and the server ends at once; if the program ends or
// crashes first, the system closes it and the server ends all the same.
//
// The programs run under Wine, which starts the Python process as a program of the
// machine, not of Windows.
class CLocalServer {
public:
    enum EKind { kHttp, kFtp };
    static const char* const kUser;
    static const char* const kPassword;

    // root: the folder the HTTP server serves files from, or the FTP user's home; a
    // Windows path.
    CLocalServer(EKind kind, std::string root);
    ~CLocalServer();
    CLocalServer(const CLocalServer&) = delete;
    CLocalServer& operator=(const CLocalServer&) = delete;

    bool Start();
    // Ends the server and waits (bounded) until its port no longer answers.
    void Stop();
    bool IsRunning() const { return mLifeline != kNoSocket; }

    unsigned short Port() const { return mPort; }
    // "http://127.0.0.1:<port>" followed by path.
    std::string Url(const std::string& path) const;

    // A port of 127.0.0.1 that nothing listens on, for refused connections.
    static unsigned short UnusedPort();

private:
    // A socket (SOCKET), kept here without the Winsock headers, which must come before
    // windows.h wherever they are included.
    using Socket = unsigned long long;
    static constexpr Socket kNoSocket = ~0ULL;

    static bool Answers(unsigned short port);

    EKind mKind;
    std::string mRoot;
    unsigned short mPort = 0;
    Socket mLifeline = kNoSocket;
};

#include <winsock2.h>
#include <ws2tcpip.h>

#include "LocalServer.h"

#include "MessagePump.h"
#include "StandIns.h"

#include <vector>

namespace {

// Winsock for the life of the program.
struct StWinsock {
    StWinsock()
    {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~StWinsock() { WSACleanup(); }
};

void UseWinsock()
{
    static StWinsock winsock;
}

sockaddr_in Loopback(unsigned short port)
{
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

// A socket listening on 127.0.0.1 at a port the system picks.
SOCKET ListenAnywhere(unsigned short& port)
{
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = Loopback(0);
    int length = sizeof address;
    if (listener == INVALID_SOCKET || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, 1) != 0 || getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (listener != INVALID_SOCKET)
            closesocket(listener);
        return INVALID_SOCKET;
    }
    port = ntohs(address.sin_port);
    return listener;
}

// The machine's path of a Windows path, through Wine.
std::string UnixPath(const std::string& path)
{
    using ToUnix = char*(CDECL*)(LPCWSTR);
    auto toUnix = reinterpret_cast<ToUnix>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
    if (!toUnix)
        return std::string();
    std::wstring wide(path.begin(), path.end());
    char* machinePath = toUnix(wide.c_str());
    if (!machinePath)
        return std::string();
    std::string result(machinePath);
    HeapFree(GetProcessHeap(), 0, machinePath);
    return result;
}

// Starts a program of the machine (not of Windows) without waiting for it.
bool SpawnMachineProgram(std::vector<std::string> arguments)
{
    using Spawn = LONG(CDECL*)(char* const argv[], int wait);
    auto spawn = reinterpret_cast<Spawn>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "__wine_unix_spawnvp"));
    if (!spawn)
        return false;
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(&argument[0]);
    argv.push_back(nullptr);
    return spawn(argv.data(), 0) == 0;
}

} // namespace

const char* const CLocalServer::kUser = "tester";
const char* const CLocalServer::kPassword = "secret";

CLocalServer::CLocalServer(EKind kind, std::string root) : mKind(kind), mRoot(std::move(root))
{
    UseWinsock();
}

CLocalServer::~CLocalServer()
{
    Stop();
}

bool CLocalServer::Answers(unsigned short port)
{
    SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = Loopback(port);
    const bool answered = connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    closesocket(probe);
    return answered;
}

unsigned short CLocalServer::UnusedPort()
{
    UseWinsock();
    unsigned short port = 0;
    SOCKET listener = ListenAnywhere(port);
    closesocket(listener);
    return port;
}

bool CLocalServer::Start()
{
    if (IsRunning())
        return true;
    if (mPort == 0)
        mPort = UnusedPort();

    unsigned short lifelinePort = 0;
    SOCKET listener = ListenAnywhere(lifelinePort);
    if (listener == INVALID_SOCKET)
        return false;
    const std::string script = UnixPath(ProgramFolder() + (mKind == kHttp ? "servers\\http_server.py" : "servers\\ftp_server.py"));
    std::vector<std::string> arguments{ "/usr/bin/python3", script, "--port", std::to_string(mPort),
                                        "--root", UnixPath(mRoot), "--lifeline", std::to_string(lifelinePort) };
    if (mKind == kFtp) {
        arguments.insert(arguments.end(), { "--user", kUser, "--password", kPassword });
    }
    if (script.empty() || !SpawnMachineProgram(arguments)) {
        closesocket(listener);
        return false;
    }

    // The server ties itself to this program first, then opens its port.
    fd_set waiting;
    FD_ZERO(&waiting);
    FD_SET(listener, &waiting);
    timeval limit = { 20, 0 };
    if (select(0, &waiting, nullptr, nullptr, &limit) == 1) {
        const SOCKET tie = accept(listener, nullptr, nullptr);
        mLifeline = tie == INVALID_SOCKET ? kNoSocket : tie;
    }
    closesocket(listener);
    if (!IsRunning())
        return false;
    if (!PumpMessagesUntil([this] { return Answers(mPort); }, 20000)) {
        Stop();
        return false;
    }
    return true;
}

void CLocalServer::Stop()
{
    if (!IsRunning())
        return;
    closesocket(static_cast<SOCKET>(mLifeline));
    mLifeline = kNoSocket;
    PumpMessagesUntil([this] { return !Answers(mPort); }, 10000);
}

std::string CLocalServer::Url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(mPort) + path;
}

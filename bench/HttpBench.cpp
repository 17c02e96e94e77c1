// One file from the project's local HTTP server on 127.0.0.1 through CHttpDownloadThread,
// against a bare InternetOpenUrl/InternetReadFile loop with the same flags and the same
// 8 KiB blocks written to a file, interleaved, the best of five rounds of each counted.
// Checks that every download is whole and prints both rates and their ratio last. Goal:
// the thread reaches at least 0.9 of the bare loop.
//
// By default the file is 16 MiB, so that the run ends within a minute even where Wine's
// WinInet is slow; --full downloads the 256 MiB file of the goal.
#include "LocalServer.h"
#include "MessagePump.h"

#include "tnwmfcut.h"

#include <wininet.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const int kRounds = 5;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Now()
{
    LARGE_INTEGER zero = {}, now;
    ::QueryPerformanceCounter(&now);
    return Seconds(zero, now);
}

bool MakeFile(const std::string& path, ULONGLONG size)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::vector<unsigned char> block(1 << 20);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<unsigned char>((i * 131 + i / 977) & 0xFF);
    bool ok = true;
    for (ULONGLONG written = 0; ok && written < size; written += block.size()) {
        block[0] = static_cast<unsigned char>(written >> 20); // each MiB differs
        DWORD done = 0;
        ok = ::WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &done, nullptr) && done == block.size();
    }
    ::CloseHandle(file);
    return ok;
}

bool SameFiles(const std::string& one, const std::string& other)
{
    HANDLE a = ::CreateFileA(one.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    HANDLE b = ::CreateFileA(other.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    bool same = a != INVALID_HANDLE_VALUE && b != INVALID_HANDLE_VALUE;
    std::vector<char> left(1 << 20), right(1 << 20);
    while (same) {
        DWORD readLeft = 0, readRight = 0;
        same = ::ReadFile(a, left.data(), static_cast<DWORD>(left.size()), &readLeft, nullptr) &&
               ::ReadFile(b, right.data(), static_cast<DWORD>(right.size()), &readRight, nullptr) &&
               readLeft == readRight && std::memcmp(left.data(), right.data(), readLeft) == 0;
        if (readLeft == 0)
            break;
    }
    if (a != INVALID_HANDLE_VALUE)
        ::CloseHandle(a);
    if (b != INVALID_HANDLE_VALUE)
        ::CloseHandle(b);
    return same;
}

bool BareDownload(const std::string& url, const std::string& path)
{
    HINTERNET session = ::InternetOpenA(CNetSession::kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    HINTERNET remote = session ? ::InternetOpenUrlA(session, url.c_str(), nullptr, 0,
                                                     INTERNET_FLAG_TRANSFER_ASCII | INTERNET_FLAG_RELOAD |
                                                         INTERNET_FLAG_NO_CACHE_WRITE,
                                                     1)
                               : nullptr;
    HANDLE local = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    bool ok = remote && local != INVALID_HANDLE_VALUE;
    std::vector<char> block(CHttpDownloadThread::kBlockSize);
    for (DWORD read = 0; ok && ::InternetReadFile(remote, block.data(), static_cast<DWORD>(block.size()), &read) && read;) {
        DWORD written = 0;
        ok = ::WriteFile(local, block.data(), read, &written, nullptr) && written == read;
    }
    if (local != INVALID_HANDLE_VALUE)
        ::CloseHandle(local);
    if (remote)
        ::InternetCloseHandle(remote);
    if (session)
        ::InternetCloseHandle(session);
    return ok;
}

bool ThreadDownload(const std::string& url, const std::string& path)
{
    CHttpDownloadThread thread;
    thread.SetUrl(url.c_str());
    thread.SetOutPath(path.c_str());
    if (!thread.Execute(0))
        return false;
    PumpMessagesUntil([&] { return !thread.IsRunning(); }, 600000);
    return thread.IsOk();
}

} // namespace

int main(int argc, char** argv)
{
    const bool full = argc > 1 && std::strcmp(argv[1], "--full") == 0;
    const ULONGLONG size = (full ? 256ULL : 16ULL) << 20;

    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "tnwhttpbench\\";
    const std::string root = folder + "root\\";
    const std::string source = root + "update.bin";
    const std::string byThread = folder + "thread.bin";
    const std::string byBareLoop = folder + "bare.bin";
    UDirectoryUtils::EstablishPath(source.c_str());
    if (!MakeFile(source, size)) {
        std::printf("http bench: cannot make the file to serve\n");
        return 1;
    }
    CLocalServer server(CLocalServer::kHttp, root);
    if (!server.Start()) {
        std::printf("http bench: the local HTTP server did not start\n");
        return 1;
    }
    const std::string url = server.Url("/files/update.bin");

    double threadSeconds = 1e30;
    double bareSeconds = 1e30;
    bool threadWhole = true;
    bool bareWhole = true;
    for (int round = 0; round < kRounds; ++round) {
        double start = Now();
        bareWhole = BareDownload(url, byBareLoop) && bareWhole;
        bareSeconds = std::min(bareSeconds, Now() - start);

        start = Now();
        threadWhole = ThreadDownload(url, byThread) && threadWhole;
        threadSeconds = std::min(threadSeconds, Now() - start);
    }
    threadWhole = threadWhole && SameFiles(source, byThread);
    bareWhole = bareWhole && SameFiles(source, byBareLoop);
    server.Stop();
    for (const std::string& path : { source, byThread, byBareLoop })
        ::DeleteFileA(path.c_str());
    UDirectoryUtils::RemoveFolder(folder.c_str());

    const double mebibytes = static_cast<double>(size) / 1048576.0;
    std::printf("file: %.0f MiB, best of %d rounds each\n", mebibytes, kRounds);
    std::printf("download thread: %s, %.1f MiB/s\n", threadWhole ? "whole" : "NOT WHOLE", mebibytes / threadSeconds);
    std::printf("bare loop:       %s, %.1f MiB/s\n", bareWhole ? "whole" : "NOT WHOLE", mebibytes / bareSeconds);
    const double ratio = bareSeconds / threadSeconds;
    std::printf("ratio %.2f (goal >= 0.90): %s\n", ratio, ratio >= 0.9 ? "met" : "missed");
    return threadWhole && bareWhole ? 0 : 1;
}

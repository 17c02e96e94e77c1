// Snapshot uploads to the project's local FTP server on 127.0.0.1: a JPEG frame of the
// stand-in video source through CFtpUploader::WriteData, against bare
// FtpOpenFile/InternetWriteFile/InternetCloseHandle on one held connection, in turns of
// 20 uploads each. Checks that the last upload of each arrived whole and prints both rates
// and their ratio last. Goal: the uploader reaches at least 0.9 of the bare loop.
//
// Both sides use passive mode: under Wine, a second active-mode login that starts while
// another is busy stops getting replies after a while, whoever makes the calls.
//
// 200 uploads each by default; --full makes it 1000.
#include "LocalServer.h"
#include "StandInVideoSource.h"

#include "tnwmfcut.h"

#include <wininet.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const int kTurn = 20;

double Now()
{
    LARGE_INTEGER frequency, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One frame of the stand-in source, encoded as the image handler has it encoded.
CHandle Snapshot()
{
    CStandInVideoSource* source = static_cast<CStandInVideoSource*>(TnwCreateVideoSource(640, 480));
    std::vector<unsigned char> frame(640 * 480 * 4, 0x80);
    CHandle jpeg;
    source->EncodeImage(frame.data(), static_cast<unsigned long>(frame.size()), CStandInVideoSource::kRgb32, false,
                        640, 480, 640, 480, CFtpImageHandler::kDefaultImageType, 50, 640, 480, &jpeg);
    source->Release();
    return jpeg;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool BareUpload(HINTERNET connection, const CHandle& picture)
{
    HINTERNET file = ::FtpOpenFileA(connection, "bare/live.jpg", GENERIC_WRITE, FTP_TRANSFER_TYPE_BINARY, 1);
    if (!file)
        return false;
    DWORD written = 0;
    const bool ok = ::InternetWriteFile(file, picture.GetBuffer(), picture.GetSize(), &written) &&
                    written == picture.GetSize();
    return ::InternetCloseHandle(file) && ok;
}

} // namespace

int main(int argc, char** argv)
{
    const int uploads = argc > 1 && std::strcmp(argv[1], "--full") == 0 ? 1000 : 200;
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "tnwftpbench\\";
    UDirectoryUtils::EstablishPath((root + "bare\\live.jpg").c_str());
    CLocalServer server(CLocalServer::kFtp, root);
    if (!server.Start()) {
        std::printf("ftp bench: the local FTP server did not start\n");
        return 1;
    }
    const CHandle picture = Snapshot();
    if (picture.GetSize() == 0) {
        std::printf("ftp bench: the stand-in source encoded no snapshot\n");
        return 1;
    }

    CFtpUploader uploader;
    uploader.SetServer("127.0.0.1");
    uploader.SetPort(server.Port());
    uploader.SetUserName(CLocalServer::kUser);
    uploader.SetPassword(CLocalServer::kPassword);
    uploader.SetPath("uploader/live.jpg");
    uploader.SetPassive(true);
    HINTERNET session = ::InternetOpenA(CNetSession::kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    HINTERNET connection = ::InternetConnectA(session, "127.0.0.1", server.Port(), CLocalServer::kUser,
                                              CLocalServer::kPassword, INTERNET_SERVICE_FTP, INTERNET_FLAG_PASSIVE, 1);

    double uploaderSeconds = 0;
    double bareSeconds = 0;
    bool uploaderOk = true;
    bool bareOk = connection != nullptr;
    for (int done = 0; done < uploads; done += kTurn) {
        double start = Now();
        for (int i = 0; i < kTurn && bareOk; ++i)
            bareOk = BareUpload(connection, picture);
        bareSeconds += Now() - start;
        start = Now();
        for (int i = 0; i < kTurn && uploaderOk; ++i) {
            uploader.SetLastUploadTime(0);
            uploaderOk = uploader.WriteData(picture.GetBuffer(), picture.GetSize());
        }
        uploaderSeconds += Now() - start;
    }
    const std::string expected(reinterpret_cast<const char*>(picture.GetBuffer()), picture.GetSize());
    uploaderOk = uploaderOk && ReadFile(root + "uploader\\live.jpg") == expected;
    bareOk = bareOk && ReadFile(root + "bare\\live.jpg") == expected;
    if (connection)
        ::InternetCloseHandle(connection);
    ::InternetCloseHandle(session);
    server.Stop();
    UDirectoryUtils::RemoveFolder(root.c_str());

    std::printf("%d uploads each of a %lu-byte snapshot\n", uploads, picture.GetSize());
    std::printf("uploader:  %s, %.1f uploads/s\n", uploaderOk ? "arrived" : static_cast<LPCSTR>("FAILED: " + uploader.GetStatus()),
                uploads / uploaderSeconds);
    std::printf("bare loop: %s, %.1f uploads/s\n", bareOk ? "arrived" : "FAILED", uploads / bareSeconds);
    const double ratio = bareSeconds / uploaderSeconds;
    std::printf("ratio %.2f (goal >= 0.90): %s\n", ratio, ratio >= 0.9 ? "met" : "missed");
    return uploaderOk && bareOk ? 0 : 1;
}

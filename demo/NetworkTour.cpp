#include "NetworkTour.h"

#include "MainFrame.h"

#include "StandInVideoSource.h"
#include "res/resource.h"
#include "tnwmfcut.h"

#include <commctrl.h>
#include <wininet.h>

#include <cstdlib>
#include <string>

namespace {

const char kFtpUser[] = "tester";
const char kFtpPassword[] = "secret";

CString Environment(const char* name)
{
    char value[512] = {};
    ::GetEnvironmentVariableA(name, value, sizeof value);
    return value;
}

CString TempFolder()
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    return CString(temp) + "tnwdemo-net\\";
}

const char* ResultText(CHttpDownloadThread::EResult result)
{
    switch (result) {
    case CHttpDownloadThread::kComplete: return "complete";
    case CHttpDownloadThread::kCanceled: return "canceled";
    case CHttpDownloadThread::kBadAddress: return "not a web address";
    case CHttpDownloadThread::kServerError: return "refused by the server";
    case CHttpDownloadThread::kLocalFileError: return "the local file could not be written";
    case CHttpDownloadThread::kConnectionError: return "connection error";
    default: return "not run";
    }
}

// Runs a download to its end, showing its progress in the status line.
void RunDownload(CTour& tour, CMainFrame* frame, CHttpDownloadThread& thread, bool screenshot)
{
    if (!thread.Execute(0)) {
        tour.Say("the download did not start");
        return;
    }
    bool shot = !screenshot;
    const ULONGLONG deadline = ::GetTickCount64() + 60000;
    while (thread.IsRunning() && ::GetTickCount64() < deadline) {
        CString line;
        line.Format("%s %3.0f%%", thread.GetText(), thread.GetProgress() * 100);
        frame->SetStatus(line);
        if (!shot && thread.GetProgress() > 0.3) {
            tour.Say(line);
            tour.Screenshot("download-progress");
            shot = true;
        }
        tour.Pump(100);
    }
}

// The names and sizes of the files in an FTP folder, through the server's own listing.
CString ListFtpFolder(const CString& port, const char* folder)
{
    CString listing;
    HINTERNET session = ::InternetOpenA(CNetSession::kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    HINTERNET connection = ::InternetConnectA(session, "127.0.0.1", static_cast<INTERNET_PORT>(std::atoi(port)),
                                              kFtpUser, kFtpPassword, INTERNET_SERVICE_FTP, INTERNET_FLAG_PASSIVE, 1);
    WIN32_FIND_DATAA found = {};
    HINTERNET search = connection ? ::FtpFindFirstFileA(connection, CString(folder) + "/*", &found,
                                                        INTERNET_FLAG_RELOAD, 1)
                                  : nullptr;
    for (BOOL more = search != nullptr; more; more = ::InternetFindNextFileA(search, &found)) {
        CString entry;
        entry.Format("%s%s (%lu bytes)", listing.IsEmpty() ? "" : ", ", found.cFileName, found.nFileSizeLow);
        listing += entry;
    }
    if (search)
        ::InternetCloseHandle(search);
    if (connection)
        ::InternetCloseHandle(connection);
    ::InternetCloseHandle(session);
    return listing;
}

// Fetches an uploaded file back from the FTP server.
bool FetchFtpFile(const CString& port, const char* remote, const char* local)
{
    HINTERNET session = ::InternetOpenA(CNetSession::kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    HINTERNET connection = ::InternetConnectA(session, "127.0.0.1", static_cast<INTERNET_PORT>(std::atoi(port)),
                                              kFtpUser, kFtpPassword, INTERNET_SERVICE_FTP, INTERNET_FLAG_PASSIVE, 1);
    const bool fetched = connection && ::FtpGetFileA(connection, remote, local, FALSE, FILE_ATTRIBUTE_NORMAL,
                                                     FTP_TRANSFER_TYPE_BINARY | INTERNET_FLAG_RELOAD, 1);
    if (connection)
        ::InternetCloseHandle(connection);
    ::InternetCloseHandle(session);
    return fetched;
}

// Notes the end of a worker thread, which may delete itself then.
class CEndWatcher : public CListener {
public:
    bool ended = false;
    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        if (code != CWorkerThread::kThreadFinished)
            return CListener::ListenToMessage(code, sender, extra);
        ended = true;
        return true;
    }
};

std::string ReadFileBytes(const char* path)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return std::string();
    std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
    if (!bytes.empty())
        bytes.resize(file.Read(&bytes[0], static_cast<UINT>(bytes.size())));
    return bytes;
}

} // namespace

namespace NetworkTour {

void DownloadUpdate(CTour& tour, CMainFrame* frame)
{
    const CString site = Environment("TNW_DEMO_HTTP");
    if (site.IsEmpty()) {
        tour.Say("no local HTTP server (TNW_DEMO_HTTP); the download is skipped");
        return;
    }
    const CString target = TempFolder() + "updates\\tnwdemo-update.exe";
    CHttpDownloadThread thread;
    thread.SetUrl(site + "/files/tnwdemo-update.exe");
    thread.SetOutPath(target);
    RunDownload(tour, frame, thread, true);
    CString line;
    line.Format("update download %s: %I64u bytes at %s", ResultText(thread.GetResult()),
                UFileUtils::GetFileSize(target), static_cast<LPCSTR>(target));
    tour.Say(line);
    frame->SetStatus(line);

    // A file the server does not have: a clear result, and the update stays as it was.
    CHttpDownloadThread missing;
    missing.SetUrl(site + "/files/no-such-update.exe");
    missing.SetOutPath(target);
    RunDownload(tour, frame, missing, false);
    line.Format("a missing file: %s (status %lu); the update on disk still has %I64u bytes",
                ResultText(missing.GetResult()), missing.GetStatusCode(), UFileUtils::GetFileSize(target));
    tour.Say(line);
    frame->SetStatus(line);
    UFileUtils::DeleteFileA(target);
    UDirectoryUtils::RemoveFolder(TempFolder() + "updates");
}

void UploadSnapshots(CTour& tour, CMainFrame* frame)
{
    const CString port = Environment("TNW_DEMO_FTP");
    if (port.IsEmpty()) {
        tour.Say("no local FTP server (TNW_DEMO_FTP); the snapshots are skipped");
        return;
    }
    auto* source = static_cast<CStandInVideoSource*>(TnwCreateVideoSource(320, 240));
    source->Play(10);
    auto* handler = new CFtpImageHandler;
    handler->SetServer("127.0.0.1");
    handler->SetPort(std::atoi(port));
    handler->SetUserName(kFtpUser);
    handler->SetPassword(kFtpPassword);
    handler->SetPassive(true);
    handler->SetInterval(1);
    handler->SetPostback(source);
    auto* thread = new CFtpUploadThread;
    CEndWatcher end;
    thread->AddListener(&end);
    thread->Execute(0);

    for (int snapshot = 1; snapshot <= 3; ++snapshot) {
        CString path;
        path.Format("webcam/snapshot-%d.jpg", snapshot);
        handler->Stop();
        handler->SetPath(path);
        handler->SetStatus("");
        handler->Start();
        const ULONGLONG deadline = ::GetTickCount64() + 15000;
        while (handler->GetStatus() != CFtpUploader::kStatusUploaded && ::GetTickCount64() < deadline)
            tour.Pump(50);
        handler->Stop();
        frame->SetStatus(handler->GetStatus());
        tour.Say(CString(path) + ": " + handler->GetStatus());
    }
    thread->Cancel(); // it deletes itself once it ends
    const ULONGLONG deadline = ::GetTickCount64() + 15000;
    while (!end.ended && ::GetTickCount64() < deadline)
        tour.Pump(50);
    delete handler;
    source->Pause();

    tour.Say(CString("the server's folder webcam holds: ") + ListFtpFolder(port, "webcam"));
    const CString local = TempFolder() + "snapshot-3.jpg";
    UDirectoryUtils::EstablishPath(local);
    if (FetchFtpFile(port, "webcam/snapshot-3.jpg", local)) {
        const std::string bytes = ReadFileBytes(local);
        unsigned number = 0;
        CString line;
        if (CStandInVideoSource::ReadFrameNumber(bytes.data(), static_cast<unsigned long>(bytes.size()), number))
            line.Format("snapshot-3.jpg shows frame %u of the %u the source delivered", number,
                        source->GetFramesDelivered());
        else
            line = "snapshot-3.jpg is no picture of the source";
        tour.Say(line);
        frame->SetStatus(line);
        frame->ShowPicture(local);
        tour.Screenshot("ftp-snapshot");
        UFileUtils::DeleteFileA(local);
    } else {
        tour.Say("snapshot-3.jpg could not be fetched back");
    }
    source->Release();
}

void ShowDownloadDialog(CTour& tour, CMainFrame* frame)
{
    const CString site = Environment("TNW_DEMO_HTTP");
    if (site.IsEmpty()) {
        tour.Say("no local HTTP server (TNW_DEMO_HTTP); the package list is skipped");
        return;
    }
    CDownloadList packages;
    CWebXml request;
    request.SetSite(site);
    request.SetPath("/xml/file/packages.xml");
    request.AddParam("application", "VideoConverter");
    request.AddParam("version", 1);
    request.SetObject(&packages);
    const bool answered = request.Run();
    CString line;
    line.Format("web service %s: \"%s\", %d packages", answered ? "answered" : "failed",
                static_cast<LPCSTR>(request.GetMessage()), packages.GetDownloadCount());
    tour.Say(line);
    frame->SetStatus(line);

    // A loaded list records no necessary package; added one by one, the packages the
    // service marks as necessary become the ones the dialog shows first.
    CDownloadList offer;
    for (int i = 0; i < packages.GetDownloadCount(); ++i) {
        auto* package = static_cast<CDownloadPackage*>(packages.GetDownload(i)->Clone());
        offer.AddDownload(package);
    }
    CDownloadDialog dialog(frame);
    dialog.SetTitle("Download Codecs");
    dialog.SetPrompt("These components play more kinds of video. Tick the ones to download.");
    dialog.SetNoItemText("Nothing to download.");
    dialog.SetStartup("Check for downloads at start-up", true);
    dialog.SetDownloads(&offer);
    INT_PTR answer = 0;
    tour.WhileModal([&] { answer = dialog.DoModal(); }, [](CTour& helper) {
        HWND window = CTour::WaitForWindow("#32770", "Download Codecs");
        if (!window) {
            helper.Say("the download dialog did not open");
            return;
        }
        HWND list = ::GetDlgItem(window, IDC_TNW_DOWNLOAD_LIST);
        const int rows = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        CString said;
        said.Format("the download dialog lists %d packages", rows);
        helper.Say(said);
        // Select the first row so that its description shows.
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
        char description[256] = {};
        ::GetDlgItemTextA(window, IDC_TNW_DOWNLOAD_DESCRIPTION, description, sizeof description);
        helper.Say(CString("its description reads: ") + description);
        helper.Screenshot("download-dialog");
        ::SendMessageA(::GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
    });
    CString chosen;
    for (int i = 0; i < offer.GetDownloadCount(); ++i)
        if (offer.GetDownload(i)->GetSelected())
            chosen += (chosen.IsEmpty() ? "" : ", ") + offer.GetDownload(i)->GetName();
    line.Format("the dialog closed with %s; to download: %s", answer == IDOK ? "OK" : "Cancel",
                chosen.IsEmpty() ? "nothing" : static_cast<LPCSTR>(chosen));
    tour.Say(line);
    frame->SetStatus(line);
}

} // namespace NetworkTour

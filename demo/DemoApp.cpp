#include "ChecksumJob.h"
#include "ControlsTour.h"
#include "DemoSettings.h"
#include "FamilyTour.h"
#include "JobReport.h"
#include "MainFrame.h"
#include "NetworkTour.h"
#include "SyncTour.h"
#include "Tour.h"
#include "TrayDialog.h"
#include "TreesTour.h"
#include "resource.h"

#include "tnwmfcut.h"

#include <cstring>
#include <memory>

// The sample converter, the family's video converter. Started with "/tour:shots" it walks
// through what the library offers and exits; "/tour:noshots" skips the screenshots when
// no display can take them. "/settings:show" only loads, shows and saves the settings and
// exits; "/settings:crash" then ends the way a crash would, without shutting down.
class CDemoApp : public CTarnwellApp {
public:
    CDemoApp();
    BOOL InitInstance() override;
    int ExitInstance() override;

protected:
    afx_msg void OnPoolCommand(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    void InstallLinks();
    void RunTour(bool takeScreenshots);
    void RunSettingsOnly(bool crash);

    StCrashGuard* mCrashGuard = nullptr;
    bool mPlaced = false;
    std::unique_ptr<CApplicationPool> mPool;
    CTrayDialog mTray;
};

namespace {

CDemoApp sTheApp;

// Prints the job's notices as the user-interface thread receives them, and shows the
// progress in the main window.
class CJobReporter : public CListener {
public:
    CJobReporter(CTour& tour, CMainFrame* frame) : mTour(tour), mFrame(frame) {}
    bool finished = false;

    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        CString line;
        if (code == CWorkerThread::kThreadStarted) {
            line = "checksum job started";
        } else if (code == CWorkerThread::kThreadFinished) {
            line = "checksum job finished";
            finished = true;
        } else {
            return CListener::ListenToMessage(code, sender, extra);
        }
        mTour.Say(line);
        mFrame->SetStatus(line);
        return true;
    }

private:
    CTour& mTour;
    CMainFrame* mFrame;
};

// The job itself reports each update on the user-interface thread.
class CReportingChecksumJob : public CChecksumJob {
public:
    CReportingChecksumJob(LPCSTR folder, CTour& tour, CMainFrame* frame)
        : CChecksumJob(folder), mTour(tour), mFrame(frame) {}

protected:
    void UpdateSelf() override
    {
        CString line;
        line.Format("progress %3.0f%%: file %d of %d, checksum %08lX (on the user-interface thread: %s)",
                    GetProgress() * 100, GetFilesDone(), kFileCount, GetLastChecksum(),
                    ::GetCurrentThreadId() == AfxGetApp()->m_nThreadID ? "yes" : "no");
        mTour.Say(line);
        mFrame->SetStatus(line);
    }

private:
    CTour& mTour;
    CMainFrame* mFrame;
};

void RunChecksumJob(CTour& tour, CMainFrame* frame)
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    CReportingChecksumJob job(temp, tour, frame);
    job.SetAutoDelete(false);
    CJobReporter reporter(tour, frame);
    job.AddListener(&reporter);
    if (!job.Execute(0)) {
        tour.Say("checksum job could not start");
        return;
    }
    const ULONGLONG deadline = ::GetTickCount64() + 30000;
    while (!reporter.finished && ::GetTickCount64() < deadline)
        tour.Pump(20);
    tour.Screenshot("worker-job");
}

// Notes the end of the copy thread's run.
class CCopyFinishWatcher : public CListener {
public:
    bool finished = false;
    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        if (code != CWorkerThread::kThreadFinished)
            return CListener::ListenToMessage(code, sender, extra);
        finished = true;
        return true;
    }
};

bool MakeSample(const CString& path, ULONGLONG size)
{
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite))
        return false;
    try {
        file.SetLength(size);
        file.Close();
        return true;
    } catch (CException* e) {
        e->Delete();
        file.Abort();
        return false;
    }
}

// Copies two sample recordings on the copy thread and shows, as a progress dialog would
// (it polls), what is being copied and how far the run has come. The samples and their
// copies are removed afterwards.
void RunCopyJob(CTour& tour, CMainFrame* frame)
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const CString folder = CString(temp) + "tnwdemo-copy\\";
    const char* names[] = { "interview.avi", "b-roll.avi" };
    const ULONGLONG sizes[] = { 160 * 1024 * 1024, 64 * 1024 * 1024 };
    CFileCopyThread copier;
    CCopyFinishWatcher watcher;
    copier.AddListener(&watcher);
    UDirectoryUtils::EstablishPath(folder + "copies\\");
    for (int i = 0; i < 2; ++i) {
        const CString source = folder + names[i];
        if (!MakeSample(source, sizes[i]))
            tour.Say(CString("could not make the sample ") + source);
        copier.AddJob(source, folder + "copies\\" + names[i], kFileReplaceReplace);
    }
    if (!copier.Execute(0)) {
        tour.Say("copy thread could not start");
        return;
    }
    const ULONGLONG deadline = ::GetTickCount64() + 60000;
    while (!watcher.finished && ::GetTickCount64() < deadline) {
        CString line;
        line.Format("%s %3.0f%%", copier.GetText(), copier.GetProgress() * 100);
        tour.Say(line);
        frame->SetStatus(line);
        tour.Pump(100);
    }
    CString line;
    line.Format("copy finished: %3.0f%%, %s", copier.GetProgress() * 100,
                copier.GetJob(0)->HadError() || copier.GetJob(1)->HadError() ? "with errors" : "both files complete");
    tour.Say(line);
    frame->SetStatus(line);
    tour.Screenshot("file-copy");
    for (const char* name : names) {
        UFileUtils::DeleteFileA(folder + name);
        UFileUtils::DeleteFileA(folder + "copies\\" + name);
    }
    UDirectoryUtils::RemoveFolder(folder + "copies");
    UDirectoryUtils::RemoveFolder(folder);
}

// Reports the schedule clock's broadcasts as they arrive, with the seconds since the
// schedule was set, and shows the schedule line in the main window.
class CScheduleReporter : public CListener {
public:
    CScheduleReporter(CTour& tour, CMainFrame* frame, CScheduleClock& clock)
        : mTour(tour), mFrame(frame), mClock(clock), mStart(::GetTickCount64()) {}
    bool stopped = false;

    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        CString line;
        if (code == CScheduleClock::kScheduleChanged)
            line = "schedule changed";
        else if (code == CScheduleClock::kStartNow)
            line = "start recording now";
        else if (code == CScheduleClock::kStopNow)
            line = "stop recording now";
        else
            return CListener::ListenToMessage(code, sender, extra);
        stopped = stopped || code == CScheduleClock::kStopNow;
        CString report;
        report.Format("%5.1f s: %s; schedule line: \"%s\"",
                      (::GetTickCount64() - mStart) / 1000.0, static_cast<LPCSTR>(line),
                      static_cast<LPCSTR>(mClock.GetText()));
        mTour.Say(report);
        mFrame->SetStatus(mClock.GetText().IsEmpty() ? line : mClock.GetText());
        return true;
    }

private:
    CTour& mTour;
    CMainFrame* mFrame;
    CScheduleClock& mClock;
    ULONGLONG mStart;
};

// A recording scheduled to start and stop shortly. The clock fires anything due within
// 25 seconds at once, so the start is set just beyond that to let its timer wake it.
void RunScheduledRecording(CTour& tour, CMainFrame* frame)
{
    CScheduleClock clock;
    CScheduleReporter reporter(tour, frame, clock);
    clock.AddListener(&reporter);
    const CTime now = CTime::GetCurrentTime();
    clock.SetStartTime(now + CTimeSpan(27), true);
    clock.SetStopTime(now + CTimeSpan(29), true);
    tour.Screenshot("schedule");
    const ULONGLONG deadline = ::GetTickCount64() + 40000;
    while (!reporter.stopped && ::GetTickCount64() < deadline)
        tour.Pump(100);
    if (!reporter.stopped)
        tour.Say("the scheduled stop did not arrive");
}

// What a maker asks about first when a user reports a problem.
void ShowDiagnostics(CTour& tour)
{
    tour.Say(StCrashGuard::CrashedLastTime() ? "the last run crashed or was killed: settings would start safe"
                                             : "the last run ended normally");
    if (CRegistry("Debug", "Enable", nullptr).GetValue(0) == 1) {
        tour.Say(CString("debug log on: every tour line goes to ") + UDirectoryUtils::GetAppDirectory().c_str() +
                 "log.ini");
    } else {
        tour.Say("debug log off (setting Debug/Enable = 1 switches it on)");
    }
}

// The settings live in Data.xml from one run to the next. After a crashed run they are not
// loaded, since they may be what made it crash, nor overwritten, so that the user's last
// good settings are still there for a run after a clean end.
void KeepSettings(CTour& tour)
{
    const CString path = CString(UDirectoryUtils::GetUserAppDataDirectory().c_str()) + CDemoSettings::kFileName;
    CDemoSettings settings;
    const bool loaded = UPersistStorage::DefaultLoad(settings, "Settings", CDemoSettings::kFileName);
    if (loaded)
        tour.Say("settings loaded from " + path + ":");
    else if (StCrashGuard::CrashedLastTime())
        tour.Say("the last run crashed, so " + path + " is neither loaded nor overwritten; the defaults:");
    else
        tour.Say("no settings in " + path + " yet; the defaults:");
    for (const CString& line : settings.Describe())
        tour.Say(line);
    if (!loaded && StCrashGuard::CrashedLastTime())
        return;

    ++settings.mRuns;
    settings.mLastRun = CTime::GetCurrentTime().Format("%Y-%m-%d %H:%M:%S");
    settings.mPreset.SetName("High");
    settings.mPreset.SetValue("1280 x 720, 4 Mbit/s");
    bool written = false;
    UPersistStorage::DefaultSave(settings, "Settings", CDemoSettings::kFileName, written);
    CString line;
    if (written)
        line.Format("settings saved for the next run: run %lu, preset High", settings.mRuns);
    else
        line = "the settings could not be written to " + path;
    tour.Say(line);
}

// Saves what the tour said beside the screenshots, never over an earlier tour's report.
void SaveReport(CTour& tour)
{
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    const CString wanted = CString(folder) + "\\tour-report.txt";
    const CString path = UFileReplace::GetFilePath(nullptr, wanted, kFileReplaceRename);
    if (path.IsEmpty()) {
        tour.Say("every report name is taken: the report is not saved");
        return;
    }
    tour.Say(CString("tour report saved as ") + path + (path == wanted ? "" : " (the earlier report is kept)"));
    try {
        CFile report(path, CFile::modeCreate | CFile::modeWrite);
        report.Write(static_cast<LPCSTR>(tour.Transcript()), tour.Transcript().GetLength());
    } catch (CException* failure) {
        failure->Delete();
        tour.Say("the report could not be written");
    }
}

// The stored position, as the next run will read it.
CString DescribeWindowRecord()
{
    const std::string path = UDirectoryUtils::GetUserAppDataDirectory() + "window.ini";
    CString text;
    text.Format("Left=%d Top=%d Width=%d Height=%d",
                ::GetPrivateProfileIntA("Window", "Left", 0, path.c_str()),
                ::GetPrivateProfileIntA("Window", "Top", 0, path.c_str()),
                ::GetPrivateProfileIntA("Window", "Width", 0, path.c_str()),
                ::GetPrivateProfileIntA("Window", "Height", 0, path.c_str()));
    return text;
}

void ReportPlacement(CTour& tour, CMainFrame* frame, bool placed)
{
    CRect rect;
    frame->GetWindowRect(&rect);
    CString line;
    line.Format("main window at (%d, %d), %d x %d: %s", rect.left, rect.top, rect.Width(), rect.Height(),
                placed ? "placed from window.ini" : "nothing in window.ini yet, so centred");
    tour.Say(line);
}

// The status line blinks between two colours for a while, as it would to announce a
// finished conversion.
void BlinkStatusLine(CTour& tour, CMainFrame* frame)
{
    CColorStatic& status = frame->GetStatusLine();
    frame->SetStatus("Conversion finished: clip 01 is ready");
    status.SetBlinkBkColors(RGB(255, 255, 128), RGB(255, 160, 64));
    status.StartBkBlink(CColorStatic::kBlinkOn, 2);
    tour.Say("the status line blinks every 500 ms");
    tour.Pump(1200);
    tour.Screenshot("blinking-status");
    status.StartBkBlink(CColorStatic::kBlinkOff, 0);
}

} // namespace

BEGIN_MESSAGE_MAP(CDemoApp, CTarnwellApp)
    ON_COMMAND_RANGE(ID_POOL_FIRST, ID_POOL_LAST, OnPoolCommand)
END_MESSAGE_MAP()

// The video converter of the family, with the library's splash picture.
CDemoApp::CDemoApp()
{
    GetApplicationId().SetId(1);
    SetSplashBitmap(IDB_DEMO_SPLASH);
}

BOOL CDemoApp::InitInstance()
{
    // The family's start-up names the application's settings store and starts the debug
    // log and the splash window; then the guard tells whether the run before this one
    // ended properly.
    CTarnwellApp::InitInstance();
    mCrashGuard = new StCrashGuard;
    const CLookupList& params = GetCommandLineParams().GetParams();
    if (const char* settings = params.GetLookupValue("settings", nullptr)) {
        RunSettingsOnly(std::strcmp(settings, "crash") == 0);
        return FALSE;
    }
    InstallLinks();

    auto* frame = new CMainFrame;
    if (!frame->LoadFrame(IDR_MAINFRAME))
        return FALSE;
    m_pMainWnd = frame;
    mPool = std::make_unique<CApplicationPool>(ID_POOL_FIRST);
    mPool->SetupMenu(frame);
    mTray.Open();
    // Centred unless window.ini holds where the user left it last time.
    frame->CenterWindow();
    CRect centred;
    frame->GetWindowRect(&centred);
    UWindowsUtils::PlaceWindow(frame, true);
    CRect placed;
    frame->GetWindowRect(&placed);
    mPlaced = placed != centred;
    frame->ShowPicture((UDirectoryUtils::GetAppDirectory() + "demo-picture.jpg").c_str());
    frame->ShowWindow(m_nCmdShow);
    frame->UpdateWindow();

    if (const char* tour = params.GetLookupValue("tour", nullptr))
        RunTour(std::strcmp(tour, "noshots") != 0);
    return TRUE;
}

int CDemoApp::ExitInstance()
{
    if (mTray.GetSafeHwnd())
        mTray.DestroyWindow();
    mPool.reset();
    // The last step of a normal end: the next run will not report a crash.
    delete mCrashGuard;
    mCrashGuard = nullptr;
    return CTarnwellApp::ExitInstance();
}

// What the family's installer does: the shared links file, shipped beside the program,
// goes to the common application-data folder.
void CDemoApp::InstallLinks()
{
    const CString links = UWebAddresses::GetLinksFile();
    UDirectoryUtils::EstablishPath(links);
    ::CopyFileA((UDirectoryUtils::GetAppDirectory() + "links.ini").c_str(), links, FALSE);
}

void CDemoApp::OnPoolCommand(UINT id)
{
    mPool->RunCommand(id);
}

void CDemoApp::RunTour(bool takeScreenshots)
{
    CTour tour(takeScreenshots);
    auto* frame = static_cast<CMainFrame*>(m_pMainWnd);
    tour.AddStep([](CTour& t) { FamilyTour::ShowSplash(t); });
    tour.AddStep(ShowDiagnostics);
    tour.AddStep(KeepSettings);
    tour.AddStep([frame, this](CTour& t) {
        CString title;
        frame->GetWindowText(title);
        t.Say(CString("main window open: ") + title);
        ReportPlacement(t, frame, mPlaced);
        t.Screenshot("main-window");
    });
    tour.AddStep([frame](CTour& t) { FamilyTour::ShowPoolMenus(t, frame); });
    tour.AddStep([frame](CTour& t) { FamilyTour::ShowAboutBox(t, frame); });
    tour.AddStep([](CTour& t) { FamilyTour::ShowErrorDialog(t); });
    tour.AddStep([this](CTour& t) { FamilyTour::ShowTrayIcon(t, mTray); });
    tour.AddStep([frame](CTour& t) {
        frame->SendMessage(WM_COMMAND, ID_FILE_CONVERT);
        t.Say("File > Convert routed to the main window through its message map");
        t.Pump(200);
        t.Screenshot("converting");
    });
    tour.AddStep([frame](CTour& t) { RunChecksumJob(t, frame); });
    tour.AddStep([frame](CTour& t) { ShowJobReport(t, frame); });
    tour.AddStep([frame](CTour& t) { TreesTour::ShowQueueAsTree(t, frame); });
    tour.AddStep([frame](CTour& t) { TreesTour::ShowScheduleAsNodes(t, frame); });
    tour.AddStep([](CTour& t) { TreesTour::InspectSettings(t); });
    tour.AddStep([frame](CTour& t) { RunCopyJob(t, frame); });
    tour.AddStep([frame](CTour& t) { NetworkTour::DownloadUpdate(t, frame); });
    tour.AddStep([frame](CTour& t) { NetworkTour::UploadSnapshots(t, frame); });
    tour.AddStep([frame](CTour& t) { NetworkTour::ShowDownloadDialog(t, frame); });
    tour.AddStep([frame](CTour& t) { SyncTour::SyncClip(t, frame); });
    tour.AddStep([frame](CTour& t) { RunScheduledRecording(t, frame); });
    tour.AddStep([frame](CTour& t) { BlinkStatusLine(t, frame); });
    tour.AddStep(ControlsTour::ShowControls);
    tour.AddStep(ControlsTour::ShowFontPicker);
    tour.AddStep(ControlsTour::AnchorLogPane);
    tour.AddStep(ControlsTour::PickWindow);
    tour.AddStep(ControlsTour::SelectScreenArea);
    tour.AddStep(ControlsTour::CloseControls);
    tour.AddStep(SaveReport);
    tour.AddStep([frame](CTour& t) {
        // As a user would move it, so that the next run shows it placed there.
        frame->SetWindowPos(nullptr, 60, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        t.Say("the main window is moved to (60, 40)");
        t.Say("closing the main window stores its position in window.ini and ends the application");
        frame->SendMessage(WM_CLOSE);
        t.Say(CString("window.ini: ") + DescribeWindowRecord());
    });
    tour.Run();
}

void CDemoApp::RunSettingsOnly(bool crash)
{
    CTour tour(false);
    tour.AddStep(ShowDiagnostics);
    tour.AddStep(KeepSettings);
    tour.Run();
    if (crash) {
        tour.Say("ending now without shutting down, as a crash would");
        ::TerminateProcess(::GetCurrentProcess(), 3);
    }
}

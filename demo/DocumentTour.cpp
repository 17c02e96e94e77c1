#include "DocumentTour.h"

#include "MainFrame.h"
#include "resource.h"

#include "tnwmfcut.h"

#include <memory>

namespace {

// One conversion job as the job file keeps it.
class CJobDocument : public CPersistObject {
public:
    CString mSource;
    long mQuality = 0;

    void Clear() override
    {
        mSource.Empty();
        mQuality = 0;
    }
    void SaveSelf(const char*, CPersistStorage& storage) override
    {
        storage.Save("Source", static_cast<const char*>(mSource));
        storage.Save("Quality", mQuality);
    }
    void LoadSelf(const char*, CPersistStorage& storage) override
    {
        UPersistUtils::Load(storage, "Source", mSource);
        storage.Load("Quality", mQuality);
    }
};

// The document panel of a job file: its fields show the job, and what the user typed goes
// into the job before it is saved.
class CJobPanel : public CTopPanel {
public:
    CJobPanel() : CTopPanel(IDD_JOB_PANEL)
    {
        mFilterDescription = "Job (*.job)";
        mFilterPattern = "*.job";
    }

    CPersistObject* GetObjectA() override { return &mJob; }

    void Refresh() override
    {
        SetDlgItemText(IDC_JOB_SOURCE, mJob.mSource);
        SetDlgItemInt(IDC_JOB_QUALITY, static_cast<UINT>(mJob.mQuality), FALSE);
        SetDlgItemText(IDC_JOB_FILE, mFilePath.IsEmpty() ? CString("(no file)") : "File: " + mFilePath);
    }

    bool SaveData() override
    {
        GetDlgItemText(IDC_JOB_SOURCE, mJob.mSource);
        mJob.mQuality = static_cast<long>(GetDlgItemInt(IDC_JOB_QUALITY, nullptr, FALSE));
        return CTopPanel::SaveData();
    }

    CJobDocument mJob;
};

// Tells the tour when the panel's document is replaced.
class CDocumentWatcher : public CListener {
public:
    explicit CDocumentWatcher(CTour& tour) : mTour(tour) {}
    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        if (code != CTopPanel::kDocumentChanged)
            return CListener::ListenToMessage(code, sender, extra);
        mTour.Say("the panel announced a new document");
        return true;
    }

private:
    CTour& mTour;
};

// The document panel of the tour, with the file it keeps.
struct SJobWindow {
    explicit SJobWindow(CTour& tour) : watcher(tour) {}
    ~SJobWindow() { panel.DestroyWindow(); }
    CJobPanel panel;
    CDocumentWatcher watcher;
    CString path;
};

std::unique_ptr<SJobWindow> sWindow;

CString TempFile(const char* name)
{
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    return CString(folder) + name;
}

void SayJob(CTour& tour, const char* what, const CJobDocument& job)
{
    CString line;
    line.Format("%s: source %s, quality %ld", what, static_cast<const char*>(job.mSource), job.mQuality);
    tour.Say(line);
}

} // namespace

namespace DocumentTour {

void OpenJobFile(CTour& tour, CMainFrame* frame)
{
    auto window = std::make_unique<SJobWindow>(tour);
    window->path = TempFile("holiday.job");
    CJobDocument job;
    job.mSource = "C:\\clips\\holiday.avi";
    job.mQuality = 80;
    if (!UPersistUtils::Save(window->path, job)) {
        tour.Say("the job file could not be written");
        return;
    }
    // The panel sits in the main window's free left half, as an application's document
    // view would.
    if (!window->panel.CreateInWindow(frame, false)) {
        tour.Say("the document panel could not be made");
        return;
    }
    window->panel.MoveWindow(CRect(16, 16, 376, 150));
    window->panel.Refresh();
    window->panel.ShowWindow(SW_SHOW);
    window->panel.AddListener(&window->watcher);

    const CString path = window->path;
    CJobPanel& panel = window->panel;
    tour.WhileModal([&panel] { panel.SendMessage(WM_COMMAND, ID_FILE_OPEN); }, [path](CTour& helper) {
        HWND dialog = CTour::WaitForWindow(nullptr, "Open File");
        if (!dialog) {
            helper.Say("the Open File dialog did not open");
            return;
        }
        ::SetDlgItemTextA(dialog, 0x47C, path);
        helper.Screenshot("document-open-dialog");
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    SayJob(tour, "job file opened in the document panel", panel.mJob);
    tour.Say(CString("the panel's file: ") + panel.GetFilePath());
    tour.Pump(200);
    tour.Screenshot("document-opened");
    sWindow = std::move(window);
}

void EditAndSaveJobFile(CTour& tour)
{
    if (!sWindow)
        return;
    CJobPanel& panel = sWindow->panel;
    // As a person would type into the fields.
    panel.SetDlgItemText(IDC_JOB_SOURCE, "C:\\clips\\holiday-cut.avi");
    panel.SetDlgItemText(IDC_JOB_QUALITY, "95");
    panel.SendMessage(WM_COMMAND, ID_FILE_SAVE);
    CJobDocument saved;
    if (UPersistUtils::Load(sWindow->path, saved))
        SayJob(tour, "File > Save wrote the job file", saved);
    else
        tour.Say("the job file could not be read back");
    tour.Pump(200);
    tour.Screenshot("document-saved");
    ::DeleteFileA(sWindow->path);
    sWindow.reset();
}

} // namespace DocumentTour

#include "PanelsTour.h"

#include "res/resource.h"
#include "resource.h"

#include "tnwmfcut.h"

#include <atomic>
#include <vector>

namespace {

// A settings panel of the converter: its controls come from its template, its summary
// from what it was given.
class CDemoPanel : public CPanel {
public:
    CDemoPanel(UINT id, const char* detail, bool ok) : CPanel(id), mDetail(detail), mOk(ok) {}

    CString GetDetailedText(bool& ok) override
    {
        ok = mOk;
        return mDetail;
    }
    void SetSummary(const char* detail, bool ok)
    {
        mDetail = detail;
        mOk = ok;
        Broadcast(kSummaryChanged, nullptr, nullptr);
    }

protected:
    BOOL OnInitDialog() override
    {
        CPanel::OnInitDialog();
        Fill(IDC_DEMO_FRAME_SIZE, {"640x480", "1280x720", "1920x1080"});
        Fill(IDC_DEMO_SAMPLE_RATE, {"44.1 kHz stereo", "48 kHz stereo"});
        if (CWnd* rate = GetDlgItem(IDC_DEMO_FRAME_RATE))
            rate->SetWindowText("30");
        return TRUE;
    }

private:
    void Fill(int id, std::initializer_list<const char*> items)
    {
        auto* list = static_cast<CComboBox*>(GetDlgItem(id));
        if (!list)
            return;
        for (const char* item : items)
            list->AddString(item);
        list->SetCurSel(0);
    }

    CString mDetail;
    bool mOk;
};

// The settings window: its own line of text, and the groups below it with a separator
// above each.
class CSettingsWindow : public CDialog {
public:
    CSettingsWindow() : CDialog(IDD_DEMO_SETTINGS) {}
    ~CSettingsWindow() override
    {
        mManager.Reset();
        if (m_hWnd)
            DestroyWindow();
    }
    CDialogPanelManager mManager;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        mManager.Paint(&dc);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSettingsWindow, CDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CString Caption(CExpandPanel& group)
{
    bool ok = true;
    const CString text = group.IsExpanded() ? group.CPanelInfo::GetText() : group.GetText(ok);
    return CString("  \"") + text + "\"" + (ok ? "" : " (red: something is missing)");
}

void SayCaptions(CTour& tour, std::initializer_list<CExpandPanel*> groups)
{
    for (CExpandPanel* group : groups) {
        if (group->GetStyle() & WS_VISIBLE)
            tour.Say(Caption(*group) + (group->IsExpanded() ? " open" : ""));
    }
}

// One page of the export wizard.
class CPagePanel : public CPanel {
public:
    explicit CPagePanel(const char* text) : CPanel(IDD_DEMO_PAGE), mText(text) {}

protected:
    BOOL OnInitDialog() override
    {
        CPanel::OnInitDialog();
        SetDlgItemText(IDC_DEMO_PAGE_TEXT, mText);
        return TRUE;
    }

private:
    CString mText;
};

// Three pages; OK only on the last one.
class CDemoExportWizard : public CStackExportDialog {
protected:
    void SetupPanels() override
    {
        mStack.AddPanel(&mPages[0], &mFormat, "1. Format");
        mStack.AddPanel(&mPages[1], &mQuality, "2. Quality");
        mStack.AddPanel(&mPages[2], &mDestination, "3. Destination");
    }
    bool CanOk() override { return !mStack.CanNext(); }

private:
    CStackPanelInfo mPages[3];
    CPagePanel mFormat{"Export the recording as MPEG-4 video (H.264 and AAC), for players and phones."};
    CPagePanel mQuality{"Quality: 1280 x 720 at 30 frames per second, 4 Mbit/s."};
    CPagePanel mDestination{"The exported file goes to the Videos folder, beside the recording."};
};

// A long check of four recordings, block by block, paced like a real disk: the job and
// the recording being read are the two levels a progress dialog shows.
class CLongChecksumJob : public CWorkerThread {
public:
    static const int kRecordings = 4;
    static const int kBlocks = 60;

    char* GetText() override { return UStringBuffer::Text("Checking the recordings of the last week"); }
    char* GetDetailText() override
    {
        CString text;
        text.Format("recording %d of %d", mRecording.load() + 1, kRecordings);
        return UStringBuffer::Text(text);
    }
    double GetDetailProgress() override { return static_cast<double>(mBlock.load()) / kBlocks; }
    int GetChecked() const { return mChecked.load(); }

protected:
    void ExecuteSelf(long) override
    {
        std::vector<unsigned char> block(256 * 1024);
        unsigned long sum = 2166136261UL;
        for (int r = 0; r < kRecordings && !IsCanceled(); ++r) {
            mRecording = r;
            StartDetailProgress();
            for (int b = 0; b < kBlocks && !IsCanceled(); ++b) {
                for (size_t i = 0; i < block.size(); ++i)
                    sum = (sum ^ static_cast<unsigned char>((i * 31 + b + r) & 0xFF)) * 16777619UL;
                ::Sleep(40);
                mBlock = b + 1;
                mProgress = (r + static_cast<double>(b + 1) / kBlocks) / kRecordings;
            }
            if (!IsCanceled())
                mChecked = r + 1;
        }
    }

private:
    std::atomic<int> mRecording{0};
    std::atomic<int> mBlock{0};
    std::atomic<int> mChecked{0};
};

// Cancels the job when the dialog's Cancel is pressed, and notes when the job is over.
class CCancelOnRequest : public CListener {
public:
    explicit CCancelOnRequest(CWorkerThread& job) : mJob(job) {}
    bool cancelRequested = false;
    bool finished = false;

    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        if (code == CProgressWindow::kCancel) {
            cancelRequested = true;
            mJob.Cancel();
            return true;
        }
        if (code == CWorkerThread::kThreadFinished) {
            finished = true;
            return true;
        }
        return CListener::ListenToMessage(code, sender, extra);
    }

private:
    CWorkerThread& mJob;
};

} // namespace

namespace PanelsTour {

void ShowSettingsWindow(CTour& tour)
{
    CSettingsWindow window;
    if (!window.Create(IDD_DEMO_SETTINGS)) {
        tour.Say("the settings window could not be made");
        return;
    }
    CExpandPanel video, audio, output, title;
    CDemoPanel videoPanel(IDD_DEMO_VIDEO, "640x480, 30 fps", true);
    CDemoPanel audioPanel(IDD_DEMO_AUDIO, "44.1 kHz stereo", true);
    CDemoPanel outputPanel(IDD_DEMO_OUTPUT, "no folder chosen", false);
    CEditPanel titlePanel;
    CDialogPanelManager& manager = window.mManager;
    manager.SetParent(&window);
    manager.AddPanel(&video, &videoPanel, "Video");
    manager.AddPanel(&audio, &audioPanel, "Audio");
    manager.AddPanel(&output, &outputPanel, "Output");
    manager.AddPanel(&title, &titlePanel, "Title text");
    manager.Arrange();
    ::SetWindowPos(window.m_hWnd, HWND_TOP, 120, 60, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    tour.Say("the converter's settings are four groups of panels, all closed, each summed up in one line:");
    SayCaptions(tour, {&video, &audio, &output, &title});
    tour.Pump(300);
    tour.Screenshot("settings-closed");

    video.Expand();
    tour.Say("Video opened: its panel shows, the other groups stay closed");
    tour.Pump(300);
    tour.Screenshot("settings-video-open");

    outputPanel.SetDlgItemText(IDC_DEMO_FOLDER, "C:\\Users\\Public\\Videos");
    outputPanel.SetSummary("C:\\Users\\Public\\Videos", true);
    audioPanel.SetEnable(false);
    tour.Say("a folder is chosen (Output turns black) and audio is switched off (its group goes):");
    SayCaptions(tour, {&video, &audio, &output, &title});

    CHandle text;
    const char kTitle[] = "Summer holiday 2026";
    text.Append(kTitle, sizeof kTitle - 1);
    title.Expand();
    titlePanel.SetData(text);
    // The text takes the format the editors used last, which the editor keeps.
    titlePanel.GetDefault();
    titlePanel.UpdateControls();
    tour.Say("Title text opened: the formatted-text editor, a panel like any other");
    tour.Pump(300);
    tour.Screenshot("settings-title-editor");
}

void ShowExportWizard(CTour& tour)
{
    CDemoExportWizard wizard;
    tour.WhileModal([&wizard] { wizard.DoModal(); },
                    [](CTour& t) {
                        HWND dialog = CTour::WaitForWindow(nullptr, "Export");
                        if (!dialog) {
                            t.Say("the export wizard did not open");
                            return;
                        }
                        t.Say("the export wizard shows one page at a time; OK waits for the last page");
                        t.Screenshot("export-wizard-first");
                        for (int i = 0; i < 2; ++i)
                            ::SendMessageA(::GetDlgItem(dialog, IDC_TNW_STACK_NEXT), BM_CLICK, 0, 0);
                        const bool ok = ::IsWindowEnabled(::GetDlgItem(dialog, IDOK)) != FALSE;
                        t.Say(ok ? "Next twice: the last page, and OK is enabled" : "OK stayed disabled");
                        t.Screenshot("export-wizard-last");
                        ::SendMessageA(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
                    });
}

void CancelChecksumJob(CTour& tour)
{
    CLongChecksumJob job;
    job.SetAutoDelete(false);
    CCancelOnRequest reaction(job);
    job.AddListener(&reaction);
    CProgressDialog2 dialog(200);
    dialog.AddListener(&reaction);
    dialog.SetAction(&job, true);
    if (!job.Execute(0)) {
        tour.Say("the checksum job did not start");
        return;
    }
    dialog.Start("Checking recordings");
    const ULONGLONG deadline = ::GetTickCount64() + 30000;
    while (!reaction.finished && job.GetProgress() < 0.3 && ::GetTickCount64() < deadline)
        tour.Pump(100);
    tour.Say("a long check runs under the progress dialog: the job and the recording being read, each with "
             "its time and the time left");
    tour.Screenshot("checksum-progress");
    while (!reaction.finished && job.GetProgress() < 0.5 && ::GetTickCount64() < deadline)
        tour.Pump(20);

    CWnd* cancel = dialog.GetDlgItem(IDCANCEL);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel->m_hWnd));
    while (!reaction.finished && ::GetTickCount64() < deadline)
        tour.Pump(100);
    CString line;
    line.Format("Cancel pressed halfway: the dialog told its listener, which stopped the job after %d of %d "
                "recordings; the dialog stays until the job is over",
                job.GetChecked(), CLongChecksumJob::kRecordings);
    tour.Say(reaction.cancelRequested ? line : CString("Cancel was not reported"));
    tour.Screenshot("checksum-cancelled");
    dialog.End();
}

} // namespace PanelsTour

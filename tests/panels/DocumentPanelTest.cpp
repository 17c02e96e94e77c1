#include "panels/panels.h"
#include "persist/PersistUtils.h"

#include "DialogDriver.h"
#include "HeardBroadcasts.h"
#include "PreservedFile.h"
#include "ScratchFolder.h"
#include "ScratchSettings.h"
#include "TestApp.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CJob : public CPersistObject {
public:
    long mValue = 0;
    void Clear() override { mValue = 0; }
    void SaveSelf(const char*, CPersistStorage& storage) override { storage.Save("Value", mValue); }
    void LoadSelf(const char*, CPersistStorage& storage) override { storage.Load("Value", mValue); }
};

// The value a job file holds, or -1 when it cannot be read.
long Stored(const std::string& path)
{
    CJob job;
    return UPersistUtils::Load(path.c_str(), job) ? job.mValue : -1;
}

const int kFileNameBox = 0x47C;

// A document panel whose document the test may take away.
class CJobPanel : public CTopPanel {
public:
    CJobPanel() : CTopPanel(IDD_TEST_PANEL) {}
    CPersistObject* GetObjectA() override { return mHasJob ? &mJob : nullptr; }
    void Command(UINT id) { SendMessage(WM_COMMAND, id); }
    // Gives a command while a person answers the file dialog it opens with a path and a
    // button; whether the dialog opened.
    bool Command(UINT id, const char* title, const std::string& path, int button)
    {
        CDialogDriver driver(title, [path, button](HWND dialog) {
            CDialogDriver::Type(dialog, kFileNameBox, path.c_str());
            CDialogDriver::Press(dialog, button);
        }, 15000);
        Command(id);
        return driver.Acted();
    }
    void Refresh() override { ++mRefreshed; }
    CJob mJob;
    int mRefreshed = 0;
    bool mHasJob = true;
};

class CSettingsPanel : public CMainPanel {
public:
    explicit CSettingsPanel(CJob& settings) : CMainPanel(IDD_TEST_PANEL) { mObject = &settings; }
};

// Holds a file open so that nobody else may open it, as another program might.
class StLockedFile {
public:
    explicit StLockedFile(const std::string& path)
        : mHandle(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~StLockedFile() { ::CloseHandle(mHandle); }

private:
    HANDLE mHandle;
};

class CCountingController : public CObjectController2 {
public:
    explicit CCountingController(const char* summary) : mSummary(summary) {}
    void Refresh() override { ++mRefreshed; }
    char* GetSummaryText() override { return UStringBuffer::Text(mSummary); }
    bool IsValid() override { return mValid; }
    void AskToBeShown() { RequestShow(); }
    const char* mSummary;
    bool mValid = true;
    int mRefreshed = 0;
};

class CJobObjectPanel : public CObjectPanel {
public:
    CJobObjectPanel() : CObjectPanel(IDD_TEST_PANEL) {}
    void SetupControls() override {}
};

class CJobEditDialog : public CObjectEditDialog {
public:
    void SetupPanels() override
    {
        mStack.AddPanel(&mPages[0], &mPanels[0], "General");
        mStack.AddPanel(&mPages[1], &mPanels[1], "Output");
    }
    CStackPanelInfo mPages[2];
    CPanel mPanels[2] = {CPanel(IDD_TEST_PANEL), CPanel(IDD_TEST_PANEL)};
};

// A document panel in a host, with a listener, settings and a folder of its own.
class TopPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Create(IDD_TEST_HOST));
        ASSERT_TRUE(panel.CreateInWindow(&host, true));
        panel.AddListener(&heard);
        TestApp().ForgetMessageBoxes();
    }

    ScratchSettings store;
    ScratchFolder folder;
    CDialog host{IDD_TEST_HOST};
    CJobPanel panel;
    CHeardBroadcasts heard;
};

} // namespace

TEST_F(TopPanelTest, FileCommandsGoThroughTheDialogsAndAnnounceEveryNewDocumentAndFailuresCostNothing)
{
    const std::string path = folder.File("job.tst");
    panel.mJob.mValue = 7;

    EXPECT_TRUE(panel.Command(ID_FILE_SAVE, "Save File", path, IDCANCEL)) << "a document without a file asks where to go";
    EXPECT_FALSE(UFileUtils::FileExist(path.c_str()));
    EXPECT_TRUE(heard.codes.empty());
    EXPECT_TRUE(panel.Command(ID_FILE_SAVE, "Save File", path, IDOK));
    EXPECT_EQ(std::string(panel.GetFilePath()), path);
    ASSERT_EQ(heard.codes, std::vector<long>{CTopPanel::kDocumentChanged});
    EXPECT_EQ(heard.senders[0], &panel);

    panel.Command(ID_FILE_NEW);
    EXPECT_EQ(panel.mJob.mValue, 0);
    EXPECT_EQ(panel.mRefreshed, 1) << "the controls show the cleared document";
    EXPECT_TRUE(panel.GetFilePath().IsEmpty());
    EXPECT_TRUE(panel.Command(ID_FILE_OPEN, "Open File", path, IDOK));
    EXPECT_EQ(panel.mJob.mValue, 7);
    EXPECT_EQ(std::string(panel.GetFilePath()), path);
    EXPECT_EQ(heard.codes.size(), 3u);

    panel.mHasJob = false;
    panel.Command(ID_FILE_NEW);
    EXPECT_TRUE(panel.GetFilePath().IsEmpty());
    EXPECT_EQ(heard.codes.size(), 4u) << "a new document is announced even without an object";
    EXPECT_TRUE(TestApp().MessageBoxes().empty());

    // A file that cannot be read or written is reported and never costs the document.
    panel.mHasJob = true;
    const std::string first = folder.File("first.tst");
    const std::string second = folder.File("second.tst");
    CJob job;
    job.mValue = 1;
    ASSERT_TRUE(UPersistUtils::Save(first.c_str(), job));
    job.mValue = 2;
    ASSERT_TRUE(UPersistUtils::Save(second.c_str(), job));
    ASSERT_TRUE(panel.LoadData(first.c_str()));
    heard.Forget();

    {
        StLockedFile locked(second);
        EXPECT_FALSE(panel.LoadData(second.c_str()));
    }
    EXPECT_EQ(std::string(panel.GetFilePath()), first);
    EXPECT_EQ(panel.mJob.mValue, 1);
    EXPECT_TRUE(heard.codes.empty());
    ASSERT_EQ(TestApp().MessageBoxes().size(), 1u);
    EXPECT_EQ(TestApp().MessageBoxes()[0], "Error. Unable to open " + second + ".");

    // The panel's own file failing: the next Save asks rather than writing over it.
    {
        StLockedFile locked(first);
        EXPECT_FALSE(panel.LoadData(first.c_str()));
    }
    EXPECT_TRUE(panel.GetFilePath().IsEmpty());
    panel.mJob.mValue = 3;
    EXPECT_TRUE(panel.Command(ID_FILE_SAVE, "Save File", first, IDCANCEL));
    EXPECT_EQ(Stored(first), 1);

    // Saves that cannot write are told and change nothing: a folder stands where the new
    // image would be written first.
    ASSERT_TRUE(panel.LoadData(first.c_str()));
    const std::string third = folder.File("third.tst");
    ASSERT_TRUE(::CreateDirectoryA((first + ".new").c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectoryA((third + ".new").c_str(), nullptr));
    heard.Forget();
    TestApp().ForgetMessageBoxes();
    panel.Command(ID_FILE_SAVE);
    EXPECT_TRUE(panel.Command(ID_FILE_SAVE_AS, "Save File", third, IDOK));
    EXPECT_EQ(TestApp().MessageBoxes(), (std::vector<std::string>{"Error. Unable to save " + first + ".",
                                                                   "Error. Unable to save " + third + "."}));
    EXPECT_EQ(std::string(panel.GetFilePath()), first);
    EXPECT_TRUE(heard.codes.empty());
    EXPECT_EQ(Stored(first), 1);
    TestApp().ForgetMessageBoxes();
}

TEST(DocumentPanelTest, MainPanelLoadsTheDefaultSettingsWhenMadeAndSavesThemWhenItsWindowGoes)
{
    ScratchSettings store;
    PreservedFile data(UDirectoryUtils::GetUserAppDataDirectory() + "Data.xml");
    CJob settings;
    for (long saved : {0L, 12L}) {
        settings.mValue = 0;
        CDialog host(IDD_TEST_HOST);
        ASSERT_TRUE(host.Create(IDD_TEST_HOST));
        CSettingsPanel panel(settings);
        ASSERT_TRUE(panel.CreateInWindow(&host, true));
        EXPECT_EQ(settings.mValue, saved);
        settings.mValue = 12;
        host.DestroyWindow();
    }
}

TEST(DocumentPanelTest, ObjectPanelFollowsItsControllersAndShowsOnlyWithAnObject)
{
    CCountingController first("H.264"), second("AAC"), other("MP3");
    CJobObjectPanel panel;
    CHeardBroadcasts heard;
    panel.AddListener(&heard);
    panel.SetController(&first);
    panel.SetController(&first);
    EXPECT_EQ(first.GetListenerCount(), 1);
    panel.SetController2(&other);
    panel.SetController2(&second);
    EXPECT_EQ(other.GetListenerCount(), 0);
    EXPECT_EQ(second.GetListenerCount(), 1);

    bool ok = false;
    first.mValid = false;
    EXPECT_EQ(std::string(panel.GetDetailedText(ok)), "H.264, AAC");
    EXPECT_FALSE(ok);

    panel.SetAutoShow(true);
    EXPECT_FALSE(panel.IsEnabled()) << "nothing to edit";
    CJob job;
    heard.Forget();
    panel.SetObject(&job);
    EXPECT_TRUE(panel.IsEnabled());
    EXPECT_EQ(first.mRefreshed, 1);
    EXPECT_EQ(heard.codes, (std::vector<long>{CPanel::kEnabledChanged, CPanel::kSummaryChanged}));

    heard.Forget();
    job.Notify('valu', 0, 0);
    first.AskToBeShown();
    ASSERT_EQ(heard.codes, (std::vector<long>{CPanel::kSummaryChanged, CPanel::kOpenMe}));
    EXPECT_EQ(heard.senders.back(), &panel);

    panel.SetObject(nullptr);
    EXPECT_FALSE(panel.IsEnabled());

    // A controller destroyed first is let go of, not reached.
    {
        CCountingController shortLived("x");
        panel.SetController(&shortLived);
        panel.SetObject(&job);
    }
    EXPECT_EQ(panel.GetObjectA(), nullptr);
    panel.Refresh();
    EXPECT_EQ(second.mRefreshed, 1);
}

TEST(DocumentPanelTest, EditDialogShowsTheFirstPageOnlyAndEndsWithOk)
{
    CJobEditDialog dialog;
    bool firstShown = false;
    bool secondShown = true;
    CDialogDriver driver("Edit", [&](HWND window) {
        firstShown = ::IsWindowVisible(dialog.mPanels[0].m_hWnd) != FALSE;
        secondShown = ::IsWindowVisible(dialog.mPanels[1].m_hWnd) != FALSE;
        CDialogDriver::Press(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(driver.Acted());
    EXPECT_TRUE(firstShown);
    EXPECT_FALSE(secondShown);
}

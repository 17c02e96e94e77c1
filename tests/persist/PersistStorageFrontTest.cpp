#include "tnwmfcut.h"

#include "DialogDriver.h"
#include "PreservedFile.h"
#include "ScratchFolder.h"
#include "ScratchSettings.h"
#include "XmlTexts.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

class CWindowPlace : public CPersistObject {
public:
    long mLeft = 0;
    void SaveSelf(const char*, CPersistStorage& storage) override { storage.Save("Left", mLeft); }
    void LoadSelf(const char*, CPersistStorage& storage) override { storage.Load("Left", mLeft); }
};

unsigned long RunningMark()
{
    return CRegistry("Crash Guard", "Running", nullptr).GetValue(99);
}

// The settings of an application: a count, a title, a switch and a window's place. Notes
// the crash guard's running mark while it loads.
class CAppSettings : public CPersistObject {
public:
    long mCount = 0;
    CString mTitle;
    bool mEnabled = true;
    CWindowPlace mWindow;
    unsigned long markWhileLoading = 99;

    static CAppSettings Example()
    {
        CAppSettings settings;
        settings.mCount = 3;
        settings.mTitle = "My Converter";
        settings.mEnabled = false;
        settings.mWindow.mLeft = 10;
        return settings;
    }
    void SaveSelf(const char*, CPersistStorage& storage) override
    {
        storage.Save("Count", mCount);
        storage.Save("Title", static_cast<const char*>(mTitle));
        storage.Save("Enabled", mEnabled);
        mWindow.Save("Window", storage);
    }
    void LoadSelf(const char*, CPersistStorage& storage) override
    {
        markWhileLoading = RunningMark();
        storage.Load("Count", mCount);
        UPersistUtils::Load(storage, "Title", mTitle);
        storage.Load("Enabled", mEnabled);
        mWindow.Load("Window", storage);
    }
};

// A file name of its own in the application-data folders, removed at the end from both
// with the folders the test made.
class DataFile {
public:
    const char* Name() const { return mName.c_str(); }
    const std::string& UserPath() const { return mUser.Path(); }
    const std::string& CommonPath() const { return mCommon.Path(); }

private:
    std::string mName = "tnwtest Data " + std::to_string(::GetCurrentProcessId()) + ".xml";
    PreservedFile mUser{ UDirectoryUtils::GetUserAppDataDirectory() + mName };
    PreservedFile mCommon{ UDirectoryUtils::GetCommonAppDataDirectory() + mName };
};

const int kFileNameBox = 0x47C;
const int kFileTypesBox = 0x470;

// Runs the prompt while a person types path into the file dialog and presses button,
// noting the dialog's first filter: the prompt's result, 1 or 0, or -1 when no dialog came.
int Answered(const char* title, const std::string& path, int button, std::string& filter,
             const std::function<bool()>& prompt)
{
    CDialogDriver driver(title, [path, button, &filter](HWND dialog) {
        char text[256] = {};
        ::SendDlgItemMessageA(dialog, kFileTypesBox, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
        filter = text;
        CDialogDriver::Type(dialog, kFileNameBox, path.c_str());
        CDialogDriver::Press(dialog, button);
    }, 15000);
    const bool result = prompt();
    return driver.Acted() ? result : -1;
}

// Every test keeps the crash guard's mark and its files in a settings store of its own.
class PersistStorageFront : public ::testing::Test {
protected:
    ScratchSettings mStore;
};

} // namespace

TEST_F(PersistStorageFront, DefaultSaveWritesTheSettingsFileLineByLine)
{
    DataFile file;
    CAppSettings saved = CAppSettings::Example();
    bool written = false;
    EXPECT_TRUE(UPersistStorage::DefaultSave(saved, "Settings", file.Name(), written));
    EXPECT_TRUE(written);
    EXPECT_EQ(ReadWholeFile(file.UserPath()), kDeclarationLine +
                                                  "<Settings>\r\n"
                                                  "<Count>3</Count>\r\n"
                                                  "<ObjectVersion>01000000</ObjectVersion>\r\n"
                                                  "<Title>My Converter</Title>\r\n"
                                                  "<Window>\r\n"
                                                  "<Left>10</Left>\r\n"
                                                  "<ObjectVersion>01000000</ObjectVersion>\r\n"
                                                  "</Window>\r\n"
                                                  "</Settings>\r\n");

    CAppSettings loaded;
    EXPECT_TRUE(UPersistStorage::DefaultLoad(loaded, "Settings", file.Name()));
    EXPECT_EQ(loaded.mCount, 3);
    EXPECT_EQ(loaded.mTitle, "My Converter");
    EXPECT_FALSE(loaded.mEnabled) << "absent, so false";
    EXPECT_EQ(loaded.mWindow.mLeft, 10);

    // Loads without a document leave the object alone, but a direct load reads any file.
    CAppSettings object = CAppSettings::Example();
    ::DeleteFileA(file.UserPath().c_str());
    EXPECT_FALSE(UPersistStorage::DefaultLoad(object, "Settings", file.Name()));
    EXPECT_FALSE(UPersistStorage::SystemLoad(object, "Settings", file.Name()));
    ASSERT_TRUE(WriteWholeFile(file.UserPath(), "Count=4\r\n"));
    EXPECT_FALSE(UPersistStorage::DefaultLoad(object, "Settings", file.Name()));
    EXPECT_EQ(object.mCount, 3);

    ScratchFolder folder;
    EXPECT_FALSE(UPersistStorage::DirectLoad(object, folder.File("missing.xml").c_str()));
    EXPECT_FALSE(UPersistStorage::DirectLoad(object, nullptr));
    EXPECT_EQ(object.mCount, 3);
    ASSERT_TRUE(WriteWholeFile(folder.File("other.xml"),
                               kDeclarationLine + "<Anything>\r\n<Count>8</Count>\r\n</Anything>\r\n"));
    EXPECT_TRUE(UPersistStorage::DirectLoad(object, folder.File("other.xml").c_str()));
    EXPECT_EQ(object.mCount, 8) << "the root is entered whatever its name";
    // A file that holds no document still loads: every value as missing.
    ASSERT_TRUE(WriteWholeFile(folder.File("empty.xml"), ""));
    EXPECT_TRUE(UPersistStorage::DirectLoad(object, folder.File("empty.xml").c_str()));
    EXPECT_EQ(object.mCount, 0);
    EXPECT_EQ(object.mTitle, "My Converter") << "a missing text stays";
}

TEST_F(PersistStorageFront, SystemFilesLieInTheAllUsersFolderUnlessTheUserHasACopyAndSavesTellWhatWasWritten)
{
    DataFile file;
    CAppSettings saved = CAppSettings::Example();
    bool written = false;
    EXPECT_TRUE(UPersistStorage::SystemSave(saved, "Shared Settings", file.Name(), written));
    EXPECT_TRUE(written);
    EXPECT_NE(ReadWholeFile(file.CommonPath()).find("<Shared_Settings>\r\n<Count>3</Count>"), std::string::npos);
    EXPECT_FALSE(UFileUtils::FileExist(file.UserPath().c_str()));

    CAppSettings loaded;
    EXPECT_TRUE(UPersistStorage::SystemLoad(loaded, "Shared Settings", file.Name()));
    EXPECT_EQ(loaded.mTitle, "My Converter");
    saved.mTitle = "Mine";
    UPersistStorage::DefaultSave(saved, "Shared Settings", file.Name());
    EXPECT_TRUE(UPersistStorage::SystemLoad(loaded, "Shared Settings", file.Name()));
    EXPECT_EQ(loaded.mTitle, "Mine") << "the per-user copy wins";

    // Saves report true but tell whether the file was written: a file stands where the
    // folder of the settings file would have to be, in both folders.
    ASSERT_TRUE(WriteWholeFile(file.UserPath(), "in the way"));
    ASSERT_TRUE(WriteWholeFile(file.CommonPath(), "in the way"));
    const std::string blocked = std::string(file.Name()) + "\\Data.xml";
    written = true;
    EXPECT_TRUE(UPersistStorage::DefaultSave(saved, "Settings", blocked.c_str(), written));
    EXPECT_FALSE(written);
    written = true;
    EXPECT_TRUE(UPersistStorage::SystemSave(saved, "Settings", blocked.c_str(), written));
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadWholeFile(file.UserPath()), "in the way");
}

TEST_F(PersistStorageFront, DefaultLoadsSkipTheSettingsAfterACrashedRun)
{
    DataFile file;
    CAppSettings saved = CAppSettings::Example();
    UPersistStorage::DefaultSave(saved, "Settings", file.Name());

    // The last run ended without destroying its guard.
    CRegistry("Crash Guard", "Running", nullptr).SetValue(1);
    CAppSettings loaded;
    EXPECT_FALSE(UPersistStorage::DefaultLoad(loaded, "Settings", file.Name()));
    EXPECT_EQ(loaded.markWhileLoading, 99u) << "nothing loaded";
    // That load ended cleanly, so the next one loads, marked as running meanwhile.
    EXPECT_EQ(RunningMark(), 0u);
    EXPECT_TRUE(UPersistStorage::DefaultLoad(loaded, "Settings", file.Name()));
    EXPECT_EQ(loaded.mCount, 3);
    EXPECT_EQ(loaded.markWhileLoading, 1u) << "a crash while loading skips the file next time";
    EXPECT_EQ(RunningMark(), 0u);

    // With the application's guard alive, its answer counts and its mark stays.
    CRegistry("Crash Guard", "Running", nullptr).SetValue(1);
    {
        StCrashGuard application;
        ASSERT_TRUE(application.Crashed());
        CAppSettings skipped;
        EXPECT_FALSE(UPersistStorage::DefaultLoad(skipped, "Settings", file.Name()));
        EXPECT_FALSE(UPersistStorage::SystemLoad(skipped, "Settings", file.Name()));
        EXPECT_FALSE(UPersistStorage::DefaultLoad(skipped, "Settings", file.Name())) << "for the whole run";
    }
    {
        StCrashGuard application;
        ASSERT_FALSE(application.Crashed());
        CAppSettings later;
        EXPECT_TRUE(UPersistStorage::DefaultLoad(later, "Settings", file.Name()));
        EXPECT_EQ(RunningMark(), 1u) << "a crash later in this run must still be seen";
    }
    EXPECT_EQ(RunningMark(), 0u);
}

TEST_F(PersistStorageFront, PromptedSaveAndLoadUseTheFileTheUserPicksAndACancelTouchesNothing)
{
    ScratchFolder folder;
    const std::string path = folder.File("picked.xml");
    CAppSettings saved = CAppSettings::Example();
    std::string filter;
    bool written = true;
    const auto save = [&] { return UPersistStorage::PromptSave(saved, "xml", "Data", written); };
    EXPECT_EQ(Answered("Save File", folder.File("never.xml"), IDCANCEL, filter, save), 0);
    EXPECT_FALSE(written);
    EXPECT_FALSE(UFileUtils::FileExist(folder.File("never.xml").c_str()));
    EXPECT_EQ(Answered("Save File", path, IDOK, filter, save), 1);
    EXPECT_EQ(filter, "Data(*.xml)");
    EXPECT_TRUE(written);
    EXPECT_EQ(ReadWholeFile(path).find(kDeclarationLine + "<Settings>\r\n<Count>3</Count>"), 0u);

    CAppSettings loaded;
    const auto load = [&] { return UPersistStorage::PromptLoad(loaded, "xml", "Data"); };
    EXPECT_EQ(Answered("Open File", path, IDCANCEL, filter, load), 0);
    EXPECT_EQ(loaded.mCount, 0);
    filter.clear();
    EXPECT_EQ(Answered("Open File", path, IDOK, filter, load), 1);
    EXPECT_EQ(filter, "Data(*.xml)");
    EXPECT_EQ(loaded.mTitle, "My Converter");
    EXPECT_EQ(loaded.mWindow.mLeft, 10);
}

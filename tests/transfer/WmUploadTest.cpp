#include "CopyTestSupport.h"
#include "ScratchFolder.h"
#include "StandIns.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char kVideos[] = "My Documents\\My Videos\\";

bool Contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// As the device records it.
std::string CreationTime(const std::string& path)
{
    FILETIME created = {};
    UFileUtils::GetFileTime(path.c_str(), &created);
    return std::to_string(ULARGE_INTEGER{ { created.dwLowDateTime, created.dwHighDateTime } }.QuadPart);
}

} // namespace

TEST(WmFileUpload, CopiesWholeFilesOfAnySizeAndReplacesAnOlderCopyOnlyWithACompleteOne)
{
    StStandInRapi rapi;
    ScratchFolder local;
    const std::string clip = local.File("clip.avi");
    const std::string onDevice = rapi.DeviceFile(std::string(kVideos) + "clip.avi");
    CWmFileUpload upload;
    upload.SetCopyFromFile(clip.c_str());
    upload.SetCopyToDirectory(kVideos);
    TestApp().ForgetMessageBoxes();
    struct SCase {
        size_t size;
        std::vector<std::string> writes;
    };
    const SCase cases[] = { { 0, {} }, { 8192, { "write 8192 x1" } }, { 8193, { "write 8192 x1", "write 1 x1" } } };
    for (const SCase& c : cases) {
        const std::string bytes = PatternBytes(c.size, static_cast<unsigned>(c.size) + 1);
        ASSERT_TRUE(WriteWholeFile(clip, bytes));
        rapi.Forget();
        EXPECT_TRUE(upload.Copy()) << c.size;
        EXPECT_TRUE(ReadWholeFile(onDevice) == bytes) << c.size;
        const std::vector<std::string> record = rapi.Record();
        EXPECT_TRUE(Contains(record, "init " + std::to_string(sizeof(RAPIINIT)))) << c.size;
        EXPECT_TRUE(Contains(record, "mkdir My Documents\\My Videos")) << c.size;
        EXPECT_EQ(LinesStartingWith(record, "write "), c.writes);
        EXPECT_TRUE(Contains(record, "time " + CreationTime(clip))) << c.size;
    }
    EXPECT_TRUE(TestApp().MessageBoxes().empty());

    // A copy that breaks off leaves the older copy as it was, and no part of the new one.
    rapi.Fail("write");
    ASSERT_TRUE(WriteWholeFile(clip, PatternBytes(20000, 7)));
    EXPECT_FALSE(upload.Copy());
    EXPECT_TRUE(ReadWholeFile(onDevice) == PatternBytes(8193, 8194));
    EXPECT_EQ(FileNames(rapi.DeviceFile(kVideos)), std::vector<std::string>{ "clip.avi" });
    EXPECT_EQ(TestApp().MessageBoxes(),
              std::vector<std::string>{ "Error. Unable to copy clip.avi to the Windows Mobile device." });

    // A file beyond 4 GiB goes whole.
    rapi.Forget();
    rapi.Fail("");
    const std::string big = local.File("long.mpg");
    const __int64 size = kFourGiB + 10;
    ASSERT_TRUE(MakeSparseFile(big, size, size - 10, "last bytes"));
    upload.SetCopyFromFile(big.c_str());
    upload.SetCopyToDirectory("\\");
    EXPECT_TRUE(upload.Copy());
    EXPECT_EQ(UFileUtils::GetFileSize(rapi.DeviceFile("long.mpg").c_str()), size);
    EXPECT_EQ(ReadAt(rapi.DeviceFile("long.mpg"), size - 10, 10), "last bytes");
    EXPECT_EQ(LinesStartingWith(rapi.Record(), "write "), (std::vector<std::string>{ "write 8192 x524288", "write 10 x1" }));
}

TEST(WmFileUpload, EachFailureSaysWhatWentWrongAndLeavesTheDeviceAlone)
{
    ScratchFolder local;
    const std::string clip = local.File("clip.avi");
    ASSERT_TRUE(WriteWholeFile(clip, "clip"));
    const std::string connect = CWmFileUpload::kConnectMessage;
    const std::string noDevice = CWmFileUpload::kNoDeviceMessage;
    struct SCase {
        StStandInRapi::EBuild build;
        const char* failure;
        std::string file;
        std::string message;
    };
    const SCase cases[] = {
        { StStandInRapi::kComplete, "disconnected", clip, connect },
        { StStandInRapi::kComplete, "init", clip, connect },
        { StStandInRapi::kComplete, "create", clip, noDevice },
        { StStandInRapi::kWithoutCreateFile, "", clip, noDevice },
        { StStandInRapi::kComplete, "", local.File("gone.avi"), "Error. Cannot find " + local.File("gone.avi") + "." },
    };
    for (const SCase& c : cases) {
        StStandInRapi rapi(c.build);
        if (std::string(c.failure) == "disconnected")
            rapi.Disconnect();
        else
            rapi.Fail(c.failure);
        CWmFileUpload upload;
        upload.SetCopyFromFile(c.file.c_str());
        upload.SetCopyToDirectory(kVideos);
        TestApp().ForgetMessageBoxes();
        EXPECT_FALSE(upload.Copy()) << c.failure;
        EXPECT_EQ(TestApp().MessageBoxes(), std::vector<std::string>{ c.message }) << c.failure;
        EXPECT_TRUE(FileNames(rapi.DeviceFile(kVideos)).empty()) << c.failure;
    }
    // Without the Remote API on the machine.
    CWmFileUpload upload;
    upload.SetCopyFromFile(clip.c_str());
    TestApp().ForgetMessageBoxes();
    EXPECT_FALSE(upload.Copy());
    EXPECT_EQ(TestApp().MessageBoxes(), std::vector<std::string>{ connect });
}

TEST(WindowsMobileSyncer, PutsFilesInTheirMediaFolderOnTheCardAndRingtonesInMemory)
{
    StStandInRapi rapi;
    ScratchFolder local;
    const std::string clip = local.File("clip.avi");
    ASSERT_TRUE(WriteWholeFile(clip, "clip"));
    CWindowsMobileSyncer syncer;
    syncer.SetVideoFolder("Videos");
    syncer.SetRingtoneFolder("Application Data\\Sounds");
    syncer.SetSubFolder("Show");
    syncer.SetAddToStorageCard(true);
    syncer.SetFromFile(clip.c_str());
    syncer.SetMediaType(kMediaTypeVideo);
    EXPECT_TRUE(syncer.Sync());
    EXPECT_EQ(ReadWholeFile(rapi.DeviceFile("Storage Card\\Videos\\Show\\clip.avi")), "clip");
    syncer.SetMediaType(kMediaTypeRingtone);
    EXPECT_TRUE(syncer.Sync());
    EXPECT_EQ(std::string(syncer.GetDestination()), "Application Data\\Sounds\\Show\\");
    syncer.SetMediaType(static_cast<EMediaType>(4));
    EXPECT_TRUE(syncer.Sync());
    EXPECT_EQ(std::string(syncer.GetDestination()), "Storage Card\\");
    EXPECT_EQ(ReadWholeFile(rapi.DeviceFile("Storage Card\\clip.avi")), "clip");
}

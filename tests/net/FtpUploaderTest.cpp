#include "MessagePump.h"
#include "ServedFolder.h"

#include "StandInVideoSource.h"
#include "tnwmfcut.h"

#include <gtest/gtest.h>
#include <winternl.h>

#include <memory>
#include <vector>

namespace {

// The handles this process holds. Wine answers GetProcessHandleCount with 0, so the
// system's handle table is counted instead.
unsigned long CountProcessHandles()
{
    DWORD count = 0;
    if (::GetProcessHandleCount(::GetCurrentProcess(), &count) && count)
        return count;
    struct SHandleEntry {
        ULONG ownerProcess;
        BYTE objectType;
        BYTE flags;
        USHORT value;
        PVOID object;
        ULONG access;
    };
    struct SHandleTable {
        ULONG count;
        SHandleEntry entries[1];
    };
    using Query = NTSTATUS(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<Query>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation"));
    const ULONG kSystemHandleInformation = 16;
    std::vector<char> buffer(1 << 20);
    ULONG needed = 0;
    NTSTATUS status;
    while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) ==
           static_cast<NTSTATUS>(0xC0000004L))
        buffer.resize(buffer.size() * 2);
    if (status != 0)
        return 0;
    const auto* table = reinterpret_cast<const SHandleTable*>(buffer.data());
    unsigned long own = 0;
    for (ULONG i = 0; i < table->count; ++i)
        if (table->entries[i].ownerProcess == ::GetCurrentProcessId())
            ++own;
    return own;
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

class FtpUploaderTest : public ServedFolder<CLocalServer::kFtp> {
protected:
    void SetUp() override { ASSERT_TRUE(sServer->Start()); }

    static void LogIn(CFtpUploader& uploader, const char* path)
    {
        uploader.SetServer("127.0.0.1");
        uploader.SetPort(sServer->Port());
        uploader.SetUserName(CLocalServer::kUser);
        uploader.SetPassword(CLocalServer::kPassword);
        uploader.SetPath(path);
        uploader.SetTimeout(5000);
    }

    // One upload now, whatever the interval.
    static bool Upload(CFtpUploader& uploader, const std::string& bytes)
    {
        uploader.SetLastUploadTime(0);
        return uploader.WriteData(reinterpret_cast<const unsigned char*>(bytes.data()),
                                  static_cast<unsigned long>(bytes.size()));
    }

    static std::string Stored(const char* path) { return ReadWholeFile(sRoot->File(path)); }
};

TEST_F(FtpUploaderTest, UploadsCreateMissingFoldersAndKeepTheLogin)
{
    for (bool passive : { false, true }) {
        const std::string folder = passive ? "passive" : "active";
        CFtpUploader uploader;
        LogIn(uploader, (folder + "/today/cam/live.jpg").c_str());
        uploader.SetPassive(passive);
        ASSERT_TRUE(Upload(uploader, "first picture")) << folder << ": " << uploader.GetStatus();
        EXPECT_EQ(uploader.GetStatus(), "Image uploaded successfully.");
        EXPECT_EQ(Stored((folder + "\\today\\cam\\live.jpg").c_str()), "first picture");
        ASSERT_TRUE(uploader.IsOpen());

        // The second upload replaces the picture over the same login.
        ASSERT_TRUE(Upload(uploader, "second picture"));
        EXPECT_TRUE(uploader.IsOpen());
        EXPECT_EQ(Stored((folder + "\\today\\cam\\live.jpg").c_str()), "second picture");

        uploader.SetServer("localhost");
        EXPECT_FALSE(uploader.IsOpen()) << "a new server closes the connection";
        EXPECT_EQ(uploader.GetStatus(), "Disconnected from the FTP server.");
    }

    // Without a "/", a file that cannot be opened (a folder stands there) is a failure.
    ASSERT_TRUE(::CreateDirectoryA(sRoot->File("blocked").c_str(), nullptr));
    CFtpUploader flat;
    LogIn(flat, "blocked");
    EXPECT_FALSE(Upload(flat, "picture"));
    EXPECT_EQ(flat.GetStatus(), "Disconnected from the FTP server.");
}

TEST_F(FtpUploaderTest, LineBreaksNeverReachTheServerAndFailedUploadsReconnectAtTheNextCycle)
{
    CFtpUploader uploader;
    LogIn(uploader, "cam/live.jpg");
    // Refused: the uploads below go to the login and the path given first.
    EXPECT_FALSE(uploader.SetPath("cam/live.jpg\r\nDELE important.doc") || uploader.SetUserName("tester\nPASS x") ||
                 uploader.SetPassword("secret\r") || uploader.SetServer("127.0.0.1\n"));
    ASSERT_TRUE(Upload(uploader, "picture")) << uploader.GetStatus();
    uploader.SetPassword("wrong");
    for (int cycle = 0; cycle < 2; ++cycle) {
        EXPECT_FALSE(Upload(uploader, "picture"));
        EXPECT_EQ(uploader.GetStatus(), "Unable to connect to the FTP server. Check address, user name and password.");
    }
    uploader.SetPassword(CLocalServer::kPassword);
    ASSERT_TRUE(Upload(uploader, "picture"));

    // A transfer the server aborts after taking the bytes (its disk is full) is no upload.
    uploader.SetPath("cam/diskfull.jpg");
    EXPECT_FALSE(Upload(uploader, "picture"));
    EXPECT_NE(uploader.GetStatus(), "Image uploaded successfully.");
    EXPECT_FALSE(uploader.IsOpen());

    uploader.SetPath("cam/live.jpg");
    ASSERT_TRUE(Upload(uploader, "before"));
    sServer->Stop();
    EXPECT_FALSE(Upload(uploader, "while the server is away"));
    EXPECT_FALSE(uploader.IsOpen());
    ASSERT_TRUE(sServer->Start());
    EXPECT_TRUE(Upload(uploader, "after")) << uploader.GetStatus();
    EXPECT_EQ(Stored("cam\\live.jpg"), "after");

    EXPECT_FALSE(FtpWriteData(nullptr, reinterpret_cast<const unsigned char*>("x"), 1));
}

TEST_F(FtpUploaderTest, TheIntervalHoldsAcrossTheClockWrap)
{
    EXPECT_FALSE(CFtpUploader::HasIntervalPassed(0xFFFFF000UL, 0xFFFFF000UL + 5000UL, 5));
    EXPECT_TRUE(CFtpUploader::HasIntervalPassed(0xFFFFF000UL, 0xFFFFF000UL + 5001UL, 5));
    EXPECT_FALSE(CFtpUploader::HasIntervalPassed(0xFFFFFF00UL, 0x00000100UL, 5)) << "512 ms across the wrap";

    CFtpUploader uploader;
    unsigned long last = 0;
    EXPECT_TRUE(uploader.CheckInterval(last, 5)) << "the first upload goes at once";
    EXPECT_NE(last, 0UL);
    EXPECT_FALSE(uploader.CheckInterval(last, 5));
    uploader.SetLastUploadTime(last);
    EXPECT_FALSE(uploader.WriteData(reinterpret_cast<const unsigned char*>("x"), 1)) << "too soon after the last";
    EXPECT_EQ(uploader.GetStatus(), "") << "nothing was tried";
}

TEST_F(FtpUploaderTest, AThousandUploadsHoldNoMoreHandles)
{
    CFtpUploader uploader;
    LogIn(uploader, "cam/live.jpg");
    const std::string picture(4000, 'p');
    for (int warmUp = 0; warmUp < 20; ++warmUp)
        ASSERT_TRUE(Upload(uploader, picture));
    const unsigned long before = CountProcessHandles();
    ASSERT_GT(before, 0UL);
    for (int cycle = 0; cycle < 1000; ++cycle)
        ASSERT_TRUE(Upload(uploader, picture)) << cycle << ": " << uploader.GetStatus();
    EXPECT_LE(CountProcessHandles(), before + 5);
}

TEST_F(FtpUploaderTest, TheImageHandlerUploadsTheLatestFrame)
{
    auto* source = static_cast<CStandInVideoSource*>(TnwCreateVideoSource(320, 240));
    auto* handler = new CFtpImageHandler;
    LogIn(*handler, "cam/frame.jpg");
    handler->SetInterval(0);
    EXPECT_FALSE(handler->HandleImage()) << "without a source nothing is encoded";

    handler->SetPostback(source);
    EXPECT_TRUE(source->HasHandler());
    for (int frame = 0; frame < 3; ++frame)
        source->DeliverFrame();
    EXPECT_TRUE(handler->HasImage());

    // The upload thread serves started handlers only.
    auto* thread = new CFtpUploadThread;
    CEndWatcher end;
    thread->AddListener(&end);
    ASSERT_TRUE(thread->Execute(0));
    PumpMessagesFor(200);
    EXPECT_FALSE(UFileUtils::FileExist(sRoot->File("cam\\frame.jpg").c_str()));
    handler->Start();
    unsigned number = 0;
    const auto shows = [&](unsigned expected) {
        const std::string picture = Stored("cam\\frame.jpg");
        return CStandInVideoSource::ReadFrameNumber(picture.data(), static_cast<unsigned long>(picture.size()), number) &&
               number == expected;
    };
    EXPECT_TRUE(PumpMessagesUntil([&] { return shows(3); }, 10000)) << number;
    EXPECT_EQ(handler->GetStatus(), "Image uploaded successfully.");
    source->DeliverFrame();
    EXPECT_TRUE(PumpMessagesUntil([&] { return shows(4); }, 10000)) << number;

    // Destroying the handler detaches it from the source first.
    handler->Stop();
    delete handler;
    EXPECT_FALSE(source->HasHandler());
    thread->Cancel();
    EXPECT_TRUE(PumpMessagesUntil([&] { return end.ended; }, 10000));
    source->Release();
}

} // namespace

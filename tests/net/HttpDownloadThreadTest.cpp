#include "MessagePump.h"
#include "ServedFolder.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <vector>

namespace {

// The bytes the test server sends for its pattern replies.
std::string Pattern(size_t count)
{
    std::string bytes(count, '\0');
    for (size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<char>((i * 31 + i / 65536) % 251);
    return bytes;
}

// A download that notes the size of every block it writes, and whether it was canceled
// when it wrote it.
class CWatchedDownload : public CHttpDownloadThread {
public:
    std::vector<UINT> blocks;
    std::atomic<int> blocksAfterCancel{ 0 };

    void Cancel() override
    {
        CHttpDownloadThread::Cancel();
        canceled = true;
    }

protected:
    void WriteBlock(CFile& file, const void* data, UINT size) override
    {
        blocks.push_back(size);
        if (canceled)
            ++blocksAfterCancel;
        CHttpDownloadThread::WriteBlock(file, data, size);
    }

private:
    std::atomic<bool> canceled{ false };
};

class HttpDownloadThreadTest : public ServedFolder<CLocalServer::kHttp> {
protected:
    // Runs the download of url to the target and waits (bounded) for its end.
    CHttpDownloadThread::EResult Download(CHttpDownloadThread& thread, const std::string& url, std::string to = "")
    {
        thread.SetUrl(url.c_str());
        thread.SetOutPath((to.empty() ? target : to).c_str());
        EXPECT_TRUE(thread.Execute(0));
        EXPECT_TRUE(PumpMessagesUntil([&] { return !thread.IsRunning(); }, 30000));
        return thread.GetResult();
    }

    ScratchFolder local;
    std::string target = local.File("updates\\setup.exe");
};


TEST_F(HttpDownloadThreadTest, EveryReplyIsSavedWholeInBlocks)
{
    CWatchedDownload thread;
    ASSERT_EQ(Download(thread, sServer->Url("/bytes/20000")), CHttpDownloadThread::kComplete);
    EXPECT_TRUE(thread.IsOk() && !thread.HasConnectionError());
    EXPECT_EQ(ReadWholeFile(target), Pattern(20000));
    EXPECT_EQ(thread.blocks, (std::vector<UINT>{ 8192, 8192, 3616 }));
    EXPECT_EQ(thread.GetProgress(), 0.0) << "the counts are reset at the end";

    // Small replies, and replies without a declared length, are saved all the same.
    for (const char* shape : { "/bytes/9000", "/chunked/30000", "/unsized/30000", "/bytes/0" }) {
        CHttpDownloadThread again;
        EXPECT_EQ(Download(again, sServer->Url(shape)), CHttpDownloadThread::kComplete) << shape;
        EXPECT_TRUE(again.IsOk()) << shape;
        const std::string expected = Pattern(std::stoul(std::string(shape).substr(std::string(shape).rfind('/') + 1)));
        EXPECT_EQ(ReadWholeFile(target), expected) << shape;
    }
    EXPECT_FALSE(UFileUtils::FileExist((target + CHttpDownloadThread::kPartSuffix).c_str()));

    ASSERT_TRUE(WriteWholeFile(sRoot->File("setup.exe"), "MZ installer"));
    CHttpDownloadThread file;
    EXPECT_EQ(Download(file, sServer->Url("/files/setup.exe")), CHttpDownloadThread::kComplete);
    EXPECT_STREQ(file.GetText(), "Downloading setup.exe...");
    EXPECT_EQ(ReadWholeFile(target), "MZ installer");
}

TEST_F(HttpDownloadThreadTest, FailuresAndSilentServersLeaveTheOlderFileAsItWas)
{
    ASSERT_TRUE(UDirectoryUtils::EstablishPath(target.c_str()));
    ASSERT_TRUE(WriteWholeFile(target, "the version that works"));
    const std::string refused = "http://127.0.0.1:" + std::to_string(CLocalServer::UnusedPort()) + "/setup.exe";
    const struct {
        std::string url;
        CHttpDownloadThread::EResult result;
    } failures[] = {
        { sServer->Url("/status/404"), CHttpDownloadThread::kServerError },
        { sServer->Url("/status/500"), CHttpDownloadThread::kServerError },
        { refused, CHttpDownloadThread::kConnectionError },
        { sServer->Url("/cut/20000/9000"), CHttpDownloadThread::kConnectionError },
        // Beyond 4 GiB: a 32-bit length would read 100 bytes and call it whole.
        { sServer->Url("/cut/4294967396/1048676"), CHttpDownloadThread::kConnectionError },
        // A server that never answers, or stops in the middle, ends by the timeout.
        { sServer->Url("/stall"), CHttpDownloadThread::kConnectionError },
        { sServer->Url("/hang"), CHttpDownloadThread::kConnectionError },
        { "ftp://127.0.0.1:" + std::to_string(sServer->Port()) + "/setup.exe", CHttpDownloadThread::kBadAddress },
        { "file:///C:/windows/win.ini", CHttpDownloadThread::kBadAddress },
    };
    for (const auto& failure : failures) {
        CHttpDownloadThread thread;
        thread.SetTimeout(3000);
        EXPECT_EQ(Download(thread, failure.url), failure.result) << failure.url;
        EXPECT_FALSE(thread.IsOk()) << failure.url;
        EXPECT_EQ(thread.HasConnectionError(), failure.result == CHttpDownloadThread::kConnectionError) << failure.url;
        EXPECT_EQ(ReadWholeFile(target), "the version that works") << failure.url;
        EXPECT_FALSE(UFileUtils::FileExist((target + CHttpDownloadThread::kPartSuffix).c_str())) << failure.url;
        if (failure.url == sServer->Url("/status/404")) {
            EXPECT_EQ(thread.GetStatusCode(), 404u);
        }
    }

    // A folder that cannot be made: a file stands where it would go.
    CHttpDownloadThread blocked;
    EXPECT_EQ(Download(blocked, sServer->Url("/bytes/100"), target + "\\inside.exe"),
              CHttpDownloadThread::kLocalFileError);
    EXPECT_FALSE(blocked.IsOk() || blocked.HasConnectionError());
    EXPECT_EQ(ReadWholeFile(target), "the version that works");
}

TEST_F(HttpDownloadThreadTest, CancelStopsBeforeTheNextBlock)
{
    ASSERT_TRUE(UDirectoryUtils::EstablishPath(target.c_str()));
    ASSERT_TRUE(WriteWholeFile(target, "the version that works"));
    CWatchedDownload thread;
    thread.SetUrl(sServer->Url("/slow/1000000").c_str());
    thread.SetOutPath(target.c_str());
    ASSERT_TRUE(thread.Execute(0));
    ASSERT_TRUE(PumpMessagesUntil([&] { return thread.GetProgress() > 0.0; }, 10000));
    thread.Cancel();
    ASSERT_TRUE(PumpMessagesUntil([&] { return !thread.IsRunning(); }, 5000));
    EXPECT_EQ(thread.GetResult(), CHttpDownloadThread::kCanceled);
    EXPECT_FALSE(thread.IsOk() || thread.HasConnectionError());
    EXPECT_LE(thread.blocksAfterCancel.load(), 1);
    EXPECT_EQ(ReadWholeFile(target), "the version that works");
    EXPECT_FALSE(UFileUtils::FileExist((target + CHttpDownloadThread::kPartSuffix).c_str()));
}

} // namespace

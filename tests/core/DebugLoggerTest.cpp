#include "ScratchFolder.h"
#include "ScratchSettings.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// The log lies beside the test program, where the demo may have left one: it is set
// aside for the test and put back afterwards.
class DebugLoggerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mKept = ReadWholeFile(mLogPath);
        mHadLog = UFileUtils::FileExist(mLogPath.c_str());
        ::DeleteFileA(mLogPath.c_str());
    }
    void TearDown() override
    {
        ::DeleteFileA(mLogPath.c_str());
        if (mHadLog)
            WriteWholeFile(mLogPath, mKept);
    }

    void SetSwitch(unsigned long value) { CRegistry("Debug", "Enable", nullptr).SetValue(value); }

    std::string Entry(const char* key)
    {
        CIniProfile log(mLogPath.c_str());
        std::string text;
        return log.ReadText("Debug", key, text) ? text : "<none>";
    }

    ScratchSettings mSettings;
    const std::string mLogPath = UDirectoryUtils::GetAppDirectory() + "log.ini";
    std::string mKept;
    bool mHadLog = false;
};

} // namespace

TEST_F(DebugLoggerTest, OffUnlessTheSwitchIsExactlyOne)
{
    CDebugLogger::Log("before any logger");
    for (const char* stored : { static_cast<const char*>(nullptr), "0", "2", "garbage", "1x" }) {
        if (stored)
            CRegistry("Debug", "Enable", nullptr).SetTextValue(stored);
        auto logger = std::make_unique<CDebugLogger>();
        CDebugLogger::Log("a");
        logger->LogText("b");
        logger.reset();
        EXPECT_FALSE(UFileUtils::FileExist(mLogPath.c_str())) << "switch value " << (stored ? stored : "absent");
    }
}

TEST_F(DebugLoggerTest, NumberedEntriesEndedByEndLog)
{
    SetSwitch(1);
    auto logger = std::make_unique<CDebugLogger>();
    CDebugLogger::Log("a");
    CDebugLogger::Log("  padded  ");
    EXPECT_EQ(Entry("1"), "a");
    EXPECT_EQ(Entry("2"), "  padded  ");
    logger.reset();
    EXPECT_EQ(Entry("3"), "End Log");

    CDebugLogger::Log("after the logger is gone");
    EXPECT_EQ(Entry("4"), "<none>");
}

TEST_F(DebugLoggerTest, LineBreaksBecomeEntriesOfTheirOwn)
{
    SetSwitch(1);
    auto logger = std::make_unique<CDebugLogger>();
    CDebugLogger::Log("first\r\nsecond\nthird\r\n");
    CDebugLogger::Log("after\n\nblank");
    CDebugLogger::Log(nullptr);
    logger.reset();
    const char* expected[] = { "first", "second", "third", "after", "", "blank", "", "End Log" };
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Entry(std::to_string(i + 1).c_str()), expected[i]) << "entry " << i + 1;
    EXPECT_EQ(Entry("9"), "<none>");
}

TEST_F(DebugLoggerTest, ANewRunOverwritesFromOneAndKeepsTheRestOfTheFile)
{
    WriteWholeFile(mLogPath, "[Other]\r\nkept=yes\r\nthis line means nothing\r\n"
                             "[Debug]\r\n1=old one\r\n2=old two\r\n3=old three\r\n4=old four\r\n");
    SetSwitch(1);
    auto logger = std::make_unique<CDebugLogger>();
    CDebugLogger::Log("new one");
    logger.reset();
    EXPECT_EQ(Entry("1"), "new one");
    EXPECT_EQ(Entry("2"), "End Log");
    EXPECT_EQ(Entry("3"), "old three");
    EXPECT_EQ(Entry("4"), "old four");
    std::string other;
    EXPECT_TRUE(CIniProfile(mLogPath.c_str()).ReadText("Other", "kept", other));
    EXPECT_EQ(other, "yes");
    EXPECT_NE(ReadWholeFile(mLogPath).find("this line means nothing"), std::string::npos);
}

TEST_F(DebugLoggerTest, TheFirstLoggerServesAndASecondDoesNotOverwriteIt)
{
    SetSwitch(1);
    auto first = std::make_unique<CDebugLogger>();
    auto second = std::make_unique<CDebugLogger>();
    CDebugLogger::Log("through the first");
    second.reset();
    CDebugLogger::Log("still the first");
    first.reset();
    EXPECT_EQ(Entry("1"), "through the first");
    EXPECT_EQ(Entry("2"), "End Log") << "the second logger's closing line";
    EXPECT_EQ(Entry("3"), "still the first");
    EXPECT_EQ(Entry("4"), "End Log");

    // A later run numbers from 1 again.
    auto next = std::make_unique<CDebugLogger>();
    CDebugLogger::Log("next run");
    EXPECT_EQ(Entry("1"), "next run");
}

#include "PreservedFile.h"
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
    void SetSwitch(const char* value) { CRegistry("Debug", "Enable", nullptr).SetTextValue(value); }

    // Entries 1 to `count`, as "a|b|...".
    std::string Entries(int count)
    {
        const CIniProfile ini(log.Path().c_str());
        std::string entries;
        for (int i = 1; i <= count; ++i) {
            std::string text;
            entries += (i > 1 ? "|" : "") + (ini.ReadText("Debug", std::to_string(i).c_str(), text) ? text : "<none>");
        }
        return entries;
    }

    ScratchSettings settings;
    PreservedFile log{UDirectoryUtils::GetAppDirectory() + "log.ini"};
};

} // namespace

TEST_F(DebugLoggerTest, OffUnlessSwitchedOnNumbersItsEntriesAndANewRunOverwritesFromOne)
{
    CDebugLogger::Log("before any logger");
    for (const char* stored : {static_cast<const char*>(nullptr), "0", "2", "garbage", "1x"}) {
        if (stored)
            SetSwitch(stored);
        auto logger = std::make_unique<CDebugLogger>();
        CDebugLogger::Log("a");
        logger->LogText("b");
        logger.reset();
        EXPECT_FALSE(UFileUtils::FileExist(log.Path().c_str())) << "switch value " << (stored ? stored : "absent");
    }

    SetSwitch("1");
    auto logger = std::make_unique<CDebugLogger>();
    CDebugLogger::Log("  padded  ");
    CDebugLogger::Log("first\r\nsecond\nthird\r\n");
    CDebugLogger::Log("after\n\nblank");
    CDebugLogger::Log(nullptr);
    logger.reset();
    CDebugLogger::Log("after the logger is gone");
    EXPECT_EQ(Entries(10), "  padded  |first|second|third|after||blank||End Log|<none>");

    // A new run overwrites from 1 and keeps the rest of the file.
    WriteWholeFile(log.Path(), "[Other]\r\nkept=yes\r\nthis line means nothing\r\n"
                               "[Debug]\r\n1=old one\r\n2=old two\r\n3=old three\r\n4=old four\r\n");
    SetSwitch("1");
    auto run = std::make_unique<CDebugLogger>();
    CDebugLogger::Log("new one");
    run.reset();
    EXPECT_EQ(Entries(4), "new one|End Log|old three|old four");
    const std::string file = ReadWholeFile(log.Path());
    EXPECT_NE(file.find("kept=yes"), std::string::npos);
    EXPECT_NE(file.find("this line means nothing"), std::string::npos);

    SetSwitch("1");
    auto first = std::make_unique<CDebugLogger>();
    auto second = std::make_unique<CDebugLogger>();
    CDebugLogger::Log("through the first");
    second.reset();
    CDebugLogger::Log("still the first");
    first.reset();
    EXPECT_EQ(Entries(4), "through the first|End Log|still the first|End Log");

    // A later run numbers from 1 again.
    auto next = std::make_unique<CDebugLogger>();
    CDebugLogger::Log("next run");
    EXPECT_EQ(Entries(1), "next run");
}


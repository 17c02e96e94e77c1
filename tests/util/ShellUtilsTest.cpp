#include "util/ShellUtils.h"

#include "MessagePump.h"
#include "ScratchFolder.h"
#include "StandInBrowser.h"

#include <gtest/gtest.h>

namespace {

const char kExtension[] = ".tnwshelltest";

// The shell opens pages and documents of the test's own file type with the stand-in
// browser, which records what it was given.
class ShellUtilsTest : public ::testing::Test {
protected:
    ScratchFolder scratch;
    StandInBrowser browser{{kExtension}};
};

} // namespace

TEST_F(ShellUtilsTest, OpensPagesAndDocumentsWithTheirPrograms)
{
    // Each line of the record: the show command, then the arguments.
    EXPECT_TRUE(UShellUtils::Open("http://127.0.0.1:8/help/index.html?topic=7"));
    EXPECT_EQ(browser.WaitForStarts(1), "5\thttp://127.0.0.1:8/help/index.html?topic=7\r\n");

    const std::string document = scratch.File("clip notes") + kExtension;
    ASSERT_TRUE(WriteWholeFile(document, "notes"));
    EXPECT_TRUE(UShellUtils::Open(document.c_str()));
    EXPECT_EQ(browser.WaitForStarts(2), "5\thttp://127.0.0.1:8/help/index.html?topic=7\r\n5\t" + document + "\r\n");
}

TEST_F(ShellUtilsTest, PassesParametersToAProgramShownOrHidden)
{
    const std::string program = StandInBrowser::BrowserPath();
    const std::string parameters = "\"" + browser.RecordPath() + "\" first \"second part\"";
    EXPECT_TRUE(UShellUtils::Open(program.c_str(), parameters.c_str(), false));
    EXPECT_EQ(browser.WaitForStarts(1), "0\tfirst\tsecond part\r\n");
    EXPECT_TRUE(UShellUtils::Open(program.c_str(), parameters.c_str(), true));
    EXPECT_EQ(browser.WaitForStarts(2), "0\tfirst\tsecond part\r\n5\tfirst\tsecond part\r\n");
}

TEST_F(ShellUtilsTest, ReportsWhatItCouldNotOpen)
{
    EXPECT_FALSE(UShellUtils::Open(nullptr));
    EXPECT_FALSE(UShellUtils::Open(""));
    EXPECT_FALSE(UShellUtils::Open(scratch.File("missing").append(kExtension).c_str()));
    EXPECT_FALSE(UShellUtils::Open(scratch.File("missing.exe").c_str(), "x", true));
    PumpMessagesFor(200);
    EXPECT_EQ(browser.Record(), "") << "nothing was started";
}

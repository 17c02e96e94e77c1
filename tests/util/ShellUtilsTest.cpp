#include "util/ShellUtils.h"

#include "ScratchFolder.h"
#include "StandInBrowser.h"

#include <gtest/gtest.h>

#include <string>

// The shell opens pages and documents of the test's own file type with the stand-in
// browser, which records each start: the show command, then the arguments.
TEST(ShellUtilsTest, OpensPagesDocumentsAndProgramsShownOrHidden)
{
    const char extension[] = ".tnwshelltest";
    ScratchFolder scratch;
    StandInBrowser browser{{extension}};
    std::string record = "5\thttp://127.0.0.1:8/help/index.html?topic=7\r\n";
    UShellUtils::Open("http://127.0.0.1:8/help/index.html?topic=7");
    EXPECT_EQ(browser.WaitForStarts(1), record);

    const std::string document = scratch.File("clip notes") + extension;
    ASSERT_TRUE(WriteWholeFile(document, "notes"));
    UShellUtils::Open(document.c_str());
    record += "5\t" + document + "\r\n";
    EXPECT_EQ(browser.WaitForStarts(2), record);

    const std::string parameters = "\"" + browser.RecordPath() + "\" first \"second part\"";
    UShellUtils::Open(StandInBrowser::BrowserPath().c_str(), parameters.c_str(), false);
    record += "0\tfirst\tsecond part\r\n";
    EXPECT_EQ(browser.WaitForStarts(3), record);
}

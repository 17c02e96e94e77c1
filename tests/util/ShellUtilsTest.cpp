#include "util/ShellUtils.h"

#include "MessagePump.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

// The shell opens pages and documents with the stand-in browser, which records what it was
// given. It is registered for the http scheme and for a file type of the test's own in the
// test prefix's classes (Wine reads them from HKEY_CLASSES_ROOT only, not from the user's
// classes), and the earlier registration is put back afterwards.

namespace {

const char kExtension[] = ".tnwshelltest";
const char kFileType[] = "tnwshelltest.document";

// The default value of a key under HKEY_CLASSES_ROOT, or nothing when there is none.
std::optional<std::string> ReadCommand(const std::string& key)
{
    char text[1024];
    DWORD size = sizeof text;
    if (::RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(text);
}

void WriteValue(const std::string& key, const std::string& value)
{
    ::RegSetKeyValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                      static_cast<DWORD>(value.size() + 1));
}

std::string BrowserPath()
{
    char path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "tnwbrowser.exe";
}

class ShellUtilsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mHttpCommand = ReadCommand(kHttpKey);
        const std::string command = "\"" + browser + "\" \"" + record + "\" \"%1\"";
        WriteValue(kHttpKey, command);
        WriteValue(kExtension, kFileType);
        WriteValue(std::string(kFileType) + "\\shell\\open\\command", command);
    }

    void TearDown() override
    {
        if (mHttpCommand)
            WriteValue(kHttpKey, *mHttpCommand);
        else
            ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command");
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kExtension);
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kFileType);
    }

    // Waits (bounded) until the browser has recorded the given number of starts and
    // returns the record.
    std::string WaitForStarts(int starts)
    {
        std::string text;
        PumpMessagesUntil([&] {
            text = ReadWholeFile(record);
            return std::count(text.begin(), text.end(), '\n') >= starts;
        }, 10000);
        return text;
    }

    static constexpr const char* kHttpKey = "http\\shell\\open\\command";
    ScratchFolder scratch;
    const std::string browser = BrowserPath();
    const std::string record = scratch.File("opened.txt");

private:
    std::optional<std::string> mHttpCommand;
};

} // namespace

TEST_F(ShellUtilsTest, OpensPagesAndDocumentsWithTheirPrograms)
{
    // Each line of the record: the show command, then the arguments.
    EXPECT_TRUE(UShellUtils::Open("http://127.0.0.1:8/help/index.html?topic=7"));
    EXPECT_EQ(WaitForStarts(1), "5\thttp://127.0.0.1:8/help/index.html?topic=7\r\n");

    const std::string document = scratch.File("clip notes") + kExtension;
    ASSERT_TRUE(WriteWholeFile(document, "notes"));
    EXPECT_TRUE(UShellUtils::Open(document.c_str()));
    EXPECT_EQ(WaitForStarts(2), "5\thttp://127.0.0.1:8/help/index.html?topic=7\r\n5\t" + document + "\r\n");
}

TEST_F(ShellUtilsTest, PassesParametersToAProgramShownOrHidden)
{
    const std::string parameters = "\"" + record + "\" first \"second part\"";
    EXPECT_TRUE(UShellUtils::Open(browser.c_str(), parameters.c_str(), false));
    EXPECT_EQ(WaitForStarts(1), "0\tfirst\tsecond part\r\n");
    EXPECT_TRUE(UShellUtils::Open(browser.c_str(), parameters.c_str(), true));
    EXPECT_EQ(WaitForStarts(2), "0\tfirst\tsecond part\r\n5\tfirst\tsecond part\r\n");
}

TEST_F(ShellUtilsTest, ReportsWhatItCouldNotOpen)
{
    EXPECT_FALSE(UShellUtils::Open(nullptr));
    EXPECT_FALSE(UShellUtils::Open(""));
    EXPECT_FALSE(UShellUtils::Open(scratch.File("missing").append(kExtension).c_str()));
    EXPECT_FALSE(UShellUtils::Open(scratch.File("missing.exe").c_str(), "x", true));
    PumpMessagesFor(200);
    EXPECT_EQ(ReadWholeFile(record), "") << "nothing was started";
}

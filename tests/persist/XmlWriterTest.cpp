#include "tnwmfcut.h"

#include "ScratchFolder.h"
#include "XmlTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Document(const std::string& value)
{
    return kDeclarationLine + "<Shared>\r\n<Who>" + value + "</Who>\r\n</Shared>\r\n";
}

void WriteWho(CXmlWriter& writer, const char* who)
{
    writer.EnterNode("Shared");
    writer.WriteValue("Who", who);
    writer.LeaveNode();
}

} // namespace

// Values holding "<" or the two references, and every other value written byte for byte,
// are the xml_value_text and xml_persist fuzz targets' to check, through the writer and the
// reader.
TEST(XmlWriter, WritesTheDocumentByteForByteWhenTheOutermostNodeIsLeft)
{
    ScratchFolder folder;
    const std::string path = folder.File("a\\b\\settings.xml");
    CXmlWriter writer;
    writer.SetFilePath(path.c_str());
    writer.EnterNode("Settings");
    writer.WriteValue("Name", "abc");
    writer.WriteValue("Count", "3");
    writer.WriteValue("Title", "");
    writer.WriteValue("Other", nullptr);
    writer.EnterNode("Main Window");
    writer.WriteValue("Left Edge", "10");
    writer.LeaveNode();
    writer.EnterNode("Empty Object");
    writer.LeaveNode();
    EXPECT_FALSE(UFileUtils::FileExist(path.c_str())) << "not before the end";
    CXmlWriter copy(writer);
    EXPECT_EQ(copy.GetFilePath(), writer.GetFilePath());
    copy.LeaveNode();
    EXPECT_FALSE(UFileUtils::FileExist(path.c_str())) << "the copy has no document";
    writer.LeaveNode();

    // The missing folders are made; empty values and empty objects are not written.
    EXPECT_EQ(ReadWholeFile(path), kDeclarationLine +
                                       "<Settings>\r\n"
                                       "<Count>3</Count>\r\n"
                                       "<Main_Window>\r\n"
                                       "<Left_Edge>10</Left_Edge>\r\n"
                                       "</Main_Window>\r\n"
                                       "<Name>abc</Name>\r\n"
                                       "</Settings>\r\n");
    EXPECT_FALSE(writer.HasWriteFailed());
    EXPECT_FALSE(UFileUtils::FileExist((path + ".new").c_str())) << "nothing left beside it";

    // The writer is idle again: a second document replaces the file.
    writer.LeaveNode();
    writer.WriteValue("Stray", "1");
    writer.EnterNode("Settings");
    writer.WriteValue("Title", "");
    writer.LeaveNode();
    EXPECT_EQ(ReadWholeFile(path), kDeclarationLine) << "only the declaration for nothing to write";
    CXmlReader reader;
    reader.SetFilePath(path.c_str());
    EXPECT_FALSE(reader.HasData());
    // Objects entered and left without values still show that they were there.
    writer.EnterNode("Settings");
    writer.EnterNode("Window");
    writer.LeaveNode();
    writer.LeaveNode();
    EXPECT_EQ(ReadWholeFile(path), kDeclarationLine + "<Settings>\r\n</Settings>\r\n");

    // A document never left is never written.
    {
        CXmlWriter dropped;
        dropped.SetFilePath(folder.File("never.xml").c_str());
        dropped.EnterNode("Settings");
        dropped.WriteValue("a", "1");
    }
    EXPECT_FALSE(UFileUtils::FileExist(folder.File("never.xml").c_str()));
    CXmlWriter nowhere;
    WriteWho(nowhere, "lost");
    EXPECT_TRUE(nowhere.HasWriteFailed()) << "no path";
}

TEST(XmlWriter, AFailedWriteLeavesThePreviousFile)
{
    ScratchFolder folder;
    const std::string path = folder.File("settings.xml");
    CXmlWriter writer;
    writer.SetFilePath(path.c_str());
    WriteWho(writer, "before");
    ASSERT_FALSE(writer.HasWriteFailed());

    // The new file cannot be made.
    ASSERT_TRUE(::CreateDirectoryA((path + ".new").c_str(), nullptr));
    WriteWho(writer, "after");
    EXPECT_TRUE(writer.HasWriteFailed());
    EXPECT_EQ(ReadWholeFile(path), Document("before"));
    ::RemoveDirectoryA((path + ".new").c_str());

    // The old file cannot be replaced: another program holds it open.
    HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    WriteWho(writer, "after");
    EXPECT_TRUE(writer.HasWriteFailed());
    ::CloseHandle(held);
    EXPECT_EQ(ReadWholeFile(path), Document("before"));
    EXPECT_FALSE(UFileUtils::FileExist((path + ".new").c_str())) << "the unfinished file is removed";

    WriteWho(writer, "after");
    EXPECT_FALSE(writer.HasWriteFailed());
    EXPECT_EQ(ReadWholeFile(path), Document("after"));
}

TEST(XmlWriter, AllUsersFilesGoToThePerUserCopyWhenTheSharedOneCannotBeWritten)
{
    // A folder of the same relative name in the all-users and the per-user folders.
    const std::string relative = "tnwtest_xml_" + std::to_string(::GetCurrentProcessId()) + "\\";
    const std::string common = UDirectoryUtils::GetCommonAppDataDirectory() + relative;
    const std::string user = UDirectoryUtils::GetUserAppDataDirectory() + relative;
    const std::string shared = common + "shared.xml";
    const std::string own = user + "shared.xml";
    // Removed at the end, files and then folders, the application's own when nothing else
    // is left in them.
    struct StRemove {
        std::vector<std::string> paths;
        ~StRemove()
        {
            for (const std::string& path : paths) {
                ::DeleteFileA(path.c_str());
                ::RemoveDirectoryA(path.c_str());
            }
        }
    } remove{ { shared, own, common, user, UDirectoryUtils::GetCommonAppDataDirectory(),
                UDirectoryUtils::GetUserAppDataDirectory() } };
    EXPECT_EQ(UPerUserPath::GetAlternative(shared.c_str()), own.c_str());
    EXPECT_EQ(UPerUserPath::GetAlternative("C:\\elsewhere\\shared.xml"), "");
    EXPECT_EQ(UPerUserPath::GetAlternative(nullptr), "");

    CXmlWriter writer;
    writer.SetFilePath(shared.c_str());
    WriteWho(writer, "everybody");
    EXPECT_EQ(ReadWholeFile(shared), Document("everybody"));
    EXPECT_FALSE(UFileUtils::FileExist(own.c_str())) << "only when the shared file fails";

    ::DeleteFileA(shared.c_str());
    ASSERT_TRUE(::CreateDirectoryA(shared.c_str(), nullptr)) << "a folder in the way of the shared file";
    WriteWho(writer, "me");
    EXPECT_FALSE(writer.HasWriteFailed());
    EXPECT_EQ(ReadWholeFile(own), Document("me"));
    CXmlReader reader;
    reader.SetFilePath(shared.c_str());
    reader.EnterNode("Shared");
    EXPECT_EQ(reader.ReadValue("Who"), "me") << "read from the per-user copy";

    ::DeleteFileA(own.c_str());
    ASSERT_TRUE(::CreateDirectoryA(own.c_str(), nullptr));
    WriteWho(writer, "nobody");
    EXPECT_TRUE(writer.HasWriteFailed()) << "both paths failed";
}

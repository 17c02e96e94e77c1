#include "tnwmfcut.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kDeclarationLine = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";

std::string Document(const std::string& value)
{
    return kDeclarationLine + "<Shared>\r\n<Who>" + value + "</Who>\r\n</Shared>\r\n";
}

std::string ReadWho(const std::string& path)
{
    CXmlReader reader;
    reader.SetFilePath(path.c_str());
    reader.EnterNode("Shared");
    return std::string(reader.ReadValue("Who"));
}

void WriteWho(CXmlWriter& writer, const char* who)
{
    writer.EnterNode("Shared");
    writer.WriteValue("Who", who);
    writer.LeaveNode();
}

// A folder of the same relative name in the all-users and the per-user application-data
// folders, removed with its files at the end.
class SharedFolders {
public:
    SharedFolders()
        : mRelative("tnwtest_xml_" + std::to_string(::GetCurrentProcessId()) + "\\")
        , mCommon(UDirectoryUtils::GetCommonAppDataDirectory() + mRelative)
        , mUser(UDirectoryUtils::GetUserAppDataDirectory() + mRelative)
    {
        UDirectoryUtils::EstablishPath(mCommon.c_str());
        UDirectoryUtils::EstablishPath(mUser.c_str());
    }
    ~SharedFolders()
    {
        for (const std::string& folder : { mCommon, mUser }) {
            ::DeleteFileA((folder + "shared.xml").c_str());
            ::RemoveDirectoryA((folder + "shared.xml").c_str());
            ::RemoveDirectoryA(folder.c_str());
        }
        // The application's folders go too when nothing else is left in them.
        ::RemoveDirectoryA(UDirectoryUtils::GetCommonAppDataDirectory().c_str());
        ::RemoveDirectoryA(UDirectoryUtils::GetUserAppDataDirectory().c_str());
    }
    const std::string& Common() const { return mCommon; }
    const std::string& User() const { return mUser; }

private:
    std::string mRelative;
    std::string mCommon;
    std::string mUser;
};

} // namespace

TEST(XmlFiles, AllUsersFilesAreReadFromThePerUserCopyWhenThereIsOne)
{
    SharedFolders folders;
    ASSERT_NE(folders.Common(), folders.User());
    const std::string shared = folders.Common() + "shared.xml";
    EXPECT_EQ(UPerUserPath::GetAlternative(shared.c_str()), (folders.User() + "shared.xml").c_str());
    EXPECT_EQ(UPerUserPath::GetAlternative("C:\\elsewhere\\shared.xml"), "");
    EXPECT_EQ(UPerUserPath::GetAlternative(nullptr), "");

    ASSERT_TRUE(WriteWholeFile(shared, Document("everybody")));
    EXPECT_EQ(ReadWho(shared), "everybody");
    ASSERT_TRUE(WriteWholeFile(folders.User() + "shared.xml", Document("me")));
    EXPECT_EQ(ReadWho(shared), "me");
}

TEST(XmlFiles, AllUsersFilesAreWrittenToThePerUserCopyWhenTheSharedOneCannotBe)
{
    SharedFolders folders;
    const std::string shared = folders.Common() + "shared.xml";
    const std::string own = folders.User() + "shared.xml";
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
    EXPECT_EQ(ReadWho(shared), "me");

    ::DeleteFileA(own.c_str());
    ASSERT_TRUE(::CreateDirectoryA(own.c_str(), nullptr));
    WriteWho(writer, "nobody");
    EXPECT_TRUE(writer.HasWriteFailed()) << "both paths failed";
}

TEST(XmlFiles, AFailedWriteLeavesThePreviousFile)
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

TEST(XmlFiles, WritingCreatesTheMissingFolders)
{
    ScratchFolder folder;
    const std::string path = folder.File("a\\b\\settings.xml");
    CXmlWriter writer;
    writer.SetFilePath(path.c_str());
    WriteWho(writer, "deep");
    EXPECT_EQ(ReadWholeFile(path), Document("deep"));

    CXmlWriter nowhere;
    WriteWho(nowhere, "lost");
    EXPECT_TRUE(nowhere.HasWriteFailed()) << "no path";
}

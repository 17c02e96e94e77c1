#include "FileUtils.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

const __int64 kBeyondFourGiB = 0x100000003ll;

TEST(FileUtilsTest, PathPartsFollowTheLastSeparator)
{
    const struct {
        const char* path;
        const char* extension;
        const char* name;
        const char* bare;
        const char* folder;
    } cases[] = {
        {"C:\\media\\clip.final.avi", "avi", "clip.final.avi", "clip.final", "C:\\media"},
        {"C:\\my.folder\\readme", "", "readme", "readme", "C:\\my.folder"},
        {"D:/music/song.mp3", "mp3", "song.mp3", "song", "D:/music"},
        {"movie.avi", "avi", "movie.avi", "movie", ""},
        {"C:\\folder\\", "", "", "", "C:\\folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(UFileUtils::GetFileExtension(c.path), c.extension);
        EXPECT_EQ(UFileUtils::GetFileNameOnly(c.path), c.name);
        EXPECT_EQ(UFileUtils::GetFileNameWithoutExtension(c.path), c.bare);
        EXPECT_EQ(UFileUtils::GetPathOnly(c.path), c.folder);
    }
    EXPECT_EQ(UFileUtils::GetFileNameOnly(nullptr), "");
    EXPECT_EQ(UFileUtils::GetPathOnly(nullptr), "");
}

TEST(FileUtilsTest, SizesBeyondFourGiBAreWholeDeleteConcernsFilesOnlyAndTimesComeInWin32Order)
{
    ScratchFolder scratch;
    const std::string path = scratch.File("big.bin");
    // Setting the end of an empty file makes a sparse file here: no bytes are written.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = kBeyondFourGiB;
    const bool sized = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    ASSERT_TRUE(sized);

    EXPECT_EQ(UFileUtils::GetFileSize(path.c_str()), kBeyondFourGiB);
    EXPECT_EQ(static_cast<unsigned long>(UFileUtils::GetFileSize(path.c_str())), 3u) << "the low 32 bits";
    EXPECT_EQ(UFileUtils::GetFileSize(scratch.File("missing.bin").c_str()), 0);
    EXPECT_EQ(UFileUtils::GetFileSize(scratch.Path().c_str()), 0) << "a folder has no file size";

    // Exist and delete concern files only.
    const std::string locked = scratch.File("locked.txt");
    ASSERT_TRUE(WriteWholeFile(locked, "data"));
    ASSERT_TRUE(SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    CreateDirectoryA(scratch.File("folder").c_str(), nullptr);

    EXPECT_TRUE(UFileUtils::FileExist(locked.c_str()));
    EXPECT_FALSE(UFileUtils::FileExist(scratch.File("folder").c_str()));
    EXPECT_FALSE(UFileUtils::FileExist(scratch.File("missing").c_str()));
    EXPECT_FALSE(UFileUtils::FileExist(nullptr));
    EXPECT_FALSE(UFileUtils::FileExist(""));

    EXPECT_TRUE(UFileUtils::DeleteFileA(locked.c_str())) << "read-only is no reason to keep it";
    EXPECT_FALSE(UFileUtils::FileExist(locked.c_str()));
    EXPECT_FALSE(UFileUtils::DeleteFileA(locked.c_str()));
    EXPECT_FALSE(UFileUtils::DeleteFileA(scratch.File("folder").c_str()));
    EXPECT_NE(GetFileAttributesA(scratch.File("folder").c_str()), INVALID_FILE_ATTRIBUTES);

    // File times come in Win32 order.
    const std::string clip = scratch.File("clip.avi");
    ASSERT_TRUE(WriteWholeFile(clip, "x"));
    SYSTEMTIME system = {2009, 3, 0, 14, 15, 9, 26, 0};
    FILETIME written;
    SystemTimeToFileTime(&system, &written);
    // Wine cannot change a creation time on Linux file systems, so the creation time is
    // compared with what the file's handle reports rather than with a time set here.
    HANDLE opened = CreateFileA(clip.c_str(), GENERIC_READ | FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0,
                                nullptr);
    ASSERT_NE(opened, INVALID_HANDLE_VALUE);
    FILETIME created = {};
    const bool set = SetFileTime(opened, nullptr, nullptr, &written) && GetFileTime(opened, &created, nullptr, nullptr);
    CloseHandle(opened);
    ASSERT_TRUE(set);

    FILETIME creation = {};
    FILETIME lastWrite = {};
    ASSERT_TRUE(UFileUtils::GetFileTime(clip.c_str(), &creation));
    EXPECT_EQ(CompareFileTime(&creation, &created), 0);
    ASSERT_TRUE(UFileUtils::GetFileTime(clip.c_str(), nullptr, nullptr, &lastWrite));
    EXPECT_EQ(CompareFileTime(&lastWrite, &written), 0);

    FILETIME untouched = {1, 2};
    EXPECT_FALSE(UFileUtils::GetFileTime(scratch.File("missing").c_str(), &untouched));
    EXPECT_EQ(untouched.dwLowDateTime, 1u);
}

} // namespace

#include "MultiFile.h"

#include "FileUtils.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

const __int64 kFourGiB = 0x100000000ll;

// Reads count bytes at the stream's position as a text.
std::string ReadText(CMultiFile& stream, unsigned long count)
{
    std::string bytes(count, '?');
    bytes.resize(stream.Read(&bytes[0], count));
    return bytes;
}

class MultiFileTest : public ::testing::Test {
protected:
    // Parts "abc", an empty one, "defgh" and "ij": ten bytes.
    void AddParts(CMultiFile& stream)
    {
        const char* contents[] = {"abc", "", "defgh", "ij"};
        for (int i = 0; i < 4; ++i) {
            const std::string path = mScratch.File("part" + std::to_string(i) + ".vob");
            ASSERT_TRUE(WriteWholeFile(path, contents[i]));
            ASSERT_TRUE(stream.AddFile(path.c_str()));
        }
    }

    ScratchFolder mScratch;
};

TEST_F(MultiFileTest, ReadsAndSeeksRunAcrossPartBoundariesAndOpenFailsWhole)
{
    CMultiFile stream;
    AddParts(stream);
    EXPECT_EQ(stream.GetLength(), 10) << "closed: the sizes on disk";
    EXPECT_EQ(stream.Seek(0, CMultiFile::kBegin), -1) << "closed";
    ASSERT_TRUE(stream.Open(CMultiFile::kOpenRead));

    EXPECT_EQ(ReadText(stream, 2), "ab");
    EXPECT_EQ(ReadText(stream, 3), "cde") << "over the empty part";
    EXPECT_EQ(ReadText(stream, 4), "fghi");
    EXPECT_EQ(ReadText(stream, 4), "j") << "short at the end";
    EXPECT_EQ(ReadText(stream, 4), "");

    EXPECT_EQ(stream.Seek(4, CMultiFile::kBegin), 4);
    EXPECT_EQ(ReadText(stream, 3), "efg");
    EXPECT_EQ(stream.Seek(-4, CMultiFile::kCurrent), 3);
    EXPECT_EQ(ReadText(stream, 1), "d");
    EXPECT_EQ(stream.Seek(-2, CMultiFile::kEnd), 8);
    EXPECT_EQ(ReadText(stream, 5), "ij");

    EXPECT_EQ(stream.Seek(20, CMultiFile::kBegin), 10) << "stops at the end";
    EXPECT_EQ(stream.Seek(0x7fffffffffffffffll, CMultiFile::kCurrent), 10);
    EXPECT_EQ(stream.Seek(-11, CMultiFile::kEnd), -1);
    EXPECT_EQ(stream.Seek(1, 7), -1) << "no such origin";
    EXPECT_EQ(stream.GetPosition(), 10) << "failed seeks do not move";

    // Open fails whole and leaves nothing open.
    stream.Close();
    CMultiFile broken;
    EXPECT_FALSE(broken.Open(CMultiFile::kOpenRead)) << "no part";
    EXPECT_FALSE(broken.AddFile(nullptr));
    EXPECT_FALSE(broken.AddFile(""));

    AddParts(broken);
    EXPECT_FALSE(broken.Open(1)) << "reading is all it does";
    ASSERT_TRUE(broken.AddFile(mScratch.File("missing.vob").c_str()));
    EXPECT_FALSE(broken.Open(CMultiFile::kOpenRead));
    EXPECT_FALSE(broken.IsOpen());
    EXPECT_EQ(broken.Read(nullptr, 0), 0u);
    EXPECT_TRUE(UFileUtils::DeleteFileA(broken.GetFilePath(0).c_str())) << "no handle left on the first part";

    broken.RemoveAll();
    EXPECT_EQ(broken.GetFileCount(), 0);
    EXPECT_EQ(broken.GetLength(), 0);
}

TEST_F(MultiFileTest, CopiesAreClosedAndAPartThatShrankEndsTheReadThere)
{
    CMultiFile stream;
    AddParts(stream);
    EXPECT_EQ(stream.GetText(), "part0.vob and 3 more");
    ASSERT_TRUE(stream.Open(CMultiFile::kOpenRead));
    ASSERT_EQ(stream.Seek(5, CMultiFile::kBegin), 5);
    CMultiFile copy(stream);
    EXPECT_FALSE(copy.IsOpen());
    ASSERT_TRUE(copy.Open(CMultiFile::kOpenRead));
    EXPECT_EQ(ReadText(copy, 10), "abcdefghij");
    EXPECT_EQ(ReadText(stream, 10), "fghij") << "the original reads on undisturbed";

    // Another program truncates the first part while the stream is open.
    HANDLE file = CreateFileA(stream.GetFilePath(0).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, TRUNCATE_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    stream.Seek(0, CMultiFile::kBegin);
    EXPECT_EQ(ReadText(stream, 10), "") << "the later parts' bytes never take the lost ones' place";
    EXPECT_EQ(stream.Seek(3, CMultiFile::kBegin), 3);
    EXPECT_EQ(ReadText(stream, 10), "defghij");
}

TEST_F(MultiFileTest, PositionsBeyondFourGiBReachTheRightBytes)
{
    const std::string head = mScratch.File("head.bin");
    const std::string big = mScratch.File("big.bin");
    ASSERT_TRUE(WriteWholeFile(head, "HEAD"));
    // A sparse file: only the marker past 4 GiB takes room on disk.
    HANDLE file = CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER at;
    at.QuadPart = kFourGiB;
    DWORD written = 0;
    const bool made = SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && WriteFile(file, "MARK", 4, &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(made);

    CMultiFile stream;
    stream.AddFile(head.c_str());
    stream.AddFile(big.c_str());
    ASSERT_TRUE(stream.Open(CMultiFile::kOpenRead));
    EXPECT_EQ(stream.GetLength(), 4 + kFourGiB + 4);
    EXPECT_EQ(stream.Seek(4 + kFourGiB - 2, CMultiFile::kBegin), 4 + kFourGiB - 2);
    EXPECT_EQ(ReadText(stream, 10), std::string("\0\0MARK", 6));
    EXPECT_EQ(stream.Seek(-6, CMultiFile::kEnd), 4 + kFourGiB - 2);
    EXPECT_EQ(stream.Seek(2, CMultiFile::kBegin), 2);
    EXPECT_EQ(ReadText(stream, 4), std::string("AD\0\0", 4));
}

} // namespace

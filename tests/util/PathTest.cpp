#include "ScratchFolder.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// A small media folder: two files at the top, a folder two levels deep, an empty folder,
// and a folder whose name looks like a video.
class MediaTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* folder : { "media", "media\\sub", "media\\sub\\deep", "media\\empty", "media\\album.mp4",
                                    "media2" })
            ASSERT_TRUE(::CreateDirectoryA(scratch.File(folder).c_str(), nullptr));
        for (const char* file : { "media\\a.mp4", "media\\b.avi", "media\\sub\\c.mp4", "media\\sub\\deep\\d.mp4",
                                  "media\\album.mp4\\track.txt", "media2\\sibling.mp4" })
            ASSERT_TRUE(WriteWholeFile(scratch.File(file), "data"));
    }

    // Every path below the folder, by path, with whether it is a folder.
    static void Collect(const CDirectoryPath& folder, std::map<std::string, bool>& found)
    {
        for (int i = 0; i < folder.GetPathCount(); ++i) {
            const CPath* path = folder.GetPath(i);
            found[std::string(path->GetFilePath())] = path->IsDir();
            if (path->IsDir())
                Collect(*static_cast<const CDirectoryPath*>(path), found);
        }
    }

    std::map<std::string, bool> Read(CDirectoryPath& folder)
    {
        std::map<std::string, bool> found;
        Collect(folder, found);
        return found;
    }

    ScratchFolder scratch;
};


// What the shell hands a window when files are dropped on it: a DROPFILES header and the
// names, each ended by a zero byte, the list by one more.
HDROP MakeDrop(const std::vector<std::string>& names)
{
    size_t bytes = sizeof(DROPFILES) + 1;
    for (const std::string& name : names)
        bytes += name.size() + 1;
    HGLOBAL memory = ::GlobalAlloc(GHND, bytes);
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    char* next = reinterpret_cast<char*>(drop + 1);
    for (const std::string& name : names) {
        std::memcpy(next, name.c_str(), name.size() + 1);
        next += name.size() + 1;
    }
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

} // namespace

TEST_F(MediaTree, PopulateReadsTheWholeTreeOrWhatHasTheExtension)
{
    CDirectoryPath media(scratch.File("media\\").c_str());
    media.Populate();
    const std::string top = scratch.File("media\\");
    const std::map<std::string, bool> expected = {
        { top + "a.mp4", false },          { top + "b.avi", false },          { top + "sub\\", true },
        { top + "sub\\c.mp4", false },     { top + "sub\\deep\\", true },     { top + "sub\\deep\\d.mp4", false },
        { top + "empty\\", true },         { top + "album.mp4\\", true },     { top + "album.mp4\\track.txt", false },
    };
    EXPECT_EQ(Read(media), expected);
    EXPECT_EQ(media.GetPathCount(), 5);
    EXPECT_TRUE(media.GetPath(5) == nullptr && media.GetPath(-1) == nullptr);
    EXPECT_FALSE(CPath::IsDir(scratch.File("missing").c_str()));
    EXPECT_FALSE(CPath::IsDir(nullptr));

    // By extension, and named without the closing separator: still the folder, not its
    // sibling media2.
    CDirectoryPath videos(scratch.File("media").c_str());
    videos.Populate("mp4");
    EXPECT_EQ(Read(videos), (std::map<std::string, bool>{ { top + "a.mp4", false }, { top + "album.mp4\\", true },
                                                           { top + "album.mp4\\track.txt", false } }));

    CDirectoryPath missing(scratch.File("missing\\").c_str());
    missing.Populate();
    EXPECT_EQ(missing.GetPathCount(), 0);
}

TEST_F(MediaTree, ExcludeAndLetLoose)
{
    CDirectoryPath media(scratch.File("media\\").c_str());
    media.Populate();
    const std::string deep = scratch.File("media\\sub\\deep\\d.mp4");
    EXPECT_TRUE(media.Exclude(deep.c_str()));
    EXPECT_FALSE(media.Exclude(deep.c_str())) << "only the first match goes";
    EXPECT_EQ(Read(media).count(deep), 0u);
    EXPECT_EQ(Read(media).count(scratch.File("media\\sub\\deep\\")), 1u) << "its folder stays";

    // As the file system compares: any case, with or without the closing separator.
    EXPECT_TRUE(media.Exclude(scratch.File("MEDIA\\EMPTY").c_str()));
    EXPECT_EQ(Read(media).count(scratch.File("media\\empty\\")), 0u);
    EXPECT_FALSE(media.Exclude(scratch.File("media\\nothing.mp4").c_str()));

    CPath* first = media.GetPath(0);
    const int before = media.GetPathCount();
    media.LetLoose(first);
    EXPECT_EQ(media.GetPathCount(), before - 1);
    EXPECT_TRUE(UFileUtils::FileExist(first->GetFilePath()) || CPath::IsDir(first->GetFilePath()));
    delete first; // ours now
}

TEST_F(MediaTree, PhysicalRemoveDeletesTheTreeButNotWhatItCannot)
{
    CDirectoryPath sub(scratch.File("media\\sub\\").c_str());
    sub.Populate();
    sub.PhysicalRemove();
    EXPECT_FALSE(CPath::IsDir(scratch.File("media\\sub").c_str()));
    EXPECT_EQ(sub.GetPathCount(), 0);

    // A file in use cannot go; its folder stays with it.
    HANDLE inUse = ::CreateFileA(scratch.File("media\\album.mp4\\track.txt").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
    CDirectoryPath album(scratch.File("media\\album.mp4\\").c_str());
    album.Populate();
    album.PhysicalRemove();
    ::CloseHandle(inUse);
    EXPECT_TRUE(UFileUtils::FileExist(scratch.File("media\\album.mp4\\track.txt").c_str()));
    EXPECT_TRUE(CPath::IsDir(scratch.File("media\\album.mp4").c_str()));

    CFilePath file(scratch.File("media\\a.mp4").c_str());
    file.PhysicalRemove();
    EXPECT_FALSE(UFileUtils::FileExist(scratch.File("media\\a.mp4").c_str()));
}

TEST_F(MediaTree, ADropFileListHoldsTheFilesAndWholeFoldersDropped)
{
    // A name longer than the 255 bytes an older buffer held (no need for it to exist).
    const std::string longName = scratch.File(std::string(250, 'n') + ".mp4");
    HDROP drop = MakeDrop({ scratch.File("media\\a.mp4"), scratch.File("media\\album.mp4"), longName });
    CDropFileList list(drop);
    ::GlobalFree(drop);

    ASSERT_EQ(list.GetPathCount(), 3);
    EXPECT_EQ(list.GetPath(0)->GetFilePath(), scratch.File("media\\a.mp4").c_str());
    EXPECT_FALSE(list.GetPath(0)->IsDir());
    auto* album = static_cast<CDirectoryPath*>(list.GetPath(1));
    ASSERT_TRUE(album->IsDir());
    EXPECT_EQ(Read(*album), (std::map<std::string, bool>{ { scratch.File("media\\album.mp4\\track.txt"), false } }))
        << "a dropped folder is read whole";
    EXPECT_EQ(album->GetFilePath(), scratch.File("media\\album.mp4\\").c_str());
    EXPECT_EQ(list.GetPath(2)->GetFilePath(), longName.c_str()) << "long names arrive whole";
    EXPECT_EQ(list.GetPath(3), nullptr);

    list.LetLoose(album);
    EXPECT_EQ(list.GetPathCount(), 2);
    delete album;
    EXPECT_EQ(CDropFileList(nullptr).GetPathCount(), 0);
}

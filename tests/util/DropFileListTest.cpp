#include "ScratchFolder.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

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

TEST(DropFileList, FilesAndWholeFolders)
{
    ScratchFolder scratch;
    ASSERT_TRUE(::CreateDirectoryA(scratch.File("album").c_str(), nullptr));
    ASSERT_TRUE(WriteWholeFile(scratch.File("album\\track.mp3"), "x"));
    ASSERT_TRUE(WriteWholeFile(scratch.File("clip.mp4"), "x"));
    // A name longer than the 255 bytes an older buffer held (no need for it to exist).
    const std::string longName = scratch.File(std::string(250, 'n') + ".mp4");

    HDROP drop = MakeDrop({ scratch.File("clip.mp4"), scratch.File("album"), longName });
    CDropFileList list(drop);
    ::GlobalFree(drop);

    ASSERT_EQ(list.GetPathCount(), 3);
    EXPECT_EQ(list.GetPath(0)->GetFilePath(), scratch.File("clip.mp4").c_str());
    EXPECT_FALSE(list.GetPath(0)->IsDir());
    auto* album = static_cast<CDirectoryPath*>(list.GetPath(1));
    ASSERT_TRUE(album->IsDir());
    EXPECT_EQ(album->GetFilePath(), scratch.File("album\\").c_str());
    ASSERT_EQ(album->GetPathCount(), 1) << "a dropped folder is read whole";
    EXPECT_EQ(album->GetPath(0)->GetFilePath(), scratch.File("album\\track.mp3").c_str());
    EXPECT_EQ(list.GetPath(2)->GetFilePath(), longName.c_str()) << "long names arrive whole";
    EXPECT_EQ(list.GetPath(3), nullptr);

    list.LetLoose(album);
    EXPECT_EQ(list.GetPathCount(), 2);
    delete album;

    CDropFileList empty(nullptr);
    EXPECT_EQ(empty.GetPathCount(), 0);
}

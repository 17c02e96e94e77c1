#include "afxdlgs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Puts what the system leaves in the file buffer after a choice.
void Choose(CFileDialog& dialog, const std::string& bytes)
{
    ASSERT_LT(bytes.size() + 2, dialog.m_ofn.nMaxFile);
    std::memcpy(dialog.m_ofn.lpstrFile, bytes.data(), bytes.size());
    dialog.m_ofn.lpstrFile[bytes.size()] = '\0';
    dialog.m_ofn.lpstrFile[bytes.size() + 1] = '\0';
}

std::vector<std::string> Walk(const CFileDialog& dialog)
{
    std::vector<std::string> paths;
    for (POSITION pos = dialog.GetStartPosition(); pos;)
        paths.emplace_back(dialog.GetNextPathName(pos));
    return paths;
}

} // namespace

TEST(FileDialog, FilterBarsBecomeZeroBytesAndSelectionsWalkAsFullPaths)
{
    CFileDialog dialog(TRUE, "mp4", "clip.mp4", OFN_HIDEREADONLY, "Videos|*.mp4;*.avi|All|*.*||");
    const char expected[] = "Videos\0*.mp4;*.avi\0All\0*.*\0";
    ASSERT_NE(dialog.m_ofn.lpstrFilter, nullptr);
    EXPECT_EQ(std::memcmp(dialog.m_ofn.lpstrFilter, expected, sizeof expected), 0);
    EXPECT_STREQ(dialog.m_ofn.lpstrFile, "clip.mp4");
    EXPECT_STREQ(dialog.m_ofn.lpstrDefExt, "mp4");
    EXPECT_TRUE(dialog.m_ofn.Flags & OFN_EXPLORER);

    // Selections walk as full paths.
    CFileDialog single(TRUE);
    EXPECT_EQ(single.GetStartPosition(), nullptr) << "nothing chosen yet";
    Choose(single, "C:\\media\\clip.final.avi");
    EXPECT_EQ(Walk(single), std::vector<std::string>{ "C:\\media\\clip.final.avi" });
    EXPECT_EQ(single.GetFileName(), "clip.final.avi");
    EXPECT_EQ(single.GetFileExt(), "avi");
    EXPECT_EQ(single.GetFileTitle(), "clip.final");

    CFileDialog multiple(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT);
    Choose(multiple, std::string("C:\\media\0a.mp4\0b.mp4\0c.avi", 27));
    EXPECT_EQ(Walk(multiple), (std::vector<std::string>{ "C:\\media\\a.mp4", "C:\\media\\b.mp4", "C:\\media\\c.avi" }));

    // A multiple-selection dialog where the user picked one file gives its whole path.
    Choose(multiple, "C:\\media\\one.mp4");
    EXPECT_EQ(Walk(multiple), std::vector<std::string>{ "C:\\media\\one.mp4" });

    // Files in the root folder: the folder already ends with its separator.
    Choose(multiple, std::string("C:\\\0x.mp4\0y.mp4", 15));
    EXPECT_EQ(Walk(multiple), (std::vector<std::string>{ "C:\\x.mp4", "C:\\y.mp4" }));
}

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// Every code from 0 to 2000 is checked, so a code that slipped into the wrong case, or a
// neighbour that answers where it should say "err", shows up.
void ExpectTable(CString (*lookup)(ESplitterType), const std::map<int, std::string>& known)
{
    for (int code = 0; code <= 2000; ++code) {
        const auto found = known.find(code);
        const std::string expected = found == known.end() ? "err" : found->second;
        EXPECT_EQ(std::string(lookup(static_cast<ESplitterType>(code))), expected) << "code " << code;
    }
}

} // namespace

TEST(MediaFileExtension, AudioExtensionsByFormat)
{
    ExpectTable(&UMediaFileExtension::GetAudioFileExtension,
                { { 100, "avi" }, { 200, "wma" }, { 250, "wma" }, { 300, "mpa" }, { 400, "mpa" },
                  { 350, "mp3" }, { 500, "wav" }, { 600, "mov" }, { 601, "mov" }, { 650, "aif" },
                  { 700, "mp4" }, { 1100, "ogg" }, { 1200, "mka" } });
    EXPECT_EQ(std::string(UMediaFileExtension::GetAudioFileExtension(static_cast<ESplitterType>(-1))), "err");
}

TEST(MediaFileExtension, VideoExtensionsByFormatWithNoneForRawStreams)
{
    ExpectTable(&UMediaFileExtension::GetVideoFileExtension,
                { { 100, "avi" }, { 110, "avi" }, { 120, "divx" }, { 130, "xvid" }, { 200, "wmv" },
                  { 250, "wmv" }, { 251, "wmv" }, { 252, "wmv" }, { 300, "mpg" }, { 400, "mpg" },
                  { 600, "mov" }, { 620, "flc" }, { 630, "3gp" }, { 631, "3g2" }, { 700, "mp4" },
                  { 900, "dv" }, { 1100, "ogm" }, { 1200, "mkv" }, { 1300, "swf" }, { 1600, "gif" },
                  { 1700, "Images" }, { 1800, "" } });
}

TEST(MediaFileExtension, ImageSequenceTailsForUpperCaseNamesOnly)
{
    EXPECT_EQ(std::string(UMediaFileExtension::GetImageFileExtension("BMP")), "Images\\n.bmp");
    EXPECT_EQ(std::string(UMediaFileExtension::GetImageFileExtension("GIF")), "Images\\n.gif");
    EXPECT_EQ(std::string(UMediaFileExtension::GetImageFileExtension("JPG")), "Images\\n.jpg");
    EXPECT_EQ(std::string(UMediaFileExtension::GetImageFileExtension("JPEG")), "Images\\n.jpg");
    EXPECT_EQ(UMediaFileExtension::GetImageFileExtension("BMP").GetLength(), 12) << "backslash and n, no line break";
    for (const char* other : { "jpg", "Bmp", "PNG", "JPEG ", "" })
        EXPECT_EQ(std::string(UMediaFileExtension::GetImageFileExtension(other)), "err") << other;
    EXPECT_EQ(std::string(UMediaFileExtension::GetImageFileExtension(nullptr)), "err");
}

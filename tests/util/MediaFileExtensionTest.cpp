#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <string>

// The tables themselves are data; what matters is how the lookups treat the edges.
TEST(MediaFileExtension, KindsFormatsAndTheEdges)
{
    EXPECT_EQ(std::string(UMediaFileExtension::GetAudioFileExtension(kSplitterMp3)), "mp3");
    EXPECT_EQ(std::string(UMediaFileExtension::GetAudioFileExtension(kSplitterXvid)), "err") << "video only";
    EXPECT_EQ(std::string(UMediaFileExtension::GetVideoFileExtension(kSplitterXvid)), "xvid");
    EXPECT_EQ(std::string(UMediaFileExtension::GetVideoFileExtension(kSplitterMp3)), "err") << "audio only";
    EXPECT_EQ(std::string(UMediaFileExtension::GetVideoFileExtension(kSplitterNoContainer)), "") << "raw streams";
    EXPECT_EQ(std::string(UMediaFileExtension::GetVideoFileExtension(static_cast<ESplitterType>(-1))), "err");

    EXPECT_EQ(std::string(UMediaFileExtension::GetImageFileExtension("JPEG")), "Images\\n.jpg")
        << "backslash and n, no line break";
    for (const char* other : {"jpg", "PNG", "JPEG ", ""})
        EXPECT_EQ(std::string(UMediaFileExtension::GetImageFileExtension(other)), "err") << other;
    EXPECT_EQ(std::string(UMediaFileExtension::GetImageFileExtension(nullptr)), "err");
}

#include "Handle.h"
#include "ImageHandle.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Bytes(const CHandle& handle)
{
    return std::string(reinterpret_cast<const char*>(handle.GetBuffer()), handle.GetSize());
}

} // namespace

TEST(Handle, AllocateSizesOrOnlyMakesRoomAndImpossibleAppendsChangeNothing)
{
    CHandle handle;
    ASSERT_TRUE(handle.Allocate(100, false, true));
    EXPECT_EQ(handle.GetSize(), 0u) << "room only";
    ASSERT_TRUE(handle.Append("abc", 3));
    ASSERT_TRUE(handle.Allocate(6, true, true));
    EXPECT_EQ(Bytes(handle), std::string("abc\0\0\0", 6)) << "kept and zero-filled";
    ASSERT_TRUE(handle.Allocate(2, true, false));
    EXPECT_EQ(Bytes(handle), "ab");
    ASSERT_TRUE(handle.SetSize(4));
    EXPECT_EQ(Bytes(handle), std::string("ab\0\0", 4)) << "grown bytes are zero, not the old c";

    // Appends of any length and of parts of the block itself are the buffers fuzz target's
    // to check; here, the appends that must be refused.
    EXPECT_TRUE(handle.Append(nullptr, 0));
    EXPECT_FALSE(handle.Append(nullptr, 1));
    EXPECT_FALSE(handle.Append("a", 0xFFFFFFFFul)) << "the size would overflow";
    EXPECT_EQ(Bytes(handle), std::string("ab\0\0", 4));
}

TEST(Handle, EmptyGivesEverythingBack)
{
    CHandle copy;
    copy.Append("data", 4);
    CHandle& asBase = copy;
    asBase.Empty();
    EXPECT_EQ(copy.GetSize(), 0u);
    EXPECT_EQ(copy.GetBuffer(), nullptr);

    // An image forgets its picture when emptied through the base.
    CImageHandle image;
    image.SetImageFormat(3, true, 640, 480, 644, 480);
    image.Append("pixels", 6);
    CImageHandle imageCopy(image);
    EXPECT_EQ(imageCopy.GetBufferWidth(), 644);
    static_cast<CHandle&>(image).Empty();
    EXPECT_EQ(image.GetSize(), 0u);
    EXPECT_EQ(image.GetImageWidth(), 0);
    EXPECT_FALSE(image.IsTopDown());
}

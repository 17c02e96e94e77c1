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

TEST(Handle, AllocateSizesOrOnlyMakesRoomAndAppendsManyPiecesAndPartsOfItself)
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

    handle.Empty();
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        std::string piece = std::to_string(i) + ";";
        ASSERT_TRUE(handle.Append(piece.data(), static_cast<unsigned long>(piece.size())));
        expected += piece;
    }
    EXPECT_EQ(Bytes(handle), expected);

    CHandle self;
    self.Append("xyz", 3);
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(self.Append(self.GetBuffer(), self.GetSize()));
    EXPECT_EQ(self.GetSize(), 3u * 64);
    EXPECT_EQ(Bytes(self).substr(189), "xyz");

    EXPECT_TRUE(handle.Append(nullptr, 0));
    EXPECT_FALSE(handle.Append(nullptr, 1));
    EXPECT_FALSE(handle.Append("a", 0xFFFFFFFFul)) << "the size would overflow";
    EXPECT_EQ(Bytes(handle), expected);
}

TEST(Handle, CopiesOwnTheirBytesAndEmptyGivesEverythingBack)
{
    CHandle original;
    original.Append("data", 4);
    CHandle copy(original);
    CHandle assigned;
    assigned.Append("old", 3);
    assigned = original;
    original.GetBuffer()[0] = 'D';
    EXPECT_EQ(Bytes(copy), "data");
    EXPECT_EQ(Bytes(assigned), "data");

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

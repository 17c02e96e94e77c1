#include "controls/BitmapWindow.h"

#include "MemoryCanvas.h"
#include "ScratchFolder.h"
#include "TestResources.h"
#include "pictures/pictures.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

class BitmapWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
        ASSERT_TRUE(window.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 64, 10), &parent, 1));
        ASSERT_TRUE(WriteResourceToFile(IDR_PICTURE_HALVES_GIF, picture));
    }

    // Lets the window draw itself into the canvas.
    void Paint()
    {
        canvas.Fill(kWhite);
        window.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.DC().m_hDC), PRF_CLIENT);
    }

    ScratchFolder scratch;
    const std::string picture = scratch.File("halves.gif");
    CWnd parent;
    CBitmapWindow window;
    CMemoryCanvas canvas{ 64, 40, kWhite };
};

} // namespace

TEST_F(BitmapWindowTest, ShowsThePictureScaledToItsClientAreaAndKeepsItWhenANewOneCannotBeRead)
{
    EXPECT_EQ(window.GetResizer().GetTargetWidth(), 64) << "sized when created";
    Paint();
    EXPECT_EQ(canvas.Pixel(10, 5), kWhite) << "nothing to show yet";

    ASSERT_TRUE(window.Load(picture.c_str()));
    Paint();
    EXPECT_EQ(canvas.Pixel(2, 2), kRed);
    EXPECT_EQ(canvas.Pixel(24, 8), kRed);
    EXPECT_EQ(canvas.Pixel(40, 2), kBlue);
    EXPECT_EQ(canvas.Pixel(62, 8), kBlue);
    EXPECT_EQ(canvas.Pixel(10, 12), kWhite) << "only the client area";

    window.MoveWindow(0, 0, 16, 40);
    EXPECT_EQ(window.GetResizer().GetWidth(), 16);
    EXPECT_EQ(window.GetResizer().GetHeight(), 40);
    Paint();
    EXPECT_EQ(canvas.Pixel(2, 38), kRed);
    EXPECT_EQ(canvas.Pixel(13, 38), kBlue);
    EXPECT_EQ(canvas.Pixel(20, 5), kWhite);

    const std::string broken = scratch.File("broken.jpg");
    ASSERT_TRUE(WriteWholeFile(broken, "\xFF\xD8 not really a picture"));
    EXPECT_FALSE(window.Load(broken.c_str()));
    EXPECT_FALSE(window.Load(nullptr));
    EXPECT_EQ(window.GetResizer().GetFilePath(), picture);
    Paint();
    EXPECT_EQ(canvas.Pixel(13, 38), kBlue);
}

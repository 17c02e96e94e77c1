#include "controls/BitmapCheckBox.h"
#include "controls/BitmapWindow.h"

#include "MemoryCanvas.h"
#include "ScratchFolder.h"
#include "TestResources.h"
#include "pictures/pictures.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);       // normal
const COLORREF kGreen = RGB(0, 255, 0);     // pressed
const COLORREF kBlue = RGB(0, 0, 255);      // focus
const COLORREF kGray = RGB(128, 128, 128);  // disabled
const COLORREF kYellow = RGB(255, 255, 0);  // checked

class BitmapCheckBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
        ASSERT_TRUE(box.Create("", WS_VISIBLE, CRect(0, 0, 8, 8), &parent, 9));
    }

    // The colour of the bitmap the box draws in the given state.
    COLORREF Draw(UINT state)
    {
        canvas.Fill(kWhite);
        DrawOwnerDrawItem(parent, box, state, canvas, { 0, 0, 8, 8 });
        return canvas.Pixel(4, 4);
    }

    CWnd parent;
    CBitmapCheckBox box;
    CMemoryCanvas canvas{ 8, 8, kWhite };
};

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

TEST_F(BitmapCheckBoxTest, DrawsTheBitmapOfItsStateAndCheckAndAClickTogglesTheCheck)
{
    EXPECT_EQ(box.GetStyle() & 0x0F, static_cast<DWORD>(BS_OWNERDRAW));
    ASSERT_TRUE(box.LoadBitmaps(IDB_NORMAL, IDB_PRESSED, IDB_FOCUS, IDB_DISABLED));
    ASSERT_TRUE(box.LoadCheckedBitmap(IDB_CHECKED));
    EXPECT_EQ(Draw(0), kRed);
    EXPECT_EQ(Draw(ODS_SELECTED), kGreen);
    EXPECT_EQ(Draw(ODS_FOCUS), kRed) << "a box with a normal bitmap never shows its focus bitmap";
    EXPECT_EQ(Draw(ODS_DISABLED), kRed) << "nor its disabled bitmap";

    box.SetCheck(1);
    EXPECT_EQ(Draw(0), kYellow);
    EXPECT_EQ(Draw(ODS_FOCUS | ODS_DISABLED), kYellow);
    EXPECT_EQ(Draw(ODS_SELECTED), kGreen) << "pressed wins over checked";

    box.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(box.GetCheck(), 0);
    box.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(box.GetCheck(), 1);
    box.SetCheck(5);
    EXPECT_EQ(box.GetCheck(), 1);
    // The box paints itself as a checked box.
    canvas.Fill(kWhite);
    box.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.DC().m_hDC), PRF_CLIENT);
    EXPECT_EQ(canvas.Pixel(4, 4), kYellow);
}

TEST_F(BitmapCheckBoxTest, FocusAndDisabledBitmapsStandInWhenNothingElseIsThere)
{
    ASSERT_FALSE(box.LoadBitmaps(nullptr, nullptr, MAKEINTRESOURCEA(IDB_FOCUS), MAKEINTRESOURCEA(IDB_DISABLED)));
    EXPECT_EQ(Draw(ODS_FOCUS), kBlue);
    EXPECT_EQ(Draw(ODS_DISABLED), kGray);
    EXPECT_EQ(Draw(ODS_FOCUS | ODS_DISABLED), kBlue);
    EXPECT_EQ(Draw(0), kWhite) << "nothing to draw";

    box.SetCheck(1);
    EXPECT_EQ(Draw(ODS_FOCUS), kBlue) << "checked, but without a checked bitmap";
    EXPECT_FALSE(box.LoadCheckedBitmap(IDB_NORMAL + 50));
    EXPECT_FALSE(box.LoadCheckedBitmap(static_cast<const char*>(nullptr)));
    EXPECT_EQ(Draw(ODS_DISABLED), kGray);
}

TEST_F(BitmapWindowTest, ShowsThePictureScaledToItsClientAreaAndKeepsItWhenANewOneCannotBeRead)
{
    EXPECT_EQ(window.GetResizer().GetTargetWidth(), 64) << "sized when created";
    Paint();
    EXPECT_EQ(canvas.Pixel(10, 5), kWhite) << "nothing to show yet";

    ASSERT_TRUE(window.Load(picture.c_str()));
    Paint();
    EXPECT_EQ((std::vector<COLORREF>{ canvas.Pixel(2, 2), canvas.Pixel(24, 8), canvas.Pixel(40, 2), canvas.Pixel(62, 8) }),
              (std::vector<COLORREF>{ kRed, kRed, kBlue, kBlue }));
    EXPECT_EQ(canvas.Pixel(10, 12), kWhite) << "only the client area";

    window.MoveWindow(0, 0, 16, 40);
    EXPECT_EQ(window.GetResizer().GetWidth(), 16);
    EXPECT_EQ(window.GetResizer().GetHeight(), 40);
    Paint();
    EXPECT_EQ((std::vector<COLORREF>{ canvas.Pixel(2, 38), canvas.Pixel(13, 38), canvas.Pixel(20, 5) }),
              (std::vector<COLORREF>{ kRed, kBlue, kWhite }));

    const std::string broken = scratch.File("broken.jpg");
    ASSERT_TRUE(WriteWholeFile(broken, "\xFF\xD8 not really a picture"));
    EXPECT_FALSE(window.Load(broken.c_str()));
    EXPECT_FALSE(window.Load(nullptr));
    EXPECT_EQ(window.GetResizer().GetFilePath(), picture);
    Paint();
    EXPECT_EQ(canvas.Pixel(13, 38), kBlue);
}

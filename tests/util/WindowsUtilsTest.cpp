#include "util/WindowUpdate.h"
#include "util/WindowsUtils.h"

#include "PreservedFile.h"
#include "ScratchFolder.h"
#include "TestApp.h"

#include "DirectoryUtils.h"

#include <gtest/gtest.h>

// Rectangles in failure messages.
void PrintTo(const CRect& rect, std::ostream* out)
{
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

namespace {

// A parent with child controls, in a hidden top-level window.
class WindowsUtilsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 100, 100, 500, 300, nullptr, nullptr));
        ASSERT_TRUE(window.Create("window", WS_VISIBLE, CRect(0, 0, 100, 50), &parent, 1));
        ASSERT_TRUE(other.Create("other", WS_VISIBLE, CRect(20, 10, 320, 50), &parent, 2));
    }

    static void Create(CWnd& wnd, int x, int y, int width, int height)
    {
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, "frame", WS_OVERLAPPEDWINDOW, x, y, width, height, nullptr, nullptr));
    }

    static CRect Rect(CWnd& wnd)
    {
        CRect rect;
        wnd.GetWindowRect(&rect);
        return rect;
    }

    static CRect InParent(CWnd& wnd)
    {
        CRect rect;
        EXPECT_TRUE(UWindowsUtils::GetInParentRect(&wnd, &rect));
        return rect;
    }

    CWnd parent;
    CStatic window;
    CStatic other;
};

// Counts the texts set on a static.
class CCountingStatic : public CStatic {
public:
    int textsSet = 0;

protected:
    afx_msg LRESULT OnSetText(WPARAM, LPARAM)
    {
        ++textsSet;
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingStatic, CStatic)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

} // namespace

TEST_F(WindowsUtilsTest, OverlapReplaceAlignAndMoveWorkInTheParentsClientArea)
{
    CRect screen;
    parent.GetWindowRect(&screen);
    EXPECT_EQ(InParent(parent), screen) << "a top-level window is in screen coordinates";

    window.ShowWindow(SW_HIDE);
    UWindowsUtils::ReplaceWindowCentered(&window, &other);
    EXPECT_EQ(InParent(window), CRect(120, 10, 220, 50)) << "centred, keeping the smaller width";
    EXPECT_TRUE((window.GetStyle() & WS_VISIBLE) && !(other.GetStyle() & WS_VISIBLE));
    UWindowsUtils::ReplaceWindow(&other, nullptr);
    EXPECT_FALSE(other.GetStyle() & WS_VISIBLE) << "nothing happens without the other window";

    CStatic inner;
    ASSERT_TRUE(inner.Create("inner", WS_VISIBLE, CRect(50, 60, 250, 160), &parent, 3));
    CStatic nested;
    ASSERT_TRUE(nested.Create("nested", WS_VISIBLE, CRect(10, 10, 30, 20), &inner, 4));
    UWindowsUtils::Overlap(&nested, &other, false);
    EXPECT_EQ(InParent(nested), CRect(-30, -50, 270, -10)) << "over `other`, in `inner`'s coordinates";

    // Aligning one edge keeps the size.
    window.MoveWindow(0, 100, 100, 50);
    const struct {
        EAlignWindow align;
        CRect expected;
    } steps[] = {{kAlignLeft, {20, 100, 120, 150}}, {kAlignRight, {220, 100, 320, 150}},
                 {kAlignTop, {220, 10, 320, 60}}, {kAlignBottom, {220, 0, 320, 50}}};
    for (const auto& step : steps) {
        EXPECT_TRUE(UWindowsUtils::AlignWindow(&other, &window, step.align));
        EXPECT_EQ(InParent(window), step.expected) << step.align;
    }
    EXPECT_FALSE(UWindowsUtils::AlignWindow(&other, &window, static_cast<EAlignWindow>(5)));
    EXPECT_FALSE(UWindowsUtils::AlignWindow(nullptr, &window, kAlignLeft));
    UWindowsUtils::MoveVertical(&window, -40);
    EXPECT_EQ(InParent(window), CRect(220, -40, 320, 10));
}

TEST_F(WindowsUtilsTest, TextIsSetOnlyWhenItChangesAndNullWindowsAreSafe)
{
    CCountingStatic label;
    ASSERT_TRUE(label.Create("12", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 5));
    UWindowsUtils::SetWindowTextA(&label, "12");
    UWindowsUtils::SetWindowTextA(&label, 12);
    EXPECT_EQ(label.textsSet, 0);
    UWindowsUtils::SetWindowTextA(&label, -7);
    EXPECT_EQ(label.textsSet, 1);
    EXPECT_EQ(UWindowsUtils::GetWindowNumber(&label), -7);
    UWindowsUtils::SetWindowTextA(&label, static_cast<const char*>(nullptr));
    EXPECT_STREQ(UWindowsUtils::GetWindowTextA(&label), "");
    UWindowsUtils::SetWindowTextA(&label, "99999999999");
    EXPECT_EQ(UWindowsUtils::GetWindowNumber(&label), 2147483647) << "out of range saturates";

    CButton check;
    ASSERT_TRUE(check.Create("check", WS_VISIBLE | BS_CHECKBOX, CRect(0, 0, 80, 20), &parent, 6));
    UWindowsUtils::SetCheck(&check, true);
    EXPECT_TRUE(UWindowsUtils::GetCheck(&check));
    CButton unmade;
    UWindowsUtils::SetCheck(&unmade, true);
    EXPECT_FALSE(UWindowsUtils::GetCheck(&unmade));
    UWindowsUtils::MoveVertical(nullptr, 3);
    UWindowsUtils::Overlap(nullptr, &other, true);
    UWindowsUtils::SetWindowTextA(nullptr, 3);
    UWindowsUtils::StoreLocation(nullptr);
    UWindowsUtils::PlaceWindow(&unmade, true);
    EXPECT_EQ(UWindowsUtils::GetWindowNumber(&unmade), 0);
}

TEST_F(WindowsUtilsTest, StWindowUpdateFreezesTheWindowOrTheMainWindowAndOnlyItsGuardThawsIt)
{
    EXPECT_EQ(StWindowUpdate().GetLockedWindow(), nullptr) << "no main window";
    TestApp().m_pMainWnd = &parent;
    {
        StWindowUpdate outer;
        EXPECT_EQ(outer.GetLockedWindow(), &parent);
        {
            StWindowUpdate inner(&other);
            EXPECT_EQ(inner.GetLockedWindow(), nullptr) << "Windows freezes one window at a time";
        }
        EXPECT_FALSE(::LockWindowUpdate(other.m_hWnd)) << "the first window is still frozen";
    }
    TestApp().m_pMainWnd = nullptr;
    EXPECT_TRUE(::LockWindowUpdate(other.m_hWnd)) << "and thawed with its guard";
    ::LockWindowUpdate(nullptr);
}

TEST_F(WindowsUtilsTest, PlacesWindowsWhereTheLastNormalOneWasStored)
{
    PreservedFile record(UDirectoryUtils::GetUserAppDataDirectory() + "window.ini"); // put back as it was
    CWnd stored, placed, moved;
    Create(stored, -40, 30, 300, 200);
    Create(placed, 0, 0, 200, 120);
    Create(moved, 0, 0, 200, 120);

    UWindowsUtils::PlaceWindow(&placed, true);
    EXPECT_EQ(Rect(placed), CRect(0, 0, 200, 120)) << "nothing stored yet";

    UWindowsUtils::StoreLocation(&stored);
    const std::string text = ReadWholeFile(record.Path());
    EXPECT_NE(text.find("[Window]"), std::string::npos) << text;
    EXPECT_NE(text.find("Width=300"), std::string::npos) << text;

    UWindowsUtils::PlaceWindow(&placed, true);
    EXPECT_EQ(Rect(placed), CRect(-40, 30, 260, 230)) << "left of the screen is kept";
    UWindowsUtils::PlaceWindow(&moved, false);
    EXPECT_EQ(Rect(moved), CRect(-40, 30, 160, 150)) << "its own size is kept";

    // Only normal windows are stored, and a stored top-left corner is nothing stored.
    CWnd atOrigin, minimized, third;
    Create(atOrigin, 0, 0, 300, 200);
    Create(minimized, 50, 60, 200, 120);
    Create(third, 70, 80, 200, 120);
    UWindowsUtils::StoreLocation(&atOrigin);
    UWindowsUtils::PlaceWindow(&third, true);
    EXPECT_EQ(Rect(third), CRect(70, 80, 270, 200));
    UWindowsUtils::StoreLocation(&stored);
    minimized.ShowWindow(SW_MINIMIZE);
    UWindowsUtils::StoreLocation(&minimized);
    UWindowsUtils::PlaceWindow(&third, true);
    EXPECT_EQ(Rect(third), CRect(-40, 30, 260, 230)) << "the minimised window stored nothing";
}

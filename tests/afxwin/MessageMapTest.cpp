#include "MessagePump.h"

#include "afxwin.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const UINT WM_TEST_PING = WM_APP + 1;
const UINT WM_TEST_ONLY_DERIVED = WM_APP + 2;

class CBaseWnd : public CWnd {
public:
    std::vector<const char*> calls;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        calls.push_back("base create");
        return CWnd::OnCreate(cs);
    }
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM)
    {
        calls.push_back("base ping");
        return static_cast<LRESULT>(wParam) + 1;
    }
    virtual afx_msg void OnSize(UINT, int, int) { calls.push_back("base size"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_TEST_PING, OnPing)
    ON_WM_SIZE()
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
protected:
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM)
    {
        calls.push_back("derived ping");
        return static_cast<LRESULT>(wParam) * 10;
    }
    afx_msg LRESULT OnOnlyDerived(WPARAM, LPARAM)
    {
        calls.push_back("derived only");
        return 7;
    }
    void OnSize(UINT, int, int) override { calls.push_back("derived size"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
    ON_MESSAGE(WM_TEST_PING, OnPing)
    ON_MESSAGE(WM_TEST_ONLY_DERIVED, OnOnlyDerived)
END_MESSAGE_MAP()

BOOL CreateTopLevel(CWnd& wnd)
{
    return wnd.CreateEx(0, nullptr, "test", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr);
}

// A button that handles its own clicks when the parent reflects them.
class CSelfClickButton : public CWnd {
public:
    int clicks = 0;
    BOOL letParentSee = FALSE;

protected:
    afx_msg BOOL OnClicked()
    {
        ++clicks;
        return !letParentSee;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfClickButton, CWnd)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CParentWnd : public CWnd {
public:
    int parentClicks = 0;
    int notifications = 0;

protected:
    afx_msg void OnButton() { ++parentClicks; }
    afx_msg void OnCustom(NMHDR*, LRESULT* result)
    {
        ++notifications;
        *result = 99;
    }
    DECLARE_MESSAGE_MAP()
};

const UINT kButtonId = 500;
const UINT kCustomCode = static_cast<UINT>(-1000);

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_BN_CLICKED(kButtonId, OnButton)
    ON_NOTIFY(kCustomCode, kButtonId, OnCustom)
END_MESSAGE_MAP()

class CNotifyingChild : public CWnd {
public:
    int reflected = 0;

protected:
    afx_msg void OnCustom(NMHDR*, LRESULT* result)
    {
        ++reflected;
        *result = 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyingChild, CWnd)
    ON_NOTIFY_REFLECT(kCustomCode, OnCustom)
END_MESSAGE_MAP()

class CCountingFrame : public CFrameWnd {
public:
    explicit CCountingFrame(bool* deleted) : mDeleted(deleted) {}
    ~CCountingFrame() override { *mDeleted = true; }

private:
    bool* mDeleted;
};

class CPlainWnd : public CWnd {
public:
    int postNcDestroyCalls = 0;

protected:
    void PostNcDestroy() override { ++postNcDestroyCalls; }
};

} // namespace

TEST(MessageMap, DerivedEntriesComeFirstAndParentsReflectNotificationsToSubclassedChildren)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    ASSERT_EQ(wnd.calls.size(), 1u);
    EXPECT_STREQ(wnd.calls[0], "base create") << "WM_CREATE reaches the map through the hook";

    EXPECT_EQ(wnd.SendMessage(WM_TEST_PING, 4), 40) << "the derived map shadows the base entry";
    EXPECT_EQ(wnd.SendMessage(WM_TEST_ONLY_DERIVED), 7);
    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(10, 10));
    EXPECT_STREQ(wnd.calls.back(), "derived size") << "a virtual handler of the base map dispatches virtually";

    CBaseWnd base;
    ASSERT_TRUE(CreateTopLevel(base));
    EXPECT_EQ(base.SendMessage(WM_TEST_PING, 4), 5);
    EXPECT_EQ(base.SendMessage(WM_TEST_ONLY_DERIVED), 0) << "unmapped messages go to the default procedure";

    CParentWnd parent;
    ASSERT_TRUE(CreateTopLevel(parent));
    HWND button = ::CreateWindowExA(0, "BUTTON", "Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0,
                                    50, 20, parent.m_hWnd,
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kButtonId)),
                                    nullptr, nullptr);
    ASSERT_NE(button, nullptr);

    const WPARAM clicked = MAKEWPARAM(kButtonId, BN_CLICKED);
    parent.SendMessage(WM_COMMAND, clicked, reinterpret_cast<LPARAM>(button));
    EXPECT_EQ(parent.parentClicks, 1) << "an unsubclassed control's notice goes to the parent";

    CSelfClickButton self;
    ASSERT_TRUE(self.SubclassWindow(button));
    parent.SendMessage(WM_COMMAND, clicked, reinterpret_cast<LPARAM>(button));
    EXPECT_EQ(self.clicks, 1);
    EXPECT_EQ(parent.parentClicks, 1) << "the child handled the reflected notice";

    self.letParentSee = TRUE;
    parent.SendMessage(WM_COMMAND, clicked, reinterpret_cast<LPARAM>(button));
    EXPECT_EQ(self.clicks, 2);
    EXPECT_EQ(parent.parentClicks, 2) << "an _EX reflection handler returning FALSE lets the parent act";

    NMHDR header = { button, kButtonId, kCustomCode };
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, kButtonId, reinterpret_cast<LPARAM>(&header)), 99);
    ASSERT_EQ(self.UnsubclassWindow(), button);

    CNotifyingChild child;
    ASSERT_TRUE(child.SubclassWindow(button));
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, kButtonId, reinterpret_cast<LPARAM>(&header)), 5);
    EXPECT_EQ(child.reflected, 1);
    EXPECT_EQ(parent.notifications, 1) << "a reflected WM_NOTIFY does not reach the parent's map";
}

TEST(HandleMap, DestroyWindowDetachesTemporariesLastUntilDeletedAndFailuresLeaveNothing)
{
    CPlainWnd plain;
    ASSERT_TRUE(CreateTopLevel(plain));
    HWND hWnd = plain.m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &plain);
    EXPECT_EQ(CWnd::FromHandle(hWnd), &plain);

    ASSERT_TRUE(plain.DestroyWindow());
    EXPECT_EQ(plain.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(plain.postNcDestroyCalls, 1);
    EXPECT_FALSE(::IsWindow(hWnd));

    bool deleted = false;
    auto* frame = new CCountingFrame(&deleted);
    ASSERT_TRUE(frame->Create(nullptr, "frame"));
    HWND frameWnd = frame->m_hWnd;
    ::DestroyWindow(frameWnd);
    EXPECT_TRUE(deleted) << "a frame deletes itself after WM_NCDESTROY";
    EXPECT_EQ(CWnd::FromHandlePermanent(frameWnd), nullptr);

    // Temporary objects last until the temporary map is deleted.
    HWND raw = ::CreateWindowExA(0, "STATIC", "raw", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(raw, nullptr);
    CWnd* temporary = CWnd::FromHandle(raw);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(CWnd::FromHandle(raw), temporary) << "one temporary object per handle";
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
    CWnd::DeleteTempMap();

    CWnd attached;
    ASSERT_TRUE(attached.Attach(raw));
    EXPECT_EQ(CWnd::FromHandle(raw), &attached) << "the permanent object wins over new temporaries";
    CWnd second;
    EXPECT_FALSE(second.Attach(raw)) << "a handle has one permanent object";
    EXPECT_EQ(attached.Detach(), raw);
    ::DestroyWindow(raw);

    // A failed creation leaves nothing behind.
    CPlainWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, "NoSuchWindowClass", "x", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.postNcDestroyCalls, 1) << "the object is told to clean up after a failed creation";

    // The creation hook must be gone: a later plain window is not attached to anything.
    HWND later = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(later), nullptr);
    ::DestroyWindow(later);
}


#include "TestApp.h"
#include "resource.h"

#include "afxwin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CCommandFrame : public CFrameWnd {
public:
    int handled = 0;
    int disabledRuns = 0;

protected:
    afx_msg void OnHandled() { ++handled; }
    afx_msg void OnDisabled() { ++disabledRuns; }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateHandled(CCmdUI* pCmdUI)
    {
        pCmdUI->SetCheck(1);
        pCmdUI->SetText("Handled now");
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandFrame, CFrameWnd)
    ON_COMMAND(ID_TEST_HANDLED, OnHandled)
    ON_UPDATE_COMMAND_UI(ID_TEST_HANDLED, OnUpdateHandled)
    ON_COMMAND(ID_TEST_DISABLED, OnDisabled)
    ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, OnUpdateDisabled)
END_MESSAGE_MAP()

// An application-level handler, reached after the frame's own map.
class CRoutedFrame : public CFrameWnd {
public:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
        if (nID == ID_TEST_UNHANDLED && nCode == CN_COMMAND && !pHandlerInfo) {
            ++fallbackRuns;
            return TRUE;
        }
        return FALSE;
    }
    int fallbackRuns = 0;
};

class CIdleCounter : public CWnd {
public:
    int idleUpdates = 0;

protected:
    afx_msg LRESULT OnIdleUpdate(WPARAM, LPARAM)
    {
        ++idleUpdates;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleCounter, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdate)
END_MESSAGE_MAP()

} // namespace

TEST(CommandRouting, MenuCommandsTheirUpdatesAndUnhandledCommands)
{
    auto* frame = new CCommandFrame;
    ASSERT_TRUE(frame->Create(nullptr, "commands", WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, nullptr,
                              MAKEINTRESOURCEA(IDR_TEST_MENU)));
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_HANDLED, 0));
    EXPECT_EQ(frame->handled, 1);
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_DISABLED, 1));
    EXPECT_EQ(frame->disabledRuns, 0) << "an accelerator of a disabled command does nothing";

    CMenu* popup = frame->GetMenu()->GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup->m_hMenu), 0);
    EXPECT_EQ(popup->GetMenuState(ID_TEST_HANDLED, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED), MF_CHECKED);
    CString text;
    popup->GetMenuString(ID_TEST_HANDLED, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "Handled now");
    EXPECT_TRUE(popup->GetMenuState(ID_TEST_DISABLED, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(popup->GetMenuState(ID_TEST_UNHANDLED, MF_BYCOMMAND) & MF_GRAYED)
        << "a command nobody handles is disabled automatically";
    frame->DestroyWindow();
    CWnd::DeleteTempMap();
    CMenu::DeleteTempMap();

    // Unhandled commands travel on from the frame's own map.
    auto* routed = new CRoutedFrame;
    ASSERT_TRUE(routed->Create(nullptr, "routed"));
    routed->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_UNHANDLED, 0));
    EXPECT_EQ(routed->fallbackRuns, 1);
    routed->DestroyWindow();

    CString greeting;
    EXPECT_TRUE(greeting.LoadString(IDS_GREETING));
    EXPECT_EQ(greeting, "Hello from the resources");
    EXPECT_FALSE(greeting.LoadString(12345));
    EXPECT_TRUE(greeting.IsEmpty());
}

TEST(Application, MessageBoxesProfileSettingsAndIdleTimeGoThroughTheApplication)
{
    CTestApp& app = TestApp();
    EXPECT_EQ(AfxGetApp(), &app);
    app.ForgetMessageBoxes();
    app.AnswerNextMessageBox(IDYES);
    EXPECT_EQ(AfxMessageBox("Replace it?", MB_YESNO), IDYES);
    EXPECT_EQ(AfxMessageBox("Again?", MB_YESNO), IDCANCEL);
    EXPECT_EQ(app.MessageBoxes(), (std::vector<std::string>{ "Replace it?", "Again?" }));

    app.SetRegistryKey("Tarnwell Test");
    ASSERT_STREQ(app.m_pszProfileName, "tnwtest");
    EXPECT_EQ(app.GetProfileInt("Section", "Number", 17), 17u);
    EXPECT_EQ(app.GetProfileString("Section", "Text", "fallback"), "fallback");

    ASSERT_TRUE(app.WriteProfileInt("Section", "Number", -5));
    ASSERT_TRUE(app.WriteProfileString("Section", "Text", "stored value"));
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Section", "Number", 0)), -5);
    EXPECT_EQ(app.GetProfileString("Section", "Text"), "stored value");

    // A text where a number is expected reads as the default, not as garbage.
    ASSERT_TRUE(app.WriteProfileString("Section", "Number", "not a number"));
    EXPECT_EQ(app.GetProfileInt("Section", "Number", 9), 9u);

    ASSERT_TRUE(app.WriteProfileString("Section", "Text", nullptr));
    EXPECT_EQ(app.GetProfileString("Section", "Text", "gone"), "gone");
    ASSERT_TRUE(app.WriteProfileString("Section", nullptr, nullptr));
    HKEY raw = nullptr;
    EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Tarnwell Test\\tnwtest\\Section", 0,
                              KEY_READ, &raw), ERROR_SUCCESS);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tarnwell Test");

    // Idle time updates the main window and its children.
    CIdleCounter main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                              nullptr, nullptr));
    CIdleCounter child;
    ASSERT_TRUE(child.Create(nullptr, "child", WS_VISIBLE, RECT{ 0, 0, 10, 10 }, &main, 1));

    app.m_pMainWnd = &main;
    EXPECT_TRUE(app.OnIdle(0)) << "more idle work follows the command updates";
    EXPECT_EQ(main.idleUpdates, 1);
    EXPECT_EQ(child.idleUpdates, 1);
    EXPECT_FALSE(app.OnIdle(1)) << "freeing temporary objects is the last idle work";
    app.m_pMainWnd = nullptr;
    main.DestroyWindow();
}


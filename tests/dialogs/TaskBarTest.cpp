#include "MenuPicker.h"
#include "MessagePump.h"
#include "PreservedFile.h"
#include "StandInTray.h"

#include "res/resource.h"
#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Notes the popup menu's commands that reach the task-bar window.
template <class TWindow>
class CMenuRecording : public TWindow {
public:
    using TWindow::TWindow;
    std::vector<int> handled;
    void HandleTaskBarMenuCommand(int commandId) override { handled.push_back(commandId); }
};

// Any template does for a window that only needs to exist: the library's error dialog.
template <class TDialog>
void Open(TDialog& dialog)
{
    ASSERT_TRUE(dialog.Create(IDD_ERROR));
    dialog.ShowWindow(SW_SHOW);
}

// Minimises the window and tells whether it is still visible.
bool VisibleAfterMinimising(CWnd& window)
{
    window.SendMessage(WM_SIZE, SIZE_MINIMIZED, 0);
    return window.IsWindowVisible() != FALSE;
}

void TrayClick(CWnd& window, WPARAM icon, LPARAM mouseMessage)
{
    EXPECT_EQ(window.SendMessage(CTaskBarIcon::kCallbackMessage, icon, mouseMessage), 0);
}

using Operations = std::vector<StandInTray::SOperation>;

class TaskBarTest : public ::testing::Test {
protected:
    PreservedFile settings{UDirectoryUtils::GetUserAppDataDirectory() + "settings.ini"};
    std::optional<StandInTray> tray{std::in_place};
};

TEST_F(TaskBarTest, TheRotatorsIconIsAddedUpdatedAndTakenAwayAndMenuCommandsEndAtTheHook)
{
    HWND owner = nullptr;
    {
        CTaskBarDialog2 dialog(IDD_ERROR, nullptr);
        Open(dialog);
        owner = dialog.m_hWnd;
        CTaskBarIcon& icon = dialog.GetTaskBarIcon();
        CIconRotator& rotator = icon.GetRotator();
        rotator.AddIcon(IDI_TNW_LIBRARY);
        rotator.AddIcon(IDI_TNW_LIBRARY);
        icon.SetTip(std::string(200, 'x').c_str());
        const NOTIFYICONDATAA record = icon.MakeRecord(owner);
        EXPECT_EQ(std::make_tuple(record.uID, record.uFlags, record.uCallbackMessage), std::make_tuple(100u, 7u, 1026u));
        EXPECT_EQ(record.hIcon, rotator.GetIcon());
        EXPECT_EQ(std::string(record.szTip), std::string(127, 'x')) << "a long tip is cut to 127 characters";
        // Only the fields of the version-2 record: 488 bytes in a 32-bit program.
        EXPECT_EQ(record.cbSize,
                  sizeof(void*) == 4 ? 488u : static_cast<DWORD>(FIELD_OFFSET(NOTIFYICONDATAA, guidItem)));

        // Without a notification area the add fails and is tried again by the next call.
        tray.reset();
        dialog.SetTrayIcon();
        EXPECT_FALSE(icon.IsShown());
        tray.emplace();
        rotator.SetCurrent(1);
        EXPECT_TRUE(dialog.ListenToMessage(CIconRotator::kIconChanged, &rotator, nullptr));
        EXPECT_FALSE(dialog.ListenToMessage(CTimer::kTimerTick, &rotator, nullptr));
        dialog.ResetTrayIcon();
        EXPECT_FALSE(icon.IsShown());
        dialog.SetTrayIcon();
        EXPECT_EQ(tray->Operations(), (Operations{{NIM_ADD, owner}, {NIM_MODIFY, owner}, {NIM_DELETE, owner},
                                                   {NIM_ADD, owner}}));
        tray->Forget();
        dialog.SendMessage(WM_CLOSE);
        EXPECT_EQ(tray->Operations(), (Operations{{NIM_DELETE, owner}})) << "closing takes the icon away";

        dialog.SetTrayIcon();
        tray->Forget();
        dialog.DestroyWindow();
    }
    EXPECT_EQ(tray->Operations(), (Operations{{NIM_DELETE, owner}})) << "a window that goes takes its icon along";

    // The icon's menu commands end at the hook.
    CMenuRecording<CTaskBarDialog> dialog(IDD_ERROR, nullptr);
    Open(dialog);
    CPopupMenu& menu = dialog.GetTaskBarIcon().GetPopupMenu();
    menu.AddItem("Show", 0x8301);
    // An item whose id is the dialog's Cancel must not end the dialog.
    menu.AddItem("Hide", IDCANCEL);
    {
        MenuPicker picker;
        TrayClick(dialog, 100, WM_RBUTTONUP);
        EXPECT_TRUE(PumpMessagesUntil([&] { return !dialog.handled.empty(); }));
        EXPECT_TRUE(picker.Picked());
    }
    EXPECT_EQ(dialog.handled, std::vector<int>{IDCANCEL});
    EXPECT_TRUE(dialog.IsWindowVisible()) << "the dialog's own Cancel did not run";

    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(dialog.m_hWnd));
    EXPECT_EQ(dialog.handled.size(), 1u) << "a button's command is not the menu's";
    TrayClick(dialog, 101, WM_RBUTTONUP);
    EXPECT_EQ(dialog.handled.size(), 1u);
    dialog.DestroyWindow();
}

TEST_F(TaskBarTest, EachWindowHidesWhenMinimisedByItsOwnRuleAndTheTraySettingLivesInTheUsersFile)
{
    // The application-wide setting lives in the user's settings file.
    EXPECT_FALSE(CTaskBarDialog::GetMinimizeToSystemTray()) << "off by default";
    CTaskBarDialog::SetMinimizeToSystemTray(true);
    EXPECT_EQ(::GetPrivateProfileIntA("Window", "Tray", -1, settings.Path().c_str()), 1);
    CTaskBarDialog::SetMinimizeToSystemTray(false);
    EXPECT_EQ(::GetPrivateProfileIntA("Window", "Tray", -1, settings.Path().c_str()), 0);
    ::WritePrivateProfileStringA("Window", "Tray", "5", settings.Path().c_str());
    EXPECT_TRUE(CTaskBarDialog::GetMinimizeToSystemTray()) << "any number but 0 is on";
    CTaskBarDialog::SetMinimizeToSystemTray(false);

    CTaskBarDialog dialog(IDD_ERROR, nullptr);
    CTaskBarDialog2 dialog2(IDD_ERROR, nullptr);
    Open(dialog);
    Open(dialog2);
    auto* frame = static_cast<CTaskBarFrame*>(RUNTIME_CLASS(CTaskBarFrame)->CreateObject());
    ASSERT_TRUE(frame->Create(nullptr, "tray frame"));
    frame->ShowWindow(SW_SHOW);
    EXPECT_TRUE(frame->GetStyle() & WS_CLIPCHILDREN) << "a plain frame";

    EXPECT_TRUE(VisibleAfterMinimising(dialog));
    CTaskBarDialog::SetMinimizeToSystemTray(true);
    EXPECT_FALSE(VisibleAfterMinimising(dialog)) << "hidden by the setting, even without an icon";
    TrayClick(dialog, 101, WM_LBUTTONDBLCLK);
    TrayClick(dialog, 100, WM_LBUTTONDOWN);
    EXPECT_FALSE(dialog.IsWindowVisible()) << "other icons and other clicks are ignored";
    TrayClick(dialog, 100, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(dialog.IsWindowVisible());

    // The application-wide setting is not theirs: both switches decide.
    dialog2.EnableTray(true);
    frame->SetMinimizeToTray(true);
    EXPECT_TRUE(VisibleAfterMinimising(dialog2));
    EXPECT_TRUE(VisibleAfterMinimising(*frame));
    dialog2.SetMinimizeToTray(true);
    frame->EnableTray(true);
    EXPECT_FALSE(VisibleAfterMinimising(dialog2));
    EXPECT_FALSE(VisibleAfterMinimising(*frame));

    TrayClick(*frame, 100, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(frame->IsWindowVisible());
    HWND frameWindow = frame->m_hWnd;
    frame->SetTrayIcon();
    frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(frameWindow)) << "a frame closes and frees itself";
    EXPECT_EQ(tray->Operations(), (Operations{{NIM_ADD, frameWindow}, {NIM_DELETE, frameWindow}}));
    EXPECT_FALSE(dialog.ListenToMessage(CIconRotator::kIconChanged, &dialog.GetTaskBarIcon().GetRotator(), nullptr))
        << "the first dialog of the family answers the icon change as CListener does";
    dialog.DestroyWindow();
    dialog2.DestroyWindow();
}

} // namespace

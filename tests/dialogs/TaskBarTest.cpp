#include "MenuPicker.h"
#include "MessagePump.h"
#include "PreservedFile.h"
#include "ScratchFolder.h"
#include "StandInTray.h"

#include "res/resource.h"
#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

const UINT kShowCommand = 0x8301;
const UINT kQuitCommand = 0x8302;

// Notes the popup menu's commands that reach the task-bar window.
template <class TWindow>
class CMenuRecording : public TWindow {
public:
    using TWindow::TWindow;
    std::vector<int> handled;
    void HandleTaskBarMenuCommand(int commandId) override { handled.push_back(commandId); }
};

using CRecordingDialog = CMenuRecording<CTaskBarDialog>;

// Any template does for a window that only needs to exist: the library's error dialog.
template <class TDialog>
void Open(TDialog& dialog)
{
    ASSERT_TRUE(dialog.Create(IDD_ERROR));
    dialog.ShowWindow(SW_SHOW);
}

void Minimise(CWnd& window)
{
    window.SendMessage(WM_SIZE, SIZE_MINIMIZED, 0);
}

void TrayClick(CWnd& window, WPARAM icon, LPARAM mouseMessage)
{
    EXPECT_EQ(window.SendMessage(CTaskBarIcon::kCallbackMessage, icon, mouseMessage), 0);
}

using Operations = std::vector<StandInTray::SOperation>;

class TaskBarTest : public ::testing::Test {
protected:
    PreservedFile settings{UDirectoryUtils::GetUserAppDataDirectory() + "settings.ini"};
    const std::vector<StandInTray::SOperation>& TrayOperations() const { return tray->Operations(); }

    std::optional<StandInTray> tray{std::in_place};
};

TEST_F(TaskBarTest, TheTraySettingLivesInTheUsersSettingsFile)
{
    EXPECT_FALSE(CTaskBarDialog::GetMinimizeToSystemTray()) << "off by default";
    CTaskBarDialog::SetMinimizeToSystemTray(true);
    EXPECT_TRUE(CTaskBarDialog::GetMinimizeToSystemTray());
    EXPECT_EQ(::GetPrivateProfileIntA("Window", "Tray", -1, settings.Path().c_str()), 1);
    CTaskBarDialog::SetMinimizeToSystemTray(false);
    EXPECT_EQ(::GetPrivateProfileIntA("Window", "Tray", -1, settings.Path().c_str()), 0);

    ::WritePrivateProfileStringA("Window", "Tray", "5", settings.Path().c_str());
    EXPECT_TRUE(CTaskBarDialog::GetMinimizeToSystemTray()) << "any number but 0 is on";
}

TEST_F(TaskBarTest, TheIconRecordIsAlwaysTheSame)
{
    CTaskBarDialog dialog(IDD_ERROR, nullptr);
    Open(dialog);
    CTaskBarIcon& icon = dialog.GetTaskBarIcon();
    icon.GetRotator().AddIcon(IDI_TNW_LIBRARY);
    icon.SetTip(std::string(200, 'x').c_str());

    const NOTIFYICONDATAA record = icon.MakeRecord(dialog.m_hWnd);
    EXPECT_EQ(record.hWnd, dialog.m_hWnd);
    EXPECT_EQ(record.uID, 100u);
    EXPECT_EQ(record.uFlags, 7u);
    EXPECT_EQ(record.uCallbackMessage, 1026u);
    EXPECT_EQ(record.hIcon, icon.GetRotator().GetIcon());
    EXPECT_EQ(std::string(record.szTip), std::string(127, 'x')) << "a long tip is cut to 127 characters";
    // Only the fields of the version-2 record: 488 bytes in a 32-bit program.
    EXPECT_EQ(record.cbSize, sizeof(void*) == 4 ? 488u : static_cast<DWORD>(FIELD_OFFSET(NOTIFYICONDATAA, guidItem)));
    dialog.DestroyWindow();
}

TEST_F(TaskBarTest, TheIconIsAddedOnceThenUpdatedUntilReset)
{
    CTaskBarDialog dialog(IDD_ERROR, nullptr);
    Open(dialog);
    HWND owner = dialog.m_hWnd;
    CTaskBarIcon& icon = dialog.GetTaskBarIcon();
    EXPECT_FALSE(icon.IsShown());
    dialog.SetTrayIcon();
    EXPECT_TRUE(icon.IsShown());
    icon.SetTip("converting");
    dialog.SetTrayIcon();
    dialog.ResetTrayIcon();
    EXPECT_FALSE(icon.IsShown());
    dialog.SetTrayIcon();
    EXPECT_EQ(TrayOperations(), (Operations{{NIM_ADD, owner}, {NIM_MODIFY, owner}, {NIM_DELETE, owner},
                                             {NIM_ADD, owner}}));

    tray->Forget();
    dialog.SendMessage(WM_CLOSE);
    EXPECT_FALSE(icon.IsShown()) << "closing takes the icon away";
    EXPECT_EQ(TrayOperations(), (Operations{{NIM_DELETE, owner}}));
    dialog.DestroyWindow();
}

TEST_F(TaskBarTest, AnIconTheShellRefusedIsAddedAgainLater)
{
    CTaskBarDialog dialog(IDD_ERROR, nullptr);
    Open(dialog);
    // No notification area at all for a moment.
    tray.reset();
    dialog.SetTrayIcon();
    EXPECT_FALSE(dialog.GetTaskBarIcon().IsShown());
    tray.emplace();
    dialog.SetTrayIcon();
    EXPECT_TRUE(dialog.GetTaskBarIcon().IsShown());
    EXPECT_EQ(TrayOperations(), (Operations{{NIM_ADD, dialog.m_hWnd}}));
    dialog.ResetTrayIcon();
    dialog.DestroyWindow();
}

TEST_F(TaskBarTest, AWindowThatGoesTakesItsIconAlong)
{
    HWND owner = nullptr;
    {
        CTaskBarDialog2 dialog(IDD_ERROR, nullptr);
        Open(dialog);
        owner = dialog.m_hWnd;
        dialog.SetTrayIcon();
        dialog.DestroyWindow();
    }
    EXPECT_EQ(TrayOperations(), (Operations{{NIM_ADD, owner}, {NIM_DELETE, owner}}));
}

TEST_F(TaskBarTest, TheRotatorsChangesShowTheIcon)
{
    CTaskBarDialog dialog(IDD_ERROR, nullptr);
    CTaskBarDialog2 dialog2(IDD_ERROR, nullptr);
    Open(dialog);
    Open(dialog2);
    for (CIconRotator* rotator : {&dialog.GetTaskBarIcon().GetRotator(), &dialog2.GetTaskBarIcon().GetRotator()}) {
        rotator->AddIcon(IDI_TNW_LIBRARY);
        rotator->AddIcon(IDI_TNW_LIBRARY);
        rotator->SetCurrent(1);
        rotator->SetCurrent(0);
    }
    EXPECT_EQ(TrayOperations(), (Operations{{NIM_ADD, dialog.m_hWnd}, {NIM_MODIFY, dialog.m_hWnd},
                                             {NIM_ADD, dialog2.m_hWnd}, {NIM_MODIFY, dialog2.m_hWnd}}));

    // The first dialog passes the broadcast on, the second takes it.
    CIconRotator& rotator = dialog.GetTaskBarIcon().GetRotator();
    EXPECT_FALSE(dialog.ListenToMessage(CIconRotator::kIconChanged, &rotator, nullptr));
    EXPECT_TRUE(dialog2.ListenToMessage(CIconRotator::kIconChanged, &rotator, nullptr));
    EXPECT_FALSE(dialog2.ListenToMessage(CTimer::kTimerTick, &rotator, nullptr));
    dialog.DestroyWindow();
    dialog2.DestroyWindow();
}

TEST_F(TaskBarTest, MinimisingHidesTheDialogWhenTheSettingSaysSo)
{
    CTaskBarDialog dialog(IDD_ERROR, nullptr);
    Open(dialog);
    Minimise(dialog);
    EXPECT_TRUE(dialog.IsWindowVisible()) << "the setting is off";

    CTaskBarDialog::SetMinimizeToSystemTray(true);
    Minimise(dialog);
    EXPECT_FALSE(dialog.IsWindowVisible()) << "hidden even without an icon";

    TrayClick(dialog, 101, WM_LBUTTONDBLCLK);
    TrayClick(dialog, 100, WM_LBUTTONDOWN);
    EXPECT_FALSE(dialog.IsWindowVisible()) << "other icons and other clicks are ignored";
    TrayClick(dialog, 100, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(dialog.IsWindowVisible());
    dialog.DestroyWindow();
}

TEST_F(TaskBarTest, TheSecondDialogAndTheFrameHideOnlyWithBothSwitches)
{
    CTaskBarDialog::SetMinimizeToSystemTray(true);
    CTaskBarDialog2 dialog(IDD_ERROR, nullptr);
    Open(dialog);
    auto* frame = static_cast<CTaskBarFrame*>(RUNTIME_CLASS(CTaskBarFrame)->CreateObject());
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->Create(nullptr, "tray frame"));
    frame->ShowWindow(SW_SHOW);
    EXPECT_TRUE(frame->GetStyle() & WS_CLIPCHILDREN);
    EXPECT_FALSE(frame->GetExStyle() & WS_EX_CLIENTEDGE);

    Minimise(dialog);
    Minimise(*frame);
    EXPECT_TRUE(dialog.IsWindowVisible()) << "the application-wide setting is not theirs";
    EXPECT_TRUE(frame->IsWindowVisible());

    dialog.EnableTray(true);
    frame->SetMinimizeToTray(true);
    Minimise(dialog);
    Minimise(*frame);
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_TRUE(frame->IsWindowVisible());

    dialog.SetMinimizeToTray(true);
    frame->EnableTray(true);
    Minimise(dialog);
    Minimise(*frame);
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_FALSE(frame->IsWindowVisible());

    TrayClick(*frame, 100, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(frame->IsWindowVisible());
    HWND frameWindow = frame->m_hWnd;
    frame->SetTrayIcon();
    EXPECT_TRUE(frame->GetTaskBarIcon().IsShown());
    frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(frameWindow)) << "a frame closes and frees itself";
    EXPECT_EQ(TrayOperations(), (Operations{{NIM_ADD, frameWindow}, {NIM_DELETE, frameWindow}}));
    dialog.DestroyWindow();
}

TEST_F(TaskBarTest, ARightClickOpensTheMenuWhoseCommandsReachTheWindow)
{
    CRecordingDialog dialog(IDD_ERROR, nullptr);
    Open(dialog);
    CPopupMenu& menu = dialog.GetTaskBarIcon().GetPopupMenu();
    menu.AddItem("Quit", kQuitCommand);
    menu.AddItem("Show", kShowCommand);
    {
        MenuPicker picker;
        TrayClick(dialog, 100, WM_RBUTTONUP);
        EXPECT_TRUE(PumpMessagesUntil([&] { return !dialog.handled.empty(); }, 5000));
        EXPECT_TRUE(picker.Picked());
    }
    EXPECT_EQ(dialog.handled, std::vector<int>{static_cast<int>(kShowCommand)});

    dialog.SendMessage(WM_COMMAND, IDCANCEL + 0x8000);
    EXPECT_EQ(dialog.handled.size(), 1u) << "other commands are not the menu's";
    TrayClick(dialog, 101, WM_RBUTTONUP);
    EXPECT_EQ(dialog.handled.size(), 1u);
    dialog.DestroyWindow();
}

} // namespace

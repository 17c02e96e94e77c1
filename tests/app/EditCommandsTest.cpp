#include "AppUnderTest.h"
#include "resource.h"

#include "afxrich.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Every command the application answers for the focused control.
const UINT kEditCommands[] = {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR,
                              ID_EDIT_SELECT_ALL, ID_EDIT_UNDO, ID_EDIT_REDO};

// Remembers what an update handler did to the item.
class CItemState : public CCmdUI {
public:
    bool enabled = false;
    std::string text;

    void Enable(BOOL bOn) override
    {
        enabled = bOn != FALSE;
        m_bEnableChanged = TRUE;
    }
    void SetText(LPCSTR lpszText) override { text = lpszText; }
};

class CEditTargetsDialog : public CDialog {
public:
    CEdit edit;
    CComboBox dropDown;
    CComboBox dropList;
    CRichEditCtrl rich;
    CButton button;
    CListBox list;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_EDIT, edit);
        DDX_Control(pDX, IDC_DROPDOWN, dropDown);
        DDX_Control(pDX, IDC_DROPLIST, dropList);
        DDX_Control(pDX, IDC_RICHEDIT, rich);
        DDX_Control(pDX, IDC_BUTTON, button);
        DDX_Control(pDX, IDC_LIST, list);
    }
};

std::string Clipboard(HWND owner)
{
    std::string text;
    if (!::OpenClipboard(owner))
        return "(clipboard busy)";
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(::GlobalLock(data));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

void SetClipboard(HWND owner, const std::string& text)
{
    ASSERT_TRUE(::OpenClipboard(owner));
    ::EmptyClipboard();
    HGLOBAL data = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(::GlobalLock(data), text.c_str(), text.size() + 1);
    ::GlobalUnlock(data);
    ::SetClipboardData(CF_TEXT, data);
    ::CloseClipboard();
}

class EditCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxInitRichEdit());
        ASSERT_TRUE(dialog.Create(IDD_EDIT_TARGETS));
        dialog.SetForegroundWindow();
    }

    void TearDown() override
    {
        dialog.DestroyWindow();
        CWnd::DeleteTempMap();
    }

    // The commands that the route from the dialog to the application enables now.
    std::vector<UINT> Enabled()
    {
        std::vector<UINT> enabled;
        for (UINT id : kEditCommands) {
            CItemState state;
            state.m_nID = id;
            state.DoUpdate(&dialog, TRUE);
            if (state.enabled)
                enabled.push_back(id);
        }
        return enabled;
    }

    void Run(UINT id) { dialog.SendMessage(WM_COMMAND, id); }

    std::string TextOf(CWnd& control)
    {
        CString text;
        control.GetWindowText(text);
        return static_cast<const char*>(text);
    }

    CEditTargetsDialog dialog;
};

TEST_F(EditCommandsTest, EditControl)
{
    dialog.edit.SetWindowText("hello world");
    dialog.edit.SetFocus();
    dialog.edit.SetSel(3, 3);
    EXPECT_EQ(Enabled(), (std::vector<UINT>{ID_EDIT_PASTE, ID_EDIT_SELECT_ALL})) << "no selection";

    dialog.edit.SetSel(0, 5);
    EXPECT_EQ(Enabled(), (std::vector<UINT>{ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR,
                                            ID_EDIT_SELECT_ALL}));
    Run(ID_EDIT_COPY);
    EXPECT_EQ(Clipboard(dialog.m_hWnd), "hello");
    Run(ID_EDIT_CUT);
    EXPECT_EQ(TextOf(dialog.edit), " world");
    SetClipboard(dialog.m_hWnd, "goodbye");
    Run(ID_EDIT_PASTE);
    EXPECT_EQ(TextOf(dialog.edit), "goodbye world");

    dialog.edit.SetSel(7, 13);
    Run(ID_EDIT_CLEAR);
    EXPECT_EQ(TextOf(dialog.edit), "goodbye");
    EXPECT_TRUE(dialog.edit.SendMessage(EM_CANUNDO)) << "a cleared selection can be brought back";

    Run(ID_EDIT_SELECT_ALL);
    int start = -1;
    int end = -1;
    dialog.edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 7);
    Run(ID_EDIT_UNDO);
    EXPECT_EQ(TextOf(dialog.edit), "goodbye") << "undo does nothing";
}

TEST_F(EditCommandsTest, DropDownComboBoxThroughItsEditField)
{
    dialog.dropDown.SetWindowText("mpeg4");
    dialog.dropDown.SetFocus();
    ASSERT_NE(::GetFocus(), dialog.dropDown.m_hWnd) << "the focus is in the combo box's edit field";
    ASSERT_EQ(::GetParent(::GetFocus()), dialog.dropDown.m_hWnd);

    dialog.dropDown.SetEditSel(2, 2);
    EXPECT_EQ(Enabled(), (std::vector<UINT>{ID_EDIT_PASTE, ID_EDIT_SELECT_ALL}));
    dialog.dropDown.SetEditSel(0, 4);
    EXPECT_EQ(Enabled(), (std::vector<UINT>{ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_SELECT_ALL}))
        << "a combo box is never cleared";
    Run(ID_EDIT_CLEAR);
    EXPECT_EQ(TextOf(dialog.dropDown), "mpeg4");
    Run(ID_EDIT_COPY);
    EXPECT_EQ(Clipboard(dialog.m_hWnd), "mpeg");
    Run(ID_EDIT_CUT);
    EXPECT_EQ(TextOf(dialog.dropDown), "4");
    Run(ID_EDIT_PASTE);
    EXPECT_EQ(TextOf(dialog.dropDown), "mpeg4");

    dialog.dropDown.SetEditSel(1, 1);
    Run(ID_EDIT_SELECT_ALL);
    const DWORD selection = dialog.dropDown.GetEditSel();
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), 5);
}

TEST_F(EditCommandsTest, DropDownListComboBoxHasNoEditField)
{
    dialog.dropList.AddString("mpeg4");
    dialog.dropList.SetCurSel(0);
    dialog.dropList.SetFocus();
    ASSERT_EQ(::GetFocus(), dialog.dropList.m_hWnd);
    EXPECT_TRUE(Enabled().empty());
}

TEST_F(EditCommandsTest, RichEditControl)
{
    dialog.rich.SetWindowText("styled text");
    dialog.rich.SetFocus();
    dialog.rich.SetSel(2, 2);
    EXPECT_EQ(Enabled(), (std::vector<UINT>{ID_EDIT_PASTE, ID_EDIT_SELECT_ALL}));

    dialog.rich.SetSel(0, 7);
    EXPECT_EQ(Enabled(), (std::vector<UINT>{ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR,
                                            ID_EDIT_SELECT_ALL}));
    Run(ID_EDIT_COPY);
    EXPECT_EQ(Clipboard(dialog.m_hWnd), "styled ");
    Run(ID_EDIT_CLEAR);
    EXPECT_EQ(TextOf(dialog.rich), "text");
    Run(ID_EDIT_PASTE);
    EXPECT_EQ(TextOf(dialog.rich), "styled text");
    dialog.rich.SetSel(0, 6);
    Run(ID_EDIT_CUT);
    EXPECT_EQ(TextOf(dialog.rich), " text");

    Run(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(dialog.rich.GetSelText(), " text");
}

TEST_F(EditCommandsTest, OtherControlsAndNoFocusHaveNoTarget)
{
    dialog.list.AddString("clip.avi");
    SetClipboard(dialog.m_hWnd, "kept");
    for (CWnd* control : {static_cast<CWnd*>(&dialog.button), static_cast<CWnd*>(&dialog.list),
                          dialog.GetDlgItem(IDC_UNBOUND_EDIT)}) {
        control->SetFocus();
        ASSERT_EQ(::GetFocus(), control->m_hWnd);
        EXPECT_TRUE(Enabled().empty()) << control->GetDlgCtrlID();
        for (UINT id : kEditCommands)
            Run(id);
    }
    EXPECT_EQ(Clipboard(dialog.m_hWnd), "kept");
    EXPECT_EQ(TextOf(*dialog.GetDlgItem(IDC_UNBOUND_EDIT)), "") << "an edit the framework only wraps is no target";

    ::SetFocus(nullptr);
    EXPECT_TRUE(Enabled().empty());
    for (UINT id : kEditCommands)
        Run(id);
}

// A dialog with a Copy of its own: the application, the last stop, never sees the command.
class CCopyingDialog : public CEditTargetsDialog {
public:
    int copies = 0;

protected:
    afx_msg void OnCopy() { ++copies; }
    afx_msg void OnUpdateCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCopyingDialog, CEditTargetsDialog)
    ON_COMMAND(ID_EDIT_COPY, OnCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateCopy)
END_MESSAGE_MAP()

TEST(EditCommandsRoutingTest, AWindowsOwnHandlerComesFirst)
{
    CCopyingDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_EDIT_TARGETS));
    dialog.edit.SetWindowText("abc");
    dialog.edit.SetFocus();
    dialog.edit.SetSel(1, 1);
    SetClipboard(dialog.m_hWnd, "kept");

    CItemState state;
    state.m_nID = ID_EDIT_COPY;
    state.DoUpdate(&dialog, TRUE);
    EXPECT_TRUE(state.enabled) << "the dialog's own update, though nothing is selected";
    dialog.SendMessage(WM_COMMAND, ID_EDIT_COPY);
    EXPECT_EQ(dialog.copies, 1);
    EXPECT_EQ(Clipboard(dialog.m_hWnd), "kept");
    dialog.DestroyWindow();
}

TEST(AppCommandsTest, TheAboutItemNamesTheApplication)
{
    CItemState state;
    state.m_nID = ID_APP_ABOUT;
    state.DoUpdate(&AppUnderTest(), TRUE);
    EXPECT_TRUE(state.enabled);
    EXPECT_EQ(state.text, "About test_app");
}

} // namespace

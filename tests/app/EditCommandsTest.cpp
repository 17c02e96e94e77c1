#include "AppUnderTest.h"
#include "resource.h"

#include "afxrich.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Ids = std::vector<UINT>;

// Every command the application answers for the focused control.
const UINT kEditCommands[] = {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR,
                              ID_EDIT_SELECT_ALL, ID_EDIT_UNDO, ID_EDIT_REDO};
const Ids kNoSelection = {ID_EDIT_PASTE, ID_EDIT_SELECT_ALL};
const Ids kSelection = {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_SELECT_ALL};
const Ids kClearableSelection = {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR, ID_EDIT_SELECT_ALL};

// Remembers what an update handler did to the item.
class CItemState : public CCmdUI {
public:
    CItemState(UINT id, CCmdTarget* target)
    {
        m_nID = id;
        DoUpdate(target, TRUE);
    }
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

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_EDIT, edit);
        DDX_Control(pDX, IDC_DROPDOWN, dropDown);
        DDX_Control(pDX, IDC_DROPLIST, dropList);
        DDX_Control(pDX, IDC_RICHEDIT, rich);
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
    Ids Enabled()
    {
        Ids enabled;
        for (UINT id : kEditCommands)
            if (CItemState(id, &dialog).enabled)
                enabled.push_back(id);
        return enabled;
    }

    void Run(UINT id) { dialog.SendMessage(WM_COMMAND, id); }

    static std::string TextOf(CWnd& control)
    {
        CString text;
        control.GetWindowText(text);
        return static_cast<const char*>(text);
    }

    CEditTargetsDialog dialog;
};

TEST_F(EditCommandsTest, EditControlsComboBoxesAndRichEditControlsAreTargetsOtherControlsAreNot)
{
    const struct {
        CWnd* control;
        bool combo;
    } targets[] = {{&dialog.edit, false}, {&dialog.dropDown, true}, {&dialog.rich, false}};
    for (const auto& target : targets) {
        SCOPED_TRACE(target.control->GetDlgCtrlID());
        CWnd& control = *target.control;
        // A combo box's selection is that of its edit field, which has the focus.
        const auto select = [&](int start, int end) {
            control.SendMessage(target.combo ? CB_SETEDITSEL : EM_SETSEL, target.combo ? 0 : start,
                                target.combo ? MAKELPARAM(start, end) : end);
        };
        control.SetWindowText("hello world");
        control.SetFocus();
        select(3, 3);
        EXPECT_EQ(Enabled(), kNoSelection);
        select(6, 11);
        EXPECT_EQ(Enabled(), target.combo ? kSelection : kClearableSelection);
        Run(ID_EDIT_COPY);
        EXPECT_EQ(Clipboard(dialog.m_hWnd), "world");
        select(0, 5);
        Run(ID_EDIT_CUT);
        EXPECT_EQ(TextOf(control), " world");
        Run(ID_EDIT_PASTE);
        EXPECT_EQ(TextOf(control), "hello world");

        select(5, 11);
        Run(ID_EDIT_CLEAR);
        const std::string cleared = target.combo ? "hello world" : "hello";
        EXPECT_EQ(TextOf(control), cleared) << "a combo box is never cleared";
        EXPECT_EQ(control.SendMessage(EM_CANUNDO) != 0, !target.combo) << "a cleared selection can come back";
        Run(ID_EDIT_UNDO);
        EXPECT_EQ(TextOf(control), cleared) << "undo does nothing";
        // All selected, a rich edit control's closing paragraph mark too.
        Run(ID_EDIT_SELECT_ALL);
        const DWORD selection = static_cast<DWORD>(control.SendMessage(target.combo ? CB_GETEDITSEL : EM_GETSEL));
        EXPECT_EQ(LOWORD(selection), 0);
        EXPECT_GE(HIWORD(selection), control.GetWindowTextLength());
    }

    // Other controls and no focus have no target.
    dialog.dropList.AddString("mpeg4");
    dialog.dropList.SetCurSel(0);
    CWnd* unbound = dialog.GetDlgItem(IDC_UNBOUND_EDIT);
    unbound->SetWindowText("kept");
    unbound->SendMessage(EM_SETSEL, 0, -1);
    const std::string clipboard = Clipboard(dialog.m_hWnd);
    // A drop-down list has no edit field; an edit the framework only wraps is no target.
    for (CWnd* control : {dialog.GetDlgItem(IDC_BUTTON), dialog.GetDlgItem(IDC_LIST),
                          static_cast<CWnd*>(&dialog.dropList), unbound, static_cast<CWnd*>(nullptr)}) {
        ::SetFocus(control ? control->m_hWnd : nullptr);
        EXPECT_TRUE(Enabled().empty()) << (control ? control->GetDlgCtrlID() : 0);
        for (UINT id : kEditCommands)
            Run(id);
    }
    EXPECT_EQ(Clipboard(dialog.m_hWnd), clipboard);
    EXPECT_EQ(TextOf(*unbound), "kept");

    const CItemState about(ID_APP_ABOUT, &AppUnderTest());
    EXPECT_TRUE(about.enabled);
    EXPECT_EQ(about.text, "About test_app");
}

} // namespace

#include "panels/panels.h"

#include "ScratchFolder.h"
#include "ScratchSettings.h"
#include "res/resource.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void Click(CWnd& window, int id)
{
    window.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(window.GetDlgItem(id)->m_hWnd));
}

bool Checked(CWnd& window, int id)
{
    return static_cast<CBitmapCheckBox*>(CWnd::FromHandlePermanent(window.GetDlgItem(id)->m_hWnd))->GetCheck() != 0;
}

class EditPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Create(IDD_TEST_HOST));
        ASSERT_TRUE(panel.CreateInWindow(&host, true));
    }

    ScratchSettings settings;
    ScratchFolder folder;
    CDialog host{IDD_TEST_HOST};
    CEditPanel panel;
};

} // namespace

TEST_F(EditPanelTest, TextFromTheCaretCountsALineBreakAsOneImportRefusesWhatItCannotReadWholeAndFormatsOutliveThePanel)
{
    CHandle lines;
    const char text[] = "first line\r\nsecond line\r\nthird";
    lines.Append(text, sizeof text - 1);
    panel.SetData(lines);
    EXPECT_EQ(panel.GetText(), text);

    // "first line" and its break are 11 characters of the text box; the 12th starts the
    // second line.
    long start = -1;
    panel.Select(11, 0);
    EXPECT_EQ(panel.GetTextFromCursor(start), "second line\r\nthird");
    EXPECT_EQ(start, 11);
    panel.Select(23, 5);
    EXPECT_EQ(panel.GetTextFromCursor(start), "third");
    EXPECT_EQ(start, 23);

    EXPECT_FALSE(panel.Import(folder.File("missing.txt").c_str()));
    // A file beyond the limit is refused before anything is read.
    const std::string huge = folder.File("huge.txt");
    HANDLE file = ::CreateFileA(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    size.QuadPart = static_cast<LONGLONG>(CTextEditorControls::kImportLimit) + 1;
    ASSERT_TRUE(::SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && ::SetEndOfFile(file));
    ::CloseHandle(file);
    EXPECT_FALSE(panel.Import(huge.c_str()));
    EXPECT_EQ(panel.GetText(), text);

    const std::string small = folder.File("small.txt");
    ASSERT_TRUE(WriteWholeFile(small, "imported"));
    EXPECT_TRUE(panel.Import(small.c_str()));
    EXPECT_EQ(panel.GetText(), "imported");

    const std::string saved = folder.File("saved.txt");
    EXPECT_TRUE(panel.Export(saved.c_str(), false));
    EXPECT_EQ(ReadWholeFile(saved), "imported");
    EXPECT_FALSE(panel.Export(folder.File("no such folder\\saved.txt").c_str(), false));

    // Buttons format the selection, and the format outlives the panel.
    CHandle data;
    data.Append("some words", 10);
    panel.SetData(data);
    panel.SelectAll();
    const CRichEditCtrl& box = panel.GetRichEditCtrl();
    auto bold = [&] {
        CHARFORMATA format = {};
        format.cbSize = sizeof format;
        box.SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return (format.dwEffects & CFE_BOLD) != 0;
    };
    EXPECT_FALSE(bold());
    Click(panel, IDC_TNW_BOLD);
    EXPECT_TRUE(bold());
    EXPECT_TRUE(Checked(panel, IDC_TNW_BOLD));
    Click(panel, IDC_TNW_BOLD);
    EXPECT_FALSE(bold());
    EXPECT_FALSE(Checked(panel, IDC_TNW_BOLD));
    Click(panel, IDC_TNW_ALIGN_CENTER);
    EXPECT_TRUE(Checked(panel, IDC_TNW_ALIGN_CENTER));
    EXPECT_FALSE(Checked(panel, IDC_TNW_ALIGN_LEFT));

    // Italic is what the last editor used; a new editor's empty text starts with it.
    Click(panel, IDC_TNW_ITALIC);
    panel.DestroyWindow();
    CEditPanel next;
    ASSERT_TRUE(next.CreateInWindow(&host, true));
    CHandle nothing;
    next.SetData(nothing);
    EXPECT_TRUE(Checked(next, IDC_TNW_ITALIC));
    EXPECT_FALSE(Checked(next, IDC_TNW_BOLD));
}

TEST(EditPaneTest, MakesItsControlsAndKeepsTheTextBoxInsideItsMargins)
{
    ScratchSettings settings;
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "pane host", WS_POPUP, 0, 0, 500, 300, nullptr, nullptr));
    CEditPane pane;
    ASSERT_TRUE(pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 450, 200), &host, 1));
    EXPECT_TRUE(pane.GetStyle() & WS_CLIPCHILDREN);
    for (int id : {IDC_TNW_PANE_FONTS, IDC_TNW_PANE_SIZES, IDC_TNW_BOLD, IDC_TNW_ALIGN_RIGHT, IDC_TNW_TEXT})
        EXPECT_NE(pane.GetDlgItem(id), nullptr) << id;
    pane.MoveWindow(0, 0, 300, 150);
    CRect box;
    pane.GetDlgItem(IDC_TNW_TEXT)->GetWindowRect(&box);
    pane.ScreenToClient(&box);
    EXPECT_EQ(box, CRect(4, 32, 296, 146));

    CHandle data;
    data.Append("pane text", 9);
    pane.SetData(data);
    pane.SelectAll();
    EXPECT_TRUE(pane.HasSelection());
    pane.Empty();
    CHandle out;
    pane.GetData(out, false);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(out.GetBuffer()), out.GetSize()), "");
    host.DestroyWindow();
}

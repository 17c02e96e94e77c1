#include "controls/EntryCombo.h"
#include "controls/EntryField.h"

#include "MemoryCanvas.h"
#include "HeardBroadcasts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kYellow = RGB(255, 255, 0);

class EntryFieldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "entry parent", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
        ASSERT_TRUE(field.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 200, 30), &parent, 11));
        ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(10, 40, 200, 60), &parent, 12));
        field.AddListener(&listener);
    }

    CString Shown() const
    {
        CString text;
        field.CColorEdit::GetWindowTextA(text);
        return text;
    }

    CString Text() const
    {
        CString text;
        field.GetWindowTextA(text);
        return text;
    }

    // The colours the field paints with, as its parent asks for them.
    std::pair<COLORREF, COLORREF> Colours()
    {
        CMemoryCanvas canvas(4, 4, kWhite);
        const HBRUSH brush = reinterpret_cast<HBRUSH>(
            parent.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(canvas.DC().m_hDC),
                               reinterpret_cast<LPARAM>(field.m_hWnd)));
        EXPECT_NE(brush, nullptr);
        return { canvas.DC().GetTextColor(), canvas.DC().GetBkColor() };
    }

    CWnd parent;
    CEntryField field;
    CEdit other;
    CHeardBroadcasts listener;
};

} // namespace

TEST_F(EntryFieldTest, ShowsItsPromptWhileEmptyAndAnnouncesCommittedText)
{
    EXPECT_TRUE(field.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(field.GetStyle() & WS_BORDER);

    field.SetPrompt("Type a name");
    EXPECT_EQ(Shown(), "Type a name");
    EXPECT_EQ(Text(), "") << "the prompt is no text";
    EXPECT_EQ(Colours().first, CEntryField::kPromptColor);

    field.SetFocus();
    EXPECT_EQ(Shown(), "") << "the prompt goes when the field gains the focus";
    other.SetFocus();
    EXPECT_EQ(Shown(), "Type a name") << "and comes back when it loses it empty";
    ASSERT_EQ(listener.senders.size(), 1u);
    EXPECT_EQ(listener.senders[0], &field);

    field.SetWindowTextA("clip one");
    EXPECT_EQ(Colours(), std::make_pair(::GetSysColor(COLOR_BTNTEXT), kWhite));
    field.SetTextColor(RGB(10, 20, 30));
    field.SetBkColor(kYellow);
    EXPECT_EQ(Colours(), std::make_pair(RGB(10, 20, 30), kYellow));
    field.SetTextColor(CColorEdit::kDefaultColor);
    field.SetBkColor(CColorEdit::kDefaultColor);
    EXPECT_EQ(Colours(), std::make_pair(::GetSysColor(COLOR_BTNTEXT), kWhite));
    field.SetPrompt("Another prompt");
    EXPECT_EQ(Text(), "clip one") << "a new prompt leaves a real text alone";
    field.SetWindowTextA("");
    EXPECT_EQ(Shown(), "Another prompt");

    // Enter commits, keeps the focus and selects the whole text.
    field.SetFocus();
    field.SetWindowTextA("clip two");
    field.SendMessage(WM_KEYUP, VK_RETURN, 0);
    EXPECT_EQ(listener.senders.size(), 2u);
    EXPECT_EQ(CWnd::GetFocus(), &field);
    int start = -1, end = -1;
    field.GetSel(start, end);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(0, 8));
    field.SendMessage(WM_KEYUP, 'A', 0);
    EXPECT_EQ(listener.senders.size(), 2u) << "other keys commit nothing";

    // Typing the prompt's own text makes it the prompt.
    field.SetWindowTextA("Another prompt");
    EXPECT_EQ(Text(), "");
}

TEST_F(EntryFieldTest, TheEntryComboAnnouncesCommittedTextWithItselfAsSender)
{
    CEntryCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(10, 70, 200, 190), &parent, 21));
    combo.AddListener(&listener);

    // Enter released in the combo box's edit field, as the message loop hands it over.
    HWND edit = ::GetWindow(combo.m_hWnd, GW_CHILD);
    ASSERT_NE(edit, nullptr);
    MSG enter = { edit, WM_KEYUP, VK_RETURN, 0 };
    EXPECT_FALSE(combo.PreTranslateMessage(&enter));
    MSG otherKey = { edit, WM_KEYUP, 'A', 0 };
    combo.PreTranslateMessage(&otherKey);
    MSG elsewhere = { other.m_hWnd, WM_KEYUP, VK_RETURN, 0 };
    combo.PreTranslateMessage(&elsewhere);
    ASSERT_EQ(listener.senders.size(), 1u);
    EXPECT_EQ(::GetFocus(), edit) << "the combo box takes the focus back";

    other.SetFocus();
    ASSERT_EQ(listener.senders.size(), 2u) << "losing the focus commits";
    EXPECT_EQ(listener.senders[0], &combo);
    EXPECT_EQ(listener.senders[1], &combo) << "both ways name the same sender";
}

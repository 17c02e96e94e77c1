#include "controls/RichEdit.h"
#include "controls/StyledEdit.h"
#include "controls/TextSetting.h"

#include "ScratchSettings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Bytes(const CHandle& data)
{
    return std::string(reinterpret_cast<const char*>(data.GetBuffer()), data.GetSize());
}

CHandle Handle(const std::string& bytes)
{
    CHandle data;
    data.Append(bytes.data(), static_cast<unsigned long>(bytes.size()));
    return data;
}

class StyledEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(library.IsLoaded());
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "styled edit parent", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 400, 300), &parent, 10));
        // Wine's rich edit starts in the bold System font.
        edit.SetFont("Arial", ANSI_CHARSET, true);
        edit.SetBold(false, true);
    }

    CString Text()
    {
        CString text;
        edit.GetText(text);
        return text;
    }

    StRichEdit library;
    CWnd parent;
    CStyledEdit edit;
};

} // namespace

TEST_F(StyledEditTest, PlainAndRichTextMakeTheRoundTripAndFormatsApplyToTheSelection)
{
    edit.SetText("first line\r\nsecond line");
    EXPECT_EQ(Text(), "first line\r\nsecond line");
    EXPECT_EQ(edit.GetTextLength(), 23) << "the terminating zero is no character of the document";

    CHandle plain;
    edit.GetData(plain, false);
    EXPECT_EQ(Bytes(plain), "first line\r\nsecond line");

    // Styled text out as RTF and back: the text and its styles come back.
    edit.SetSel(18, 22);
    edit.SetBold(true, false);
    edit.SetSize(20, false);
    CHandle rich;
    edit.GetData(rich, true);
    ASSERT_EQ(Bytes(rich).compare(0, 5, "{\\rtf"), 0);

    edit.SetText("replaced");
    edit.SetData(rich);
    EXPECT_EQ(Text(), "first line\r\nsecond line");
    edit.SetSel(19, 21);
    EXPECT_TRUE(edit.GetBold());
    EXPECT_EQ(edit.GetSize(), 20);
    edit.SetSel(1, 3);
    EXPECT_FALSE(edit.GetBold());

    // Appending goes at the end, as plain text or as rich text, whatever is selected.
    edit.SetSel(0, 2);
    edit.AppendText(" and more");
    EXPECT_EQ(Text(), "first line\r\nsecond line and more");
    CHandle appended = Handle("{\\rtf1 {\\b !}}");
    edit.AppendData(appended, true);
    EXPECT_EQ(Text(), "first line\r\nsecond line and more!");

    // A text that begins like rich text is rich only past five bytes; a plain buffer
    // that ends in a zero byte does not bring the zero in.
    CHandle five = Handle("{\\rtf");
    edit.SetData(five);
    EXPECT_EQ(Text(), "{\\rtf");
    CHandle zeroEnded = Handle(std::string("abc", 4));
    edit.SetData(zeroEnded);
    EXPECT_EQ(edit.GetTextLength(), 3);

    // Formats go to the selection, or to what is typed next.
    edit.SetText("Arial and Courier");
    edit.SetSel(0, 5);
    edit.SetFont("Courier New", ANSI_CHARSET, false);
    CString face;
    unsigned char charSet = 99;
    EXPECT_TRUE(edit.GetFont(face, charSet));
    EXPECT_EQ(face, "Courier New");
    EXPECT_EQ(charSet, ANSI_CHARSET);
    edit.SetSel(0, 10);
    EXPECT_FALSE(edit.GetFont(face, charSet)) << "two faces in the selection";
    edit.SetFont(static_cast<const char*>(nullptr), true);
    edit.SetFont(static_cast<const LOGFONTA*>(nullptr), true);
    edit.SetFont("A face name far longer than the thirty-one characters a font has", false);

    // 10.5 points are 210 twips; whole points are reported.
    CHARFORMATA format = {};
    format.dwMask = CFM_SIZE;
    format.yHeight = 210;
    edit.SetSelectionCharFormat(format);
    EXPECT_EQ(edit.GetSize(), 10);

    // With nothing selected the format goes to what is typed next.
    edit.SetSel(17, 17);
    edit.SetItalic(true, false);
    edit.SetUnderline(true, false);
    edit.SetColor(200, 10, 20, false);
    edit.ReplaceSel("!");
    edit.SetSel(17, 18);
    EXPECT_TRUE(edit.GetItalic());
    EXPECT_TRUE(edit.GetUnderline());
    CHARFORMATA typed = {};
    edit.GetSelectionCharFormat(typed);
    EXPECT_EQ(typed.crTextColor, RGB(200, 10, 20));
    EXPECT_EQ(typed.dwEffects & CFE_AUTOCOLOR, 0u);
    edit.SetSel(5, 6);
    EXPECT_FALSE(edit.GetItalic());

    // Centring is the edit panel's button to show.
    edit.SetRightAlign(false);
    EXPECT_TRUE(edit.GetRightAlign());
    edit.SetLeftAlign(false);
    EXPECT_TRUE(edit.GetLeftAlign()) << "the argument is not used";

    EXPECT_EQ(edit.GetLimitText(), CStyledEdit::kTextLimit);
}

namespace {

// A text style as "face charset size BIU alignment", a letter for each effect that is on.
std::string Style(const CTextSetting& setting)
{
    return std::string(setting.GetFontName()) + " " + std::to_string(setting.GetCharSet()) + " " +
           std::to_string(setting.GetFontSize()) + " " + (setting.GetBold() ? "B" : "-") +
           (setting.GetItalic() ? "I" : "-") + (setting.GetUnderline() ? "U" : "-") + " " +
           std::to_string(setting.GetAlignment());
}

} // namespace

TEST(TextSetting, KeepsOneStyleInTheSettingsWithSoundDefaults)
{
    ScratchSettings settings;
    CTextSetting fresh;
    EXPECT_EQ(Style(fresh), "Arial 0 12 --- 1");

    fresh.SetFontName("Courier New");
    fresh.SetCharSet(RUSSIAN_CHARSET);
    fresh.SetFontSize(18);
    fresh.SetBold(true);
    fresh.SetItalic(true);
    fresh.SetAlignment(3);
    CTextSetting other;
    EXPECT_EQ(Style(other), "Courier New 204 18 BI- 3");

    // Any stored value other than 0 is true; values no style can have read as defaults.
    CRegistry("Text", "Underline", nullptr).SetValue(7);
    CRegistry("Text", "Character Set", nullptr).SetValue(300);
    CRegistry("Text", "Alignment", nullptr).SetValue(9);
    CRegistry("Text", "Size", nullptr).SetTextValue("-4");
    EXPECT_EQ(Style(other), "Courier New 0 12 BIU 1");
}

#include "afx.h"

#include <gtest/gtest.h>

#include <string>

// Appends, of the text itself too, are the buffers fuzz target's to check.
TEST(String, ShortAndLongTextsSurviveCopiesMovesAndGrowth)
{
    // Texts on both sides of the length kept inside the object.
    for (int length : { 0, 1, CString::kInlineLength, CString::kInlineLength + 1, 100 }) {
        const std::string expected(length, 'q');
        CString original(expected.c_str());
        CString copy(original);
        CString moved(std::move(copy));
        EXPECT_TRUE(copy.IsEmpty()) << length;
        EXPECT_EQ(std::string(moved), expected) << length;
        CString shortTarget("s");
        CString longTarget(CString('l', 60));
        shortTarget = std::move(moved);
        longTarget = static_cast<CString&&>(CString(original));
        EXPECT_EQ(std::string(shortTarget), expected) << length;
        EXPECT_EQ(std::string(longTarget), expected) << length;
        // Assigning a part of itself, growing past the inline room and shrinking back.
        longTarget = static_cast<LPCSTR>(longTarget) + length / 2;
        EXPECT_EQ(std::string(longTarget), expected.substr(length / 2)) << length;
        shortTarget += CString('x', 30);
        EXPECT_EQ(std::string(shortTarget), expected + std::string(30, 'x')) << length;
        shortTarget.Delete(length, 30);
        shortTarget.FreeExtra();
        EXPECT_EQ(std::string(shortTarget), expected) << length;
    }
}

// Inserts, deletes, slices, searches and replacements against a model of the text are the
// buffers fuzz target's to check; here, what it does not reach.
TEST(String, ReplaceFormatAndBufferAccessKeepTheRestIntact)
{
    CString path("a/b/c/d");
    EXPECT_EQ(path.Replace("/", "\\\\"), 3);
    EXPECT_STREQ(path, "a\\\\b\\\\c\\\\d");
    EXPECT_EQ(path.Replace("\\\\", ""), 3);
    EXPECT_STREQ(path, "abcd");
    EXPECT_EQ(path.Replace("", "x"), 0);
    EXPECT_EQ(path.Replace("zz", "y"), 0);
    EXPECT_STREQ(path, "abcd");

    CString grown("xyx");
    EXPECT_EQ(grown.Replace("x", static_cast<LPCSTR>(grown)), 2) << "the new text is its old self";
    EXPECT_STREQ(grown, "xyxyxyx");

    CString text;
    text.Format("%s-%0500d", "start", 7);
    EXPECT_EQ(text.GetLength(), 6 + 500);
    EXPECT_EQ(text.Right(2), "07");

    CString self("value");
    self.Format("[%s|%s|%d]", static_cast<LPCSTR>(self), static_cast<LPCSTR>(self) + 2, 42);
    EXPECT_STREQ(self, "[value|lue|42]");

    CString big(static_cast<char>('q'), 70000);
    CString wrapped;
    wrapped.Format("<%s>", static_cast<LPCSTR>(big));
    EXPECT_EQ(wrapped.GetLength(), 70002);
    EXPECT_EQ(wrapped[70001], '>');

    text.Format("%s", "");
    EXPECT_TRUE(text.IsEmpty());

    // Buffer access takes the length from the terminator or from the caller.
    text = "abc";
    LPSTR buffer = text.GetBuffer(100);
    lstrcpyA(buffer, "a longer text written in place");
    text.ReleaseBuffer();
    EXPECT_EQ(text.GetLength(), 30);

    buffer = text.GetBuffer(0);
    buffer[5] = 0;
    text.ReleaseBuffer();
    EXPECT_STREQ(text, "a lon");

    buffer = text.GetBuffer(10);
    text.ReleaseBuffer(2);
    EXPECT_STREQ(text, "a ");

    CString empty;
    buffer = empty.GetBuffer(0);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer[0], 0);
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(String, SubstringsClampTrimsTakeOnlyTheOuterCharactersAndTextsConvert)
{
    const CString text("abcdef");
    EXPECT_STREQ(text.Left(-1), "");
    EXPECT_STREQ(text.Right(100), "abcdef");
    EXPECT_STREQ(text.Right(-4), "");
    EXPECT_STREQ(text.SpanIncluding("cba"), "abc");

    EXPECT_EQ(text.Find('c', 10), -1);
    EXPECT_EQ(text.Find('c', -1), -1);
    EXPECT_EQ(text.FindOneOf("xyzf"), 5);

    CString padded(" \t inner  text \r\n");
    padded.TrimLeft();
    padded.TrimRight();
    EXPECT_STREQ(padded, "inner  text");
    CString blank("   \t ");
    blank.TrimRight();
    EXPECT_TRUE(blank.IsEmpty());
    CString marked("xx-yxy-xyy");
    marked.TrimLeft("xy");
    marked.TrimRight('y');
    EXPECT_STREQ(marked, "-yxy-x");

    // Compared without case and converted between code pages.
    padded = CString(L"wide text");
    EXPECT_STREQ(padded, "wide text");
    EXPECT_EQ(padded.CompareNoCase("WIDE TEXT"), 0);
    BSTR wide = padded.AllocSysString();
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(std::wstring(wide), L"wide text");
    SysFreeString(wide);
}


#include "DialogDriver.h"

#include "tnwmfcut.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

const char* const kTitle = "Confirm";

// Answers a prompt that must not appear; Acted() tells whether it did.
class CUnexpectedPrompt : public CDialogDriver {
public:
    CUnexpectedPrompt() : CDialogDriver(kTitle, [](HWND dialog) { Press(dialog, IDYES); }, 300) {}
};

bool BoxVisible(HWND dialog)
{
    return ::IsWindowVisible(::GetDlgItem(dialog, IDC_TNW_APPLY_TO_ALL)) != FALSE;
}

} // namespace

TEST(RepeatPrompter, YesAndNoAnswerOneQuestion)
{
    CRepeatPrompter prompter;
    CString shown;
    bool boxShown = false;
    CDialogDriver yes(kTitle, [&](HWND dialog) {
        char text[256] = {};
        ::GetDlgItemTextA(dialog, IDC_TNW_PROMPT, text, sizeof text);
        shown = text;
        boxShown = BoxVisible(dialog);
        CDialogDriver::Press(dialog, IDYES);
    });
    EXPECT_TRUE(prompter.Prompt("Replace C:\\Rock & Roll.mp3?", true));
    ASSERT_TRUE(yes.Acted());
    EXPECT_EQ(shown, "Replace C:\\Rock & Roll.mp3?");
    EXPECT_TRUE(boxShown);

    CDialogDriver no(kTitle, [&](HWND dialog) {
        boxShown = BoxVisible(dialog);
        CDialogDriver::Press(dialog, IDNO);
    });
    EXPECT_FALSE(prompter.Prompt("Replace?", false));
    ASSERT_TRUE(no.Acted());
    EXPECT_FALSE(boxShown);

    CDialogDriver closed(kTitle, [](HWND dialog) { ::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_FALSE(prompter.Prompt("Replace?", true)) << "closing the window counts as No";
    ASSERT_TRUE(closed.Acted());
}

TEST(RepeatPrompter, ApplyToAllAnswersEveryLaterQuestionUntilReset)
{
    CRepeatPrompter prompter;
    CDialogDriver first(kTitle, [](HWND dialog) {
        CDialogDriver::Press(dialog, IDC_TNW_APPLY_TO_ALL);
        CDialogDriver::Press(dialog, IDNO);
    });
    EXPECT_FALSE(prompter.Prompt("Replace a.mp4?", true));
    ASSERT_TRUE(first.Acted());
    EXPECT_TRUE(prompter.IsApplyingToAll());

    for (int i = 0; i < 3; ++i) {
        CUnexpectedPrompt unexpected;
        EXPECT_FALSE(prompter.Prompt("Replace b.mp4?", true));
        EXPECT_FALSE(unexpected.Acted()) << "no dialog while the answer applies to all";
    }

    prompter.Reset();
    CDialogDriver asked(kTitle, [](HWND dialog) {
        // Ticked and unticked again: the answer is for this question only.
        CDialogDriver::Press(dialog, IDC_TNW_APPLY_TO_ALL);
        CDialogDriver::Press(dialog, IDC_TNW_APPLY_TO_ALL);
        CDialogDriver::Press(dialog, IDYES);
    });
    EXPECT_TRUE(prompter.Prompt("Replace c.mp4?", true));
    ASSERT_TRUE(asked.Acted());
    EXPECT_FALSE(prompter.IsApplyingToAll());
    CDialogDriver again(kTitle, [](HWND dialog) { CDialogDriver::Press(dialog, IDNO); });
    EXPECT_FALSE(prompter.Prompt("Replace d.mp4?", true));
    EXPECT_TRUE(again.Acted());
}

#include "DialogDriver.h"

#include "tnwmfcut.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const kTitle = "Confirm";

// Answers with `button` after ticking "Apply to All" `ticks` times; notes the message and
// whether the box showed.
class CAnswer : public CDialogDriver {
public:
    CAnswer(int button, int ticks = 0, unsigned timeoutMs = 5000)
        : CDialogDriver(kTitle, [this, button, ticks](HWND dialog) {
              char text[256] = {};
              ::GetDlgItemTextA(dialog, IDC_TNW_PROMPT, text, sizeof text);
              message = text;
              boxShown = ::IsWindowVisible(::GetDlgItem(dialog, IDC_TNW_APPLY_TO_ALL)) != FALSE;
              for (int i = 0; i < ticks; ++i)
                  Press(dialog, IDC_TNW_APPLY_TO_ALL);
              if (button == IDCLOSE)
                  ::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
              else
                  Press(dialog, button);
          }, timeoutMs)
    {
    }
    std::string message;
    bool boxShown = false;
};

} // namespace

TEST(RepeatPrompter, YesNoAndClosingAnswerOneQuestion)
{
    CRepeatPrompter prompter;
    CAnswer yes(IDYES);
    EXPECT_TRUE(prompter.Prompt("Replace C:\\Rock & Roll.mp3?", true));
    ASSERT_TRUE(yes.Acted());
    EXPECT_EQ(yes.message, "Replace C:\\Rock & Roll.mp3?");
    EXPECT_TRUE(yes.boxShown);

    CAnswer no(IDNO);
    EXPECT_FALSE(prompter.Prompt("Replace?", false));
    ASSERT_TRUE(no.Acted());
    EXPECT_FALSE(no.boxShown);

    CAnswer closed(IDCLOSE);
    EXPECT_FALSE(prompter.Prompt("Replace?", true)) << "closing the window counts as No";
    ASSERT_TRUE(closed.Acted());
}

TEST(RepeatPrompter, ApplyToAllAnswersEveryLaterQuestionUntilReset)
{
    CRepeatPrompter prompter;
    CAnswer first(IDNO, 1);
    EXPECT_FALSE(prompter.Prompt("Replace a.mp4?", true));
    ASSERT_TRUE(first.Acted());
    EXPECT_TRUE(prompter.IsApplyingToAll());
    CAnswer unexpected(IDYES, 0, 300);
    EXPECT_FALSE(prompter.Prompt("Replace b.mp4?", true));
    EXPECT_FALSE(unexpected.Acted()) << "no dialog while the answer applies to all";

    prompter.Reset();
    CAnswer tickedTwice(IDYES, 2);
    EXPECT_TRUE(prompter.Prompt("Replace c.mp4?", true));
    ASSERT_TRUE(tickedTwice.Acted());
    EXPECT_FALSE(prompter.IsApplyingToAll()) << "ticked and unticked: for this question only";
}

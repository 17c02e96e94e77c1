#include "DialogDriver.h"

#include "tnwmfcut.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

// Answers with `button` (IDCLOSE: the close box) after ticking "Apply to All" `ticks` times.
class CAnswer : public CDialogDriver {
public:
    CAnswer(int button, int ticks = 0, unsigned timeoutMs = 5000)
        : CDialogDriver("Confirm", [button, ticks](HWND dialog) {
              for (int i = 0; i < ticks; ++i)
                  Press(dialog, IDC_TNW_APPLY_TO_ALL);
              if (button == IDCLOSE)
                  ::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
              else
                  Press(dialog, button);
          }, timeoutMs)
    {
    }
};

} // namespace

// The question itself, Yes and No, and the box shown or hidden are the replace rule's to
// show (FileReplaceTest); here, how one answer serves a series.
TEST(RepeatPrompter, ApplyToAllAnswersEveryLaterQuestionUntilReset)
{
    CRepeatPrompter prompter;
    CAnswer closed(IDCLOSE, 1);
    EXPECT_FALSE(prompter.Prompt("Replace a.mp4?", true)) << "closing the window counts as No";
    ASSERT_TRUE(closed.Acted());
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

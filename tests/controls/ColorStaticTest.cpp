#include "controls/ColorStatic.h"

#include "HostWnd.h"
#include "MemoryCanvas.h"
#include "MessagePump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const UINT kStaticId = 7;
const UINT kNotifyMessage = WM_APP + 5;

class ColorStaticTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(label.Create("", WS_VISIBLE | SS_LEFT, CRect(0, 0, 60, 20), &parent, kStaticId));
    }

    // Lets the static paint itself into the canvas, as it does on the screen.
    void Paint()
    {
        canvas.Fill(kWhite);
        label.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.DC().m_hDC), PRF_CLIENT);
    }

    // The colour that most of the painted static shows, wherever the font puts the text.
    COLORREF Background()
    {
        Paint();
        std::map<COLORREF, int> counts;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 60; ++x)
                ++counts[canvas.Pixel(x, y)];
        }
        return std::max_element(counts.begin(), counts.end(),
                                [](const auto& a, const auto& b) { return a.second < b.second; })->first;
    }

    // How many pixels of the painted static have the colour.
    int PixelsOf(COLORREF color)
    {
        Paint();
        return canvas.Count(color);
    }

    void Tick() { label.SendMessage(WM_TIMER, CColorStatic::kBlinkTimerId); }

    // Dispatches what the ticks posted.
    static void DeliverPosted() { PumpMessagesFor(20); }

    CHostWnd parent;
    CColorStatic label;
    CMemoryCanvas canvas{ 60, 20, kWhite };
};

} // namespace

TEST_F(ColorStaticTest, PaintsWithItsOwnColoursOrBlinkingOnesThatAlternateOnEachTick)
{
    EXPECT_EQ(Background(), ::GetSysColor(COLOR_BTNFACE));
    label.SetBkColor(kRed);
    EXPECT_EQ(Background(), kRed);
    label.SetBkColor(CColorStatic::kSystemColor);
    EXPECT_EQ(label.GetBkColor(), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Background(), ::GetSysColor(COLOR_BTNFACE));

    label.SetWindowText("MMMM");
    label.SetTextColor(kBlue);
    EXPECT_GT(PixelsOf(kBlue), 10);
    label.SetTextColor(CColorStatic::kSystemColor);
    EXPECT_EQ(label.GetTextColor(), ::GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(PixelsOf(kBlue), 0);

    // Blinking background or text alternates on each tick.
    label.SetBkColor(kRed);
    label.SetBlinkBkColors(kGreen, kBlue);
    label.StartBkBlink(CColorStatic::kBlinkOn, 60000);
    EXPECT_EQ(Background(), kGreen) << "the first blink colour from the start";
    Tick();
    EXPECT_EQ(Background(), kBlue);
    Tick();
    EXPECT_EQ(Background(), kGreen);

    label.StartBkBlink(CColorStatic::kBlinkOff, 0);
    EXPECT_EQ(Background(), kRed) << "stopped, the static has its own colour again";
    Tick();
    EXPECT_EQ(Background(), kRed);

    label.SetBkColor(CColorStatic::kSystemColor);
    label.SetBlinkTextColors(kRed, kBlue);
    label.StartTextBlink(CColorStatic::kBlinkOn, 60000);
    EXPECT_GT(PixelsOf(kRed), 10);
    EXPECT_EQ(PixelsOf(kBlue), 0);
    Tick();
    EXPECT_EQ(PixelsOf(kRed), 0);
    EXPECT_GT(PixelsOf(kBlue), 10);
    EXPECT_EQ(Background(), ::GetSysColor(COLOR_BTNFACE)) << "the background does not blink";
}

TEST_F(ColorStaticTest, NotifiesOnTheTicksThatTurnAStateOn)
{
    label.EnableNotify(&parent, kNotifyMessage);
    label.StartBkBlink(CColorStatic::kBlinkOn, 60000);
    const size_t expected[] = { 1, 1, 2, 2, 3 };
    for (size_t count : expected) {
        Tick();
        DeliverPosted();
        EXPECT_EQ(parent.notices.size(), count);
    }
    ASSERT_FALSE(parent.notices.empty());
    EXPECT_EQ(parent.notices[0], std::make_tuple(kNotifyMessage, WPARAM(kStaticId), LPARAM(0)));

    // Both kinds blink in step and notify once per turn.
    label.StartTextBlink(CColorStatic::kBlinkOn, 60000);
    label.StartBkBlink(CColorStatic::kBlinkOn, 60000);
    parent.notices.clear();
    for (int tick = 0; tick < 4; ++tick)
        Tick();
    DeliverPosted();
    EXPECT_EQ(parent.notices.size(), 2u);

    label.SendMessage(WM_TIMER, 99);
    label.StartTextBlink(CColorStatic::kBlinkOff, 0);
    label.StartBkBlink(CColorStatic::kBlinkOff, 0);
    Tick();
    DeliverPosted();
    EXPECT_EQ(parent.notices.size(), 2u) << "other timers and stopped blinking notify nothing";
}

TEST_F(ColorStaticTest, OneTimerServesBothKindsAndBlinkingAskedForBeforeTheWindowStartsWithIt)
{
    label.EnableNotify(&parent, kNotifyMessage);
    label.StartBkBlink(CColorStatic::kBlinkOn, 20);
    label.StartTextBlink(CColorStatic::kBlinkOn, 20);
    EXPECT_TRUE(PumpMessagesUntil([&] { return parent.notices.size() >= 2; }));

    label.StartTextBlink(CColorStatic::kBlinkOff, 0);
    const size_t before = parent.notices.size();
    EXPECT_TRUE(PumpMessagesUntil([&] { return parent.notices.size() >= before + 2; }))
        << "the background still blinks after the text stopped";

    // Another static, asked to blink before its window exists, blinks once it does and
    // stops with its window.
    CColorStatic early;
    early.EnableNotify(&parent, kNotifyMessage);
    early.StartBkBlink(CColorStatic::kBlinkOn, 20);
    ASSERT_TRUE(early.Create("", WS_VISIBLE, CRect(0, 20, 60, 40), &parent, kStaticId + 1));
    EXPECT_TRUE(PumpMessagesUntil([&] {
        return std::count(parent.notices.begin(), parent.notices.end(),
                          std::make_tuple(kNotifyMessage, WPARAM(kStaticId + 1), LPARAM(0))) > 0;
    }));
    early.DestroyWindow();

    label.StartBkBlink(CColorStatic::kBlinkOff, 0);
    DeliverPosted();
    const size_t stopped = parent.notices.size();
    PumpMessagesFor(200);
    EXPECT_EQ(parent.notices.size(), stopped) << "with neither kind blinking and the other static gone, no timer";
}

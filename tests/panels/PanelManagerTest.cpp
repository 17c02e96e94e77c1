#include "dialogs/CoolDialogBar.h"
#include "panels/panels.h"

#include "DialogDriver.h"
#include "HeardBroadcasts.h"
#include "res/resource.h"
#include "resource.h"
#include "util/WindowsUtils.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace {

// A panel whose summary and problem the test chooses.
class CSummaryPanel : public CPanel {
public:
    CSummaryPanel() : CPanel(IDD_TEST_PANEL) {}

    CString GetDetailedText(bool& ok) override
    {
        ok = mOk;
        return mDetail;
    }

    CString mDetail;
    bool mOk = true;
};

// Also keeps the size a container asks for.
class CHeard : public CHeardBroadcasts {
public:
    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        if (code == CContainerPanel::kSizeRequest)
            mSize = *static_cast<const CRect*>(extra);
        return CHeardBroadcasts::ListenToMessage(code, sender, extra);
    }
    CRect mSize;
};

std::vector<std::string> Listed(CComboBox& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString name;
        list.GetLBText(i, name);
        names.emplace_back(name);
    }
    return names;
}

using Names = std::vector<std::string>;

// Shown by its own style: the hosts of these tests stay hidden.
bool Shown(CWnd& window)
{
    return (window.GetStyle() & WS_VISIBLE) != 0;
}

int TopOf(CWnd& window)
{
    CRect rect;
    UWindowsUtils::GetInParentRect(&window, &rect);
    return rect.top;
}

int ClientHeight(CWnd& window)
{
    CRect client;
    window.GetClientRect(&client);
    return client.Height();
}

// A top-level dialog with a line of its own controls, to host the panels under test.
class PanelTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Create(IDD_TEST_HOST)); }

    CDialog host{IDD_TEST_HOST};
};

// Three expandable panels of one panel each stacked below the host's controls, all closed.
class DialogStackTest : public PanelTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(PanelTest::SetUp());
        manager.SetParent(&host);
        top = manager.GetTopLine();
        ASSERT_GT(top, 0);
        const char* titles[] = {"Video", "Audio", "Output"};
        for (int i = 0; i < 3; ++i) {
            manager.AddPanel(&expanders[i], &panels[i], titles[i]);
            ASSERT_TRUE(expanders[i].Contains(&panels[i]));
        }
        manager.Arrange();
        header = expanders[0].GetHeaderHeight();
        ASSERT_GT(header, 0);
    }

    CExpandPanel expanders[3];
    CSummaryPanel panels[3];
    CDialogPanelManager manager;
    int top = 0;
    int header = 0;
};

} // namespace

TEST_F(DialogStackTest, StacksClosedHeadersAndHidesGroupsWithoutEnabledPanels)
{
    // Three headers and two gaps of 2 pixels below the dialog's own controls.
    EXPECT_EQ(ClientHeight(host), top + 3 * header + 2 * 2);
    EXPECT_EQ(TopOf(expanders[1]), top + header + 2);
    for (CExpandPanel& expander : expanders) {
        EXPECT_FALSE(expander.IsExpanded());
        EXPECT_TRUE(Shown(expander));
    }

    // The middle group loses its only enabled panel: it is hidden and the last moves up.
    panels[1].SetEnable(false);
    EXPECT_FALSE(Shown(expanders[1]));
    EXPECT_EQ(TopOf(expanders[2]), top + header + 2);
    EXPECT_EQ(ClientHeight(host), top + 2 * header + 2);

    // With nothing left to show the dialog keeps its own controls and nothing below them.
    panels[0].SetEnable(false);
    panels[2].SetEnable(false);
    EXPECT_EQ(ClientHeight(host), top);

    // Live arrange off: a panel enabled again moves nothing; switching it on arranges once.
    manager.SetLiveArrange(false);
    panels[1].SetEnable(true);
    EXPECT_FALSE(Shown(expanders[1]));
    EXPECT_EQ(ClientHeight(host), top);
    manager.SetLiveArrange(true);
    EXPECT_TRUE(Shown(expanders[1]));
    EXPECT_EQ(TopOf(expanders[1]), top);
    EXPECT_EQ(ClientHeight(host), top + header);
}

TEST_F(DialogStackTest, ClosedCaptionsSumUpThePanelsAndOneGroupOpensAtATimeWithItsPanelsBelowTheHeader)
{
    CSummaryPanel second;
    manager.AttachChildPanel(&expanders[0], &second);
    CWnd* caption = expanders[0].GetDlgItem(IDC_TNW_EXPAND_CAPTION);
    ASSERT_NE(caption, nullptr);
    auto captionText = [caption] {
        CString text;
        caption->GetWindowText(text);
        return text;
    };
    auto captionColor = [&] {
        return static_cast<CColorStatic*>(CWnd::FromHandlePermanent(caption->m_hWnd))->GetTextColor();
    };

    EXPECT_STREQ(captionText(), "Video ");
    panels[0].mDetail = "640x480";
    second.mDetail = "30 fps";
    panels[0].Broadcast(CPanel::kSummaryChanged, nullptr, nullptr);
    EXPECT_STREQ(captionText(), "Video 640x480, 30 fps");
    EXPECT_EQ(captionColor(), RGB(0, 0, 0));

    second.mOk = false;
    second.mDetail.Empty();
    second.Broadcast(CPanel::kSummaryChanged, nullptr, nullptr);
    EXPECT_STREQ(captionText(), "Video 640x480");
    EXPECT_EQ(captionColor(), RGB(255, 0, 0));

    // A disabled panel neither adds to the summary nor counts as a problem.
    second.SetEnable(false);
    EXPECT_EQ(captionColor(), RGB(0, 0, 0));
    second.SetEnable(true);

    expanders[0].Expand();
    EXPECT_STREQ(captionText(), "Video");
    EXPECT_EQ(captionColor(), RGB(0, 0, 0));

    // Open, the group shows its panels spaced below its header.
    EXPECT_TRUE(expanders[0].IsExpanded());
    EXPECT_TRUE(Shown(panels[0]));
    EXPECT_TRUE(Shown(second));
    const int panelHeight = panels[0].GetNativeRect().Height();
    EXPECT_EQ(TopOf(panels[0]), header);
    EXPECT_EQ(TopOf(second), header + panelHeight + 3);
    const int open = expanders[0].GetExpanderRect(true).Height();
    EXPECT_EQ(open, header + 2 * panelHeight + 3 + 4);
    EXPECT_EQ(TopOf(expanders[1]), top + open + 2);
    EXPECT_EQ(ClientHeight(host), top + open + 2 * header + 2 * 2);

    // Opening another closes the first; asking the open one to close leaves all closed.
    expanders[2].Expand();
    EXPECT_FALSE(expanders[0].IsExpanded());
    EXPECT_FALSE(Shown(panels[0]));
    EXPECT_TRUE(expanders[2].IsExpanded());
    expanders[2].Collaps();
    for (CExpandPanel& expander : expanders)
        EXPECT_FALSE(expander.IsExpanded());
    EXPECT_EQ(ClientHeight(host), top + 3 * header + 2 * 2);

    // Requests from anything that is not one of the manager's expandable panels are not
    // its business, even when the sender is an expandable panel of another stack.
    CExpandPanel stranger;
    EXPECT_FALSE(manager.ListenToMessage(CPanel::kOpenMe, &stranger, nullptr));
    EXPECT_FALSE(manager.ListenToMessage(CPanel::kCloseMe, &host, nullptr));
    EXPECT_FALSE(stranger.IsExpanded());
}

TEST_F(PanelTest, EnablingBroadcastsOnlyChangesAndEnterOrEscapeNeverEndsAPanel)
{
    CSummaryPanel panel;
    ASSERT_TRUE(panel.CreateInWindow(&host, true));
    CRect client, fitted;
    host.GetClientRect(&client);
    UWindowsUtils::GetInParentRect(&panel, &fitted);
    EXPECT_EQ(fitted, client);
    EXPECT_FALSE(panel.CreateInWindow(&host, true));

    CTabCtrl tab;
    ASSERT_TRUE(tab.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 120), &host, 1));
    tab.InsertItem(0, "Video");
    CSummaryPanel page;
    ASSERT_TRUE(page.CreateInWindow(&tab));
    CRect area(0, 0, 200, 120);
    tab.AdjustRect(FALSE, &area);
    UWindowsUtils::GetInParentRect(&page, &fitted);
    EXPECT_EQ(fitted, area);

    CHeard heard;
    panel.AddListener(&heard);
    panel.SetEnable(true);
    EXPECT_TRUE(heard.codes.empty());
    panel.SetEnable(false);
    UWindowsUtils::EnablePanel(&panel, true);
    EXPECT_EQ(heard.Count(CPanel::kEnabledChanged), 2);

    panel.ShowWindow(SW_SHOW);
    panel.SendMessage(WM_COMMAND, IDOK);
    panel.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(::IsWindow(panel.m_hWnd));
    EXPECT_TRUE(Shown(panel));
}

TEST_F(PanelTest, ManagersGroupsAndPanelsMayBeDestroyedInAnyOrder)
{

    // The expandable panel and its panel go first: the manager forgets them.
    auto manager = std::make_unique<CDialogPanelManager>();
    manager->SetParent(&host);
    const int top = manager->GetTopLine();
    auto expander = std::make_unique<CExpandPanel>();
    auto panel = std::make_unique<CSummaryPanel>();
    manager->AddPanel(expander.get(), panel.get(), "Gone");
    EXPECT_EQ(manager->GetExpanderCount(), 1);
    panel.reset();
    expander.reset();
    EXPECT_EQ(manager->GetExpanderCount(), 0);
    manager->Arrange();
    EXPECT_EQ(ClientHeight(host), top);

    // The manager goes first: the expandable panel's requests reach no one.
    expander = std::make_unique<CExpandPanel>();
    panel = std::make_unique<CSummaryPanel>();
    manager->AddPanel(expander.get(), panel.get(), "Stays");
    manager.reset();
    EXPECT_EQ(expander->GetListenerCount(), 0);
    expander->Expand();
    panel->SetEnable(false);
    EXPECT_FALSE(expander->IsExpanded());
}

TEST_F(PanelTest, AContainerAsksItsListenersForTheSizeOfItsStack)
{
    CContainerPanel container;
    ASSERT_TRUE(container.CreateInWindow(&host, true));
    CHeard heard;
    container.AddListener(&heard);
    CExpandPanel expanders[2];
    CSummaryPanel panels[2];
    for (int i = 0; i < 2; ++i)
        container.AddPanel(&expanders[i], &panels[i], "Group");
    container.Arrange();

    ASSERT_EQ(heard.Count(CContainerPanel::kSizeRequest), 1);
    CRect client;
    host.GetClientRect(&client);
    EXPECT_EQ(heard.mSize.Size(), CSize(client.Width(), 2 * expanders[0].GetHeaderHeight() + 2));
    EXPECT_EQ(ClientHeight(container), client.Height()) << "the container leaves its size to whoever listens";

    container.ArrangeToWidth(150);
    EXPECT_EQ(heard.mSize.Width(), 150);
    CRect rect;
    UWindowsUtils::GetInParentRect(&expanders[1], &rect);
    EXPECT_EQ(rect.Width(), 150);
}

TEST_F(PanelTest, CoolDialogBarHostsAPanelFromThePanelsOwnTemplate)
{
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "panel bar", WS_OVERLAPPEDWINDOW, CRect(40, 40, 500, 400)));
    frame->EnableDocking(CBRS_ALIGN_ANY);
    CCoolDialogBar bar;
    EXPECT_FALSE(bar.Create(frame, static_cast<CPanel*>(nullptr), "None"));
    CSummaryPanel panel;
    ASSERT_TRUE(bar.Create(frame, &panel, "Panel"));
    EXPECT_EQ(bar.GetDlgCtrlID(), IDD_TEST_PANEL);
    EXPECT_EQ(panel.GetParent(), &bar);
    frame->DestroyWindow();
}

TEST_F(PanelTest, AStackListsThePagesWithEnabledPanelsInTheirOrderAndStepsThroughThem)
{
    CComboBox list;
    ASSERT_TRUE(list.Create(CBS_DROPDOWNLIST | WS_CHILD, CRect(0, 0, 100, 100), &host, 1));
    CStatic place;
    ASSERT_TRUE(place.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 30, 200, 100), &host, 2));

    CPanelStack stack;
    stack.SetWindows(&host, &list, &place);
    EXPECT_FALSE(stack.CanPrevious()) << "nothing selected, nothing before it";
    EXPECT_FALSE(stack.CanNext());

    CStackPanelInfo pages[3];
    CPanel panels[3] = {CPanel(IDD_TEST_PANEL), CPanel(IDD_TEST_PANEL), CPanel(IDD_TEST_PANEL)};
    const char* names[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i)
        stack.AddPanel(&pages[i], &panels[i], names[i]);
    EXPECT_FALSE(Shown(place));
    panels[1].SetEnable(false);
    stack.Arrange();
    EXPECT_EQ(Listed(list), (Names{"A", "C"}));
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_TRUE(Shown(panels[0]));
    EXPECT_FALSE(Shown(panels[2]));
    EXPECT_FALSE(stack.CanPrevious());
    EXPECT_TRUE(stack.CanNext());

    // B comes back between A and C; C leaves.
    panels[1].SetEnable(true);
    EXPECT_EQ(Listed(list), (Names{"A", "B", "C"}));
    stack.Next();
    EXPECT_TRUE(Shown(panels[1]));
    EXPECT_FALSE(Shown(panels[0]));
    panels[2].SetEnable(false);
    EXPECT_EQ(Listed(list), (Names{"A", "B"}));
    EXPECT_TRUE(stack.CanPrevious());
    EXPECT_FALSE(stack.CanNext());
    stack.Next();
    EXPECT_EQ(list.GetCurSel(), 1);
    stack.Previous();
    EXPECT_TRUE(Shown(panels[0]));

    // A name that no page has changes nothing.
    EXPECT_EQ(stack.Find("Z"), nullptr);
    EXPECT_EQ(stack.Find("B"), &pages[1]);
    list.SetCurSel(list.AddString("Z"));
    stack.Select();
    EXPECT_TRUE(Shown(panels[0]));
}

namespace {

// Two pages, with the steps each test allows.
template <class THost>
class CTwoPages : public THost {
public:
    void SetupPanels() override
    {
        for (int i = 0; i < mCount; ++i)
            this->mStack.AddPanel(&mPages[i], &mPanels[i], i ? "Audio" : "Video");
    }
    bool OnNext() override { return mAllowNext; }

    int mCount = 2;
    std::atomic<bool> mAllowNext{true};
    CStackPanelInfo mPages[2];
    CPanel mPanels[2] = {CPanel(IDD_TEST_PANEL), CPanel(IDD_TEST_PANEL)};
};

class CTwoPageExport : public CTwoPages<CStackExportDialog> {
public:
    bool CanOk() override { return this->mStack.CanPrevious(); }
    bool OnFinish() override { return mAllowFinish; }

    std::atomic<bool> mAllowFinish{false};
};

} // namespace

TEST_F(PanelTest, AStackSettingsPanelStepsOnlyWhereThereIsMoreThanOnePageAndTheHookAgrees)
{

    CTwoPages<CStackSettingsPanel> single;
    single.mCount = 1;
    ASSERT_TRUE(single.CreateInWindow(&host, true));
    EXPECT_FALSE(Shown(*single.GetDlgItem(IDC_TNW_STACK_PREVIOUS)));
    EXPECT_FALSE(Shown(*single.GetDlgItem(IDC_TNW_STACK_NEXT)));

    CTwoPages<CStackSettingsPanel> fixed;
    fixed.SetFreeFlow(false);
    fixed.mAllowNext = false;
    ASSERT_TRUE(fixed.CreateInWindow(&host, true));
    CWnd* next = fixed.GetDlgItem(IDC_TNW_STACK_NEXT);
    EXPECT_TRUE(Shown(*next));
    EXPECT_FALSE(fixed.GetDlgItem(IDC_TNW_STACK_PAGES)->IsWindowEnabled());
    EXPECT_FALSE(fixed.GetDlgItem(IDC_TNW_STACK_PREVIOUS)->IsWindowEnabled());
    fixed.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TNW_STACK_NEXT, BN_CLICKED), reinterpret_cast<LPARAM>(next->m_hWnd));
    EXPECT_TRUE(Shown(fixed.mPanels[0]));
    fixed.mAllowNext = true;
    fixed.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TNW_STACK_NEXT, BN_CLICKED), reinterpret_cast<LPARAM>(next->m_hWnd));
    EXPECT_TRUE(Shown(fixed.mPanels[1]));
    EXPECT_FALSE(Shown(fixed.mPanels[0]));
    EXPECT_FALSE(next->IsWindowEnabled());
    EXPECT_TRUE(fixed.GetDlgItem(IDC_TNW_STACK_PREVIOUS)->IsWindowEnabled());
}

TEST(StackExportDialogTest, OkEndsTheDialogOnlyWhenTheSubclassFinishes)
{
    CTwoPageExport dialog;
    bool okOnFirstPage = true;
    bool openAfterRefusal = false;
    CDialogDriver driver("Export", [&](HWND window) {
        okOnFirstPage = ::IsWindowEnabled(::GetDlgItem(window, IDOK)) != FALSE;
        CDialogDriver::Press(window, IDC_TNW_STACK_NEXT);
        CDialogDriver::Press(window, IDOK);
        openAfterRefusal = ::IsWindowVisible(window) != FALSE;
        dialog.mAllowFinish = true;
        CDialogDriver::Press(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(driver.Acted());
    EXPECT_FALSE(okOnFirstPage);
    EXPECT_TRUE(openAfterRefusal);
}

#include "panels/panels.h"

#include "DialogDriver.h"
#include "res/resource.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace {

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

bool Shown(CWnd& window)
{
    return (window.GetStyle() & WS_VISIBLE) != 0;
}

using Names = std::vector<std::string>;

} // namespace

TEST(PanelStackTest, ListsThePagesWithEnabledPanelsInTheirOrderAndStepsThroughThem)
{
    CDialog host(IDD_TEST_HOST);
    ASSERT_TRUE(host.Create(IDD_TEST_HOST));
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

TEST(StackSettingsPanelTest, StepsOnlyWhereThereIsMoreThanOnePageAndTheHookAgrees)
{
    CDialog host(IDD_TEST_HOST);
    ASSERT_TRUE(host.Create(IDD_TEST_HOST));

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

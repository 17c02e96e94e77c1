#include "TestJobs.h"
#include "UserInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

namespace {

class CJobCombo : public CObjectComboBox {
public:
    CString GetObjectText(CPersistObject* object, bool) override { return static_cast<CTestJob*>(object)->name.c_str(); }
};

class ObjectComboBoxTest : public ::testing::Test {
protected:
    void Create(DWORD sort)
    {
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | sort, CRect(0, 0, 200, 200), &host, 13));
        combo.AddListener(&recorder);
        jobs = MakeJobs({ { "talk" }, { "intro" }, { "outro" } });
        combo.SetObject(jobs.get());
    }
    // The user picks an entry: the combo box changes its selection and tells its parent.
    void Pick(int entry)
    {
        combo.SetCurSel(entry);
        host.SendMessage(WM_COMMAND, MAKEWPARAM(13, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo.m_hWnd));
    }
    CObjectDisplay* DisplayOf(int index) { return combo.FindChildDisplay(jobs->GetAt(index)); }
    std::pair<const void*, bool> Heard(int index, bool selected) { return { DisplayOf(index), selected }; }

    CHostWnd host;
    CJobCombo combo;
    CSelectionRecorder recorder;
    std::unique_ptr<CPersistList> jobs;
};

} // namespace

TEST_F(ObjectComboBoxTest, PickingAnEntrySelectsItsDisplayAndTellsOfBothChanges)
{
    Create(0);
    ASSERT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetListDisplay(2), DisplayOf(2));

    Pick(0);
    EXPECT_EQ(recorder.selections, (std::vector<std::pair<const void*, bool>>{ Heard(0, true) }));
    Pick(2);
    EXPECT_EQ(recorder.selections,
              (std::vector<std::pair<const void*, bool>>{ Heard(0, true), Heard(0, false), Heard(2, true) }));
    EXPECT_EQ(combo.GetSelection(), DisplayOf(2));
    EXPECT_EQ(combo.GetSelectionCount(), 1);

    DisplayOf(2)->Select(false);
    EXPECT_EQ(combo.GetCurSel(), 2) << "a deselected display's entry stays the current one";
    DisplayOf(1)->Select(true);
    EXPECT_EQ(combo.GetCurSel(), 1);

    jobs->DeleteAt(0);
    ASSERT_EQ(combo.GetCount(), 2);
    EXPECT_EQ(combo.GetListIndex(DisplayOf(1)), 1) << "handles follow the entries";
    EXPECT_EQ(combo.FindDisplayFromHandle(1), DisplayOf(1));
}

TEST_F(ObjectComboBoxTest, SortedEntriesAndMissingEntriesAreFoundSafely)
{
    Create(CBS_SORT);
    CString text;
    combo.GetLBText(0, text);
    EXPECT_EQ(text, "intro");
    EXPECT_EQ(combo.GetListIndex(DisplayOf(0)), 2) << "talk sorts last";
    EXPECT_EQ(combo.GetChildDisplayHandle(DisplayOf(0)), 2);
    Pick(2);
    EXPECT_EQ(combo.GetSelection(), DisplayOf(0));

    // Nothing without an entry is ever taken for entry 0, or an error value for a display.
    EXPECT_EQ(combo.CreateChildDisplayHandle(nullptr, jobs->GetAt(0), 0), -1);
    EXPECT_EQ(combo.GetChildDisplayHandle(nullptr), -1);
    EXPECT_EQ(combo.GetListDisplay(-1), nullptr);
    EXPECT_EQ(combo.GetListDisplay(3), nullptr);
    EXPECT_EQ(combo.FindDisplayFromHandle(-1), nullptr);
    combo.SetCurSel(-1);
    recorder.selections.clear();
    host.SendMessage(WM_COMMAND, MAKEWPARAM(13, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo.m_hWnd));
    EXPECT_EQ(recorder.selections, (std::vector<std::pair<const void*, bool>>{ Heard(0, false) }));

    combo.DestroyWindow();
    EXPECT_EQ(combo.GetObjectA(), nullptr) << "the window's end unbinds the list";
}

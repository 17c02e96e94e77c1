// List controls against the bare list-view, in the same run:
// - a report sort of 50,000 rows by a decimal column, against the list-view's own sort
//   (LVM_SORTITEMSEX) with a plain text comparison of the same cells.
#include "tnwmfcut.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const int kSortRows = 50000;

class CStopwatch {
public:
    CStopwatch() { ::QueryPerformanceCounter(&mStart); }
    double Seconds() const
    {
        LARGE_INTEGER now, frequency;
        ::QueryPerformanceCounter(&now);
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(now.QuadPart - mStart.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER mStart;
};

// The same pseudo-random sizes in every run.
std::vector<CString> DecimalTexts(int count)
{
    std::vector<CString> texts;
    texts.reserve(count);
    unsigned seed = 12345;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        CString text;
        text.Format("%u.%02u", (seed >> 8) % 100000, (seed >> 4) % 100);
        texts.push_back(text);
    }
    return texts;
}

class CHiddenHost : public CWnd {
public:
    CHiddenHost() { CreateEx(0, nullptr, "bench", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr); }
};

double ReportSortSeconds(const std::vector<CString>& sizes)
{
    CHiddenHost host;
    CReportCtrl report;
    report.Create(&host, 1, CRect(0, 0, 780, 580));
    report.SetColumnHeader("Name,150;Size,80,2;State,100");
    for (int row = 0; row < static_cast<int>(sizes.size()); ++row) {
        CString name;
        name.Format("row %d", row);
        report.InsertItemEx(row, name, static_cast<LPCSTR>(sizes[row]), "waiting", nullptr);
    }
    CStopwatch watch;
    report.SortItems(1, TRUE);
    return watch.Seconds();
}

int CALLBACK CompareTexts(LPARAM row1, LPARAM row2, LPARAM list)
{
    char text1[64], text2[64];
    const CListCtrl* control = reinterpret_cast<const CListCtrl*>(list);
    control->GetItemText(static_cast<int>(row1), 1, text1, sizeof text1);
    control->GetItemText(static_cast<int>(row2), 1, text2, sizeof text2);
    return strcmp(text1, text2);
}

double ListViewSortSeconds(const std::vector<CString>& sizes)
{
    CHiddenHost host;
    CListCtrl list;
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 780, 580), &host, 1);
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 150);
    list.InsertColumn(1, "Size", LVCFMT_RIGHT, 80);
    list.InsertColumn(2, "State", LVCFMT_LEFT, 100);
    for (int row = 0; row < static_cast<int>(sizes.size()); ++row) {
        CString name;
        name.Format("row %d", row);
        list.InsertItem(row, name);
        list.SetItemText(row, 1, sizes[row]);
        list.SetItemText(row, 2, "waiting");
    }
    CStopwatch watch;
    list.SortItemsEx(CompareTexts, reinterpret_cast<DWORD_PTR>(&list));
    return watch.Seconds();
}

} // namespace

int main()
{
    AfxWinInit(::GetModuleHandleA(nullptr), nullptr, ::GetCommandLineA(), SW_HIDE);

    const std::vector<CString> sizes = DecimalTexts(kSortRows);
    const double report = ReportSortSeconds(sizes);
    const double listView = ListViewSortSeconds(sizes);
    std::printf("lists: sort of %d rows by a decimal column\n", kSortRows);
    std::printf("  CReportCtrl::SortItems (typed)     %8.3f s\n", report);
    std::printf("  LVM_SORTITEMSEX (text comparison)  %8.3f s\n", listView);
    std::printf("  ratio report/list-view             %8.2f (reported, no goal)\n", report / listView);
    return 0;
}

// List controls against the bare list-view, in the same run:
// - binding a list of objects with three columns to CObjectListControl, against inserting
//   the same rows with bare list-view messages, redrawing off as a careful program does
//   (goal: at most 1.3 times);
// - binding the same list to CFastObjectListControl (goal: at most one twentieth of
//   CObjectListControl's time);
// - changes of single objects in a bound list of 100,000, in every kind of object list
//   control: the object list, its owner-data kind and the object report, whose rows are
//   first put out of list order (goal: at most 1 ms per change);
// - a report sort by a decimal column, against the list-view's own sort (LVM_SORTITEMSEX)
//   with a plain text comparison of the same cells (reported).
//
// By default the bindings are timed with 20,000 objects in five rounds, the sorts with
// 10,000 rows, and the run ends within a minute. --long binds 100,000 objects in three
// rounds, sorts the 100,000 rows of the report before its changes, sorts 50,000 rows, and
// frees everything it made.
#include "tnwmfcut.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#undef GetObject

namespace {

const int kChangeObjects = 100000;
const int kChanges = 201;


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

class CBenchJob : public CPersistObject {
public:
    CBenchJob(int number, const CString& size) : size(size) { name.Format("job %d", number); }
    void Change() { Notify(kObjectChanged, 0, 0); }
    CString name;
    CString size;
    CString state = "waiting";
};

// The columns and texts of the bound lists; counts the cell texts asked for.
template <class TControl>
class CBenchList : public TControl {
public:
    long textsAskedFor = 0;
    void CreateListHeaders() override
    {
        this->InsertColumn(0, "Name", LVCFMT_LEFT, 150);
        this->InsertColumn(1, "Size", LVCFMT_RIGHT, 80);
        this->InsertColumn(2, "State", LVCFMT_LEFT, 100);
    }
    const char* GetObjectText(CPersistObject* object, int column, bool) override
    {
        ++textsAskedFor;
        const CBenchJob* job = static_cast<CBenchJob*>(object);
        return column == 0 ? job->name : column == 1 ? job->size : job->state;
    }
};

// Jobs in a list that does not own them: an owning CPersistList refuses an object it
// holds already, and that search makes building a list of 100,000 quadratic.
class CBenchJobs {
public:
    explicit CBenchJobs(const std::vector<CString>& sizes) : mList(false)
    {
        for (int i = 0; i < static_cast<int>(sizes.size()); ++i) {
            mJobs.push_back(std::make_unique<CBenchJob>(i, sizes[i]));
            mList.Add(mJobs.back().get());
        }
    }
    CPersistList& List() { return mList; }

private:
    std::vector<std::unique_ptr<CBenchJob>> mJobs;
    CPersistList mList;
};

double BareInsertSeconds(CPersistList& jobs)
{
    CHiddenHost host;
    CListCtrl list;
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 780, 580), &host, 1);
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 150);
    list.InsertColumn(1, "Size", LVCFMT_RIGHT, 80);
    list.InsertColumn(2, "State", LVCFMT_LEFT, 100);
    CStopwatch watch;
    list.SetRedraw(FALSE);
    for (int row = 0; row < jobs.GetItemCount(); ++row) {
        const CBenchJob* job = static_cast<CBenchJob*>(jobs.GetAt(row));
        list.InsertItem(LVIF_TEXT | LVIF_PARAM, row, job->name, 0, 0, 0, reinterpret_cast<LPARAM>(job));
        list.SetItemText(row, 1, job->size);
        list.SetItemText(row, 2, job->state);
    }
    list.SetRedraw(TRUE);
    list.Invalidate();
    return watch.Seconds();
}

template <class TControl>
double BindSeconds(CPersistList& jobs)
{
    CHiddenHost host;
    CBenchList<TControl> control;
    control.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 780, 580), &host, 1);
    CStopwatch watch;
    control.SetObject(&jobs);
    const double seconds = watch.Seconds();
    control.SetObject(nullptr);
    return seconds;
}

struct CChangeResult {
    const char* kind;
    double milliseconds;  // the median
    double slowest;
    long texts;
};

// Changes kChanges objects spread over the list, one at a time: the median milliseconds
// of a change (a machine that others share stops a program now and then), the slowest
// change, and the cell texts one change asked for.
template <class TControl>
CChangeResult MeasureChanges(const char* kind, CBenchList<TControl>& control, CPersistList& jobs)
{
    const int count = jobs.GetItemCount();
    control.textsAskedFor = 0;
    std::vector<double> milliseconds;
    for (int change = 0; change < kChanges; ++change) {
        auto* job = static_cast<CBenchJob*>(jobs.GetAt(static_cast<int>(static_cast<long long>(change) * count / kChanges)));
        CStopwatch watch;
        job->Change();
        milliseconds.push_back(watch.Seconds() * 1000);
    }
    const double slowest = *std::max_element(milliseconds.begin(), milliseconds.end());
    std::nth_element(milliseconds.begin(), milliseconds.begin() + kChanges / 2, milliseconds.end());
    return { kind, milliseconds[kChanges / 2], slowest, control.textsAskedFor / kChanges };
}

// The controls with 100,000 rows, their window and their jobs are unbound and freed only
// in the long run: Wine's list-view frees its rows in quadratic time (seconds for 100,000
// rows), which is Wine's time, not the library's. By default they go with the process.
template <class TControl>
void Dispose(CBenchList<TControl>* control, CBenchJobs* jobs, bool longRun)
{
    if (!longRun)
        return;
    control->SetObject(nullptr);
    delete control;
    delete jobs;
}

template <class TControl>
CChangeResult ChangeInList(const char* kind, CWnd& host, bool longRun)
{
    auto* jobs = new CBenchJobs(DecimalTexts(kChangeObjects));
    auto* control = new CBenchList<TControl>;
    control->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 780, 580), &host, 1);
    control->SetObject(&jobs->List());
    const CChangeResult result = MeasureChanges(kind, *control, jobs->List());
    Dispose(control, jobs, longRun);
    return result;
}

// The report's rows out of list order first: sorted in the long run, by default some rows
// swapped and moved.
CChangeResult ChangeInReport(CWnd& host, bool longRun)
{
    auto* jobs = new CBenchJobs(DecimalTexts(kChangeObjects));
    auto* control = new CBenchList<CObjectReportControl>;
    control->Create(&host, 1, CRect(0, 0, 780, 580));
    control->SetObject(&jobs->List());
    if (longRun) {
        control->SortItems(1, TRUE);
    } else {
        for (int row = 0; row < 100; ++row) {
            control->SwapItems(row * 997, kChangeObjects - 1 - row * 991);
            control->MoveTo(row * 983 + 7, row * 977 + 500);
        }
    }
    const CChangeResult result =
        MeasureChanges(longRun ? "CObjectReportControl, sorted" : "CObjectReportControl, rows moved", *control,
                       jobs->List());
    Dispose(control, jobs, longRun);
    return result;
}

double ReportSortSeconds(const std::vector<CString>& sizes)
{
    CHiddenHost host;
    CReportCtrl report;
    report.Create(&host, 1, CRect(0, 0, 780, 580));
    report.SetColumnHeader("Name,150;Size,80,2;State,100");
    report.SetRedraw(FALSE);
    for (int row = 0; row < static_cast<int>(sizes.size()); ++row) {
        CString name;
        name.Format("row %d", row);
        report.InsertItemEx(row, name, static_cast<LPCSTR>(sizes[row]), "waiting", nullptr);
    }
    report.SetRedraw(TRUE);
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
    list.SetRedraw(FALSE);
    for (int row = 0; row < static_cast<int>(sizes.size()); ++row) {
        CString name;
        name.Format("row %d", row);
        list.InsertItem(row, name);
        list.SetItemText(row, 1, sizes[row]);
        list.SetItemText(row, 2, "waiting");
    }
    list.SetRedraw(TRUE);
    CStopwatch watch;
    list.SortItemsEx(CompareTexts, reinterpret_cast<DWORD_PTR>(&list));
    return watch.Seconds();
}

double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    AfxWinInit(::GetModuleHandleA(nullptr), nullptr, ::GetCommandLineA(), SW_HIDE);
    const bool longRun = argc > 1 && strcmp(argv[1], "--long") == 0;
    const int bindObjects = longRun ? 100000 : 20000;
    const int rounds = longRun ? 3 : 5;
    CStopwatch total;

    // Rounds of the three, one after the other. The machine's load, and whatever a
    // round leaves behind in Wine, slows all three of a round alike: the ratios are the
    // medians of each round's own ratios, the times the best of each.
    double bare = 1e9, objects = 1e9, fast = 1e9;
    std::vector<double> objectRatios, fastRatios;
    {
        CBenchJobs jobs(DecimalTexts(bindObjects));
        for (int round = 0; round < rounds; ++round) {
            const double roundBare = BareInsertSeconds(jobs.List());
            const double roundObjects = BindSeconds<CObjectListControl>(jobs.List());
            const double roundFast = BindSeconds<CFastObjectListControl>(jobs.List());
            bare = std::min(bare, roundBare);
            objects = std::min(objects, roundObjects);
            fast = std::min(fast, roundFast);
            objectRatios.push_back(roundObjects / roundBare);
            fastRatios.push_back(roundFast / roundObjects);
        }
    }
    std::printf("lists: binding %d objects, three columns, %d round(s)%s\n", bindObjects, rounds,
                longRun ? "" : " (--long: 100,000)");
    std::printf("  bare list-view insertion           %8.3f s\n", bare);
    std::printf("  CObjectListControl::SetObject      %8.3f s\n", objects);
    std::printf("  CFastObjectListControl::SetObject  %8.3f s\n", fast);

    std::vector<CChangeResult> changes;
    {
        auto* host = new CHiddenHost;
        changes.push_back(ChangeInList<CObjectListControl>("CObjectListControl", *host, longRun));
        changes.push_back(ChangeInList<CFastObjectListControl>("CFastObjectListControl", *host, longRun));
        changes.push_back(ChangeInReport(*host, longRun));
        if (longRun)
            delete host;
    }
    std::printf("lists: %d changes of single objects in a bound list of %d\n", kChanges, kChangeObjects);
    double slowest = 0;
    for (const CChangeResult& change : changes) {
        std::printf("  %-32s %8.3f ms per change (median; slowest %.3f ms), %ld cell texts\n", change.kind,
                    change.milliseconds, change.slowest, change.texts);
        slowest = std::max(slowest, change.milliseconds);
    }

    const int sortRows = longRun ? 50000 : 10000;
    const std::vector<CString> sizes = DecimalTexts(sortRows);
    const double report = ReportSortSeconds(sizes);
    const double listView = ListViewSortSeconds(sizes);
    std::printf("lists: sort of %d rows by a decimal column\n", sortRows);
    std::printf("  CReportCtrl::SortItems (typed)     %8.3f s\n", report);
    std::printf("  LVM_SORTITEMSEX (text comparison)  %8.3f s\n", listView);

    std::printf("lists: ran %.1f s\n", total.Seconds());
    std::printf("  ratio report sort/list-view sort   %8.2f (reported, no goal)\n", report / listView);
    std::printf("  change of one object, slowest kind %8.3f ms (goal: at most 1 ms)\n", slowest);
    std::printf("  ratio fast/object list             %8.3f (goal: at most 0.050)\n", Median(fastRatios));
    std::printf("  ratio object list/bare             %8.2f (goal: at most 1.30)\n", Median(objectRatios));
    return 0;
}

#include "JobReport.h"
#include "MainFrame.h"

#include "tnwmfcut.h"

#include <memory>

namespace {

// One job of the converter's queue.
class CConvertJob : public CPersistObject {
public:
    CConvertJob(const char* name, double megabytes, const char* state, bool selected)
        : name(name), megabytes(megabytes), state(state), selected(selected) {}

    void SetState(const char* newState)
    {
        state = newState;
        Notify(kObjectChanged, 0, 0);
    }

    CString name;
    double megabytes;
    CString state;
    bool selected;
};

// The queue as a report: the check box says whether a job is to be converted.
class CJobReport : public CObjectReportControl {
public:
    void CreateListHeaders() override { SetColumnHeader("Job,200;Size (MB),100,2;State,160"); }

    const char* GetObjectText(CPersistObject* object, int column, bool) override
    {
        const CConvertJob* job = static_cast<CConvertJob*>(object);
        if (column == 0)
            return job->name;
        if (column == 2)
            return job->state;
        CString size;
        size.Format("%.2f", job->megabytes);
        return UStringBuffer::Text(size);
    }
    bool GetObjectChecked(CPersistObject* object) override { return static_cast<CConvertJob*>(object)->selected; }
    bool CheckObject(CPersistObject* object, bool check) override
    {
        static_cast<CConvertJob*>(object)->selected = check;
        return true;
    }
};

std::unique_ptr<CPersistList> SampleQueue()
{
    auto queue = std::make_unique<CPersistList>(true);
    queue->Add(new CConvertJob("holiday.avi", 734.5, "Converted", false));
    queue->Add(new CConvertJob("interview.mov", 1280.0, "Waiting", true));
    queue->Add(new CConvertJob("concert.mp4", 96.25, "Converting 40%", true));
    queue->Add(new CConvertJob("birthday.wmv", 412.75, "Waiting", false));
    queue->Add(new CConvertJob("lecture.mpg", 2048.0, "Failed", false));
    return queue;
}

// A click on a column heading, as the mouse gives it.
void ClickHeading(CReportCtrl& report, int column)
{
    CHeaderCtrl* header = report.GetHeaderCtrl();
    CRect heading;
    if (!header || !header->GetItemRect(column, &heading))
        return;
    const LPARAM where = MAKELPARAM(heading.CenterPoint().x, heading.CenterPoint().y);
    header->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, where);
    header->SendMessage(WM_LBUTTONUP, 0, where);
}

// Finished jobs in green, failed ones in red.
void ColourStates(CObjectReportControl& report)
{
    for (int row = 0; row < report.GetItemCount(); ++row) {
        const CString state = static_cast<CConvertJob*>(report.GetListDisplay(row)->GetObjectA())->state;
        const COLORREF colour = state == "Converted" ? RGB(0, 128, 0) : state == "Failed" ? RGB(192, 0, 0) : 0xFFFFFFFF;
        report.SetItemTextColor(row, 2, colour, FALSE);
    }
    report.Invalidate();
}

CString RowNames(CReportCtrl& report)
{
    CString names;
    for (int row = 0; row < report.GetItemCount(); ++row)
        names += CString(" ") + report.GetItemText(row, 0);
    return names;
}

} // namespace

void ShowJobReport(CTour& tour, CMainFrame* frame)
{
    CJobReport report;
    if (!report.Create(frame, 1)) {
        tour.Say("the job report could not be created");
        return;
    }
    report.SetCheckboxeStyle(CReportCtrl::kCheckboxNormal);
    report.SetGridLines();
    auto queue = SampleQueue();
    report.SetObject(queue.get());
    ColourStates(report);
    CString line;
    line.Format("job report: %d jobs, %d checked for conversion", report.GetItemCount(),
                report.GetItemCount(CReportCtrl::kItemChecked));
    tour.Say(line);

    ClickHeading(report, 1);
    ClickHeading(report, 1);
    tour.Say(CString("job report sorted by size, largest first:") + RowNames(report));

    static_cast<CConvertJob*>(queue->GetAt(2))->SetState("Converted");
    ColourStates(report);
    tour.Say(CString("concert.mp4 converted; its row now says: ") + report.GetItemText(report.GetItemCount() - 1, 2));
    tour.Screenshot("job-report");
    report.SetObject(nullptr);
}

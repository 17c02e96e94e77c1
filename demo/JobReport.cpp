#include "JobReport.h"
#include "MainFrame.h"

#include "tnwmfcut.h"

namespace {

struct SampleJob {
    const char* name;
    double megabytes;
    const char* state;
    bool selected;
};

const SampleJob kJobs[] = {
    { "holiday.avi", 734.5, "Converted", false },
    { "interview.mov", 1280.0, "Waiting", true },
    { "concert.mp4", 96.25, "Converting 40%", true },
    { "birthday.wmv", 412.75, "Waiting", false },
    { "lecture.mpg", 2048.0, "Failed", false },
};

COLORREF StateColour(const char* state)
{
    if (strcmp(state, "Converted") == 0)
        return RGB(0, 128, 0);
    if (strcmp(state, "Failed") == 0)
        return RGB(192, 0, 0);
    return 0xFFFFFFFF;
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

} // namespace

void ShowJobReport(CTour& tour, CMainFrame* frame)
{
    CReportCtrl report;
    if (!report.Create(frame, 1)) {
        tour.Say("the job report could not be created");
        return;
    }
    report.SetColumnHeader("Job,200;Size (MB),100,2;State,160");
    report.SetCheckboxeStyle(CReportCtrl::kCheckboxNormal);
    report.SetGridLines();
    for (const SampleJob& job : kJobs) {
        const int row = report.InsertItem(report.GetItemCount(), job.name);
        report.SetItemText(row, 1, job.megabytes, 2);
        report.SetItemText(row, 2, job.state);
        report.SetItemTextColor(row, 2, StateColour(job.state), FALSE);
        report.SetCheck(row, job.selected);
    }
    tour.Say("job report: 5 jobs, 2 checked for conversion");

    ClickHeading(report, 1);
    ClickHeading(report, 1);
    CString order = "job report sorted by size, largest first:";
    for (int row = 0; row < report.GetItemCount(); ++row)
        order += CString(" ") + report.GetItemText(row, 0);
    tour.Say(order);
    tour.Screenshot("job-report");
}

#include "DockingTour.h"
#include "resource.h"

#include "tnwmfcut.h"

namespace {

// The bar and the dialog it hosts live from the first step to the last.
struct QueueBar {
    CDialog dialog;
    CCoolDialogBar bar;
    CFrameWnd* frame = nullptr;
};

QueueBar* sQueue = nullptr;

void Describe(CTour& tour, LPCSTR where)
{
    CRect rect;
    sQueue->bar.GetWindowRect(&rect);
    CString line;
    line.Format("the job queue bar %s: %d x %d pixels", where, rect.Width(), rect.Height());
    tour.Say(line);
}

} // namespace

namespace DockingTour {

void DockQueueLeft(CTour& tour, CFrameWnd* frame)
{
    auto* queue = new QueueBar;
    queue->frame = frame;
    frame->EnableDocking(CBRS_ALIGN_ANY);
    if (!queue->bar.Create(frame, &queue->dialog, "Job queue", IDD_JOB_QUEUE,
                           WS_CHILD | WS_VISIBLE | CBRS_LEFT | CBRS_SIZE_DYNAMIC)) {
        delete queue;
        tour.Say("the job queue bar could not be created");
        return;
    }
    sQueue = queue;
    const char* jobs[] = { "holiday.avi to MPEG-4", "interview.wav to MP3", "concert.mov to DVD",
                           "birthday.mpg to iPod video" };
    for (const char* job : jobs)
        ::SendDlgItemMessageA(queue->dialog.m_hWnd, IDC_JOB_QUEUE_LIST, LB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(job));
    queue->bar.EnableDocking(CBRS_ALIGN_ANY);
    frame->DockControlBar(&queue->bar, AFX_IDW_DOCKBAR_LEFT);
    Describe(tour, "is docked at the left edge, with its gripper on top and its sizing edge on the right");
    tour.Pump(300);
    tour.Screenshot("docking-left");
}

void FloatQueue(CTour& tour)
{
    if (!sQueue)
        return;
    // What the float button beside the close button does.
    sQueue->bar.m_pDockContext->ToggleDocking();
    Describe(tour, sQueue->bar.IsFloating() ? "floats in a frame of its own" : "did not float");
    tour.Pump(300);
    tour.Screenshot("docking-floating");
}

void DockQueueBottom(CTour& tour)
{
    if (!sQueue)
        return;
    sQueue->frame->DockControlBar(&sQueue->bar, AFX_IDW_DOCKBAR_BOTTOM);
    Describe(tour, "is docked along the bottom, its gripper on the left and its sizing edge on top");
    tour.Pump(300);
    tour.Screenshot("docking-bottom");
}

void CloseQueue(CTour& tour)
{
    if (!sQueue)
        return;
    sQueue->frame->ShowControlBar(&sQueue->bar, FALSE, FALSE);
    sQueue->bar.DestroyWindow();
    delete sQueue;
    sQueue = nullptr;
    tour.Say("the job queue bar closed");
}

} // namespace DockingTour

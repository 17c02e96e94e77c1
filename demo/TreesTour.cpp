#include "TreesTour.h"

#include "DemoSettings.h"
#include "MainFrame.h"

#include "tnwmfcut.h"

#include <algorithm>
#include <memory>
#include <thread>

#undef GetObject

namespace {

const int kStatusHeight = 24;

// One job of the converter's queue: a clip, its size, and when its conversion starts (in
// minutes after the schedule begins).
class CQueuedJob : public CPersistObject {
public:
    CQueuedJob(const char* name, double megabytes, int start) : name(name), megabytes(megabytes), start(start) {}

    void SetStart(int minutes)
    {
        start = minutes;
        Notify(kObjectChanged, 0, 0);
    }
    // A minute for every 40 MB, five at least.
    int Minutes() const { return std::max(5, static_cast<int>(megabytes / 40)); }

    void SaveSelf(const char*, CPersistStorage& storage) override
    {
        storage.Save("Name", static_cast<const char*>(name));
        storage.Save("Size", megabytes);
        storage.Save("Start", static_cast<long>(start));
    }

    CString name;
    double megabytes;
    int start;
};

// Jobs converted together, shown as a folder of the tree.
class CBatch : public CPersistList {
public:
    explicit CBatch(const char* name) : CPersistList(true), name(name) {}
    CString name;
};

const char* NameOf(CPersistObject* object)
{
    if (auto* batch = dynamic_cast<CBatch*>(object))
        return batch->name;
    if (auto* job = dynamic_cast<CQueuedJob*>(object))
        return job->name;
    return "";
}

// The jobs still to be put in a batch. A job dragged out of a row is offered to OLE drag
// and drop under the library's "Persist Object" format.
class CQueueReport : public CObjectReportControl {
public:
    void CreateListHeaders() override { SetColumnHeader("Waiting job,150;Size (MB),90,2"); }
    const char* GetObjectText(CPersistObject* object, int column, bool) override
    {
        if (column == 0)
            return NameOf(object);
        CString size;
        size.Format("%.1f", static_cast<CQueuedJob*>(object)->megabytes);
        return UStringBuffer::Text(size);
    }

protected:
    afx_msg void OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult)
    {
        *pResult = 0;
        CObjectDisplay* display = GetListDisplay(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iItem);
        if (display && display->GetObject())
            CPersistObjectDataSource::DragObject(display->GetObject(), DROPEFFECT_MOVE);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CQueueReport, CObjectReportControl)
    ON_NOTIFY_REFLECT(LVN_BEGINDRAG, OnBeginDrag)
END_MESSAGE_MAP()

class CBatchTree : public CObjectTreeControl {
public:
    const char* GetObjectText(CPersistObject* object, int, bool) override { return NameOf(object); }
};

class CJobCombo : public CObjectComboBox {
public:
    CString GetObjectText(CPersistObject* object, bool) override { return NameOf(object); }
};

// Moves a job dropped on a batch out of whichever list holds it (the waiting jobs or
// another batch) into that batch; anything else is refused, and the cursor says so.
class CBatchDropTarget : public CPersistObjectDropTarget {
public:
    explicit CBatchDropTarget(std::vector<CPersistList*> lists) : mLists(std::move(lists)) {}

    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD, CPoint point) override
    {
        CPersistList* from = nullptr;
        const bool takes = Batch(pWnd, point) && Holder(GetDraggedObject(pDataObject), from);
        // The batch that would take the job shows it.
        if (auto* tree = dynamic_cast<CTreeCtrl*>(pWnd))
            tree->SelectDropTarget(takes ? tree->HitTest(point) : nullptr);
        return takes ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
    }
    void OnDragLeave(CWnd* pWnd) override
    {
        if (auto* tree = dynamic_cast<CTreeCtrl*>(pWnd))
            tree->SelectDropTarget(nullptr);
    }
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT, CPoint point) override
    {
        OnDragLeave(pWnd);
        CPersistObject* job = GetDraggedObject(pDataObject);
        CBatch* batch = Batch(pWnd, point);
        CPersistList* from = nullptr;
        if (!batch || !Holder(job, from) || from == batch || !from->Remove(job))
            return FALSE;
        batch->Add(job);
        moved.Format("%s moved into the batch %s", NameOf(job), static_cast<LPCSTR>(batch->name));
        return TRUE;
    }

    CString moved;

private:
    static CBatch* Batch(CWnd* window, CPoint point) { return dynamic_cast<CBatch*>(FindHitObject(window, point)); }
    bool Holder(CPersistObject* job, CPersistList*& from)
    {
        for (CPersistList* list : mLists) {
            if (job && dynamic_cast<CQueuedJob*>(job) && list->GetIndex(job) >= 0) {
                from = list;
                return true;
            }
        }
        return false;
    }

    std::vector<CPersistList*> mLists;
};

// "Tonight(interview.mov,lecture.mpg),Weekend(holiday.avi)"
CString Shape(CTreeCtrl& tree, HTREEITEM parent = TVI_ROOT)
{
    CString shape;
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item)) {
        if (!shape.IsEmpty())
            shape += ", ";
        shape += tree.GetItemText(item);
        if (tree.ItemHasChildren(item))
            shape += " (" + Shape(tree, item) + ")";
    }
    return shape;
}

void ExpandAll(CTreeCtrl& tree)
{
    for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextSiblingItem(item))
        tree.Expand(item, TVE_EXPAND);
}

// Hears which job the combo box picked.
class CPickListener : public CListener {
public:
    explicit CPickListener(CTour& tour) : mTour(tour) {}
    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        if (code != CObjectDisplay::kSelectionChanged)
            return CListener::ListenToMessage(code, sender, extra);
        const CObjectDisplay* display = static_cast<const CObjectDisplay*>(sender);
        CString line;
        line.Format("combo box: %s %s", NameOf(display->GetObject()),
                    *static_cast<const bool*>(extra) ? "selected" : "deselected");
        mTour.Say(line);
        return true;
    }

private:
    CTour& mTour;
};

// The mouse as a person moves it, in screen coordinates.
void SendMouse(POINT screen, DWORD buttons)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = ::MulDiv(screen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = ::MulDiv(screen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    ::SendInput(1, &input, sizeof input);
}

// Presses at `from`, drags to `to` in small steps, and lets go there.
void DragWithTheMouse(CTour& tour, POINT from, POINT to)
{
    SendMouse(from, 0);
    ::Sleep(150);
    SendMouse(from, MOUSEEVENTF_LEFTDOWN);
    ::Sleep(150);
    const int steps = 12;
    for (int step = 1; step <= steps; ++step) {
        SendMouse({ from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps }, 0);
        ::Sleep(40);
    }
    ::Sleep(300);
    tour.Screenshot("queue-dragging");
    SendMouse(to, MOUSEEVENTF_LEFTUP);
    ::Sleep(200);
}

// The same drop, driven through the drop target as OLE would drive it.
void DropDirectly(CBatchDropTarget& target, CWnd& tree, CPersistObject* job, CPoint point)
{
    CPersistObjectDataSource source(job);
    COleDataObject data;
    data.Attach(static_cast<IDataObject*>(source.GetInterface(&IID_IDataObject)), FALSE);
    if (target.OnDragEnter(&tree, &data, MK_LBUTTON, point) == DROPEFFECT_MOVE)
        target.OnDrop(&tree, &data, DROPEFFECT_MOVE, point);
}

// A conversion job on the schedule board: a bar from its start for as many minutes as it
// takes, dragged along the time axis to start later or earlier.
class CJobIndicator : public tnwmfcut::CDragIndicator {
public:
    CJobIndicator(CWnd* window, double xScale, double yScale, int xOrigin, int yOrigin, const CQueuedJob& job, int row)
        : CDragIndicator(window, xScale, yScale, xOrigin, yOrigin), mMinutes(job.Minutes()), mRow(row),
          mGrab(0)
    {
        mCurrentPoint = { static_cast<double>(job.start), static_cast<double>(row) };
    }
    bool StartDragSelf(RealPoint& point) override
    {
        mGrab = point.x - mCurrentPoint.x;
        SetDragType(static_cast<DragT>(1));
        return true;
    }
    // The bar keeps its row and starts on whole minutes, never before the schedule.
    void ProcessSelf(RealPoint& point) override
    {
        point.x = std::max(0.0, static_cast<double>(static_cast<int>(point.x - mGrab + 0.5)));
        point.y = mRow;
    }
    // An outline drawn in XOR: a second drawing takes it away.
    void Draw(CDC* dc) override
    {
        const POINT from = TranslatePoint(mCurrentPoint);
        const POINT to = TranslatePoint(RealPoint{ mCurrentPoint.x + mMinutes, mCurrentPoint.y + 0.8 });
        CRect outline(from, to);
        dc->DrawFocusRect(&outline);
    }

private:
    int mMinutes;
    int mRow;
    double mGrab;
};

class CJobNode : public CObjectNode {
public:
    using CObjectNode::CObjectNode;

    CQueuedJob* Job() { return static_cast<CQueuedJob*>(GetObject()); }
    int Row() { return GetParentDisplay()->GetChildIndex(this); }
    CRect Bar(double xScale, double yScale, int xOrigin, int yOrigin)
    {
        return CRect(static_cast<int>(Job()->start * xScale) + xOrigin, static_cast<int>(Row() * yScale) + yOrigin,
                     static_cast<int>((Job()->start + Job()->Minutes()) * xScale) + xOrigin,
                     static_cast<int>((Row() + 0.8) * yScale) + yOrigin);
    }
    void DrawSelf(CDC* dc, double xScale, double yScale, int xOrigin, int yOrigin) override
    {
        CRect bar = Bar(xScale, yScale, xOrigin, yOrigin);
        dc->FillSolidRect(&bar, RGB(70, 130, 180));
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(RGB(255, 255, 255));
        dc->TextOut(bar.left + 4, bar.top + 2, Job()->name);
    }
    CDragIndicator* StartDragging(CPoint& point, double xScale, double yScale, int xOrigin, int yOrigin) override
    {
        if (!Bar(xScale, yScale, xOrigin, yOrigin).PtInRect(point))
            return nullptr;
        auto* indicator = new CJobIndicator(dynamic_cast<CWnd*>(GetTopDisplay()), xScale, yScale, xOrigin, yOrigin,
                                            *Job(), Row());
        indicator->StartDrag(point);
        return indicator;
    }
    void ProcessDragging(CDragIndicator* indicator, CPoint& point, double, double, int, int) override
    {
        indicator->Process(point);
    }
    void StopDragging(CDragIndicator* indicator, CPoint& point, double, double, int, int) override
    {
        indicator->EndDrag(point);
    }
    void DragAction(CDragIndicator* indicator, double, double, int, int) override
    {
        Job()->SetStart(static_cast<int>(indicator->GetCurrentPoint().x));
    }
    bool Respond(long code, CBroadcaster* broadcaster, long data1, long data2) override
    {
        if (code == CPersistObject::kObjectChanged && broadcaster == GetObject()) {
            Redraw();
            return true;
        }
        return CObjectNode::Respond(code, broadcaster, data1, data2);
    }
};

// The schedule: 4 pixels a minute from the left margin, a row of 28 pixels a job, with a
// ruler of hours along the top.
class CScheduleBoard : public CObjectNodeWindow {
public:
    CScheduleBoard()
    {
        mXScale = 4;
        mYScale = 28;
        mXOrigin = 16;
        mYOrigin = 30;
    }
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override
    {
        return object ? new CJobNode(this) : nullptr;
    }
    void DrawBackground(CDC* dc) override
    {
        CRect client;
        GetClientRect(&client);
        dc->FillSolidRect(&client, RGB(255, 255, 255));
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(0);
        for (int minutes = 0; minutes * GetXScale() + GetXOrigin() < client.right; minutes += 30) {
            const int x = static_cast<int>(minutes * GetXScale()) + GetXOrigin();
            dc->FillSolidRect(x, 20, 1, client.bottom - 20, RGB(220, 220, 220));
            CString label;
            label.Format("%d:%02d", minutes / 60, minutes % 60);
            dc->TextOut(x + 2, 4, label);
        }
    }
};

// The settings object of the converter, held by the application as a data host holds it.
class CSettingsHost : public CPersistDataHost {
public:
    CSettingsHost() { mObject = &settings; }
    CDemoSettings settings;
};

// Opens a modal inspector, takes its picture on a helper thread and closes it.
void ShowInspector(CTour& tour, const std::function<void()>& show, const char* picture)
{
    tour.WhileModal(show, [picture](CTour& t) {
        HWND dialog = CTour::WaitForWindow(nullptr, "Object Inspector");
        if (!dialog) {
            t.Say("the inspector did not open");
            return;
        }
        t.Screenshot(picture);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
}

} // namespace

namespace TreesTour {

void ShowQueueAsTree(CTour& tour, CMainFrame* frame)
{
    // An application initialises OLE at start-up; the tour does it where drag and drop
    // first matter.
    if (!AfxOleInit())
        tour.Say("OLE could not be initialised: no drag and drop");
    CPersistList waiting(true);
    waiting.Add(new CQueuedJob("interview.mov", 1280.0, 0));
    waiting.Add(new CQueuedJob("concert.mp4", 96.25, 0));
    waiting.Add(new CQueuedJob("birthday.wmv", 412.75, 0));
    CPersistList batches(true);
    auto* tonight = new CBatch("Tonight");
    tonight->Add(new CQueuedJob("lecture.mpg", 2048.0, 0));
    tonight->Add(new CQueuedJob("holiday.avi", 734.5, 0));
    batches.Add(tonight);
    auto* weekend = new CBatch("Weekend");
    weekend->Add(new CQueuedJob("wedding.avi", 1900.0, 0));
    batches.Add(weekend);

    CRect client;
    frame->GetClientRect(&client);
    client.DeflateRect(8, 8, 8, 8 + kStatusHeight);
    const int middle = client.CenterPoint().x;
    CQueueReport report;
    CJobCombo combo;
    CBatchTree tree;
    CRect reportRect(client.left, client.top, middle, client.bottom);
    if (!report.Create(frame, 101, &reportRect)
        || !combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(middle, client.top, client.right, 200),
                         frame, 102)
        || !tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(middle, client.top + 32, client.right, client.bottom),
                        frame, 103)) {
        tour.Say("the queue's report, combo box or tree could not be created");
        return;
    }
    combo.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(UDrawingUtils::GetFont()->m_hObject));
    tree.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(UDrawingUtils::GetFont()->m_hObject));
    CBatchDropTarget mover({ &waiting, tonight, weekend });
    tree.SetDropTarget(&mover);
    report.SetObject(&waiting);
    combo.SetObject(&waiting);
    tree.SetObject(&batches);
    ExpandAll(tree);
    tour.Say("the queue: waiting jobs in a report, batches in a tree: " + Shape(tree));

    CPickListener picks(tour);
    combo.AddListener(&picks);
    combo.SetCurSel(1);
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(102, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo.m_hWnd));
    tour.Screenshot("queue-tree");

    // A person drags interview.mov from the report onto the batch Weekend.
    CObjectDisplay* weekendDisplay = tree.FindChildDisplay(weekend);
    HTREEITEM weekendItem = static_cast<CObjectTreeDisplay*>(weekendDisplay)->GetTreeItem();
    CRect row, label;
    report.GetItemRect(0, &row, LVIR_LABEL);
    tree.GetItemRect(weekendItem, &label, TRUE);
    CPoint from = row.CenterPoint(), to = label.CenterPoint();
    report.ClientToScreen(&from);
    tree.ClientToScreen(&to);
    CPersistObject* interview = waiting.GetAt(0);
    tour.WhileModal(
        [&] {
            const ULONGLONG deadline = ::GetTickCount64() + 8000;
            while (weekend->GetIndex(interview) < 0 && ::GetTickCount64() < deadline)
                tour.Pump(50);
        },
        [from, to](CTour& t) { DragWithTheMouse(t, from, to); });
    if (weekend->GetIndex(interview) >= 0) {
        tour.Say("dragged with the mouse from the report onto the tree: " + mover.moved);
    } else {
        tour.Say("no mouse to drag with on this display: the drop is driven through the tree's drop target");
        CPoint point = label.CenterPoint();
        DropDirectly(mover, tree, interview, point);
        tour.Say(mover.moved.IsEmpty() ? CString("the drop was refused") : mover.moved);
    }
    ExpandAll(tree);
    CString line;
    line.Format("%d jobs still waiting; the batches now: ", report.GetItemCount());
    tour.Say(line + Shape(tree));
    tour.Screenshot("queue-tree-dropped");

    combo.RemoveListener(&picks);
    tree.SetDropTarget(nullptr);
}

void ShowScheduleAsNodes(CTour& tour, CMainFrame* frame)
{
    CPersistList schedule(true);
    schedule.Add(new CQueuedJob("interview.mov", 1280.0, 0));
    schedule.Add(new CQueuedJob("concert.mp4", 96.25, 32));
    schedule.Add(new CQueuedJob("birthday.wmv", 412.75, 40));
    schedule.Add(new CQueuedJob("lecture.mpg", 2048.0, 60));

    CRect client;
    frame->GetClientRect(&client);
    client.DeflateRect(8, 8, 8, 8 + kStatusHeight);
    CScheduleBoard board;
    if (!board.Create(WS_VISIBLE | WS_BORDER, client, frame, 104)) {
        tour.Say("the schedule board could not be created");
        return;
    }
    board.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(UDrawingUtils::GetFont()->m_hObject));
    board.SetObject(&schedule);
    tour.Say("the conversion schedule as nodes on a board, a bar per job");
    tour.Screenshot("schedule-nodes");

    // concert.mp4 is dragged along the time axis from 0:32 to a later start.
    auto* concert = static_cast<CQueuedJob*>(schedule.GetAt(1));
    const int y = static_cast<int>(1.4 * 28) + 30;
    const int x = static_cast<int>((concert->start + 1) * 4) + 16;
    board.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    for (int step = 1; step <= 10; ++step) {
        board.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + step * 22, y + step));
        tour.Pump(20);
    }
    tour.Pump(200);
    tour.Screenshot("schedule-dragging");
    board.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x + 220, y + 10));
    tour.Pump(200);
    CString line;
    line.Format("concert.mp4 dragged to start at %d:%02d; the board repainted itself", concert->start / 60,
                concert->start % 60);
    tour.Say(line);
    tour.Screenshot("schedule-moved");
}

void InspectSettings(CTour& tour)
{
    CSettingsHost host;
    const bool loaded = host.LoadDefault();
    tour.Say(CString("the settings object through a data host: ") + host.GetDefaultFileName()
             + (loaded ? " loaded" : " not loaded, the defaults shown"));
    tour.Say("file dialogs of the data host would offer: " + host.GetFileDescription() + "(*.xml)");
    ShowInspector(tour, [&] { CObjectInspectorDialog::ShowObject(&host.settings); }, "inspector-tree");
    tour.Say("the object inspector showed the settings as a tree, version property included");
    ShowInspector(tour, [&] { CObjectPropertyDialog::ShowObject(&host.settings); }, "inspector-list");
    tour.Say("the property inspector showed them as property and value rows");
}

} // namespace TreesTour

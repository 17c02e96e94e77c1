#pragma once
#include "HostWnd.h"
#include "resource.h"

#include "tnwmfcut.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

// What the display tests share: the jobs the controls show, a host window, and input as a
// person gives it.

// A job of a converter's queue as the display tests show it: name, size and state, and
// whether it is checked for conversion. Change() tells its displays it changed as a whole.
class CTestJob : public CPersistObject {
public:
    CTestJob(std::string name, std::string size, std::string state = "Waiting")
        : name(std::move(name)), size(std::move(size)), state(std::move(state)) {}
    ~CTestJob() override { ++sDestroyed; }

    void Change() { Notify(kObjectChanged, 0, 0); }

    std::string name;
    std::string size;
    std::string state;
    bool checked = false;
    static int sDestroyed;
};

// A list of jobs, owning them unless told otherwise.
std::unique_ptr<CPersistList> MakeJobs(const std::vector<std::vector<const char*>>& jobs, bool owning = true);
CTestJob* JobAt(CPersistList& jobs, int index);
// A job's text in a column (Name, Size, State), or its tool tip.
const char* JobText(CPersistObject* object, int column, bool forToolTip);

// A control of jobs in three columns (Name, Size right-aligned, State) with 16-pixel row
// images (1 for a job that is done). It accepts checks only while acceptChecks is set,
// and writes down the texts asked for (by job) and the check requests.
template <class TControl>
class CJobControl : public TControl {
public:
    bool acceptChecks = false;
    std::vector<std::string> textsAskedFor;
    std::vector<std::pair<std::string, bool>> checkRequests;

    void CreateListHeaders() override
    {
        this->InsertColumn(0, "Name", LVCFMT_LEFT, 120);
        this->InsertColumn(1, "Size", LVCFMT_RIGHT, 80);
        this->InsertColumn(2, "State", LVCFMT_LEFT, 100);
    }
    int GetImageListResource(int& cx, int& cy) override
    {
        cx = cy = 16;
        return IDB_ROW_IMAGES;
    }
    const char* GetObjectText(CPersistObject* object, int column, bool forToolTip) override
    {
        textsAskedFor.push_back(Job(object)->name);
        return JobText(object, column, forToolTip);
    }
    int GetObjectImage(CPersistObject* object) override { return Job(object)->state == "Done" ? 1 : 0; }
    bool GetObjectChecked(CPersistObject* object) override { return Job(object)->checked; }
    bool CheckObject(CPersistObject* object, bool check) override
    {
        checkRequests.emplace_back(Job(object)->name, check);
        if (acceptChecks)
            Job(object)->checked = check;
        return acceptChecks;
    }

private:
    static CTestJob* Job(CPersistObject* object) { return static_cast<CTestJob*>(object); }
};

// Writes down the selection broadcasts (3499634) and edited texts (3499635) it hears.
class CSelectionRecorder : public CListener {
public:
    bool ListenToMessage(long code, const void* sender, const void* extra) override;

    std::vector<std::pair<const void*, bool>> selections;
    std::vector<std::string> editedTexts;
};

// Drives windows the way a person does: mouse and key messages go through the thread's
// queue and its PreTranslateMessage, as the application's message loop would deliver them.
namespace UserInput {

// A press and release of the left mouse button at a point of the window's client area.
void Click(HWND window, CPoint point);
// The centre of a cell's label (column 0: the text beside the check box).
CPoint CellPoint(CListCtrl& list, int row, int column);
void ClickCell(CListCtrl& list, int row, int column);
void ClickCheckBox(CListCtrl& list, int row);
void ClickHeader(CListCtrl& list, int column);
// A key pressed and released in the window that has the focus, while a modifier key
// (VK_SHIFT, VK_CONTROL, or 0 for none) is held down.
void PressKey(UINT virtualKey, UINT modifier = 0);
// Characters typed into the window that has the focus.
void Type(const char* text);

} // namespace UserInput

// What a list shows: the texts of a column, row by row, and the selected rows.
std::vector<std::string> ColumnTexts(CListCtrl& list, int column);
std::vector<int> SelectedRows(CListCtrl& list);

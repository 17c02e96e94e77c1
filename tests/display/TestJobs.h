#pragma once
#include "resource.h"

#include "tnwmfcut.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

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

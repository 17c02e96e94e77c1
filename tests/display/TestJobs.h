#pragma once
#include "tnwmfcut.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

// A job of a converter's queue as the display tests show it: name, size and state, and
// whether it is checked for conversion. Change() tells its displays it changed as a whole.
class CTestJob : public CPersistObject {
public:
    CTestJob(std::string name, std::string size, std::string state = "Waiting", bool checked = false)
        : name(std::move(name)), size(std::move(size)), state(std::move(state)), checked(checked) {}
    ~CTestJob() override { ++sDestroyed; }

    void Change() { Notify(kObjectChanged, 0, 0); }

    std::string name;
    std::string size;
    std::string state;
    bool checked;
    static int sDestroyed;
};

// A list of jobs, owning them unless told otherwise.
std::unique_ptr<CPersistList> MakeJobs(const std::vector<std::vector<const char*>>& jobs, bool owning = true);
CTestJob* JobAt(CPersistList& jobs, int index);

// How the test controls describe jobs: three columns, image by state, check mark from the
// job; a check is accepted (and stored) only when acceptChecks is set. Counts the texts
// asked for, by job, and the check requests.
class CJobDescription {
public:
    const char* Text(CPersistObject* object, int column, bool forToolTip);
    int Image(CPersistObject* object);
    bool Checked(CPersistObject* object);
    bool Check(CPersistObject* object, bool check);

    bool acceptChecks = false;
    std::vector<std::string> textsAskedFor;  // job names, one per cell text
    std::vector<std::pair<std::string, bool>> checkRequests;
};

// Writes down the selection broadcasts (3499634) and edited texts (3499635) it hears.
class CSelectionRecorder : public CListener {
public:
    bool ListenToMessage(long code, const void* sender, const void* extra) override;

    std::vector<std::pair<const void*, bool>> selections;
    std::vector<std::string> editedTexts;
};

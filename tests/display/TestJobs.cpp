#include "TestJobs.h"

#include <memory>

int CTestJob::sDestroyed = 0;

std::unique_ptr<CPersistList> MakeJobs(const std::vector<std::vector<const char*>>& jobs, bool owning)
{
    auto list = std::make_unique<CPersistList>(owning);
    for (const auto& job : jobs)
        list->Add(new CTestJob(job[0], job.size() > 1 ? job[1] : "0", job.size() > 2 ? job[2] : "Waiting"));
    return list;
}

CTestJob* JobAt(CPersistList& jobs, int index)
{
    return static_cast<CTestJob*>(jobs.GetAt(index));
}

const char* CJobDescription::Text(CPersistObject* object, int column, bool forToolTip)
{
    const CTestJob* job = static_cast<CTestJob*>(object);
    textsAskedFor.push_back(job->name);
    if (forToolTip)
        return UStringBuffer::Text(("tip " + job->name + " " + std::to_string(column)).c_str());
    const std::string& text = column == 0 ? job->name : column == 1 ? job->size : job->state;
    return UStringBuffer::Text(text.c_str());
}

int CJobDescription::Image(CPersistObject* object)
{
    return static_cast<CTestJob*>(object)->state == "Done" ? 1 : 0;
}

bool CJobDescription::Checked(CPersistObject* object)
{
    return static_cast<CTestJob*>(object)->checked;
}

bool CJobDescription::Check(CPersistObject* object, bool check)
{
    CTestJob* job = static_cast<CTestJob*>(object);
    checkRequests.emplace_back(job->name, check);
    if (acceptChecks)
        job->checked = check;
    return acceptChecks;
}

bool CSelectionRecorder::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code == CObjectDisplay::kSelectionChanged) {
        selections.emplace_back(sender, *static_cast<const bool*>(extra));
        return true;
    }
    if (code == CObjectDisplay::kObjectTextEdited) {
        editedTexts.push_back(static_cast<const char*>(extra));
        return true;
    }
    return CListener::ListenToMessage(code, sender, extra);
}

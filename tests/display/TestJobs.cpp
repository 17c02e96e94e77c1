#include "TestJobs.h"

int CTestJob::sDestroyed = 0;

std::unique_ptr<CPersistList> MakeJobs(const std::vector<std::vector<const char*>>& jobs, bool owning)
{
    auto list = std::make_unique<CPersistList>(owning);
    for (const auto& job : jobs)
        list->Add(new CTestJob(job[0], job.size() > 1 ? job[1] : "0"));
    return list;
}

CTestJob* JobAt(CPersistList& jobs, int index)
{
    return static_cast<CTestJob*>(jobs.GetAt(index));
}

const char* JobText(CPersistObject* object, int column, bool forToolTip)
{
    const CTestJob* job = static_cast<CTestJob*>(object);
    if (forToolTip)
        return UStringBuffer::Text(("tip " + job->name + " " + std::to_string(column)).c_str());
    return UStringBuffer::Text((column == 0 ? job->name : column == 1 ? job->size : job->state).c_str());
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

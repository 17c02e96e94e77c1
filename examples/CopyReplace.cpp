// A copy with the replace rule: a finished recording goes to an output folder where a file
// of that name already exists. Renaming keeps the old file and writes "take_2.avi"
// beside it; skipping leaves the folder as it was. The copy runs on a worker thread, as a
// progress dialog would watch it.
#include "Pump.h"
#include "tnwmfcut.h"

#include <cstdio>
#include <string>

namespace {

bool WriteFile(const std::string& path, const char* text)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fputs(text, file) >= 0;
    return std::fclose(file) == 0 && written;
}

std::string ReadFile(const std::string& path)
{
    std::string text;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[256];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            text.append(buffer, n);
        std::fclose(file);
    }
    return text;
}

class CEndListener : public CListener {
public:
    bool mFinished = false;
    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        if (code != CWorkerThread::kThreadFinished)
            return CListener::ListenToMessage(code, sender, extra);
        mFinished = true;
        return true;
    }
};

} // namespace

CWinApp theApp("copy-replace");

int main()
{
    if (!AfxWinInit(::GetModuleHandleA(nullptr), nullptr, ::GetCommandLineA(), SW_HIDE))
        return 2;
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "tnw-copy-example\\";
    const std::string source = folder + "recording.avi";
    const std::string target = folder + "out\\take.avi";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ::CreateDirectoryA((folder + "out").c_str(), nullptr);
    ::DeleteFileA((folder + "out\\take_2.avi").c_str()); // from an earlier run
    if (!WriteFile(source, "new take") || !WriteFile(target, "old take"))
        return 3;

    // Not auto-deleting: the object outlives its run, keeps its jobs and is the caller's.
    CFileCopyThread copier;
    copier.AddJob(source.c_str(), target.c_str(), kFileReplaceRename); // the copier owns the job
    copier.AddJob(source.c_str(), target.c_str(), kFileReplaceSkip);
    CEndListener listener;
    copier.AddListener(&listener);
    if (!copier.Execute(0) || !PumpUntil([&] { return listener.mFinished; }))
        return 4;

    const std::string kept = ReadFile(target);
    const std::string renamed = ReadFile(folder + "out\\take_2.avi");
    std::printf("take.avi: \"%s\", take_2.avi: \"%s\", errors: %d %d\n", kept.c_str(),
                renamed.c_str(), copier.GetJob(0)->HadError(), copier.GetJob(1)->HadError());
    return kept == "old take" && renamed == "new take" && !copier.GetJob(0)->HadError()
                   && !copier.GetJob(1)->HadError()
               ? 0
               : 1;
}

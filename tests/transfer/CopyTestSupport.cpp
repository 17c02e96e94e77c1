#include "CopyTestSupport.h"

#include <algorithm>

namespace {

const int kApplyToAllId = 10082;
const int kMessageId = 10020;

struct SQuestionSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK MatchQuestion(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<SQuestionSearch*>(lParam);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (process == search->process && std::string(className) == "#32770" && ::IsWindowVisible(window) &&
        ::GetDlgItem(window, kApplyToAllId)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::string PatternBytes(size_t count, unsigned seed)
{
    std::string bytes(count, '\0');
    unsigned state = seed * 2654435761u + 1;
    for (size_t i = 0; i < count; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(state >> 16);
    }
    return bytes;
}

bool MakeSparseFile(const std::string& path, __int64 size, __int64 offset, const std::string& bytes)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER position, end;
    position.QuadPart = offset;
    end.QuadPart = size;
    DWORD written = 0;
    const bool made = file != INVALID_HANDLE_VALUE && ::SetFilePointerEx(file, position, nullptr, FILE_BEGIN) &&
                      ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                      written == bytes.size() && ::SetFilePointerEx(file, end, nullptr, FILE_BEGIN) &&
                      ::SetEndOfFile(file);
    if (file != INVALID_HANDLE_VALUE)
        ::CloseHandle(file);
    return made;
}

std::string ReadAt(const std::string& path, __int64 offset, unsigned long count)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string bytes(count, '\0');
    LARGE_INTEGER position;
    position.QuadPart = offset;
    DWORD read = 0;
    if (file == INVALID_HANDLE_VALUE || !::SetFilePointerEx(file, position, nullptr, FILE_BEGIN) ||
        !::ReadFile(file, &bytes[0], count, &read, nullptr))
        read = 0;
    if (file != INVALID_HANDLE_VALUE)
        ::CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

std::vector<std::string> FileNames(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> LinesStartingWith(const std::vector<std::string>& lines, const std::string& start)
{
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (line.compare(0, start.size(), start) == 0)
            found.push_back(line);
    return found;
}

void CWatchedFile::Write(const void* buffer, UINT count)
{
    mOnWrite(count);
    CFile::Write(buffer, count);
}

BOOL CFailingFile::Open(LPCSTR path, UINT flags, CFileException* error)
{
    if (!CFile::Open(path, flags, error))
        return FALSE;
    if (mGoodWrites == 0)
        ReopenReadOnly();
    return TRUE;
}

void CFailingFile::Write(const void* buffer, UINT count)
{
    CFile::Write(buffer, count);
    if (--mGoodWrites == 0)
        ReopenReadOnly();
}

void CFailingFile::ReopenReadOnly()
{
    const CString path = GetFilePath();
    Close();
    CFile::Open(path, modeRead | shareDenyNone);
}

bool CRunRecorder::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code == CWorkerThread::kThreadStarted) {
        std::vector<std::string> targets;
        for (int i = 0; i < mThread.GetJobCount(); ++i)
            targets.push_back(UFileUtils::GetFileNameOnly(mThread.GetJob(i)->GetToFilePath()));
        runs.push_back(targets);
        return true;
    }
    if (code == CWorkerThread::kThreadFinished) {
        ++finished;
        return true;
    }
    return CListener::ListenToMessage(code, sender, extra);
}

CReplaceAnswerer::CReplaceAnswerer(std::vector<SAnswer> answers, unsigned timeoutMs)
    : mThread(&CReplaceAnswerer::Run, this, std::move(answers), timeoutMs)
{
}

CReplaceAnswerer::~CReplaceAnswerer()
{
    if (mThread.joinable())
        mThread.join();
}

int CReplaceAnswerer::Finish()
{
    if (mThread.joinable())
        mThread.join();
    return mAnswered;
}

void CReplaceAnswerer::Run(std::vector<SAnswer> answers, unsigned timeoutMs)
{
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (const SAnswer& answer : answers) {
        SQuestionSearch search = { ::GetCurrentProcessId(), nullptr };
        while (!search.found && ::GetTickCount64() < deadline) {
            ::EnumWindows(MatchQuestion, reinterpret_cast<LPARAM>(&search));
            if (!search.found)
                ::Sleep(10); // polling another thread's windows: there is no message to wait for
        }
        if (!search.found)
            return;
        HWND box = ::GetDlgItem(search.found, kApplyToAllId);
        mBoxShown.push_back(::IsWindowVisible(box) != FALSE);
        char text[512] = {};
        ::GetDlgItemTextA(search.found, kMessageId, text, sizeof text);
        mQuestions.push_back(text);
        if (answer.applyToAll)
            ::SendMessageA(box, BM_CLICK, 0, 0);
        ::SendMessageA(::GetDlgItem(search.found, answer.yes ? IDYES : IDNO), BM_CLICK, 0, 0);
        // The dialog is gone before the next question is looked for.
        while (::IsWindow(search.found) && ::IsWindowVisible(search.found) && ::GetTickCount64() < deadline)
            ::Sleep(10);
        ++mAnswered;
    }
}

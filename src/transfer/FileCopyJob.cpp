#include "transfer/FileCopyJob.h"

#include "prompts/RepeatPrompter.h"

#include <new>
#include <string>

namespace {

// Keeps a multi-file open for one scope.
class StOpenSource {
public:
    explicit StOpenSource(CMultiFile& source) : mSource(source) { mSource.Open(CMultiFile::kOpenRead); }
    ~StOpenSource() { mSource.Close(); }
    StOpenSource(const StOpenSource&) = delete;
    StOpenSource& operator=(const StOpenSource&) = delete;

private:
    CMultiFile& mSource;
};

// The folder part of a path with its closing separator, so that a file in the root of a
// drive stays there ("C:\" rather than "C:", which names the drive's current folder).
std::string FolderWithSeparator(const char* path)
{
    const std::string text = path;
    const size_t separator = text.find_last_of("\\/");
    return separator == std::string::npos ? std::string(".\\") : text.substr(0, separator + 1);
}

// Whether anything, a folder too, has the path: the replace rule treats such a path as
// taken, and so the question and the final rename must.
bool IsTaken(const char* path)
{
    return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

CFileCopyJob::CFileCopyJob() = default;

CFileCopyJob::CFileCopyJob(const CFileCopyJob& other)
    : mSource(other.mSource), mStart(other.mStart), mEnd(other.mEnd), mTargetPath(other.mTargetPath),
      mCancelled(other.mCancelled.load()), mError(other.mError), mReplaceOption(other.mReplaceOption),
      mDone(other.mDone.load())
{
}

CFileCopyJob& CFileCopyJob::operator=(const CFileCopyJob& other)
{
    if (this != &other) {
        mSource = other.mSource;
        mStart = other.mStart;
        mEnd = other.mEnd;
        mTargetPath = other.mTargetPath;
        mCancelled = other.mCancelled.load();
        mError = other.mError;
        mReplaceOption = other.mReplaceOption;
        mDone = other.mDone.load();
    }
    return *this;
}

CFileCopyJob::~CFileCopyJob() = default;

void CFileCopyJob::SetFromFilePath(const char* path)
{
    mSource.RemoveAll();
    mSource.AddFile(path);
    mStart = 0;
    mEnd = UFileUtils::GetFileSize(path);
}

void CFileCopyJob::SetToFilePath(const char* path)
{
    mTargetPath = path;
}

void CFileCopyJob::Copy(CRepeatPrompter* prompter)
{
    mCancelled = false;
    mError = false;
    mDone = 0;
    if (mTargetPath.IsEmpty()) {
        mError = true;
        return;
    }
    const bool targetExisted = IsTaken(mTargetPath);
    const CString path = DecideTargetPath(prompter);
    if (path.IsEmpty())
        return;
    if (!UDirectoryUtils::EstablishPath(path) || !HasRoomFor(path)) {
        mError = true;
        return;
    }
    mError = CopyRange(path, targetExisted && path == mTargetPath) == kFailed;
}

CString CFileCopyJob::GetText()
{
    return CString("Copying ") + mSource.GetText().c_str() + "...";
}

CFile* CFileCopyJob::CreateTargetFile()
{
    return new CFile;
}

CString CFileCopyJob::DecideTargetPath(CRepeatPrompter* prompter) const
{
    // The replace rule deletes an existing file as soon as the user agrees to replace it;
    // a copy keeps the old file until the new one is complete, so it asks itself.
    if (mReplaceOption == kFileReplaceAsk && prompter && IsTaken(mTargetPath)) {
        CString question;
        question.Format("%s already exists. Would you like to replace the file?", static_cast<LPCSTR>(mTargetPath));
        return prompter->Prompt(question, true) ? mTargetPath : CString();
    }
    return UFileReplace::GetFilePath(prompter, mTargetPath, mReplaceOption);
}

bool CFileCopyJob::HasRoomFor(const CString& path) const
{
    // The old file of a replaced target stays until the new one is complete, so the whole
    // length must fit beside it.
    return GetLength() <= UDirectoryUtils::GetFreeDiskSpace(UFileUtils::GetPathOnly(path).c_str());
}

CFileCopyJob::EOutcome CFileCopyJob::CopyRange(const CString& path, bool replacing)
{
    if (GetLength() < 0)
        return kFailed;
    StOpenSource open(mSource);
    if (!mSource.IsOpen() || mSource.Seek(mStart, CMultiFile::kBegin) != mStart)
        return kFailed;
    const CString temporary = MakeTemporaryFile(path);
    if (temporary.IsEmpty())
        return kFailed;
    EOutcome outcome = WriteRange(temporary);
    if (outcome == kCopied && !::MoveFileExA(temporary, path, replacing ? MOVEFILE_REPLACE_EXISTING : 0))
        outcome = kFailed;
    if (outcome != kCopied)
        ::DeleteFileA(temporary);
    return outcome;
}

CFileCopyJob::EOutcome CFileCopyJob::WriteRange(const CString& temporaryPath)
{
    std::unique_ptr<CFile> target(CreateTargetFile());
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kChunkSize]);
    // The temporary file was made empty a moment ago and is opened as it is: truncating a
    // file makes the file system push all of its data towards the disk when it is closed
    // (ext4 under Wine does, to protect files rewritten in place), which a new file is
    // spared, and which cost a copy about a sixth of its time.
    const UINT mode = CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite | CFile::shareDenyWrite;
    if (!target || !buffer || !target->Open(temporaryPath, mode))
        return kFailed;
    const __int64 length = GetLength();
    try {
        // Ours alone since it was made, so it can only be empty; a file that is not would
        // keep bytes beyond those copied.
        if (target->GetLength() != 0) {
            target->Abort();
            return kFailed;
        }
        while (mDone < length) {
            if (mCancelled) {
                target->Abort();
                return kCancelled;
            }
            const __int64 left = length - mDone;
            const unsigned long want = left < kChunkSize ? static_cast<unsigned long>(left) : kChunkSize;
            const unsigned long got = mSource.Read(buffer.get(), want);
            target->Write(buffer.get(), got);
            mDone += got;
            if (got != want) {
                target->Abort();
                return kFailed;
            }
        }
        target->Close();
        return kCopied;
    } catch (CException* e) {
        e->Delete();
        target->Abort();
        return kFailed;
    }
}

CString CFileCopyJob::MakeTemporaryFile(const CString& path)
{
    char name[MAX_PATH] = {};
    if (!::GetTempFileNameA(FolderWithSeparator(path).c_str(), "tnw", 0, name))
        return CString();
    return name;
}

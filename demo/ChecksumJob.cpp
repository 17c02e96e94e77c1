#include "ChecksumJob.h"

#include <vector>

CString CChecksumJob::FilePath(int index) const
{
    CString path;
    path.Format("%ssample%d.bin", static_cast<LPCSTR>(mFolder), index);
    return path;
}

bool CChecksumJob::PrepareSelf(long)
{
    // The sample media: files of growing size with a recognisable pattern.
    for (int i = 0; i < kFileCount; ++i) {
        std::vector<unsigned char> bytes(static_cast<size_t>(64 * 1024 * (i + 1)));
        for (size_t b = 0; b < bytes.size(); ++b)
            bytes[b] = static_cast<unsigned char>((b * 31 + i) & 0xFF);
        HANDLE file = ::CreateFileA(FilePath(i), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        DWORD written = 0;
        const BOOL ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        ::CloseHandle(file);
        if (!ok || written != bytes.size())
            return false;
    }
    return true;
}

void CChecksumJob::ExecuteSelf(long)
{
    for (int i = 0; i < kFileCount && !IsCanceled(); ++i) {
        HANDLE file = ::CreateFileA(FilePath(i), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        unsigned long sum = 2166136261UL;
        if (file != INVALID_HANDLE_VALUE) {
            unsigned char buffer[8192];
            DWORD read = 0;
            // FNV-1a: enough to show that every byte was read.
            while (::ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
                for (DWORD b = 0; b < read; ++b)
                    sum = (sum ^ buffer[b]) * 16777619UL;
            }
            ::CloseHandle(file);
            ::DeleteFileA(FilePath(i));
        }
        mLastChecksum = sum;
        mFilesDone = i + 1;
        mProgress = static_cast<double>(mFilesDone) / kFileCount;
        Update();
    }
}

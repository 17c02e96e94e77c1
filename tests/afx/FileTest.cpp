#include "afx.h"
#include "afxwin.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Runs action and returns the CFileException it threw (deleted afterwards), or fails.
template <typename Action>
std::unique_ptr<CFileException, void (*)(CFileException*)> CatchFileException(Action action)
{
    std::unique_ptr<CFileException, void (*)(CFileException*)> caught(
        nullptr, [](CFileException* e) { e->Delete(); });
    try {
        action();
        ADD_FAILURE() << "no exception";
    } catch (CFileException* e) {
        caught.reset(e);
    } catch (CException* e) {
        e->Delete();
        ADD_FAILURE() << "another kind of exception";
    }
    return caught;
}

// Answers every framework prompt itself and remembers what it was asked.
class CPromptRecorder : public CWinApp {
public:
    int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT) override
    {
        mPrompts.Add(lpszPrompt);
        mTypes.Add(nType);
        return IDRETRY;
    }
    CStringArray mPrompts;
    CUIntArray mTypes;
};

} // namespace

TEST(File, OpenAndWritesReportWhyTheyFailAndNamesStatusRenameAndRemoveWork)
{
    ScratchFolder folder;
    const std::string missing = folder.File("missing.bin");
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(missing.c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_lOsError, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(error.m_strFileName, missing.c_str());
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);
    EXPECT_FALSE(file.Open(missing.c_str(), CFile::modeRead)) << "no exception object is needed";

    EXPECT_FALSE(file.Open(folder.File("no\\such\\folder.bin").c_str(),
                           CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);
    EXPECT_FALSE(file.Open("", CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);

    auto thrown = CatchFileException([&] { CFile opened(missing.c_str(), CFile::modeRead); });
    ASSERT_TRUE(thrown);
    EXPECT_EQ(thrown->m_cause, CFileException::fileNotFound);
    char message[256];
    EXPECT_TRUE(thrown->GetErrorMessage(message, sizeof message));
    EXPECT_NE(std::string(message).find("missing.bin"), std::string::npos) << message;

    const std::string locked = folder.File("locked.bin");
    CFile owner(locked.c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive);
    EXPECT_FALSE(file.Open(locked.c_str(), CFile::modeRead | CFile::shareDenyNone, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);

    // A write that cannot succeed throws and changes nothing.
    const std::string readOnly = folder.File("readonly.txt");
    ASSERT_TRUE(WriteWholeFile(readOnly, "original"));
    {
        CFile file(readOnly.c_str(), CFile::modeRead | CFile::shareDenyNone);
        auto refused = CatchFileException([&] { file.Write("changed", 7); });
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->m_cause, CFileException::accessDenied) << refused->m_lOsError;
        EXPECT_STRNE(refused->m_strFileName, "");
        // Wine reports a bad parameter here where Windows denies access; either way it throws.
        EXPECT_TRUE(CatchFileException([&] { file.SetLength(1); }));
    }
    EXPECT_EQ(ReadWholeFile(readOnly), "original");

    CFile closed;
    auto refused = CatchFileException([&] { closed.Write("x", 1); });
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->m_cause, CFileException::invalidFile);
    refused = CatchFileException([&] { closed.Read(nullptr, 0); });
    ASSERT_TRUE(refused);
    closed.Close();
    closed.Abort();

    // Names, status, rename and remove.
    const std::string named = folder.File("Report.final.txt");
    CFile report(named.c_str(), CFile::modeCreate | CFile::modeWrite);
    report.Write("12345", 5);
    EXPECT_EQ(report.GetFilePath(), named.c_str());
    EXPECT_STREQ(report.GetFileName(), "Report.final.txt");
    EXPECT_STREQ(report.GetFileTitle(), "Report.final");

    CFileStatus status;
    ASSERT_TRUE(report.GetStatus(status));
    EXPECT_EQ(status.m_size, 5u);
    EXPECT_STREQ(status.m_szFullName, named.c_str());
    EXPECT_LE(std::abs((CTime::GetCurrentTime() - status.m_mtime).GetTotalSeconds()), 60);
    report.Close();
    EXPECT_FALSE(report.GetStatus(status)) << "a closed file has no status";

    const std::string renamed = folder.File("renamed.txt");
    CFile::Rename(named.c_str(), renamed.c_str());
    EXPECT_FALSE(CFile::GetStatus(named.c_str(), status));
    ASSERT_TRUE(CFile::GetStatus(renamed.c_str(), status));
    EXPECT_EQ(status.m_size, 5u);
    ASSERT_TRUE(CFile::GetStatus(folder.Path().c_str(), status));
    EXPECT_TRUE(status.m_attribute & CFile::directory);
    EXPECT_FALSE(CFile::GetStatus(folder.File("*").c_str(), status)) << "no wildcard matching";

    ASSERT_TRUE(WriteWholeFile(named, "other"));
    auto failure = CatchFileException([&] { CFile::Rename(named.c_str(), renamed.c_str()); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->m_cause, CFileException::accessDenied);
    EXPECT_EQ(ReadWholeFile(renamed), "12345") << "an existing target is not replaced";

    CFile::Remove(renamed.c_str());
    failure = CatchFileException([&] { CFile::Remove(renamed.c_str()); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->m_cause, CFileException::fileNotFound);
    EXPECT_STREQ(failure->m_strFileName, renamed.c_str());
}

TEST(File, WritesReadsSeeksAndTruncatesAndPositionsGoPastFourGigabytes)
{
    ScratchFolder folder;
    const std::string path = folder.File("data.bin");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeReadWrite);
        file.Write("0123456789", 10);
        EXPECT_EQ(file.GetPosition(), 10u);
        EXPECT_EQ(file.GetLength(), 10u);
        EXPECT_EQ(file.Seek(-4, CFile::end), 6u);
        char buffer[16] = {};
        EXPECT_EQ(file.Read(buffer, sizeof buffer), 4u) << "a short read only at the end";
        EXPECT_STREQ(buffer, "6789");
        EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);

        file.SetLength(4);
        EXPECT_EQ(file.GetPosition(), 4u) << "the position follows the new length";
        EXPECT_EQ(file.GetLength(), 4u);
        file.SeekToBegin();
        file.Write("ab", 2);
        EXPECT_EQ(file.SeekToEnd(), 4u);

        auto thrown = CatchFileException([&] { file.Seek(-5, CFile::current); });
        ASSERT_TRUE(thrown);
        EXPECT_EQ(thrown->m_cause, CFileException::badSeek);
        EXPECT_EQ(file.GetPosition(), 4u) << "a failed seek leaves the position";
    }
    EXPECT_EQ(ReadWholeFile(path), "ab23");

    CFile keep(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
    EXPECT_EQ(keep.GetLength(), 4u) << "modeNoTruncate keeps the content";
    keep.Close();
    CFile replace(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(replace.GetLength(), 0u);

    CFile sparse(folder.File("sparse.bin").c_str(), CFile::modeCreate | CFile::modeReadWrite);
    const ULONGLONG fiveGiB = 5ULL << 30;
    sparse.SetLength(fiveGiB + 10);
    EXPECT_EQ(sparse.GetLength(), fiveGiB + 10);
    EXPECT_EQ(sparse.Seek(static_cast<LONGLONG>(fiveGiB), CFile::begin), fiveGiB);
    sparse.Write("tail", 4);
    EXPECT_EQ(sparse.GetPosition(), fiveGiB + 4);

    sparse.SeekToBegin();
    EXPECT_EQ(sparse.Seek(static_cast<LONGLONG>(fiveGiB) - 2, CFile::current), fiveGiB - 2);
    char buffer[8] = {};
    ASSERT_EQ(sparse.Read(buffer, 6), 6u);
    EXPECT_EQ(std::string(buffer, 6), std::string("\0\0tail", 6));
    EXPECT_EQ(sparse.Seek(-10, CFile::end), fiveGiB);
    sparse.SetLength(0);
}

TEST(StdioFile, TextModeWritesCrLfReadsLinesOfAnyLengthAndBinaryModeDoesNeither)
{
    ScratchFolder folder;
    const std::string path = folder.File("lines.txt");
    const CString longLine('x', 10000);
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        file.WriteString("first\nsecond\n\n");
        file.WriteString(longLine);
        file.WriteString("\nlast without end");
        EXPECT_EQ(file.GetLength(), 6u + 1 + 7 + 1 + 2 + 10000 + 2 + 16 + 0)
            << "the length counts what is still buffered";
    }
    const std::string raw = ReadWholeFile(path);
    EXPECT_EQ(raw.substr(0, 17), "first\r\nsecond\r\n\r\n");

    CStdioFile file(path.c_str(), CFile::modeRead);
    CString line;
    for (const CString& expected : { CString("first"), CString("second"), CString(), longLine,
                                     CString("last without end") }) {
        ASSERT_TRUE(file.ReadString(line));
        EXPECT_EQ(line, expected);
    }
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_TRUE(line.IsEmpty());

    file.SeekToBegin();
    char part[4];
    EXPECT_STREQ(file.ReadString(part, sizeof part), "fir");
    EXPECT_STREQ(file.ReadString(part, sizeof part), "st\n") << "the short form keeps the end";
    file.SeekToEnd();
    EXPECT_EQ(file.ReadString(part, sizeof part), nullptr);

    // Binary mode, and a failed write that changes nothing.
    const std::string binary = folder.File("binary.txt");
    {
        CStdioFile file(binary.c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::typeBinary);
        file.WriteString("a\nb\n");
        file.Write("c", 1);
        EXPECT_EQ(file.GetPosition(), 5u);
        file.SetLength(3);
        EXPECT_EQ(file.GetLength(), 3u);
        file.SeekToEnd();
        file.WriteString("z");
    }
    EXPECT_EQ(ReadWholeFile(binary), "a\nbz");

    CStdioFile readOnly(binary.c_str(), CFile::modeRead | CFile::shareDenyNone);
    auto thrown = CatchFileException([&] {
        readOnly.WriteString("more");
        readOnly.Flush();
        readOnly.Close();
    });
    ASSERT_TRUE(thrown);
    EXPECT_EQ(ReadWholeFile(binary), "a\nbz");
}

TEST(MemFile, GrowsFillsGapsAndRespectsAFixedBuffer)
{
    CMemFile grown(16);
    grown.Write("abc", 3);
    EXPECT_EQ(grown.Seek(10, CFile::current), 13u);
    grown.Write("xyz", 3);
    EXPECT_EQ(grown.GetLength(), 16u);
    grown.SeekToBegin();
    char buffer[32];
    ASSERT_EQ(grown.Read(buffer, sizeof buffer), 16u);
    EXPECT_EQ(std::string(buffer, 16), std::string("abc\0\0\0\0\0\0\0\0\0\0xyz", 16));
    EXPECT_EQ(grown.Read(buffer, sizeof buffer), 0u);
    grown.SetLength(40);
    EXPECT_EQ(grown.GetLength(), 40u);
    grown.SetLength(2);
    EXPECT_EQ(grown.GetPosition(), 2u);
    EXPECT_THROW(grown.Seek(-3, CFile::current), CFileException*);

    BYTE fixed[8] = { '1', '2', '3', '4', '5', '6', '7', '8' };
    CMemFile over(fixed, sizeof fixed);
    EXPECT_EQ(over.GetLength(), 8u) << "a fixed buffer is the file's content";
    over.Seek(6, CFile::begin);
    try {
        over.Write("abc", 3);
        ADD_FAILURE() << "a fixed buffer cannot grow";
    } catch (CMemoryException* e) {
        char message[64];
        EXPECT_TRUE(e->GetErrorMessage(message, sizeof message));
        EXPECT_STREQ(message, "Out of memory.");
        e->Delete();
        e->Delete(); // the shared out-of-memory object is never freed
    }
    EXPECT_EQ(std::string(reinterpret_cast<char*>(fixed), 8), "12345678");
    over.Write("ab", 2);
    EXPECT_EQ(over.Detach(), fixed);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(fixed), 8), "123456ab");
    EXPECT_EQ(over.GetLength(), 0u);
}

TEST(Exception, DescriptionsRunTimeClassesAndReportsThroughTheApplicationsMessageBox)
{
    CFileException* error = new CFileException(CFileException::diskFull, ERROR_DISK_FULL, "C:\\out.bin");
    char message[12];
    UINT help = 99;
    EXPECT_TRUE(error->GetErrorMessage(message, sizeof message, &help));
    EXPECT_EQ(std::string(message).size(), sizeof message - 1) << "cut to the buffer";
    EXPECT_EQ(help, 0u);
    error->m_strFileName.Empty();
    char full[128];
    error->GetErrorMessage(full, sizeof full);
    EXPECT_NE(std::string(full).find("an unnamed file"), std::string::npos) << full;
    error->Delete();

    CUserException user;
    EXPECT_FALSE(user.GetErrorMessage(full, sizeof full));
    EXPECT_STREQ(full, "");
    EXPECT_THROW(AfxThrowUserException(), CUserException*);
    try {
        AfxThrowFileException(CFileException::endOfFile);
    } catch (CException* e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CFileException)));
        EXPECT_EQ(static_cast<CFileException*>(e)->m_lOsError, -1);
        e->Delete();
    }
    EXPECT_EQ(CFileException::OsErrorToException(12345), CFileException::generic);

    CPromptRecorder app;
    CFileException denied(CFileException::accessDenied, ERROR_ACCESS_DENIED, "C:\\data\\settings.xml");
    EXPECT_EQ(denied.ReportError(MB_RETRYCANCEL), IDRETRY);
    CUserException silent;
    silent.ReportError();
    ASSERT_EQ(app.mPrompts.GetSize(), 2);
    EXPECT_STREQ(app.mPrompts[0], "Access to C:\\data\\settings.xml was denied.");
    EXPECT_EQ(app.mTypes[0], static_cast<UINT>(MB_RETRYCANCEL));
    EXPECT_STREQ(app.mPrompts[1], "No error message is available.");
}


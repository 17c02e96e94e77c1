#include "util/FilePrompter.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

struct FileFilter {
    CString pattern;
    CString description;
};

struct SelectedFile {
    CString path;
    CString extension;
};

// Room for a large multiple selection: the folder and every name chosen.
const DWORD kOpenBufferSize = 0x10400;
const DWORD kSaveFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_ENABLESIZING | OFN_PATHMUSTEXIST;
const DWORD kOpenFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_ENABLESIZING | OFN_FILEMUSTEXIST;

int CompareDescriptions(const void* item1, const void* item2)
{
    return std::strcmp(static_cast<const FileFilter*>(item1)->description,
                       static_cast<const FileFilter*>(item2)->description);
}

// name with the characters a file name cannot hold replaced, in its last part only.
CString SafeFileName(const CString& name)
{
    const int nameStart = std::max(name.ReverseFind('\\'), name.ReverseFind('/')) + 1;
    CString safe = name;
    for (int i = nameStart; i < safe.GetLength(); ++i) {
        const char c = safe[i];
        if (static_cast<unsigned char>(c) < ' ' || std::strchr("\\/:*?\"<>|", c))
            safe.SetAt(i, '_');
    }
    return safe;
}

} // namespace

CFilePrompter::CFilePrompter(CRegistry* filterChoice) : mFilterChoice(filterChoice)
{
    mFilters.SetCompareFunc(CompareDescriptions);
}

CFilePrompter::~CFilePrompter()
{
    ResetFileList();
    for (int i = 0; i < mFilters.GetItemCount(); ++i)
        delete static_cast<FileFilter*>(mFilters.GetAt(i));
}

void CFilePrompter::AddFilter(const char* extension, const char* description)
{
    const CString given = extension ? extension : "";
    auto* filter = new FileFilter;
    filter->pattern = given.Left(1) == "*" ? given : "*." + given;
    filter->description = description ? description : "";
    mFilters.Add(filter);
}

bool CFilePrompter::PromptSaveAs()
{
    ResetFileList();
    CFileDialog dialog(FALSE, nullptr, nullptr, kSaveFlags);
    dialog.m_ofn.lpstrTitle = "Save File";
    const std::string filters = FilterText(false);
    const CString defaultExtension = DefaultExtension();
    if (mFilters.GetItemCount() > 0) {
        dialog.m_ofn.lpstrFilter = filters.c_str();
        dialog.m_ofn.lpstrDefExt = defaultExtension.IsEmpty() ? nullptr : static_cast<LPCSTR>(defaultExtension);
        dialog.m_ofn.nFilterIndex = RememberedFilter(1, mFilters.GetItemCount());
    }
    lstrcpynA(dialog.m_ofn.lpstrFile, SafeFileName(mDefault), dialog.m_ofn.nMaxFile);

    DWORD error = 0;
    INT_PTR result = ShowDialog(dialog, error);
    if (result != IDOK && error != 0) {
        // The dialog refused what it was given (a name it cannot show, say): once more
        // without it.
        dialog.m_ofn.lpstrFile[0] = '\0';
        result = ShowDialog(dialog, error);
    }
    if (result != IDOK)
        return false;
    Select(dialog.GetPathName());
    RememberFilter(dialog.m_ofn.nFilterIndex);
    return true;
}

bool CFilePrompter::PromptOpen(bool multiple)
{
    ResetFileList();
    CFileDialog dialog(TRUE, nullptr, nullptr, multiple ? kOpenFlags | OFN_ALLOWMULTISELECT : kOpenFlags);
    dialog.m_ofn.lpstrTitle = "Open File";
    const std::string filters = FilterText(true);
    const CString defaultExtension = DefaultExtension();
    const DWORD allFiles = static_cast<DWORD>(mFilters.GetItemCount()) + 1;
    dialog.m_ofn.lpstrFilter = filters.c_str();
    dialog.m_ofn.lpstrDefExt = defaultExtension.IsEmpty() ? nullptr : static_cast<LPCSTR>(defaultExtension);
    dialog.m_ofn.nFilterIndex = RememberedFilter(allFiles, allFiles);
    std::vector<char> names(kOpenBufferSize, '\0');
    dialog.m_ofn.lpstrFile = names.data();
    dialog.m_ofn.nMaxFile = kOpenBufferSize;

    DWORD error = 0;
    if (ShowDialog(dialog, error) != IDOK)
        return false;
    for (POSITION pos = dialog.GetStartPosition(); pos;)
        Select(dialog.GetNextPathName(pos));
    RememberFilter(dialog.m_ofn.nFilterIndex);
    return true;
}

INT_PTR CFilePrompter::ShowDialog(CFileDialog& dialog, DWORD& error)
{
    const INT_PTR result = dialog.DoModal();
    error = result == IDOK ? 0 : ::CommDlgExtendedError();
    return result;
}

int CFilePrompter::GetSelectedCount() const
{
    return mSelected.GetItemCount();
}

CString CFilePrompter::GetFile(int index, CString& extension) const
{
    const auto* file = static_cast<const SelectedFile*>(mSelected.GetAt(index));
    extension = file ? file->extension : CString();
    return file ? file->path : CString();
}

void CFilePrompter::ResetFileList()
{
    for (int i = 0; i < mSelected.GetItemCount(); ++i)
        delete static_cast<SelectedFile*>(mSelected.GetAt(i));
    mSelected.RemoveAll();
}

std::string CFilePrompter::FilterText(bool withAllFiles) const
{
    // Description and pattern of each entry, each ended by a zero byte; the text ends with
    // one more, which c_str() supplies.
    std::string text;
    auto append = [&text](const char* description, const char* pattern) {
        text.append(description).append(1, '\0').append(pattern).append(1, '\0');
    };
    for (int i = 0; i < mFilters.GetItemCount(); ++i) {
        const auto* filter = static_cast<const FileFilter*>(mFilters.GetAt(i));
        append(filter->description, filter->pattern);
    }
    if (withAllFiles)
        append("All Files", "*.*");
    return text;
}

CString CFilePrompter::DefaultExtension() const
{
    const auto* first = static_cast<const FileFilter*>(mFilters.GetAt(0));
    if (!first || first->pattern.Left(2) != "*.")
        return CString();
    const CString extension = first->pattern.Mid(2).SpanExcluding(";");
    return extension.FindOneOf("*?") < 0 ? extension : CString();
}

DWORD CFilePrompter::RememberedFilter(DWORD defaultIndex, DWORD entries) const
{
    if (!mFilterChoice)
        return defaultIndex;
    const unsigned long remembered = mFilterChoice->GetValue(defaultIndex);
    return remembered >= 1 && remembered <= entries ? remembered : defaultIndex;
}

void CFilePrompter::Select(const CString& path)
{
    auto* file = new SelectedFile;
    file->path = path;
    file->extension = UFileUtils::GetFileExtension(path).c_str();
    mSelected.Add(file);
}

void CFilePrompter::RememberFilter(DWORD index)
{
    if (mFilterChoice && index >= 1)
        mFilterChoice->SetValue(index);
}

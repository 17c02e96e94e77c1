#include "util/DirectoryPrompter.h"

#include "core/DirectShow.h"

namespace {

// Only file-system folders and their ancestors, a validated edit field, the resizable
// new-style picker.
const UINT kBrowseFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | BIF_VALIDATE | BIF_NEWDIALOGSTYLE;

void FreeItem(LPITEMIDLIST item)
{
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(::SHGetMalloc(&allocator))) {
        allocator->Free(item);
        allocator->Release();
    }
}

} // namespace

CDirectoryPrompter::CDirectoryPrompter() : mEnableCreate(false) {}

CDirectoryPrompter::~CDirectoryPrompter() = default;

bool CDirectoryPrompter::PromptSaveAs()
{
    EnableCreate(true);
    return Prompt();
}

bool CDirectoryPrompter::PromptOpen()
{
    EnableCreate(false);
    return Prompt();
}

bool CDirectoryPrompter::Prompt()
{
    if (mTitle.IsEmpty())
        mTitle = "Browse...";
    CWinThread* thread = AfxGetThread();
    CWnd* owner = thread ? thread->m_pMainWnd : nullptr;

    char displayName[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = owner->GetSafeHwnd();
    info.pszDisplayName = displayName;
    info.lpszTitle = mTitle;
    info.ulFlags = mEnableCreate ? kBrowseFlags : kBrowseFlags | BIF_NONEWFOLDERBUTTON;
    if (!mDefaultPath.IsEmpty()) {
        info.lpfn = OnBrowseEvent;
        info.lParam = reinterpret_cast<LPARAM>(static_cast<LPCSTR>(mDefaultPath));
    }

    // The new-style picker is made of COM objects; the guard leaves a thread that already
    // has COM as it is.
    StDirectShow com;
    LPITEMIDLIST item = BrowseForFolder(info);
    if (!item)
        return false;
    char path[MAX_PATH] = {};
    const bool isFolder = ::SHGetPathFromIDListA(item, path) != FALSE;
    FreeItem(item);
    if (isFolder)
        mPath = path;
    return isFolder;
}

LPITEMIDLIST CDirectoryPrompter::BrowseForFolder(BROWSEINFOA& info)
{
    return ::SHBrowseForFolderA(&info);
}

int CALLBACK CDirectoryPrompter::OnBrowseEvent(HWND dialog, UINT message, LPARAM, LPARAM data)
{
    if (message == BFFM_INITIALIZED)
        ::SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

#include "panels/TopPanel.h"

#include "persist/PersistUtils.h"
#include "util/FilePrompter.h"

IMPLEMENT_DYNAMIC(CTopPanel, CPanel)

BEGIN_MESSAGE_MAP(CTopPanel, CPanel)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_UPDATE_COMMAND_UI(ID_FILE_NEW, OnUpdateFileNew)
    ON_UPDATE_COMMAND_UI(ID_FILE_OPEN, OnUpdateFileOpen)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateFileSave)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, OnUpdateFileSaveAs)
END_MESSAGE_MAP()

namespace {

void Tell(const char* what, const CString& path)
{
    AfxMessageBox(CString("Error. Unable to ") + what + " " + path + ".", MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

CTopPanel::CTopPanel(UINT id, CWnd* parent)
    : CPanel(id, parent), mFilterDescription("Test (*.tst)"), mFilterPattern("*.tst")
{
}

CTopPanel::~CTopPanel() = default;

CPersistObject* CTopPanel::GetObjectA()
{
    return nullptr;
}

bool CTopPanel::SaveData()
{
    CPersistObject* object = GetObjectA();
    return !object || UPersistUtils::Save(mFilePath, *object);
}

bool CTopPanel::LoadData()
{
    CPersistObject* object = GetObjectA();
    return !object || UPersistUtils::Load(mFilePath, *object);
}

bool CTopPanel::LoadData(const char* path)
{
    const CString previous = mFilePath;
    mFilePath = path ? path : "";
    if (!LoadData()) {
        const CString failed = mFilePath;
        mFilePath = failed.CompareNoCase(previous) == 0 ? CString() : previous;
        Tell("open", failed);
        return false;
    }
    Refresh();
    Broadcast(kDocumentChanged, this, nullptr);
    return true;
}

void CTopPanel::OnFileNew()
{
    if (CPersistObject* object = GetObjectA())
        object->Clear();
    mFilePath.Empty();
    Refresh();
    Broadcast(kDocumentChanged, this, nullptr);
}

void CTopPanel::OnFileOpen()
{
    CString path;
    if (PromptFile(false, path))
        LoadData(path);
}

void CTopPanel::OnFileSaveAs()
{
    CString path;
    if (!PromptFile(true, path))
        return;
    const CString previous = mFilePath;
    mFilePath = path;
    if (!SaveData()) {
        mFilePath = previous;
        Tell("save", path);
        return;
    }
    Broadcast(kDocumentChanged, this, nullptr);
}

void CTopPanel::OnFileSave()
{
    if (mFilePath.IsEmpty())
        OnFileSaveAs();
    else if (!SaveData())
        Tell("save", mFilePath);
}

void CTopPanel::OnUpdateFileNew(CCmdUI*) {}

void CTopPanel::OnUpdateFileOpen(CCmdUI*) {}

void CTopPanel::OnUpdateFileSave(CCmdUI*) {}

void CTopPanel::OnUpdateFileSaveAs(CCmdUI*) {}

bool CTopPanel::PromptFile(bool save, CString& path)
{
    CFilePrompter prompter;
    prompter.AddFilter(mFilterPattern, mFilterDescription);
    if (!(save ? prompter.PromptSaveAs() : prompter.PromptOpen(false)))
        return false;
    CString extension;
    path = prompter.GetFile(0, extension);
    return !path.IsEmpty();
}

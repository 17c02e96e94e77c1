#pragma once
#include "afxres.h"
#include "panels/Panel.h"

// A panel that owns a document file: it answers File New, Open, Save and Save As for the
// persistent object that a subclass gives with GetObjectA, and keeps that object as an
// image file (UPersistUtils). The file dialogs offer one filter, "Test (*.tst)" on
// "*.tst" unless the subclass sets mFilterDescription and mFilterPattern.
//
// kDocumentChanged (1222321; the panel, none) is broadcast when the panel's document was
// replaced: made new, opened, or saved under another name. The update handlers of the
// four commands leave them enabled.
//
// Decisions of this library:
// - SaveData and LoadData answer whether they worked (true when there is no object, as
//   there is nothing to do). Open and Save tell the user when they did not, through the
//   application's message box: "Error. Unable to open <path>." and "Error. Unable to save
//   <path>.".
// - A document that cannot be opened changes nothing: the file path stays the one the
//   panel had, nothing is refreshed or broadcast. When the file that failed is the
//   panel's own file, the panel forgets that path, so the next Save asks where to save
//   instead of writing over a file that could not be read.
// - A failed Save As keeps the path the panel had and broadcasts nothing.
// - New refreshes the panel, as opening does, so that its controls never show a document
//   that was cleared.
class AFX_EXT_CLASS CTopPanel : public CPanel {
    DECLARE_DYNAMIC(CTopPanel)
public:
    enum { kDocumentChanged = 1222321 };

    explicit CTopPanel(UINT id, CWnd* parent = nullptr);
    ~CTopPanel() override;

    CString& GetFilePath() { return mFilePath; }

    // The document; none here.
    virtual CPersistObject* GetObjectA();
    // The document to and from the file path.
    virtual bool SaveData();
    virtual bool LoadData();
    // Opens the document at path: loads it, refreshes the panel and broadcasts
    // kDocumentChanged; on failure nothing changes and the user is told.
    virtual bool LoadData(const char* path);

protected:
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();
    afx_msg void OnUpdateFileNew(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFileOpen(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFileSave(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFileSaveAs(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    CString mFilePath;
    CString mFilterDescription;
    CString mFilterPattern;

private:
    bool PromptFile(bool save, CString& path);
};

#pragma once
#include "net/DownloadsListControl.h"

#include "afxwin.h"
#include "tnwbscut.h"

class CDownloadList;

// Offers a list of download packages: each row has a check box for whether to fetch it,
// the selected row's description shows below the list, and an optional check box asks
// whether to check for downloads at start-up. The dialog shows the packages the
// application needs; the user (or the dialog itself, when none is needed) ticks "Show
// additional ..." to see all of them. Ticking a row selects its package at once; the
// caller reads the packages' selection, GetStartup and GetShowAdditional afterwards.
//
// Decision of this library: without a list the dialog opens as for an empty one.
class AFX_EXT_CLASS CDownloadDialog : public CDialog, public CListener {
public:
    explicit CDownloadDialog(CWnd* parent = nullptr);
    ~CDownloadDialog() override;

    void SetTitle(const char* title) { mTitle = title; }
    void SetPrompt(const char* prompt) { mPrompt = prompt; }
    // Shown as the description when the list holds no package.
    void SetNoItemText(const char* text) { mNoItemText = text; }
    // The start-up check box's label (an empty one hides the box) and its first state.
    void SetStartup(const char* label, bool checked);
    // The list to show; the caller keeps it.
    void SetDownloads(CDownloadList* downloads) { mDownloads = downloads; }
    bool GetStartup() const { return mStartup; }
    bool GetShowAdditional() const { return mShowAdditional; }
    CDownloadsListControl& GetListControl() { return mList; }

    BOOL OnInitDialog() override;
    bool ListenToMessage(long code, const void* sender, const void* extra) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnCheckCheckstartup();
    afx_msg void OnCheckShowAdditional();
    DECLARE_MESSAGE_MAP()

private:
    void ShowSelectedDescription();

    CString mTitle;
    CString mPrompt;
    CString mNoItemText;
    CString mStartupLabel;
    bool mStartup;
    bool mShowAdditional;
    CDownloadList* mDownloads;
    CDownloadsListControl mList;
};

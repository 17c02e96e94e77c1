#pragma once
#include "display/ObjectListControl.h"

class CDownloadList;

// The list of a download dialog: one row per package, with a check box for its selection
// and its description as the row's tool tip. It shows the packages the application needs
// or, with ShowAdditional, all of them.
class AFX_EXT_CLASS CDownloadsListControl : public CObjectListControl {
public:
    static const int kDownloadImages = 10097;

    CDownloadsListControl();
    ~CDownloadsListControl() override;

    // Which packages show: the necessary ones (false), or all (true). Rebuilds the rows
    // when it changes.
    void ShowAdditional(bool show);
    bool GetShowAdditional() const { return mShowAdditional; }

    // Remembers the download list (null for any other object), then binds it.
    void SetObject(CPersistObject* object) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    CPersistList* GetList(CPersistObject* object) override;
    void CreateListHeaders() override;
    const char* GetObjectText(CPersistObject* object, int column, bool forToolTip) override;
    int GetImageListResource(int& cx, int& cy) override;
    bool GetObjectChecked(CPersistObject* object) override;
    bool CheckObject(CPersistObject* object, bool check) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

private:
    bool mShowAdditional;
    CDownloadList* mDownloadList;
};

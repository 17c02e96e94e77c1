#pragma once
#include "persist/NamedObject.h"

// One package an application offers for download (a codec, a runtime, an add-on): its
// name (the package's identity), whether the user selected it, whether the application
// needs it, a description, a web page and the file to fetch. A persistent object, so a
// list of packages can come from any storage, a web service's answer among them.
class AFX_EXT_CLASS CDownloadPackage : public CNamedObject {
public:
    DECLARE_PERSIST_CLASS()

    static const long kDownloadPackageType = 'dwld';
    // Sent with Notify when the property changed.
    static const long kSelectedChanged = 'dwlf';
    static const long kNecessaryChanged = 'dwlh';
    static const long kDescriptionChanged = 'dwld';
    static const long kPageChanged = 'dwlg';
    static const long kFilePathChanged = 'dwle';
    static const char* const kSelectedTag;
    static const char* const kNecessaryTag;
    static const char* const kDescriptionTag;
    static const char* const kPageTag;
    static const char* const kFilePathTag;

    CDownloadPackage();
    CDownloadPackage(const CDownloadPackage& other);
    CDownloadPackage& operator=(const CDownloadPackage& other);
    ~CDownloadPackage() override;

    virtual bool ValidateSelected(bool selected);
    virtual void SideEffectSelectedChanged();
    virtual bool ValidateNecessary(bool necessary);
    virtual void SideEffectNecessaryChanged();
    virtual CString ValidateDescription(const char* description);
    virtual void SideEffectDescriptionChanged();
    virtual CString ValidatePage(const char* page);
    virtual void SideEffectPageChanged();
    virtual CString ValidateFilePath(const char* filePath);
    virtual void SideEffectFilePathChanged();

    // Only what every persistent object clears: the properties stay.
    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // Each answers whether the value changed.
    bool SetSelected(bool selected);
    bool SetNecessary(bool necessary);
    bool SetDescription(const char* description);
    bool SetPage(const char* page);
    bool SetFilePath(const char* filePath);
    bool GetSelected() const { return mSelected; }
    bool GetNecessary() const { return mNecessary; }
    CString& GetDescription() { return mDescription; }
    CString& GetPage() { return mPage; }
    CString& GetFilePath() { return mFilePath; }

private:
    // Stores the validated value, tells the listeners and runs the change hook, unless
    // the value is the one held; whether it changed.
    bool Change(bool& field, bool candidate, long notice, void (CDownloadPackage::*sideEffect)());
    bool Change(CString& field, const CString& candidate, long notice, void (CDownloadPackage::*sideEffect)());

    bool mSelected;
    bool mNecessary;
    CString mDescription;
    CString mPage;
    CString mFilePath;
};

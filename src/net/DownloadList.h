#pragma once
#include "net/DownloadPackage.h"

#include "tnwbscut.h"

// The packages an application offers (downloads, which owns them) and, among them, the
// ones it needs (necessary, which only points at packages of downloads). Names are
// unique: a package whose name the list already holds is not taken.
//
// Only AddDownload fills the necessary list; a list that was loaded, copied or cloned has
// none, and a dialog shows it with all its packages.
//
// Decisions of this library:
// - Adding a package the list already holds (the same object) changes nothing: it is
//   never deleted while the list holds it.
// - Loading, assignment and Clear empty the necessary list before the packages it
//   points at go, so it never points at deleted packages.
// - Loading keeps only packages, and of packages of one name only the first: other
//   objects a document names, and later packages of a name already loaded, are dropped
//   (a damaged document or a careless service must not break the names' uniqueness).
class AFX_EXT_CLASS CDownloadList : public CPersistObject {
public:
    DECLARE_PERSIST_CLASS()

    static const long kDownloadListType = 'plst';
    static const char* const kDownloadsTag;

    CDownloadList();
    // Copies the packages; the copy's necessary list is empty.
    CDownloadList(const CDownloadList& other);
    CDownloadList& operator=(const CDownloadList& other);
    ~CDownloadList() override;

    // The list takes ownership: a package with a name already listed is deleted at once.
    void AddDownload(CDownloadPackage* package);
    // Takes the package out of both lists; the caller owns it from then on.
    void RemoveDownload(CDownloadPackage* package);
    int GetDownloadCount() const;
    CDownloadPackage* GetDownload(int index) const;
    int GetDownloadIndex(CDownloadPackage* package) const;
    // The first package with exactly that name, or null.
    CDownloadPackage* GetDownload(const char* name) const;
    CPersistList& GetDownloads() { return mDownloads; }
    CPersistList& GetNecessaryDownloads() { return mNecessary; }

    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

private:
    void ForgetNecessary();

    CPersistList mDownloads;
    CPersistList mNecessary;
};

#include "net/DownloadList.h"

#include <cstring>

const long CDownloadList::kDownloadListType;
const char* const CDownloadList::kDownloadsTag = "Downloads";

IMPLEMENT_PERSIST_CLASS(CDownloadList, CPersistObject, kDownloadListType)

CDownloadList::CDownloadList() : mDownloads(true), mNecessary(false) {}

CDownloadList::CDownloadList(const CDownloadList& other)
    : CPersistObject(other), mDownloads(other.mDownloads), mNecessary(false)
{
}

CDownloadList& CDownloadList::operator=(const CDownloadList& other)
{
    if (this != &other) {
        ForgetNecessary();
        CPersistObject::operator=(other);
        mDownloads = other.mDownloads;
    }
    return *this;
}

CDownloadList::~CDownloadList()
{
    ForgetNecessary();
}

void CDownloadList::ForgetNecessary()
{
    while (mNecessary.GetItemCount() > 0)
        mNecessary.RemoveAt(mNecessary.GetItemCount() - 1);
}

void CDownloadList::AddDownload(CDownloadPackage* package)
{
    if (!package || mDownloads.GetIndex(package) >= 0)
        return;
    if (GetDownload(package->GetName())) {
        delete package;
        return;
    }
    mDownloads.Add(package);
    if (package->GetNecessary())
        mNecessary.Add(package);
}

void CDownloadList::RemoveDownload(CDownloadPackage* package)
{
    mNecessary.Remove(package);
    mDownloads.Remove(package);
}

int CDownloadList::GetDownloadCount() const
{
    return mDownloads.GetItemCount();
}

CDownloadPackage* CDownloadList::GetDownload(int index) const
{
    return static_cast<CDownloadPackage*>(mDownloads.GetAt(index));
}

int CDownloadList::GetDownloadIndex(CDownloadPackage* package) const
{
    return mDownloads.GetIndex(package);
}

CDownloadPackage* CDownloadList::GetDownload(const char* name) const
{
    for (int i = 0; i < mDownloads.GetItemCount(); ++i) {
        CDownloadPackage* package = GetDownload(i);
        if (package && std::strcmp(package->GetName(), name ? name : "") == 0)
            return package;
    }
    return nullptr;
}

void CDownloadList::Clear()
{
    ForgetNecessary();
    mDownloads.DeleteAll();
    CPersistObject::Clear();
}

void CDownloadList::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    mDownloads.Save(kDownloadsTag, storage);
}

void CDownloadList::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    ForgetNecessary();
    mDownloads.Load(kDownloadsTag, storage);
    // A document may name other objects, or one name twice; the list holds packages
    // only, and of one name only the first, as AddDownload would have left it.
    for (int i = 0; i < mDownloads.GetItemCount();) {
        CPersistObject* item = mDownloads.GetAt(i);
        const bool unique = item->IsInstanceOf(CDownloadPackage::kDownloadPackageType) &&
                            GetDownload(static_cast<CDownloadPackage*>(item)->GetName()) == item;
        if (unique)
            ++i;
        else
            mDownloads.DeleteAt(i);
    }
}

#include "net/DownloadPackage.h"

#include "persist/PersistUtils.h"

const long CDownloadPackage::kDownloadPackageType;
const long CDownloadPackage::kSelectedChanged;
const long CDownloadPackage::kNecessaryChanged;
const long CDownloadPackage::kDescriptionChanged;
const long CDownloadPackage::kPageChanged;
const long CDownloadPackage::kFilePathChanged;
const char* const CDownloadPackage::kSelectedTag = "selected";
const char* const CDownloadPackage::kNecessaryTag = "necessary";
const char* const CDownloadPackage::kDescriptionTag = "description";
const char* const CDownloadPackage::kPageTag = "page";
const char* const CDownloadPackage::kFilePathTag = "path";

IMPLEMENT_PERSIST_CLASS(CDownloadPackage, CNamedObject, kDownloadPackageType)

CDownloadPackage::CDownloadPackage() : mSelected(true), mNecessary(false) {}

CDownloadPackage::CDownloadPackage(const CDownloadPackage& other) = default;

CDownloadPackage& CDownloadPackage::operator=(const CDownloadPackage& other) = default;

CDownloadPackage::~CDownloadPackage() = default;

bool CDownloadPackage::ValidateSelected(bool selected)
{
    return selected;
}

void CDownloadPackage::SideEffectSelectedChanged() {}

bool CDownloadPackage::ValidateNecessary(bool necessary)
{
    return necessary;
}

void CDownloadPackage::SideEffectNecessaryChanged() {}

CString CDownloadPackage::ValidateDescription(const char* description)
{
    return CString(description);
}

void CDownloadPackage::SideEffectDescriptionChanged() {}

CString CDownloadPackage::ValidatePage(const char* page)
{
    return CString(page);
}

void CDownloadPackage::SideEffectPageChanged() {}

CString CDownloadPackage::ValidateFilePath(const char* filePath)
{
    return CString(filePath);
}

void CDownloadPackage::SideEffectFilePathChanged() {}

void CDownloadPackage::Clear()
{
    CPersistObject::Clear();
}

void CDownloadPackage::SaveSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::SaveSelf(name, storage);
    storage.Save(kSelectedTag, mSelected);
    storage.Save(kNecessaryTag, mNecessary);
    storage.Save(kDescriptionTag, static_cast<const char*>(mDescription));
    storage.Save(kPageTag, static_cast<const char*>(mPage));
    storage.Save(kFilePathTag, static_cast<const char*>(mFilePath));
}

void CDownloadPackage::LoadSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::LoadSelf(name, storage);
    storage.Load(kSelectedTag, mSelected);
    storage.Load(kNecessaryTag, mNecessary);
    UPersistUtils::Load(storage, kDescriptionTag, mDescription);
    UPersistUtils::Load(storage, kPageTag, mPage);
    UPersistUtils::Load(storage, kFilePathTag, mFilePath);
}

bool CDownloadPackage::StoreChanged(bool& field, bool candidate, long notice)
{
    if (field == candidate)
        return false;
    field = candidate;
    Notify(notice, 0, 0);
    return true;
}

bool CDownloadPackage::SetSelected(bool selected)
{
    if (!StoreChanged(mSelected, ValidateSelected(selected), kSelectedChanged))
        return false;
    SideEffectSelectedChanged();
    return true;
}

bool CDownloadPackage::SetNecessary(bool necessary)
{
    if (!StoreChanged(mNecessary, ValidateNecessary(necessary), kNecessaryChanged))
        return false;
    SideEffectNecessaryChanged();
    return true;
}

bool CDownloadPackage::SetDescription(const char* description)
{
    if (!CNamedObject::StoreChanged(mDescription, ValidateDescription(description), kDescriptionChanged))
        return false;
    SideEffectDescriptionChanged();
    return true;
}

bool CDownloadPackage::SetPage(const char* page)
{
    if (!CNamedObject::StoreChanged(mPage, ValidatePage(page), kPageChanged))
        return false;
    SideEffectPageChanged();
    return true;
}

bool CDownloadPackage::SetFilePath(const char* filePath)
{
    if (!CNamedObject::StoreChanged(mFilePath, ValidateFilePath(filePath), kFilePathChanged))
        return false;
    SideEffectFilePathChanged();
    return true;
}

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

bool CDownloadPackage::Change(bool& field, bool candidate, long notice, void (CDownloadPackage::*sideEffect)())
{
    if (field == candidate)
        return false;
    field = candidate;
    Notify(notice, 0, 0);
    (this->*sideEffect)();
    return true;
}

bool CDownloadPackage::Change(CString& field, const CString& candidate, long notice,
                              void (CDownloadPackage::*sideEffect)())
{
    if (!StoreChanged(field, candidate, notice))
        return false;
    (this->*sideEffect)();
    return true;
}

bool CDownloadPackage::SetSelected(bool selected)
{
    return Change(mSelected, ValidateSelected(selected), kSelectedChanged, &CDownloadPackage::SideEffectSelectedChanged);
}

bool CDownloadPackage::SetNecessary(bool necessary)
{
    return Change(mNecessary, ValidateNecessary(necessary), kNecessaryChanged,
                  &CDownloadPackage::SideEffectNecessaryChanged);
}

bool CDownloadPackage::SetDescription(const char* description)
{
    return Change(mDescription, ValidateDescription(description), kDescriptionChanged,
                  &CDownloadPackage::SideEffectDescriptionChanged);
}

bool CDownloadPackage::SetPage(const char* page)
{
    return Change(mPage, ValidatePage(page), kPageChanged, &CDownloadPackage::SideEffectPageChanged);
}

bool CDownloadPackage::SetFilePath(const char* filePath)
{
    return Change(mFilePath, ValidateFilePath(filePath), kFilePathChanged, &CDownloadPackage::SideEffectFilePathChanged);
}

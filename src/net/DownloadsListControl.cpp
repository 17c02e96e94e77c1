#include "net/DownloadsListControl.h"

#include "net/DownloadList.h"
#include "net/DownloadListDisplay.h"

namespace {

CDownloadPackage* AsPackage(CPersistObject* object)
{
    return object && object->IsInstanceOf(CDownloadPackage::kDownloadPackageType)
               ? static_cast<CDownloadPackage*>(object)
               : nullptr;
}

} // namespace

const int CDownloadsListControl::kDownloadImages;

BEGIN_MESSAGE_MAP(CDownloadsListControl, CObjectListControl)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CDownloadsListControl::CDownloadsListControl() : mShowAdditional(false), mDownloadList(nullptr) {}

CDownloadsListControl::~CDownloadsListControl() = default;

int CDownloadsListControl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CObjectListControl::OnCreate(lpCreateStruct) == -1)
        return -1;
    EnableToolTips(TRUE);
    return 0;
}

void CDownloadsListControl::ShowAdditional(bool show)
{
    if (show == mShowAdditional)
        return;
    mShowAdditional = show;
    CDownloadList* list = mDownloadList;
    SetObject(nullptr);
    SetObject(list);
}

void CDownloadsListControl::SetObject(CPersistObject* object)
{
    mDownloadList = object && object->IsInstanceOf(CDownloadList::kDownloadListType)
                        ? static_cast<CDownloadList*>(object)
                        : nullptr;
    CObjectListControl::SetObject(object);
}

CObjectDisplay* CDownloadsListControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CDownloadListDisplay(this) : nullptr;
}

CPersistList* CDownloadsListControl::GetList(CPersistObject* object)
{
    if (object && object == mDownloadList)
        return mShowAdditional ? &mDownloadList->GetDownloads() : &mDownloadList->GetNecessaryDownloads();
    return CObjectListControl::GetList(object);
}

void CDownloadsListControl::CreateListHeaders()
{
    InsertColumn(0, "Download", LVCFMT_LEFT, 320);
}

const char* CDownloadsListControl::GetObjectText(CPersistObject* object, int column, bool forToolTip)
{
    CDownloadPackage* package = AsPackage(object);
    if (column != 0 || !package)
        return "Error";
    return forToolTip ? package->GetDescription() : package->GetName();
}

int CDownloadsListControl::GetImageListResource(int& cx, int& cy)
{
    cx = 16;
    cy = 15;
    return kDownloadImages;
}

bool CDownloadsListControl::GetObjectChecked(CPersistObject* object)
{
    CDownloadPackage* package = AsPackage(object);
    return package && package->GetSelected();
}

bool CDownloadsListControl::CheckObject(CPersistObject* object, bool check)
{
    CDownloadPackage* package = AsPackage(object);
    if (!package)
        return false;
    package->SetSelected(check);
    return true;
}

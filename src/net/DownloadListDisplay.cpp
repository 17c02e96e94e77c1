#include "net/DownloadListDisplay.h"

#include "net/DownloadPackage.h"

CDownloadListDisplay::CDownloadListDisplay(CObjectDisplay* parent) : CObjectListDisplay(parent) {}

bool CDownloadListDisplay::Respond(long code, CBroadcaster* broadcaster, long data1, long data2)
{
    switch (code) {
    case CDownloadPackage::kDescriptionChanged:
    case CDownloadPackage::kFilePathChanged:
    case CDownloadPackage::kSelectedChanged:
    case CNamedObject::kNameChanged:
        DisplayChanged(this);
        return true;
    default:
        return CObjectListDisplay::Respond(code, broadcaster, data1, data2);
    }
}

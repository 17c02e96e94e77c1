#include "ObjectReportControl.h"

BEGIN_MESSAGE_MAP(CObjectReportControl, CReportCtrl)
    ON_OBJECT_LIST_BINDING_MESSAGES()
END_MESSAGE_MAP()

const char* CObjectReportControl::GetObjectText(CPersistObject*, int, bool)
{
    return "Error";
}

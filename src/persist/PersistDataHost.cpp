#include "persist/PersistDataHost.h"
#include "persist/PersistFiles.h"

#include "tnwwndut.h"

CPersistDataHost::CPersistDataHost() : mObject(nullptr) {}

CPersistDataHost::~CPersistDataHost() = default;

bool CPersistDataHost::SaveData()
{
    return mObject && UPersistStorage::PromptSave(*mObject, "xml", GetFileDescription());
}

bool CPersistDataHost::LoadData()
{
    return mObject && UPersistStorage::PromptLoad(*mObject, "xml", GetFileDescription());
}

bool CPersistDataHost::SaveDefault()
{
    return mObject && UPersistStorage::DefaultSave(*mObject, UPersistStorage::kSettingsName, GetDefaultFileName());
}

bool CPersistDataHost::LoadDefault()
{
    return mObject && UPersistStorage::DefaultLoad(*mObject, UPersistStorage::kSettingsName, GetDefaultFileName());
}

CString CPersistDataHost::GetFileDescription()
{
    if (!StApplicationId::sId)
        return "Data";
    return CString(UApplicationUtils::GetApplicationName(StApplicationId::sId->GetId()).c_str()) + " data";
}

CString CPersistDataHost::GetDefaultFileName()
{
    return "Data.xml";
}

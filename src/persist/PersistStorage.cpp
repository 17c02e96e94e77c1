#include "persist/PersistStorage.h"

#include "persist/XmlPersistReader.h"
#include "persist/XmlPersistStorage.h"
#include "tnwwndut.h"

const char* const UPersistStorage::kSettingsName = "Settings";

bool UPersistStorage::Save(CPersistObject& object, const char* name, CPersistStorage& storage)
{
    object.Save(name, storage);
    return true;
}

bool UPersistStorage::Load(CPersistObject& object, const char* name, CPersistStorage& storage)
{
    object.Load(name, storage);
    return true;
}

bool UPersistStorage::DirectLoad(CPersistObject& object, const char* path)
{
    if (!path || !UFileUtils::FileExist(path))
        return false;
    CXmlPersistReader reader(kSettingsName, path);
    return Load(object, kSettingsName, reader);
}

bool UPersistStorage::DefaultSave(CPersistObject& object, const char* name, const char* fileName)
{
    bool written;
    return DefaultSave(object, name, fileName, written);
}

bool UPersistStorage::DefaultSave(CPersistObject& object, const char* name, const char* fileName, bool& written)
{
    written = SaveFile(object, name, UserPath(fileName));
    return true;
}

bool UPersistStorage::DefaultLoad(CPersistObject& object, const char* name, const char* fileName)
{
    return LoadFile(object, name, UserPath(fileName));
}

bool UPersistStorage::SystemSave(CPersistObject& object, const char* name, const char* fileName)
{
    bool written;
    return SystemSave(object, name, fileName, written);
}

bool UPersistStorage::SystemSave(CPersistObject& object, const char* name, const char* fileName, bool& written)
{
    written = SaveFile(object, name, CommonPath(fileName));
    return true;
}

bool UPersistStorage::SystemLoad(CPersistObject& object, const char* name, const char* fileName)
{
    return LoadFile(object, name, CommonPath(fileName));
}

bool UPersistStorage::SaveFile(CPersistObject& object, const char* name, const char* path)
{
    CXmlPersistStorage storage(kSettingsName, path);
    object.Save(name, storage);
    return !storage.HasWriteFailed();
}

bool UPersistStorage::LoadFile(CPersistObject& object, const char* name, const char* path)
{
    CXmlPersistReader reader(kSettingsName, path);
    if (!reader.HasData())
        return false;
    object.Load(name, reader);
    return true;
}

CString UPersistStorage::UserPath(const char* fileName)
{
    return CString(UDirectoryUtils::GetUserAppDataDirectory().c_str()) + (fileName ? fileName : "");
}

CString UPersistStorage::CommonPath(const char* fileName)
{
    return CString(UDirectoryUtils::GetCommonAppDataDirectory().c_str()) + (fileName ? fileName : "");
}

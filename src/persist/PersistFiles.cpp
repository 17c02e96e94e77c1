#include "persist/PersistFiles.h"

#include "core/CrashGuard.h"
#include "persist/XmlPersistReader.h"
#include "persist/XmlPersistStorage.h"
#include "tnwwndut.h"
#include "util/FilePrompter.h"

#include <optional>

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

bool UPersistStorage::PromptSave(CPersistObject& object, const char* extension, const char* description)
{
    bool written;
    return PromptSave(object, extension, description, written);
}

bool UPersistStorage::PromptSave(CPersistObject& object, const char* extension, const char* description,
                                 bool& written)
{
    written = false;
    const CString path = PromptFile(true, extension, description);
    if (path.IsEmpty())
        return false;
    written = SaveFile(object, kSettingsName, path);
    return true;
}

bool UPersistStorage::PromptLoad(CPersistObject& object, const char* extension, const char* description)
{
    const CString path = PromptFile(false, extension, description);
    if (path.IsEmpty())
        return false;
    CXmlPersistReader reader(kSettingsName, path);
    return Load(object, kSettingsName, reader);
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
    return LoadFileUnlessCrashed(object, name, UserPath(fileName));
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
    return LoadFileUnlessCrashed(object, name, CommonPath(fileName));
}

CString UPersistStorage::PromptFile(bool save, const char* extension, const char* description)
{
    const CString pattern = CString("*.") + (extension ? extension : "");
    CFilePrompter prompter;
    prompter.AddFilter(pattern, CString(description ? description : "") + "(" + pattern + ")");
    if (!(save ? prompter.PromptSaveAs() : prompter.PromptOpen(false)))
        return CString();
    CString chosenExtension;
    return prompter.GetFile(0, chosenExtension);
}

bool UPersistStorage::SaveFile(CPersistObject& object, const char* name, const char* path)
{
    CXmlPersistStorage storage(kSettingsName, path);
    object.Save(name, storage);
    return !storage.HasWriteFailed();
}

bool UPersistStorage::LoadFileUnlessCrashed(CPersistObject& object, const char* name, const char* path)
{
    // A guard of the load's own marks the load itself, so that a crash while loading
    // skips the file next time.
    std::optional<StCrashGuard> guard;
    if (!StCrashGuard::IsGuarding())
        guard.emplace();
    if (StCrashGuard::CrashedLastTime())
        return false;
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

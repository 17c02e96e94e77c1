#pragma once
#include "afx.h"
#include "tnwbscut.h"

// The front door of persistence with XML files: picks the file, makes the storage, runs
// the object's own Save or Load through it and destroys it again. Files are chosen by the
// user, named directly, or kept under a fixed name in the per-user application-data
// folder (DefaultSave/DefaultLoad) or the all-users one (SystemSave/SystemLoad). The
// outermost element of prompted and direct files is "Settings"; the default and system
// files take the name from the caller. (This header is named apart from the base
// library's PersistStorage.h, the storage interface behind these doors.)
//
// Results: saves give true whether or not the file could be written (once the user
// confirmed a dialog); the prompted ones give false when the user cancels, and then touch
// neither file nor object; DirectLoad gives false for a missing file; DefaultLoad and
// SystemLoad give false, and leave the object as it was, without a readable document and
// while the crash guard reports that the previous run crashed: settings that may have
// caused the crash are not loaded again.
//
// Decisions of this library:
// - The save operations have overloads with a last argument written, which tells the
//   caller whether the file really was written (at its path or, for an all-users file,
//   at the per-user copy); their results stay as above.
// - DefaultLoad and SystemLoad guard the load with a crash guard of their own only when
//   no guard is alive. With the application's guard alive, its answer counts, and a
//   second guard would clear the application's running mark when the load ends, so that
//   a crash later in the run would go unnoticed.
class AFX_EXT_CLASS UPersistStorage {
public:
    static const char* const kSettingsName;

    // object.Save(name, storage) and object.Load(name, storage); always true.
    static bool Save(CPersistObject& object, const char* name, CPersistStorage& storage);
    static bool Load(CPersistObject& object, const char* name, CPersistStorage& storage);

    // The file the user picks in a dialog offering one filter, "*." + extension (given
    // without its dot), described as description + "(" + pattern + ")".
    static bool PromptSave(CPersistObject& object, const char* extension, const char* description);
    static bool PromptSave(CPersistObject& object, const char* extension, const char* description, bool& written);
    static bool PromptLoad(CPersistObject& object, const char* extension, const char* description);

    // The object from the XML file at path, whatever the file holds; false when the
    // file does not exist (the object is untouched then).
    static bool DirectLoad(CPersistObject& object, const char* path);

    static bool DefaultSave(CPersistObject& object, const char* name, const char* fileName);
    static bool DefaultSave(CPersistObject& object, const char* name, const char* fileName, bool& written);
    static bool DefaultLoad(CPersistObject& object, const char* name, const char* fileName);
    static bool SystemSave(CPersistObject& object, const char* name, const char* fileName);
    static bool SystemSave(CPersistObject& object, const char* name, const char* fileName, bool& written);
    static bool SystemLoad(CPersistObject& object, const char* name, const char* fileName);

private:
    // The file the user picked, or an empty text when the dialog was cancelled.
    static CString PromptFile(bool save, const char* extension, const char* description);
    // Whether the file was written.
    static bool SaveFile(CPersistObject& object, const char* name, const char* path);
    static bool LoadFileUnlessCrashed(CPersistObject& object, const char* name, const char* path);
    static CString UserPath(const char* fileName);
    static CString CommonPath(const char* fileName);
};

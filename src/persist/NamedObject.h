#pragma once
#include "afx.h"
#include "tnwbscut.h"

// A persistent object with a name, and the pattern every persistent class of the library
// follows: a four-character type code registered with a meta class when the library
// loads, so that lists can create the object by its code; a setter that validates,
// compares, stores, tells the listeners and runs a change hook; SaveSelf and LoadSelf
// under fixed tag names.
//
// The name is saved as the text property "name" (kNameTag). Loading a document that
// lacks it keeps the name the object had.
class AFX_EXT_CLASS CNamedObject : public CPersistObject {
public:
    DECLARE_PERSIST_CLASS()

    static const long kNamedObjectType = 'name';
    // Sent with Notify when the name changed.
    static const long kNameChanged = 'namf';
    static const char* const kNameTag;


    CNamedObject();
    CNamedObject(const CNamedObject& other);
    CNamedObject& operator=(const CNamedObject& other);
    ~CNamedObject() override;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // What SetName stores for name; the text unchanged unless a subclass says otherwise.
    virtual CString ValidateName(const char* name);
    // Runs after the name changed and the listeners were told.
    virtual void SideEffectNameChanged();

    // False, and nothing happens, when the validated name equals the current one (case
    // matters).
    bool SetName(const char* name);
    CString& GetName();

protected:
    // Stores candidate in field and sends notice to the listeners, unless the two texts
    // are equal byte for byte; true when it stored.
    bool StoreChanged(CString& field, const CString& candidate, long notice);

private:
    CString mName;
};

#pragma once
#include "BaseExport.h"

class CPersistObject;

// Creates persistent objects by their four-character type code, so that a list can load
// objects whose class it does not know. Each persistent class keeps one meta class as a
// class-wide member and registers its code and its Create function with it when the
// library holding the class is loaded.
//
// Every meta class alive takes part in the lookup; when two register the same code, the
// latest registration wins. Registration happens while libraries load and lookups on the
// user-interface thread, so nothing is locked.
class TNWBS_CLASS CMetaClass {
public:
    typedef CPersistObject* (*NewObjectFunc)();

    CMetaClass();
    ~CMetaClass();
    CMetaClass(const CMetaClass&) = delete;
    CMetaClass& operator=(const CMetaClass&) = delete;

    void SetType(long type);
    long GetType() const;
    void SetNewObjectFunc(NewObjectFunc newObject);
    NewObjectFunc GetNewObjectFunc() const;
    // A new object of the class, or null when no function is set.
    CPersistObject* NewObject() const;

    // The meta class that can create objects of type, or null.
    static CMetaClass* Find(long type);
    // A new default object of type, or null for a type nobody registered.
    static CPersistObject* CreateObject(long type);

private:
    void Link();
    void Unlink();

    long mType;
    NewObjectFunc mNewObject;
    CMetaClass* mNext;
    static CMetaClass* sFirst; // latest registration first
};

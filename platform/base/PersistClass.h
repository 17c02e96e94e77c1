#pragma once
#include "MetaClass.h"
#include "PersistObject.h"

// The members every creatable persistent class has, written once as the framework writes
// dynamic creation: DECLARE_PERSIST_CLASS() in the class body, IMPLEMENT_PERSIST_CLASS in
// one source file of the module that holds the class.
//
// They give the class a meta class that registers its four-character type code with its
// Create function while the module loads (so that a list can load objects of the class by
// their code), GetObjectType, IsInstanceOf (the class's code, then the base's answer) and
// Clone (a copy through the copy constructor). A class needs a default constructor and a
// copy constructor that copies its properties.
//
// A type code nobody registered loads nothing: a list whose document names such a code
// skips that object. Each creatable class therefore implements the pair in a module that
// the application loads before it loads its documents.
//
// The declaration ends in the public section.
#define DECLARE_PERSIST_CLASS()                                                           \
public:                                                                                  \
    static CMetaClass sMetaClass;                                                        \
    static bool sInitialized;                                                            \
    static CPersistObject* Create();                                                     \
    static bool Initialize();                                                            \
    long GetObjectType() override;                                                       \
    bool IsInstanceOf(long type) override;                                               \
    CPersistObject* Clone() override;

#define IMPLEMENT_PERSIST_CLASS(className, baseName, typeCode)                            \
    CMetaClass className::sMetaClass;                                                    \
    bool className::sInitialized = className::Initialize();                              \
    CPersistObject* className::Create() { return new className; }                         \
    bool className::Initialize()                                                         \
    {                                                                                    \
        sMetaClass.SetType(typeCode);                                                    \
        sMetaClass.SetNewObjectFunc(&className::Create);                                 \
        return true;                                                                     \
    }                                                                                    \
    long className::GetObjectType() { return typeCode; }                                 \
    bool className::IsInstanceOf(long type)                                              \
    {                                                                                    \
        return type == (typeCode) || baseName::IsInstanceOf(type);                        \
    }                                                                                    \
    CPersistObject* className::Clone() { return new className(*this); }

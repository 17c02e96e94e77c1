#pragma once
#include "Broadcaster.h"

class CPersistStorage;

// The base of every object that saves and loads itself and tells listeners when it
// changes. A persistent class has a four-character type code (GetObjectType, IsInstanceOf
// for it and its bases), a meta class that creates it by that code, property setters that
// Notify their own four-character codes, and SaveSelf/LoadSelf for its properties.
//
// Save and Load bracket the properties between the storage's EnterObject(name) and
// LeaveObject(), with the object's format version first. The version travels as a byte
// block (4 bytes, little-endian) so that storages keeping only plain values, such as
// registry positions, spend nothing on it while structured storages show it; loading reads
// it and accepts any version.
//
// Notices every persistent object may send (with Notify):
// - kObjectChanged: the object changed as a whole; displays rewrite what they show of it.
// - kObjectDestroyed: sent from the destructor, whatever the broadcasting switch says. The
//   object may only be stopped listening to from then on; displays unbind it.
//
// Defaults of the virtual operations: type 'pobj'; no list; accepts no objects; no enum
// texts; Clear and SaveSelf/LoadSelf do nothing; valid; Clone gives null (a class that can
// be copied returns a copy of itself). Copies have no listeners of their own.
class TNWBS_CLASS CPersistObject : public CBroadcaster {
public:
    static const char* const kPersistObjectVersionTag;
    static constexpr long kPersistObjectVersion = 1;
    static constexpr long kPersistObjectType = 'pobj';
    static constexpr long kObjectChanged = 1;
    static constexpr long kObjectDestroyed = 'odel';

    CPersistObject();
    CPersistObject(const CPersistObject& other);
    CPersistObject& operator=(const CPersistObject& other);
    virtual ~CPersistObject();

    virtual long GetObjectType();
    virtual bool IsInstanceOf(long type);
    // True for a CPersistList, whose items displays show as children.
    virtual bool IsList();
    // Whether object could be added to this one (a list takes any object but itself).
    virtual bool Accept(CPersistObject* object);
    // A temporary text naming value of an enumerated property, or null.
    virtual char* GetEnumText(long value);
    // Back to the state of a new object.
    virtual void Clear();
    // Whether the object is consistent; deep also asks the objects it holds.
    virtual bool Validate(bool deep);
    virtual bool ValidateSelf();
    // A new object equal to this one, owned by the caller.
    virtual CPersistObject* Clone();

    virtual void Save(const char* name, CPersistStorage& storage);
    virtual void Load(const char* name, CPersistStorage& storage);
    virtual void SaveSelf(const char* name, CPersistStorage& storage);
    virtual void LoadSelf(const char* name, CPersistStorage& storage);
};

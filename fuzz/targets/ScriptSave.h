#pragma once
#include "FuzzCheck.h"
#include "ValueScript.h"

#include "tnwbscut.h"

#include <cstring>
#include <string>

// The numbers a step saves as long and unsigned long: the 32 bits a Windows long holds,
// whatever the width of long in the native build.
inline long ScriptLong(const SScriptStep& step)
{
    return static_cast<int>(step.number);
}

inline unsigned long ScriptUnsignedLong(const SScriptStep& step)
{
    return static_cast<unsigned>(step.number);
}

// Loads a number of the type it was saved as and checks that every bit came back.
template <class TStorage, class T>
void CheckNumber(TStorage& storage, const char* name, T saved)
{
    T loaded;
    storage.Load(name, loaded);
    FUZZ_CHECK(std::memcmp(&loaded, &saved, sizeof saved) == 0, "a number loads as it was saved");
}

// Runs one step of a save pass against any storage.
inline void SaveStep(CPersistStorage& storage, const SScriptStep& step)
{
    const char* name = step.name.c_str();
    switch (step.kind) {
    case kStepEnter: storage.EnterObject(name); break;
    case kStepLeave: storage.LeaveObject(); break;
    case kStepText: storage.Save(name, step.bytes.c_str()); break;
    case kStepLong: storage.Save(name, ScriptLong(step)); break;
    case kStepUnsignedLong: storage.Save(name, ScriptUnsignedLong(step)); break;
    case kStepShort: storage.Save(name, static_cast<short>(step.number)); break;
    case kStepUnsignedShort: storage.Save(name, static_cast<unsigned short>(step.number)); break;
    case kStepChar: storage.Save(name, static_cast<char>(step.number)); break;
    case kStepUnsignedChar: storage.Save(name, static_cast<unsigned char>(step.number)); break;
    case kStepBool: storage.Save(name, step.number % 2 != 0); break;
    case kStepInt64: storage.Save(name, static_cast<__int64>(step.number)); break;
    case kStepDouble: storage.Save(name, step.real); break;
    case kStepFloat: storage.Save(name, static_cast<float>(step.real)); break;
    case kStepBytes: {
        std::string bytes = step.bytes;
        storage.Save(name, reinterpret_cast<unsigned char*>(&bytes[0]), static_cast<unsigned long>(bytes.size()));
        break;
    }
    case kStepHandle: {
        CHandle handle;
        handle.Append(step.bytes.data(), static_cast<unsigned long>(step.bytes.size()));
        storage.Save(name, handle);
        break;
    }
    default: {
        GUID guid;
        std::memcpy(&guid, step.bytes.data(), sizeof guid);
        storage.Save(name, guid);
        break;
    }
    }
}

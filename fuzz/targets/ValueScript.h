#pragma once
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

// A save pass the fuzzer writes: objects entered and left, and values of every kind the
// storages take, so that the same pass can be loaded back and compared.
enum EScriptStep {
    kStepEnter,
    kStepLeave,
    kStepText,
    kStepLong,
    kStepUnsignedLong,
    kStepShort,
    kStepUnsignedShort,
    kStepChar,
    kStepUnsignedChar,
    kStepBool,
    kStepInt64,
    kStepDouble,
    kStepFloat,
    kStepBytes,
    kStepHandle,
    kStepGuid,
    kStepCount
};

struct SScriptStep {
    EScriptStep kind;
    std::string name;
    long long number = 0;
    double real = 0;
    // Text (without zero bytes) or the bytes of a block or a GUID.
    std::string bytes;
    // The room the load gives a text or a block.
    unsigned long room = 0;
};

// Names come from a short list, so that the fuzzer meets the same names in images and
// documents as in the loads it asks for.
inline const std::vector<std::string>& ScriptNames()
{
    static const std::vector<std::string> names = { "",      "a",    "Name", "Count", "Child",
                                                    "Data",  "Title", "Value", "Has Data" };
    return names;
}

inline SScriptStep NextStep(FuzzedDataProvider& input, int lastKind = kStepCount - 1)
{
    SScriptStep step;
    step.kind = static_cast<EScriptStep>(input.ConsumeIntegralInRange(0, lastKind));
    step.name = ScriptNames()[input.ConsumeIntegralInRange<size_t>(0, ScriptNames().size() - 1)];
    switch (step.kind) {
    case kStepDouble:
    case kStepFloat:
        step.real = input.ConsumeFloatingPoint<double>();
        break;
    case kStepText:
        step.bytes = input.ConsumeRandomLengthString(200).c_str();
        break;
    case kStepBytes:
    case kStepHandle:
        step.bytes = input.ConsumeRandomLengthString(100);
        break;
    case kStepGuid:
        step.bytes = input.ConsumeBytesAsString(16);
        step.bytes.resize(16);
        break;
    default:
        step.number = input.ConsumeIntegral<long long>();
        break;
    }
    step.room = input.ConsumeIntegralInRange<unsigned long>(0, 120);
    return step;
}

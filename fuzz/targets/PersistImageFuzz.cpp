// Byte images of the plain persist storage: what a clipboard, a drag and drop or an old
// file hands the loads, broken or not.
//
// Input: a first byte that chooses the mode, then
// - load mode: the image's length (2 bytes, little-endian), the image, and a script of
//   loads. Whatever the image holds, no load writes outside the buffer it was given (each
//   buffer is a heap block of exactly the promised size), and a text load after
//   LoadStringLength stays within the length reported;
// - round trip: a script of saves. Loading the saved image with the same script gives back
//   every value exactly.
#include "FuzzCheck.h"
#include "ScriptSave.h"

#include "tnwbscut.h"

#include <cstring>
#include <memory>

namespace {

const int kSteps = 80;
// A broken image may report any length; a caller sizing a buffer from it is not ours to
// test beyond this.
const unsigned long kLargestText = 1 << 20;

void LoadStep(CPersistStorage& storage, const SScriptStep& step)
{
    const char* name = step.name.c_str();
    switch (step.kind) {
    case kStepEnter:
        storage.EnterObject(name);
        break;
    case kStepLeave:
        storage.LeaveObject();
        break;
    case kStepText: {
        unsigned long length = 0;
        storage.LoadStringLength(name, length);
        if (length <= kLargestText) {
            std::unique_ptr<char[]> text(new char[length + 1]);
            storage.Load(name, text.get());
        }
        std::unique_ptr<char[]> sized(new char[step.room]);
        storage.Load(name, sized.get(), step.room);
        break;
    }
    case kStepBytes: {
        std::unique_ptr<unsigned char[]> bytes(new unsigned char[step.room]);
        storage.Load(name, bytes.get(), step.room);
        break;
    }
    case kStepHandle: {
        CHandle handle;
        storage.Load(name, handle);
        break;
    }
    case kStepGuid: {
        GUID guid;
        storage.Load(name, guid);
        break;
    }
    default: {
        long value;
        storage.Load(name, &value);
        double real;
        storage.Load(name, real);
        __int64 wide;
        storage.Load(name, wide);
        bool flag;
        storage.Load(name, flag);
        break;
    }
    }
}

void LoadImage(FuzzedDataProvider& input)
{
    const size_t length = input.ConsumeIntegral<unsigned short>();
    const std::vector<unsigned char> image = input.ConsumeBytes<unsigned char>(length);
    // A heap copy of exactly the image: the reader may not look beyond it.
    std::unique_ptr<unsigned char[]> exact(new unsigned char[image.size()]);
    if (!image.empty())
        std::memcpy(exact.get(), image.data(), image.size());
    CPersistStorage storage;
    storage.SetData(exact.get(), static_cast<unsigned long>(image.size()));
    exact.reset();
    for (int i = 0; i < kSteps && input.remaining_bytes() > 0; ++i)
        LoadStep(storage, NextStep(input));
}

void CheckLoad(CPersistStorage& storage, const SScriptStep& step)
{
    const char* name = step.name.c_str();
    switch (step.kind) {
    case kStepEnter: storage.EnterObject(name); break;
    case kStepLeave: storage.LeaveObject(); break;
    case kStepText: {
        unsigned long length = 0;
        storage.LoadStringLength(name, length);
        FUZZ_CHECK(length == step.bytes.size(), "a text's length loads");
        std::unique_ptr<char[]> text(new char[length + 1]);
        storage.Load(name, text.get());
        FUZZ_CHECK(step.bytes == text.get(), "a text loads as it was saved");
        break;
    }
    case kStepLong: CheckNumber(storage, name, ScriptLong(step)); break;
    case kStepUnsignedLong: CheckNumber(storage, name, ScriptUnsignedLong(step)); break;
    case kStepShort: CheckNumber(storage, name, static_cast<short>(step.number)); break;
    case kStepUnsignedShort: CheckNumber(storage, name, static_cast<unsigned short>(step.number)); break;
    case kStepChar: CheckNumber(storage, name, static_cast<char>(step.number)); break;
    case kStepUnsignedChar: CheckNumber(storage, name, static_cast<unsigned char>(step.number)); break;
    case kStepBool: CheckNumber(storage, name, step.number % 2 != 0); break;
    case kStepInt64: CheckNumber(storage, name, static_cast<__int64>(step.number)); break;
    case kStepDouble: CheckNumber(storage, name, step.real); break;
    case kStepFloat: CheckNumber(storage, name, static_cast<float>(step.real)); break;
    case kStepBytes: {
        std::string loaded(step.room, '\x5A');
        storage.Load(name, reinterpret_cast<unsigned char*>(&loaded[0]), step.room);
        std::string expected = step.bytes.substr(0, step.room);
        expected.resize(step.room, '\x5A');
        FUZZ_CHECK(loaded == expected, "a byte block loads into the room given, the rest untouched");
        break;
    }
    case kStepHandle: {
        CHandle handle;
        storage.Load(name, handle);
        FUZZ_CHECK(std::string(reinterpret_cast<const char*>(handle.GetBuffer()), handle.GetSize()) == step.bytes,
                   "a handle loads as it was saved");
        break;
    }
    default: {
        GUID saved;
        std::memcpy(&saved, step.bytes.data(), sizeof saved);
        CheckNumber(storage, name, saved);
        break;
    }
    }
}

void RoundTrip(FuzzedDataProvider& input)
{
    std::vector<SScriptStep> script;
    for (int i = 0; i < kSteps && input.remaining_bytes() > 0; ++i)
        script.push_back(NextStep(input));
    CPersistStorage saving;
    for (const SScriptStep& step : script)
        SaveStep(saving, step);
    unsigned long size = 0;
    const unsigned char* image = saving.GetData(size);

    CPersistStorage loading;
    loading.SetData(image, size);
    for (const SScriptStep& step : script)
        CheckLoad(loading, step);
    // The storage that saved loads its own image as well.
    saving.SetData(image, size);
    for (const SScriptStep& step : script)
        CheckLoad(saving, step);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    FuzzedDataProvider input(data + 1, size - 1);
    if (data[0] & 1)
        RoundTrip(input);
    else
        LoadImage(input);
    return 0;
}

// Settings files through the XML persist storage and reader.
//
// Input: a first byte that chooses the mode, then
// - load mode: a document. Every element of it is loaded under its name as every kind of
//   value, objects entered as they nest; no load writes outside the buffer it was given
//   (each buffer is a heap block of exactly the promised size, and a text load after
//   LoadStringLength gets exactly the length reported);
// - round trip: a script of saves into a settings file. Loading the file with the same
//   script gives back every value as the text form keeps it (doubles to six decimals,
//   unsigned longs as 32 bits, empty values as missing), also when the file had to go to
//   the per-user folder because the all-users one could not be written.
#include "FuzzCheck.h"
#include "ScriptSave.h"

#include "../shim/MemoryFiles.h"
#include "persist/XmlPersistReader.h"
#include "persist/XmlPersistStorage.h"

#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <set>

namespace {

const int kSteps = 80;
// Elements loaded per document: enough for every shape, bounded for speed.
const int kVisitLimit = 2000;

void LoadEveryKind(CXmlPersistReader& reader, const char* name, unsigned long room)
{
    unsigned long length = 0;
    reader.LoadStringLength(name, length);
    std::unique_ptr<char[]> text(new char[length]);
    reader.Load(name, text.get());
    if (length > 0)
        FUZZ_CHECK(text[length - 1] == '\0', "a text fills exactly the length reported");
    std::unique_ptr<char[]> sized(new char[room]);
    reader.Load(name, sized.get(), room);
    std::unique_ptr<unsigned char[]> bytes(new unsigned char[room]);
    reader.Load(name, bytes.get(), room);
    CHandle handle;
    reader.Load(name, handle);
    FUZZ_CHECK(handle.GetSize() == (length > 0 ? (length - 1) / 2 : 0), "a handle holds half the digits");
    long number;
    reader.Load(name, number);
    long* none = nullptr;
    reader.Load(name, none);
    __int64 wide;
    reader.Load(name, wide);
    double real;
    reader.Load(name, real);
    float single;
    reader.Load(name, single);
    bool flag;
    reader.Load(name, flag);
    char byte;
    reader.Load(name, byte);
    GUID guid;
    reader.Load(name, guid);
}

void LoadDocument(const std::string& text, unsigned long room)
{
    CXmlPersistReader reader(text.c_str());
    reader.EnterObject("Settings");
    CXmlReader probe;
    probe.Parse(text.c_str());
    // Walk the parsed tree and ask the storage for what it holds, as objects would.
    struct SFrame {
        CXmlNode* node;
        int next;
    };
    std::vector<SFrame> open;
    if (probe.GetTopNode())
        open.push_back({ probe.GetTopNode(), 0 });
    int visited = 0;
    while (!open.empty() && visited++ < kVisitLimit) {
        SFrame& frame = open.back();
        if (frame.next >= frame.node->GetChildCount()) {
            open.pop_back();
            reader.LeaveObject();
            continue;
        }
        CXmlNode* child = frame.node->GetChildAt(frame.next++);
        LoadEveryKind(reader, child->GetKey(), room);
        if (child->GetChildCount() > 0) {
            reader.EnterObject(child->GetKey());
            open.push_back({ child, 0 });
        }
    }
    LoadEveryKind(reader, "not there", room);
}

// A name for the document: blanks and the characters of XML names, never empty, and not
// used twice in one element (an element found by lookup is the first of its key).
std::string ElementName(const SScriptStep& step, std::set<std::string>& used)
{
    std::string name = step.name.empty() ? "Unnamed" : step.name;
    std::string key = name;
    for (char& c : key)
        c = c == ' ' ? '_' : c;
    for (int suffix = 2; used.count(key); ++suffix) {
        name = step.name + std::to_string(suffix);
        key = name;
        for (char& c : key)
            c = c == ' ' ? '_' : c;
    }
    used.insert(key);
    return name;
}

// What the text form keeps of a double.
double Kept(double value)
{
    if (value == 0.0 || std::isnan(value))
        return 0.0;
    CString text;
    text.Format("%f", value);
    return std::atof(text);
}

void CheckLoad(CXmlPersistReader& reader, const SScriptStep& step)
{
    const char* name = step.name.c_str();
    switch (step.kind) {
    case kStepEnter: reader.EnterObject(name); break;
    case kStepLeave: reader.LeaveObject(); break;
    case kStepText: {
        unsigned long length = 0;
        reader.LoadStringLength(name, length);
        FUZZ_CHECK(length == (step.bytes.empty() ? 0 : step.bytes.size() + 1), "a text's length loads");
        std::string text(length + 1, '\x5A');
        reader.Load(name, &text[0]);
        if (!step.bytes.empty())
            FUZZ_CHECK(step.bytes == text.c_str(), "a text loads as it was saved");
        else
            FUZZ_CHECK(text == "\x5A", "an empty text leaves the buffer as it was");
        std::string sized(step.room, '\x5A');
        reader.Load(name, &sized[0], step.room);
        if (!step.bytes.empty() && step.room > 0)
            FUZZ_CHECK(step.bytes.substr(0, step.room - 1) == sized.c_str(), "a text is cut to the room given");
        break;
    }
    case kStepLong: CheckNumber(reader, name, ScriptLong(step)); break;
    case kStepUnsignedLong: {
        // A native long is wider than the 32 bits saved: only those are compared.
        unsigned long loaded;
        reader.Load(name, loaded);
        FUZZ_CHECK(static_cast<unsigned>(loaded) == ScriptUnsignedLong(step), "an unsigned long loads");
        break;
    }
    case kStepShort: CheckNumber(reader, name, static_cast<short>(step.number)); break;
    case kStepUnsignedShort: CheckNumber(reader, name, static_cast<unsigned short>(step.number)); break;
    case kStepChar: CheckNumber(reader, name, static_cast<char>(step.number)); break;
    case kStepUnsignedChar: CheckNumber(reader, name, static_cast<unsigned char>(step.number)); break;
    case kStepBool: CheckNumber(reader, name, step.number % 2 != 0); break;
    case kStepInt64: CheckNumber(reader, name, static_cast<__int64>(step.number)); break;
    case kStepDouble: {
        double loaded;
        reader.Load(name, loaded);
        FUZZ_CHECK(loaded == Kept(step.real) || (std::isnan(loaded) && std::isnan(Kept(step.real))),
                   "a double loads to six decimals");
        break;
    }
    case kStepFloat: {
        float loaded;
        reader.Load(name, loaded);
        const float kept = static_cast<float>(Kept(static_cast<float>(step.real)));
        FUZZ_CHECK(loaded == kept || (std::isnan(loaded) && std::isnan(kept)), "a float loads to six decimals");
        break;
    }
    case kStepBytes: {
        std::string loaded(step.room, '\x5A');
        reader.Load(name, reinterpret_cast<unsigned char*>(&loaded[0]), step.room);
        std::string expected = step.bytes.substr(0, step.room);
        expected.resize(step.room, '\x5A');
        FUZZ_CHECK(loaded == expected, "a byte block loads into the room given, the rest untouched");
        break;
    }
    default: {
        CHandle handle;
        reader.Load(name, handle);
        FUZZ_CHECK(std::string(reinterpret_cast<const char*>(handle.GetBuffer()), handle.GetSize()) == step.bytes,
                   "a handle loads as it was saved");
        break;
    }
    }
}

void RoundTrip(FuzzedDataProvider& input)
{
    UMemoryFiles::Clear();
    const std::string common = std::string(UMemoryFiles::kCommonFolder) + "Data.xml";
    const bool sharedLocked = input.ConsumeBool();
    if (sharedLocked)
        UMemoryFiles::Lock(common);

    // Every object of the pass lives in the outermost one, as settings do.
    std::vector<SScriptStep> script;
    std::vector<std::set<std::string>> used(1);
    for (int i = 0; i < kSteps && input.remaining_bytes() > 0; ++i) {
        SScriptStep step = NextStep(input, kStepHandle);
        if (step.kind == kStepLeave) {
            if (used.size() == 1)
                continue;
            used.pop_back();
        } else {
            step.name = ElementName(step, used.back());
            if (step.kind == kStepEnter)
                used.emplace_back();
        }
        script.push_back(step);
    }
    while (used.size() > 1) {
        script.push_back({ kStepLeave, "" });
        used.pop_back();
    }

    CXmlPersistStorage storage("Settings", common.c_str());
    storage.EnterObject("Settings");
    for (const SScriptStep& step : script)
        SaveStep(storage, step);
    storage.LeaveObject();
    FUZZ_CHECK(!storage.HasWriteFailed(), "a settings file is written where it can be");

    CXmlPersistReader reader("Settings", common.c_str());
    reader.EnterObject("Settings");
    for (const SScriptStep& step : script)
        CheckLoad(reader, step);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    if (data[0] & 1) {
        FuzzedDataProvider input(data + 1, size - 1);
        RoundTrip(input);
    } else {
        LoadDocument(std::string(reinterpret_cast<const char*>(data + 1), size - 1), data[0] >> 1);
    }
    return 0;
}

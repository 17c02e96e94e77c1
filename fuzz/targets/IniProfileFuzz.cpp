// Ini values: CIniProfile and the settings values bound to it (CRegistry), over an ini
// file whose first text is the input's.
//
// The input is the file, then a script of writes (texts and numbers), removals, reads
// and a lock of the file (a read-only file or a full disk). Names of sections and keys
// are those applications use; the texts are anything.
// - A text written reads back as it was given, its line breaks as blanks (a text never
//   adds lines or sections of its own); a number written reads back as that number.
// - A write changes no other value, nor does a removal; a removed value reads as missing.
// - A write to a locked file fails and changes nothing.
// - Reading a value as a text and as a number agrees: a text that reads as no number
//   gives the default, whatever it is.
#include "FuzzCheck.h"

#include "../shim/MemoryFiles.h"
#include "tnwwndut.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <map>
#include <utility>

namespace {

const char kIniPath[] = "C:\\Fuzz\\fuzz.ini";
const int kSteps = 40;

enum EStep { kWriteText, kWriteNumber, kRemove, kRead, kLock, kStepCount };

std::string Name(FuzzedDataProvider& input)
{
    static const char* const kNames[] = { "Main", "main", "Window 1", "Left", "Top", "Settings", "a" };
    const size_t pick = input.ConsumeIntegralInRange<size_t>(0, sizeof kNames / sizeof kNames[0]);
    if (pick < sizeof kNames / sizeof kNames[0])
        return kNames[pick];
    static const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 _.-";
    std::string name;
    const size_t length = input.ConsumeIntegralInRange<size_t>(1, 12);
    for (size_t i = 0; i < length; ++i)
        name += kAlphabet[input.ConsumeIntegralInRange<size_t>(0, sizeof kAlphabet - 2)];
    if (name.front() == ' ')
        name.front() = '_';
    if (name.back() == ' ')
        name.back() = '_';
    return name;
}

std::string Folded(std::string name)
{
    for (char& c : name)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return name;
}

typedef std::map<std::pair<std::string, std::string>, std::string> TValues;

void CheckAll(const CIniProfile& profile, const TValues& values)
{
    for (const auto& value : values) {
        std::string text;
        FUZZ_CHECK(profile.ReadText(value.first.first.c_str(), value.first.second.c_str(), text),
                   "a value written is there");
        FUZZ_CHECK(text == value.second, "a value reads back as written, untouched by other writes");
    }
}

void CheckRead(const CIniProfile& profile, const std::string& section, const std::string& key)
{
    std::string text;
    const bool found = profile.ReadText(section.c_str(), key.c_str(), text);
    CRegistry value(section.c_str(), key.c_str(), const_cast<CIniProfile*>(&profile));
    const char* stored = value.GetTextValue(nullptr);
    FUZZ_CHECK(found == (stored != nullptr) && (!found || text == stored), "a settings value reads the ini text");
    FUZZ_CHECK(value.HasValue() == found, "a value is there when its text is");
    const unsigned long first = value.GetValue(7);
    const unsigned long second = value.GetValue(0xFFFFFFFFul);
    FUZZ_CHECK(first == second || (first == 7 && second == 0xFFFFFFFFul), "a number does not depend on the default");
    FUZZ_CHECK(found || first == 7, "a missing value reads as the default");
    FUZZ_CHECK(first <= 0xFFFFFFFFul, "a number has 32 bits");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    UMemoryFiles::Clear();
    UMemoryFiles::Put(kIniPath, input.ConsumeRandomLengthString(4096));
    CIniProfile profile(kIniPath);
    FUZZ_CHECK(profile.GetIniFile() == kIniPath, "an absolute path is kept");

    TValues values;
    bool locked = false;
    for (int i = 0; i < kSteps && input.remaining_bytes() > 0; ++i) {
        const int kind = input.ConsumeIntegralInRange<int>(0, kStepCount - 1);
        const std::string section = Name(input);
        const std::string key = Name(input);
        const auto folded = std::make_pair(Folded(section), Folded(key));
        CRegistry value(section.c_str(), key.c_str(), &profile);
        switch (kind) {
        case kWriteText: {
            const std::string text = input.ConsumeRandomLengthString(600).c_str();
            const bool written = input.ConsumeBool() ? profile.WriteText(section.c_str(), key.c_str(), text.c_str())
                                                     : value.SetTextValue(text.c_str());
            FUZZ_CHECK(written == !locked, "a text is written unless the file is locked");
            if (written) {
                std::string kept = text;
                for (char& c : kept)
                    c = c == '\r' || c == '\n' ? ' ' : c;
                values[folded] = kept;
            }
            break;
        }
        case kWriteNumber: {
            const unsigned long number = input.ConsumeIntegral<uint32_t>();
            FUZZ_CHECK(value.SetValue(number) == !locked, "a number is written unless the file is locked");
            if (!locked) {
                FUZZ_CHECK(value.GetValue(number + 1) == number, "a number reads back");
                values[folded] = std::to_string(number);
            }
            break;
        }
        case kRemove:
            // A damaged file may hold the key twice in the section: the value is then
            // not known any more.
            if (value.RemoveValue())
                FUZZ_CHECK(!value.HasValue(), "a removed value is gone");
            if (!locked)
                values.erase(folded);
            break;
        case kRead:
            CheckRead(profile, section, key);
            break;
        default:
            UMemoryFiles::Lock(kIniPath);
            locked = true;
            break;
        }
        CheckAll(profile, values);
    }
    return 0;
}

// The base buffers every parser builds on, driven by scripts of operations the fuzzer
// writes, against plain standard-library models:
// - CHandle (appends, also of a part of itself, sizes, copies) holds the model's bytes;
// - CString (slices, searches, replacements, inserts, deletes, trims, appends of itself)
//   holds the model's text, and its length, terminator and buffer agree;
// - UStringBuffer hands out texts that stay intact for kRingSize - 1 more requests, and
//   converts file texts to the ANSI code page without changing plain ASCII or losing
//   the bytes of text that is no UTF-8.
#include "FuzzCheck.h"

#include "afx.h"
#include "tnwbscut.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const int kSteps = 64;
// Texts and blocks that append themselves double at each step: a run ends once they
// pass this size, or 64 doublings would fill the memory.
const size_t kLongest = 64 * 1024;

bool Holds(const CHandle& handle, const std::vector<unsigned char>& model)
{
    return handle.GetSize() == model.size() &&
           (model.empty() || std::memcmp(handle.GetBuffer(), model.data(), model.size()) == 0);
}

void RunHandle(FuzzedDataProvider& input)
{
    CHandle handle;
    std::vector<unsigned char> model;
    for (int step = 0; step < kSteps && input.remaining_bytes() > 0 && model.size() <= kLongest; ++step) {
        switch (input.ConsumeIntegralInRange(0, 5)) {
        case 0: {
            const std::vector<unsigned char> bytes = input.ConsumeBytes<unsigned char>(
                input.ConsumeIntegralInRange<size_t>(0, 300));
            FUZZ_CHECK(handle.Append(bytes.data(), static_cast<unsigned long>(bytes.size())),
                       "an append succeeds");
            model.insert(model.end(), bytes.begin(), bytes.end());
            break;
        }
        case 1: {
            if (model.empty())
                break;
            const size_t start = input.ConsumeIntegralInRange<size_t>(0, model.size() - 1);
            const size_t count = input.ConsumeIntegralInRange<size_t>(1, model.size() - start);
            FUZZ_CHECK(handle.Append(handle.GetBuffer() + start, static_cast<unsigned long>(count)),
                       "an append of a part of the block succeeds");
            const std::vector<unsigned char> part(model.begin() + start, model.begin() + start + count);
            model.insert(model.end(), part.begin(), part.end());
            break;
        }
        case 2: {
            const size_t size = input.ConsumeIntegralInRange<size_t>(0, 600);
            FUZZ_CHECK(handle.SetSize(static_cast<unsigned long>(size)), "a size is set");
            model.resize(size, 0);
            break;
        }
        case 3: {
            // As a file read does: room without zeroing, then every byte overwritten.
            const size_t size = input.ConsumeIntegralInRange<size_t>(0, 600);
            FUZZ_CHECK(handle.Allocate(static_cast<unsigned long>(size), true, false),
                       "a block is allocated");
            model.assign(size, static_cast<unsigned char>(step));
            if (size > 0)
                std::memset(handle.GetBuffer(), step, size);
            break;
        }
        case 4: {
            CHandle copy(handle);
            handle.Empty();
            FUZZ_CHECK(handle.GetSize() == 0, "an emptied block holds nothing");
            handle = copy;
            break;
        }
        default:
            CHandle& same = handle;
            handle = same;
            FUZZ_CHECK(handle.Allocate(input.ConsumeIntegralInRange<unsigned long>(0, 600), false, false),
                       "room is made");
            break;
        }
        FUZZ_CHECK(Holds(handle, model), "the block holds what was put in it");
    }
}

bool Holds(const CString& text, const std::string& model)
{
    return text.GetLength() == static_cast<int>(model.size()) &&
           std::memcmp(static_cast<const char*>(text), model.c_str(), model.size() + 1) == 0;
}

std::string Upper(std::string text)
{
    for (char& c : text)
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
}

void RunString(FuzzedDataProvider& input)
{
    CString text;
    std::string model;
    for (int step = 0; step < kSteps && input.remaining_bytes() > 0 && model.size() <= kLongest; ++step) {
        const std::string piece(input.ConsumeRandomLengthString(40).c_str());
        const int first = input.ConsumeIntegralInRange(-2, static_cast<int>(model.size()) + 2);
        const int count = input.ConsumeIntegralInRange(-2, static_cast<int>(model.size()) + 2);
        const int clampedFirst = std::clamp(first, 0, static_cast<int>(model.size()));
        switch (input.ConsumeIntegralInRange(0, 11)) {
        case 0:
            text += piece.c_str();
            model += piece;
            break;
        case 1:
            text += text;
            model += model;
            break;
        case 2:
            // A slice of itself, assigned back.
            text = text.Mid(first, count);
            model = model.substr(clampedFirst, std::clamp(count, 0, static_cast<int>(model.size()) - clampedFirst));
            break;
        case 3:
            text = static_cast<const char*>(text) + clampedFirst;
            model = model.substr(clampedFirst);
            break;
        case 4: {
            const int found = text.Find(piece.c_str(), first);
            const size_t expected = first < 0 || first > static_cast<int>(model.size()) ? std::string::npos
                                                                                       : model.find(piece, first);
            FUZZ_CHECK(found == (expected == std::string::npos ? -1 : static_cast<int>(expected)),
                       "Find finds the first match");
            break;
        }
        case 5: {
            const int replaced = text.Replace(piece.c_str(), "<&>");
            int expected = 0;
            if (!piece.empty()) {
                for (size_t at = model.find(piece); at != std::string::npos; at = model.find(piece, at + 3)) {
                    model.replace(at, piece.size(), "<&>");
                    ++expected;
                }
            }
            FUZZ_CHECK(replaced == expected, "Replace counts what it replaced");
            break;
        }
        case 6:
            text.Insert(first, piece.c_str());
            model.insert(clampedFirst, piece);
            break;
        case 7:
            text.Insert(first, static_cast<const char*>(text) + clampedFirst);
            model.insert(clampedFirst, model.substr(clampedFirst));
            break;
        case 8:
            text.Delete(first, count);
            if (first >= 0 && first < static_cast<int>(model.size()) && count > 0)
                model.erase(first, count);
            else if (first < 0 && count > 0)
                model.erase(0, count);
            break;
        case 9:
            text.TrimLeft(piece.c_str());
            text.TrimRight(piece.c_str());
            model.erase(0, model.find_first_not_of(piece));
            model.erase(model.find_last_not_of(piece) + 1);
            break;
        case 10:
            text.MakeUpper();
            model = Upper(model);
            break;
        default: {
            CString formatted;
            formatted.Format("%s|%d|%s", static_cast<const char*>(text), count, piece.c_str());
            text = formatted;
            model = model + "|" + std::to_string(count) + "|" + piece;
            break;
        }
        }
        FUZZ_CHECK(Holds(text, model), "the string holds what the operations made");
    }
}

void RunStringBuffer(FuzzedDataProvider& input)
{
    std::vector<std::string> kept;
    std::vector<const char*> handed;
    const int count = input.ConsumeIntegralInRange(1, UStringBuffer::kRingSize);
    for (int i = 0; i < count; ++i) {
        kept.push_back(input.ConsumeRandomLengthString(100).c_str());
        handed.push_back(UStringBuffer::Text(kept.back().c_str()));
    }
    for (int i = 0; i < count; ++i)
        FUZZ_CHECK(kept[i] == handed[i], "a text stays intact for a ring of requests");

    const std::string file = input.ConsumeRemainingBytesAsString();
    const char* text = file.c_str();
    const char* converted = UStringBuffer::ToMultiByte(text, CP_UTF8);
    FUZZ_CHECK(std::strlen(converted) <= std::strlen(text), "a converted text is no longer");
    const bool ascii = std::all_of(text, text + std::strlen(text), [](char c) { return c > 0; });
    if (ascii)
        FUZZ_CHECK(std::strcmp(converted, text) == 0, "plain ASCII comes back unchanged");
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0) == 0)
        FUZZ_CHECK(std::strcmp(converted, text) == 0, "text that is no UTF-8 keeps its bytes");
    const wchar_t* wide = UStringBuffer::ToWide(text);
    FUZZ_CHECK(std::strcmp(UStringBuffer::ToMultiByte(wide), text) == 0,
               "ANSI text survives a trip through UTF-16");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0:
        RunHandle(input);
        break;
    case 1:
        RunString(input);
        break;
    default:
        RunStringBuffer(input);
        break;
    }
    return 0;
}

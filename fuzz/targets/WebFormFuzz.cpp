// Form parameters of a web request: the names and values given to CWebXml::AddParam, as
// the form body and the query of the address.
//
// - The body splits at "&" into exactly the pairs that were taken (both texts non-empty,
//   in order), each pair at its only "=" into the encoded name and value, and these decode
//   back to the texts given: no pair's text leaks across a separator.
// - The address is site + path, then "?" and the body when there is one.
// - A parameter with an empty name or value has no text; Reset forgets every parameter.
#include "FuzzCheck.h"

#include "net/WebParam.h"
#include "net/WebXml.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <utility>
#include <vector>

namespace {

const int kMaxParams = 24;

int DigitValue(char digit)
{
    return digit >= '0' && digit <= '9' ? digit - '0' : digit >= 'A' && digit <= 'F' ? digit - 'A' + 10 : -1;
}

// The text of an encoded piece; false when it holds anything but safe bytes and escapes.
bool Decode(const std::string& encoded, std::string& text)
{
    text.clear();
    for (size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '&' || encoded[i] == '=')
            return false;
        if (encoded[i] != '%') {
            text += encoded[i];
            continue;
        }
        if (i + 2 >= encoded.size() || DigitValue(encoded[i + 1]) < 0 || DigitValue(encoded[i + 2]) < 0)
            return false;
        text += static_cast<char>(DigitValue(encoded[i + 1]) * 16 + DigitValue(encoded[i + 2]));
        i += 2;
    }
    return true;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> pieces;
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        pieces.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return pieces;
        start = end + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string site = input.ConsumeRandomLengthString(40).c_str();
    const std::string path = input.ConsumeRandomLengthString(40).c_str();
    CWebXml web;
    web.SetSite(site.c_str());
    web.SetPath(path.c_str());

    std::vector<std::pair<std::string, std::string>> taken;
    for (int i = 0; i < kMaxParams && input.remaining_bytes() > 0; ++i) {
        const std::string name = input.ConsumeRandomLengthString(60).c_str();
        if (input.ConsumeBool()) {
            const int number = input.ConsumeIntegral<int>();
            web.AddParam(name.c_str(), number);
            if (!name.empty())
                taken.emplace_back(name, std::to_string(number));
        } else {
            const std::string value = input.ConsumeRandomLengthString(120).c_str();
            web.AddParam(name.c_str(), value.c_str());
            if (!name.empty() && !value.empty())
                taken.emplace_back(name, value);
        }
    }

    const std::string body = static_cast<const char*>(web.GetParams());
    FUZZ_CHECK(body.empty() == taken.empty(), "a body exactly when a parameter was taken");
    if (!taken.empty()) {
        const std::vector<std::string> pairs = Split(body, '&');
        FUZZ_CHECK(pairs.size() == taken.size(), "one pair for each parameter taken");
        for (size_t i = 0; i < pairs.size(); ++i) {
            const std::vector<std::string> parts = Split(pairs[i], '=');
            FUZZ_CHECK(parts.size() == 2, "a pair is a name and a value");
            std::string name;
            std::string value;
            FUZZ_CHECK(Decode(parts[0], name) && Decode(parts[1], value), "a pair holds encoded texts only");
            FUZZ_CHECK(name == taken[i].first && value == taken[i].second, "a pair decodes to what was given");
        }
    }
    const std::string url = static_cast<const char*>(web.GetUrl());
    FUZZ_CHECK(url == site + path + (body.empty() ? "" : "?" + body), "the address is site, path and query");

    CWebParam param;
    param.SetName(taken.empty() ? "n" : taken[0].first.c_str());
    FUZZ_CHECK(param.GetParam().IsEmpty(), "a parameter without a value has no text");
    web.Reset();
    FUZZ_CHECK(web.GetParams().IsEmpty(), "Reset forgets the parameters");
    return 0;
}

// Names and values of form parameters, encoded for a web address or a form body.
//
// - The encoded text holds only letters, digits, ! ' ( ) * - . _ and "%" with two
//   upper-case hexadecimal digits; those nine marks and the letters and digits stay as
//   they are, every other byte is escaped.
// - Decoding it gives the text back, byte for byte (a text ends at its first zero byte).
#include "FuzzCheck.h"

#include "net/UrlEncoder.h"

#include <cstring>

namespace {

const char kKept[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!'()*-._";

int DigitValue(char digit)
{
    return digit >= '0' && digit <= '9' ? digit - '0' : digit >= 'A' && digit <= 'F' ? digit - 'A' + 10 : -1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A heap copy of exactly the text and its terminator: nothing beyond it is readable.
    const size_t length = strnlen(reinterpret_cast<const char*>(data), size);
    char* text = new char[length + 1];
    std::memcpy(text, data, length);
    text[length] = '\0';

    const CString encoded = UUrlEncoder::EncodeParam(text);
    const char* digits = encoded;
    const size_t encodedLength = std::strlen(digits);
    FUZZ_CHECK(static_cast<size_t>(encoded.GetLength()) == encodedLength, "no zero byte inside");
    std::string decoded;
    for (size_t i = 0; i < encodedLength; ++i) {
        if (digits[i] != '%') {
            FUZZ_CHECK(std::strchr(kKept, digits[i]) != nullptr, "only safe bytes stay as they are");
            decoded += digits[i];
            continue;
        }
        FUZZ_CHECK(i + 2 < encodedLength, "two digits follow %");
        const int high = DigitValue(digits[i + 1]);
        const int low = DigitValue(digits[i + 2]);
        FUZZ_CHECK(high >= 0 && low >= 0, "two upper-case hexadecimal digits follow %");
        const char byte = static_cast<char>(high * 16 + low);
        FUZZ_CHECK(byte != '\0' && std::strchr(kKept, byte) == nullptr, "a safe byte is never escaped");
        decoded += byte;
        i += 2;
    }
    FUZZ_CHECK(decoded == std::string(text, length), "decoding gives the text back");
    FUZZ_CHECK(UUrlEncoder::EncodeParam(nullptr).IsEmpty(), "null encodes as nothing");
    delete[] text;
    return 0;
}

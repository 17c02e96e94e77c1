// Hexadecimal texts: 64-bit numbers and byte blocks in settings files, and any text a
// damaged file puts in their place.
//
// - Bytes written as text read back as the same bytes, in both byte orders; the text has
//   two upper-case digits per byte.
// - Any text reads as half its length in bytes, without reading past its end.
#include "FuzzCheck.h"

#include "HexConverter.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (bool reverse : { false, true }) {
        const char* text = UHexConverter::MakeText(data, static_cast<unsigned long>(size), reverse);
        FUZZ_CHECK(std::strlen(text) == 2 * size, "two digits per byte");
        FUZZ_CHECK(std::strspn(text, "0123456789ABCDEF") == 2 * size, "upper-case digits only");
        const unsigned char* bytes = UHexConverter::MakeData(text, reverse);
        FUZZ_CHECK(size == 0 || std::memcmp(bytes, data, size) == 0, "the bytes read back");
    }
    if (size > 0) {
        const char* digits = UHexConverter::MakeTextFromChar(data[0]);
        FUZZ_CHECK(std::strlen(digits) == 2 && UHexConverter::MakeData(digits, false)[0] == data[0],
                   "one byte reads back");
    }

    // A heap copy of exactly the text and its terminator: nothing beyond it is readable.
    const size_t length = strnlen(reinterpret_cast<const char*>(data), size);
    char* text = new char[length + 1];
    std::memcpy(text, data, length);
    text[length] = '\0';
    const bool reverse = size > 0 && (data[0] & 1);
    const unsigned char* bytes = UHexConverter::MakeData(text, reverse);
    const char* back = UHexConverter::MakeText(bytes, static_cast<unsigned long>(length / 2), reverse);
    FUZZ_CHECK(std::strlen(back) == length / 2 * 2, "a text reads as half its length");
    delete[] text;
    return 0;
}

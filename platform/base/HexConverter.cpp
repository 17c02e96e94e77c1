#include "HexConverter.h"

#include "StringBuffer.h"

#include <cstring>

namespace {

const char kDigits[] = "0123456789ABCDEF";

unsigned char DigitValue(char digit)
{
    if (digit >= '0' && digit <= '9')
        return static_cast<unsigned char>(digit - '0');
    if (digit >= 'A' && digit <= 'F')
        return static_cast<unsigned char>(digit - 'A' + 10);
    if (digit >= 'a' && digit <= 'f')
        return static_cast<unsigned char>(digit - 'a' + 10);
    return 0;
}

} // namespace

char* UHexConverter::MakeText(const void* data, unsigned long size, bool reverse)
{
    if (!data)
        size = 0;
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    char* text = UStringBuffer::Reserve(size * 2);
    for (unsigned long i = 0; i < size; ++i) {
        unsigned char byte = bytes[reverse ? size - 1 - i : i];
        text[2 * i] = kDigits[byte >> 4];
        text[2 * i + 1] = kDigits[byte & 0x0F];
    }
    return text;
}

char* UHexConverter::MakeTextFromChar(unsigned char byte)
{
    return MakeText(&byte, 1, false);
}

unsigned char* UHexConverter::MakeData(const char* text, bool reverse)
{
    size_t size = text ? std::strlen(text) / 2 : 0;
    unsigned char* data = reinterpret_cast<unsigned char*>(UStringBuffer::Reserve(size));
    for (size_t i = 0; i < size; ++i) {
        unsigned char byte =
            static_cast<unsigned char>(DigitValue(text[2 * i]) << 4 | DigitValue(text[2 * i + 1]));
        data[reverse ? size - 1 - i : i] = byte;
    }
    return data;
}

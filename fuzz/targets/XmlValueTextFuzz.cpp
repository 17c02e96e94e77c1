// Value texts of the XML layer: what an application stores in a settings value, and what
// a file holds between two tags.
//
// - Encoding then decoding gives the value back, and the encoded text holds no "<", so
//   the document can carry it.
// - A value without "<" and without the two references is written byte for byte, as
//   files written before the references existed were.
// - Decoding any text only ever shortens it.
#include "FuzzCheck.h"

#include "persist/XmlValueText.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Values are C strings: a zero byte ends them.
    const std::string value(reinterpret_cast<const char*>(data), size);
    const char* text = value.c_str();

    const CString encoded = UXmlValueText::Encode(text);
    FUZZ_CHECK(!std::strchr(encoded, '<'), "an encoded value holds no \"<\"");
    FUZZ_CHECK(UXmlValueText::Decode(encoded) == text, "decoding an encoded value gives it back");
    if (!std::strchr(text, '<') && !std::strstr(text, "&#60;") && !std::strstr(text, "&#38;"))
        FUZZ_CHECK(encoded == text, "a plain value is written as it is");

    const CString decoded = UXmlValueText::Decode(text);
    FUZZ_CHECK(decoded.GetLength() <= static_cast<int>(std::strlen(text)),
               "decoding never lengthens a text");
    return 0;
}

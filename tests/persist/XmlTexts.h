#pragma once
#include "tnwmfcut.h"

#include <string>

// The first line of every document the library writes, spelled out here so that a changed
// declaration fails the byte-exact tests.
const std::string kDeclarationLine = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";

// A handle's bytes, to compare in one assertion.
inline std::string Bytes(const CHandle& handle)
{
    return std::string(reinterpret_cast<const char*>(handle.GetBuffer()), handle.GetSize());
}

// What a node writes into an empty handle.
inline std::string Written(CXmlNode& node)
{
    CHandle out;
    node.Write(out, 0);
    return Bytes(out);
}

#pragma once
#include "persist/XmlNode.h"

// The top node of a document: its text form begins with the declaration line
// "<?xml version="1.0" encoding="UTF-8" ?>", and parsing insists on it.
//
// Parse accepts only a text whose very first bytes are "<?xml version=" (no byte order
// mark, no blank before it); the root element is the first element after the
// declaration's ">". The declaration always names UTF-8, whatever the bytes are.
class AFX_EXT_CLASS CXmlDocument : public CXmlNode {
public:
    static const char kDeclaration[];

    // Writes the declaration line, then the node as CXmlNode does; the declaration is
    // written even when the node itself writes nothing.
    void WriteSelf(CHandle& out, unsigned short depth) override;
    // Null when the text does not begin with the declaration or holds no element after
    // it; the node is then left as it was.
    const char* Parse(const char* text) override;
};

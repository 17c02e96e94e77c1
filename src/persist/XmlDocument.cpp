#include "persist/XmlDocument.h"

#include <cstring>

const char CXmlDocument::kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>";

namespace {

const char kDeclarationStart[] = "<?xml version=";

} // namespace

void CXmlDocument::WriteSelf(CHandle& out, unsigned short depth)
{
    WriteText(out, kDeclaration);
    WriteNewLine(out);
    CXmlNode::WriteSelf(out, depth);
}

const char* CXmlDocument::Parse(const char* text)
{
    const size_t startLength = sizeof kDeclarationStart - 1;
    if (!text || std::strncmp(text, kDeclarationStart, startLength) != 0)
        return nullptr;
    const char* declarationEnd = std::strchr(text + startLength, '>');
    if (!declarationEnd)
        return nullptr;
    const char* rootStart = std::strchr(declarationEnd + 1, '<');
    if (!rootStart)
        return nullptr;
    return CXmlNode::Parse(rootStart + 1);
}

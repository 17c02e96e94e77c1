#include "XmlDamage.h"

#include "DocumentMutator.h"
#include "tnwmfcut.h"

#include <cstring>

namespace {

std::string Text(const CHandle& handle)
{
    return std::string(reinterpret_cast<const char*>(handle.GetBuffer()), handle.GetSize());
}

// The rules every parsed node keeps: keys in key form without markup, values without
// "<", text beside children dropped, children in order with their parent set, and
// lookups finding the first child of a key.
std::string CheckNode(CXmlNode& node)
{
    const CString& key = node.GetKey();
    if (key.FindOneOf(" <>") >= 0)
        return "key not in key form: " + std::string(key);
    if (node.GetValue().Find('<') >= 0)
        return "value holds <";
    if (node.GetChildCount() > 0 && !node.GetValue().IsEmpty())
        return "value beside children";
    for (int i = 0; i < node.GetChildCount(); ++i) {
        CXmlNode* child = node.GetChildAt(i);
        if (child->GetParent() != &node)
            return "child without its parent";
        if (i > 0 && std::strcmp(node.GetChildAt(i - 1)->GetKey(), child->GetKey()) > 0)
            return "children out of order";
        CXmlNode* found = node.FindChild(child->GetKey(), false);
        if (!found || found->GetKey() != child->GetKey())
            return "child not found: " + std::string(child->GetKey());
        if (found != child && (i == 0 || node.GetChildAt(i - 1)->GetKey() != child->GetKey()))
            return "not the first child of its key found";
    }
    return std::string();
}

std::string CheckTree(CXmlNode& top)
{
    std::vector<CXmlNode*> pending{ &top };
    while (!pending.empty()) {
        CXmlNode* node = pending.back();
        pending.pop_back();
        const std::string fault = CheckNode(*node);
        if (!fault.empty())
            return fault;
        for (int i = 0; i < node->GetChildCount(); ++i)
            pending.push_back(node->GetChildAt(i));
    }
    return std::string();
}

} // namespace

std::vector<std::string> RealXmlDocuments()
{
    return {
        "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"
        "<Settings>\r\n"
        "<Count>3</Count>\r\n"
        "<Encoder>\r\n"
        "<Bit_Rate>128000</Bit_Rate>\r\n"
        "<Codec>mp3</Codec>\r\n"
        "<Quality>0.750000</Quality>\r\n"
        "</Encoder>\r\n"
        "<Has_Data>1</Has_Data>\r\n"
        "<Key>0100000000000000</Key>\r\n"
        "<Recent>\r\n"
        "<File>C:\\media\\clip one.avi</File>\r\n"
        "<File>C:\\media\\clip two.avi</File>\r\n"
        "</Recent>\r\n"
        "<Title>Tom &amp; Jerry > 2 &#60; 3</Title>\r\n"
        "<Window>\r\n"
        "<Left>10</Left>\r\n"
        "<Top>-5</Top>\r\n"
        "</Window>\r\n"
        "</Settings>\r\n",

        "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"
        "<answer>\r\n"
        "<data>\r\n"
        "<Package>\r\n<Name>Converter</Name>\r\n<Size>1048576</Size>\r\n</Package>\r\n"
        "</data>\r\n"
        "<message>Your key was accepted.</message>\r\n"
        "<result>1</result>\r\n"
        "</answer>\r\n",

        "<?xml version='1.0'?>\n"
        "<!-- edited by hand -->\n"
        "<Settings>\n"
        "  <Title>My title</Title>\n"
        "  <Enabled/>\n"
        "  <Empty />\n"
        "  <Window>\n    <Top>5</Top>\n    <Left>  7 </Left>\n  </Window>\n"
        "</Settings>\n",
    };
}

std::string CheckDamagedXml(const std::string& bytes)
{
    CXmlReader reader;
    {
        CGuardedText text(bytes);
        reader.Parse(text.Text());
    }
    if (!reader.HasData())
        return std::string();
    const std::string fault = CheckTree(*reader.GetTopNode());
    if (!fault.empty())
        return fault;

    CHandle written;
    reader.GetTopNode()->Write(written, 0);
    // The top node is the document; its copy is a plain node, written without the
    // declaration line.
    CXmlNode copy(*reader.GetTopNode());
    CHandle copyWritten;
    copy.Write(copyWritten, 0);
    const std::string declarationLine = std::string(CXmlDocument::kDeclaration) + "\r\n";
    if (Text(written) != (copy.GetKey().IsEmpty() ? "" : declarationLine + Text(copyWritten)))
        return "a copy writes otherwise";

    CXmlReader again;
    {
        CGuardedText text(Text(written));
        again.Parse(text.Text());
    }
    return again.HasData() ? CheckTree(*again.GetTopNode()) : std::string();
}

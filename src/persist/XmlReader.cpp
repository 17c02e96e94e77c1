#include "persist/XmlReader.h"

#include "persist/PerUserPath.h"
#include "persist/WholeFile.h"
#include "persist/XmlValueText.h"
#include "tnwwndut.h"

#include <new>

CXmlReader::CXmlReader()
    : mTopNode(nullptr)
    , mOwnsTopNode(false)
    , mCurrentNode(nullptr)
{
}

CXmlReader::CXmlReader(const CXmlReader& other)
    : mFilePath(other.mFilePath)
    , mTopNode(nullptr)
    , mOwnsTopNode(false)
    , mCurrentNode(nullptr)
{
    AdoptTreeOf(other);
}

CXmlReader& CXmlReader::operator=(const CXmlReader& other)
{
    if (this != &other) {
        mFilePath = other.mFilePath;
        AdoptTreeOf(other);
    }
    return *this;
}

CXmlReader::~CXmlReader()
{
    DropTopNode();
}

void CXmlReader::AdoptTreeOf(const CXmlReader& other)
{
    if (other.mOwnsTopNode && other.mTopNode)
        SetTopNode(new CXmlNode(*other.mTopNode), true);
    else
        SetTopNode(other.mTopNode, false);
}

void CXmlReader::DropTopNode()
{
    if (mOwnsTopNode)
        delete mTopNode;
    mTopNode = nullptr;
    mOwnsTopNode = false;
    mCurrentNode = nullptr;
}

void CXmlReader::SetFilePath(const char* path)
{
    mFilePath = path ? path : "";
    CHandle data;
    if (!ReadData(data) || data.GetSize() == 0)
        return;
    // The parse ends at the first zero byte: this one stops it at the end of the file.
    if (data.Append("", 1))
        Parse(reinterpret_cast<const char*>(data.GetBuffer()));
}

CString& CXmlReader::GetFilePath()
{
    return mFilePath;
}

bool CXmlReader::ReadData(CHandle& data)
{
    const CString alternative = UPerUserPath::GetAlternative(mFilePath);
    if (!alternative.IsEmpty() && UFileUtils::FileExist(alternative))
        return ReallyReadData(alternative, data);
    return ReallyReadData(mFilePath, data);
}

bool CXmlReader::ReallyReadData(const char* path, CHandle& data)
{
    return UWholeFile::Read(path, CFile::shareDenyNone, data);
}

void CXmlReader::Parse(const char* text)
{
    CXmlDocument* document = new CXmlDocument;
    bool parsed = false;
    try {
        parsed = document->Parse(text) != nullptr;
    } catch (const std::bad_alloc&) {
        // A document whose tree does not fit in memory is no document for this reader.
    }
    if (parsed)
        SetTopNode(document, true);
    else
        delete document;
}

void CXmlReader::SetTopNode(CXmlNode* node, bool own)
{
    if (node == mTopNode) {
        mOwnsTopNode = own;
        mCurrentNode = nullptr;
        return;
    }
    DropTopNode();
    mTopNode = node;
    mOwnsTopNode = own;
}

CXmlNode* CXmlReader::GetTopNode() const
{
    return mTopNode;
}

CXmlNode* CXmlReader::GetCurrentNode() const
{
    return mCurrentNode;
}

void CXmlReader::EnterNode(const char* name)
{
    mCurrentNode = mCurrentNode ? mCurrentNode->FindChild(name, true) : mTopNode;
}

void CXmlReader::LeaveNode()
{
    if (mCurrentNode)
        mCurrentNode = mCurrentNode == mTopNode ? nullptr : mCurrentNode->GetParent();
}

CString CXmlReader::ReadValue(const char* name)
{
    CXmlNode* child = mCurrentNode ? mCurrentNode->FindChild(name, false) : nullptr;
    return child ? UXmlValueText::Decode(child->GetValue()) : CString();
}

bool CXmlReader::HasData() const
{
    return mTopNode != nullptr;
}

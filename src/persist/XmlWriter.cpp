#include "persist/XmlWriter.h"

#include "persist/PerUserPath.h"
#include "persist/WholeFile.h"
#include "persist/XmlValueText.h"
#include "tnwwndut.h"

#include <cstring>

CXmlWriter::CXmlWriter()
    : mCurrentNode(nullptr)
    , mWriteFailed(false)
{
}

CXmlWriter::CXmlWriter(const CXmlWriter& other)
    : mFilePath(other.mFilePath)
    , mCurrentNode(nullptr)
    , mWriteFailed(false)
{
}

CXmlWriter& CXmlWriter::operator=(const CXmlWriter& other)
{
    mFilePath = other.mFilePath;
    return *this;
}

CXmlWriter::~CXmlWriter()
{
    DropDocument();
}

void CXmlWriter::DropDocument()
{
    if (!mCurrentNode)
        return;
    CXmlNode* document = mCurrentNode;
    while (document->GetParent())
        document = document->GetParent();
    delete document;
    mCurrentNode = nullptr;
}

void CXmlWriter::SetFilePath(const char* path)
{
    mFilePath = path ? path : "";
}

CString& CXmlWriter::GetFilePath()
{
    return mFilePath;
}

void CXmlWriter::EnterNode(const char* name)
{
    if (mCurrentNode) {
        mCurrentNode = mCurrentNode->AddNode(name);
        return;
    }
    CXmlDocument* document = new CXmlDocument;
    document->SetKey(name);
    mCurrentNode = document;
}

void CXmlWriter::WriteValue(const char* name, const char* text)
{
    if (!mCurrentNode)
        return;
    // Most values need no references: they are not copied for nothing.
    if (text && std::strpbrk(text, "<&"))
        mCurrentNode->AddValue(name, UXmlValueText::Encode(text));
    else
        mCurrentNode->AddValue(name, text);
}

void CXmlWriter::LeaveNode()
{
    if (!mCurrentNode)
        return;
    if (mCurrentNode->GetParent()) {
        mCurrentNode = mCurrentNode->GetParent();
        return;
    }
    CHandle buffer;
    mCurrentNode->Write(buffer, 0);
    mWriteFailed = !IsWhole(buffer, *mCurrentNode) || !WriteData(buffer);
    DropDocument();
}

bool CXmlWriter::IsWhole(const CHandle& text, const CXmlNode& document)
{
    // A node writes all of itself or, when its text does not fit in memory, nothing; the
    // declaration line comes first either way.
    const unsigned long declaration = static_cast<unsigned long>(std::strlen(CXmlDocument::kDeclaration)) + 2;
    const bool hasElements = !document.GetKey().IsEmpty() &&
                             (!document.GetValue().IsEmpty() || document.GetChildCount() > 0);
    return hasElements ? text.GetSize() > declaration : text.GetSize() == declaration;
}

bool CXmlWriter::WriteData(CHandle& data)
{
    if (ReallyWriteData(mFilePath, data))
        return true;
    const CString alternative = UPerUserPath::GetAlternative(mFilePath);
    return !alternative.IsEmpty() && ReallyWriteData(alternative, data);
}

bool CXmlWriter::ReallyWriteData(const char* path, CHandle& data)
{
    if (!path || !*path)
        return false;
    UDirectoryUtils::EstablishPath(path);
    return UWholeFile::Replace(path, data.GetBuffer(), data.GetSize());
}

bool CXmlWriter::HasWriteFailed() const
{
    return mWriteFailed;
}

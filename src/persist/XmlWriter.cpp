#include "persist/XmlWriter.h"

#include "persist/PerUserPath.h"
#include "persist/WholeFile.h"
#include "persist/XmlValueText.h"
#include "tnwwndut.h"

#include <climits>
#include <cstring>

CXmlWriter::CXmlWriter()
    : mCurrentNode(nullptr)
    , mWriteFailed(false)
    , mTextSize(0)
{
}

CXmlWriter::CXmlWriter(const CXmlWriter& other)
    : mFilePath(other.mFilePath)
    , mCurrentNode(nullptr)
    , mWriteFailed(false)
    , mTextSize(0)
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
    } else {
        CXmlDocument* document = new CXmlDocument;
        document->SetKey(name);
        mCurrentNode = document;
        // The declaration line.
        mTextSize = std::strlen(CXmlDocument::kDeclaration) + 2;
    }
    // "<key>" and "</key>" on lines of their own.
    const CXmlNode* entered = mCurrentNode;
    mTextSize += 2 * static_cast<unsigned long long>(entered->GetKey().GetLength()) + 9;
}

void CXmlWriter::WriteValue(const char* name, const char* text)
{
    if (!mCurrentNode)
        return;
    // Most values need no references: they are not copied for nothing.
    const char* at = text ? text : "";
    while (*at && *at != '<' && *at != '&')
        ++at;
    const CXmlNode* added =
        *at ? mCurrentNode->AddValue(name, UXmlValueText::Encode(text)) : mCurrentNode->AddValue(name, text);
    // "<key>value</key>" on a line.
    if (added)
        mTextSize += 2 * static_cast<unsigned long long>(added->GetKey().GetLength()) + added->GetValue().GetLength() + 7;
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
    // Only room: when it cannot be had, the text finds room as it grows, or fails whole.
    if (mTextSize < ULONG_MAX)
        buffer.Allocate(static_cast<unsigned long>(mTextSize), false, false);
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

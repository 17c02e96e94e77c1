#pragma once
#include "persist/XmlDocument.h"

// Builds a document from nested EnterNode / WriteValue / LeaveNode calls and writes it to
// its file when the outermost node is left. A document that is never left is never
// written (the destructor drops it).
//
// A path inside the all-users application-data folder is written there first and, only
// when that fails, to its per-user counterpart (UPerUserPath).
//
// Decisions of this library:
// - The file is replaced only once the new document is complete on disk
//   (UWholeFile::Replace): a crash or a full disk while writing leaves the previous file
//   as it was.
// - LeaveNode reports nothing, as before; HasWriteFailed tells afterwards whether the
//   last document left could not be written at any path. A document whose text does not
//   fit in memory is not written at all: the file keeps what it held.
// - A value holding "<" is kept, written with character references (UXmlValueText);
//   CXmlNode::SetValue itself still refuses such a text.
// - A copy takes the file path only: an open document stays with the writer that built it.
class AFX_EXT_CLASS CXmlWriter {
public:
    CXmlWriter();
    CXmlWriter(const CXmlWriter& other);
    CXmlWriter& operator=(const CXmlWriter& other);
    virtual ~CXmlWriter();

    void SetFilePath(const char* path);
    CString& GetFilePath();

    void EnterNode(const char* name);
    // Adds nothing for a null or empty text, or when no document is open.
    void WriteValue(const char* name, const char* text);
    void LeaveNode();

    bool WriteData(CHandle& data);
    bool ReallyWriteData(const char* path, CHandle& data);

    bool HasWriteFailed() const;

private:
    void DropDocument();
    // Whether text holds all that document writes.
    static bool IsWhole(const CHandle& text, const CXmlNode& document);

    CString mFilePath;
    CXmlNode* mCurrentNode;
    bool mWriteFailed;
    // No less than the bytes of the open document's text, so that the text is written
    // into room made once.
    unsigned long long mTextSize;
};

#pragma once
#include "persist/XmlDocument.h"

// Reads a document once (from a file in SetFilePath, from a text in Parse, or takes a tree
// in SetTopNode) and then answers value lookups by name inside the node entered last.
// Entering a missing element creates an empty one in the reader's tree, so that every
// value below it reads as missing.
//
// A path inside the all-users application-data folder is read from its per-user
// counterpart (UPerUserPath) when that file exists.
//
// Any bytes are safe to read: the parse stops at the first zero byte or at the end of the
// file, never reads beyond the data, and does not recurse however deep the elements nest.
// A file that cannot be read or does not begin with the declaration leaves the reader
// without data: HasData is false and every ReadValue is empty.
//
// Decisions of this library:
// - Leaving the top node leaves the tree (no current node), even when the top node was
//   handed over with a parent of its own.
// - A new top node replaces the old one (deleting it when owned) and the reader is back
//   before its first enter.
// - ReadValue turns the character references of UXmlValueText back into "<" and "&".
// - A copy shares a tree the reader does not own and gets its own copy of a tree it owns
//   (plain nodes: a reader only looks values up); the copy starts before the first enter.
class AFX_EXT_CLASS CXmlReader {
public:
    CXmlReader();
    CXmlReader(const CXmlReader& other);
    CXmlReader& operator=(const CXmlReader& other);
    virtual ~CXmlReader();

    // Stores path, reads the file and parses it when it gave at least one byte.
    void SetFilePath(const char* path);
    CString& GetFilePath();

    bool ReadData(CHandle& data);
    // Gives exactly the file's bytes.
    bool ReallyReadData(const char* path, CHandle& data);

    // Parses a whole document, declaration first; a text that is no document changes
    // nothing.
    void Parse(const char* text);
    void SetTopNode(CXmlNode* node, bool own);
    CXmlNode* GetTopNode() const;
    CXmlNode* GetCurrentNode() const;

    void EnterNode(const char* name);
    void LeaveNode();
    CString ReadValue(const char* name);
    bool HasData() const;

private:
    void AdoptTreeOf(const CXmlReader& other);
    void DropTopNode();

    CString mFilePath;
    CXmlNode* mTopNode;
    bool mOwnsTopNode;
    CXmlNode* mCurrentNode;
};

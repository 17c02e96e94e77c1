#pragma once
#include "BaseExport.h"

// A growable block of bytes: file contents, encoded images, the text form of documents.
//
// Allocate(size, setSize, zeroFill) makes room for size bytes. With setSize the block then
// holds exactly size bytes (growing or shrinking it); otherwise only room is made for
// later appends. With zeroFill the bytes the block gains are zero; without it they are
// left as the memory came, for callers that overwrite them at once (a file read).
// Every operation that can run out of memory answers false and leaves the block as it was.
//
// GetBuffer is null until the block has had room for at least one byte. Copies copy the
// bytes. Not locked: guard a block shared by threads.
class TNWBS_CLASS CHandle {
public:
    CHandle();
    CHandle(const CHandle& other);
    CHandle& operator=(const CHandle& other);
    virtual ~CHandle();

    // Drops every byte and gives the memory back.
    virtual void Empty();

    bool Allocate(unsigned long size, bool setSize, bool zeroFill);
    // Grows (with zero bytes) or shrinks the block to size bytes.
    bool SetSize(unsigned long size);
    unsigned long GetSize() const;
    // The bytes the block holds room for, its size or more.
    unsigned long GetCapacity() const { return mCapacity; }
    unsigned char* GetBuffer();
    const unsigned char* GetBuffer() const;
    // Adds size bytes of data at the end.
    bool Append(const void* data, unsigned long size);

private:
    bool Reserve(unsigned long capacity);

    unsigned char* mBuffer;
    unsigned long mSize;
    unsigned long mCapacity;
};

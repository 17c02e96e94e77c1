#pragma once
#include "WindowExport.h"

#include <windows.h>

#include <string>
#include <vector>

// Several files read as one byte stream: the parts follow each other in the order they
// were added, and positions and lengths run over all of them (64-bit). A recording split
// into pieces is copied as one file this way; usually there is a single part.
//
// Open opens every part at once and fixes each part's length then, so that a part that
// changes while the stream is open cannot shift the bytes of the parts after it: a part
// found shorter than it was ends the read there, and the caller sees a short read. A
// copy of a multi-file has the same parts and is closed; the open handles belong to the
// original alone.
class TNWWND_CLASS CMultiFile {
public:
    enum EOpenMode { kOpenRead = 0 };
    enum ESeekOrigin { kBegin = 0, kCurrent = 1, kEnd = 2 };

    CMultiFile();
    CMultiFile(const CMultiFile& other);
    CMultiFile& operator=(const CMultiFile& other);
    ~CMultiFile();

    // Appends a part; false for a null or empty path. Parts added while the stream is
    // open count from the next Open.
    bool AddFile(const char* path);
    // Closes the stream and forgets every part.
    void RemoveAll();
    int GetFileCount() const { return static_cast<int>(mParts.size()); }
    std::string GetFilePath(int index) const;

    // Opens every part for reading, shared with other readers and writers; mode must be
    // kOpenRead. False when there is no part or any part cannot be opened (then nothing
    // stays open). An open stream is closed first.
    bool Open(int mode);
    void Close();
    bool IsOpen() const { return mOpen; }

    // The length of the whole stream: as fixed by Open while open, else the parts' sizes
    // on disk now.
    __int64 GetLength() const;
    __int64 GetPosition() const { return mPosition; }
    // Moves to offset from the origin and returns the position reached: a target past the
    // end stops at the end. -1 (and no move) when the stream is closed or the target lies
    // before the start.
    __int64 Seek(__int64 offset, int origin);
    // Reads up to count bytes from the position on, across parts; returns how many were
    // read, fewer at the end of the stream or when a part was found shorter.
    unsigned long Read(void* buffer, unsigned long count);

    // A description for progress texts: the file name of the only part, the first one's
    // followed by " and N more" for several, empty for none.
    std::string GetText() const;

private:
    struct SPart {
        std::string path;
        HANDLE handle = INVALID_HANDLE_VALUE;
        __int64 length = 0;
    };

    // Reads count bytes from partOffset of one part; false when the part gave fewer.
    bool ReadPart(size_t index, __int64 partOffset, char* buffer, unsigned long count, unsigned long& got);

    std::vector<SPart> mParts;
    bool mOpen = false;
    __int64 mPosition = 0;
};

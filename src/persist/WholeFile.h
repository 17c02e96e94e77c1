#pragma once
#include "afx.h"
#include "tnwbscut.h"

// Files read and written whole, as settings files are.
//
// Replace never leaves a half-written file where a good one was: the bytes go to
// "<path>.new" beside the file, are flushed to disk, and that file is then renamed over
// the old one. A crash or a full disk while writing leaves the previous file as it was,
// and a failed write removes its partial file again.
class AFX_EXT_CLASS UWholeFile {
public:
    // The file's bytes, exactly, opened for reading with shareMode (one of CFile's share
    // flags), with room for one byte more (a terminating zero) already reserved. False
    // when the file cannot be opened, read or held in memory; data is then empty.
    static bool Read(const char* path, UINT shareMode, CHandle& data);
    // Makes size bytes of data the whole content of path. The file's folder must exist.
    static bool Replace(const char* path, const void* data, unsigned long size);
};

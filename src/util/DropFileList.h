#pragma once
#include "tnwbscut.h"
#include "util/Path.h"

#include <shellapi.h>

// The files and folders dropped onto a window, one owned path each; folders are read
// whole.
//
// Decision of this library: each dropped name is fetched at its full length, so a path
// near or beyond the classic 260 characters is never cut short.
class AFX_EXT_CLASS CDropFileList {
public:
    CDropFileList();
    explicit CDropFileList(HDROP drop);
    virtual ~CDropFileList();
    CDropFileList(const CDropFileList&) = delete;
    CDropFileList& operator=(const CDropFileList&) = delete;

    // Adds the dropped items to the list.
    void Populate(HDROP drop);
    int GetPathCount() const;
    // Null for an index out of range.
    CPath* GetPath(int index) const;
    // Takes the entry out of the list without deleting it: the caller owns it from then.
    void LetLoose(CPath* path);

private:
    CPointerList mPaths;
};

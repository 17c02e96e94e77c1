#pragma once
#include "WindowExport.h"

#include <string>

// The file version stamped into a program's or library's version resource, read once
// when the object is made.
//
// The text is "major.minor.build", the form the family's about boxes and title lines
// show; the fourth (private) part follows only when it is not 0, so that two test builds
// of one release can still be told apart. A file that does not exist or carries no version
// resource has an empty text.
class TNWWND_CLASS CVersion {
public:
    explicit CVersion(const char* path);

    bool HasVersion() const { return mHasVersion; }
    std::string GetVersionText() const;

private:
    bool mHasVersion = false;
    unsigned short mParts[4] = {};
};

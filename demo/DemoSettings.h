#pragma once
#include "tnwmfcut.h"

#include <vector>

// What the sample converter remembers between runs, kept in "Data.xml" in the user's
// application-data folder: how many runs saved them and when the last one did, where converted
// clips go, whether originals are kept, and the quality preset last chosen.
class CDemoSettings : public CPersistObject {
public:
    static const char* const kFileName;

    CDemoSettings();

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // One line per property, as the tour shows them.
    std::vector<CString> Describe();

    unsigned long mRuns;
    CString mLastRun;
    CString mOutputFolder;
    bool mKeepOriginals;
    CNamedValue mPreset;
};

#pragma once
#include "afx.h"

#include "tnwbscut.h"
#include "tnwwndut.h"

#include <vector>

// A skin: a folder holding "skin.ini", which gives the positions of the application's
// skinned windows (CSkinLocation), one section per location.
//
// One folder serves the whole application, the current folder: the first folder
// constructed takes the role and gives it up when it is destroyed; folders constructed
// while one holds it never take it. LoadAll and SaveAll ask the current folder to have
// every location load (kLoadAll) or save (kSaveAll) its numbers; SetFolder switches the
// folder to another skin and reloads the locations at once.
//
// The folder text ends in its separator: "skin.ini" is appended to it as it is.
//
// Decisions of this library:
// - Locations follow the role, not the object: every location that was constructed while
//   a current folder existed listens to whichever folder holds the role now, and reads and
//   writes that folder's "skin.ini". A folder that takes the role after another gave it up
//   therefore reloads and saves the same locations, and no location ever uses the file
//   binding of a folder that is gone.
// - A null or empty folder text names no folder: the profile is then unbound, and
//   locations fail to load or save rather than use a "skin.ini" wherever the current
//   directory happens to be.
class AFX_EXT_CLASS CSkinFolder : public CBroadcaster {
public:
    static constexpr long kLoadAll = 3950045;
    static constexpr long kSaveAll = 3950046;
    static const char* const kIniFileName;

    explicit CSkinFolder(const char* folder);
    ~CSkinFolder() override;
    CSkinFolder(const CSkinFolder&) = delete;
    CSkinFolder& operator=(const CSkinFolder&) = delete;

    // A different text (compared byte by byte) rebinds the profile and broadcasts
    // kLoadAll; the same text does nothing.
    void SetFolder(const char* folder);
    const CString& GetFolder() const { return mFolder; }
    // The folder's "skin.ini"; unbound while the folder text is empty.
    const CIniProfile& GetProfile() const { return mProfile; }

    // The folder that holds the role, or null.
    static CSkinFolder* GetCurrent() { return sCurrent; }
    // The current folder broadcasts kLoadAll (kSaveAll); without one nothing happens.
    static void LoadAll();
    static void SaveAll();

    // A location joins (leaves) the listeners of every folder that holds the role.
    static void Follow(CListener* location);
    static void Unfollow(CListener* location);

private:
    void BindProfile();

    CIniProfile mProfile;
    CString mFolder;

    static CSkinFolder* sCurrent;
    static std::vector<CListener*> sFollowers;
};

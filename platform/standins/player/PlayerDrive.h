#pragma once
#include <string>

// Stands in for a portable player plugged into the computer: the player's storage shows
// up as a drive letter for a folder while the object lives, and goes when it is
// unplugged or destroyed. Under Wine a drive letter is a link in the prefix's
// "dosdevices" folder; the object makes and removes that link with the system's own ln and
// rm (Wine starts Unix programs it is handed) and waits, bounded, until the letter comes
// or goes. A letter already in use is left alone: the player is then not plugged in.
class CStandInPlayerDrive {
public:
    CStandInPlayerDrive(char letter, const std::string& folder);
    ~CStandInPlayerDrive();
    CStandInPlayerDrive(const CStandInPlayerDrive&) = delete;
    CStandInPlayerDrive& operator=(const CStandInPlayerDrive&) = delete;

    bool IsPluggedIn() const { return mPluggedIn; }
    char Letter() const { return mLetter; }
    // "P:\"
    std::string Root() const { return std::string(1, mLetter) + ":\\"; }
    void Unplug();

    static bool IsMounted(char letter);

private:
    char mLetter;
    std::string mLink;
    bool mPluggedIn = false;
};

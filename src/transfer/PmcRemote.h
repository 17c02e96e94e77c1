#pragma once
#include "afxwin.h"

#include <oaidl.h>

class CPropertyCommand;

// Hands finished files to Windows Media Player: each file goes into the player's media
// library and, when a playlist name is set, into the first playlist of that name (made
// when there is none), so that the player's own synchronisation carries it to a portable
// media center. The player ("WMPlayer.OCX") is driven by name through its automation
// object; the calling thread must have initialised COM and keeps the player.
//
// Add answers whether the file arrived where it was sent: in the library and, with a
// playlist name, in that playlist. Older entries of the same file (the same path in any
// letter case, however long) are removed first, from the library and from the playlist,
// so that a file added twice is there once.
//
// Entries are removed from the library with the player's "delete the file" switch off:
// the entry of an older copy names the very file being added, and the user's file stays.
//
// Copies share the player, each with a reference of its own.
class AFX_EXT_CLASS CPmcRemote {
public:
    CPmcRemote();
    CPmcRemote(const CPmcRemote& other);
    CPmcRemote& operator=(const CPmcRemote& other);
    virtual ~CPmcRemote();

    // Creates the player; false when it is not installed or offers no automation.
    bool Initialize();
    void Finalize();
    // The player's "versionInfo"; empty without a player.
    CString GetVersion();
    void SetPlayList(const char* name);
    const CString& GetPlayList() const { return mPlayListName; }
    bool Add(const char* path);

protected:
    // Each returns an object reference the caller releases, or null.
    IDispatch* AddMedia(const char* path);
    void RemoveMediaFromLibrary(IDispatch* collection, const char* path);
    IDispatch* AddMediaToLibrary(IDispatch* collection, const char* path);
    IDispatch* CreatePlayList();
    void RemoveMediaFromPlayList(IDispatch* playlist, const char* path);
    bool AddMediaToPlayList(IDispatch* playlist, IDispatch* media);

private:
    CPropertyCommand* mPlayer = nullptr;
    CString mPlayListName;
};

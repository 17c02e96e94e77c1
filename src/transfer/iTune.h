#pragma once
#include "afxwin.h"
#include "transfer/InterfaceRef.h"
#include "transfer/iTunesInterfaces.h"

// Puts finished files into the iTunes library and, when a playlist name is set, into that
// user playlist (made when there is none of that name). iTunes is reached through its COM
// automation interface as a local server; the calling thread must have initialised COM.
// The object connects in ObtainInterface and lets go of iTunes at the end of every Add.
//
// Add reports whether the file arrived where it was sent: true when iTunes took the file
// (its operation status handed back the new track) and, with a playlist name, filed it in
// that user playlist. A name that belongs to a playlist of another kind (a smart or a
// device playlist) cannot take files: the file still goes into the library, and Add
// answers false.
//
// An older copy of the same file (a library track whose location is the file's path, in
// any letter case) is deleted only after the new one is in, so that a failed add loses
// nothing; the track iTunes handed back is never deleted, even when iTunes answered with
// the track it already had. Tracks of other files with the same title stay.
//
// Copies share the interfaces they hold, each with a reference of its own.
class AFX_EXT_CLASS CiTune {
public:
    // How long Add waits for iTunes to finish taking a file.
    static const DWORD kAddTimeoutMs = 30000;

    CiTune();
    CiTune(const CiTune& other);
    CiTune& operator=(const CiTune& other);
    virtual ~CiTune();

    // Takes effect at the next ObtainInterface.
    virtual void SetPlayList(const char* name);
    const CString& GetPlayList() const { return mPlayListName; }

    // Obtains what is missing; true when the library tracks are at hand.
    bool ObtainInterface();
    bool Add(const char* path);
    // Releases every interface; the playlist name stays.
    void Reset();

private:
    IITTrack* AddFile(const char* path);
    void RemoveOlderCopies(const char* path, IITTrack* added);

    CInterfaceRef<IiTunes> mApplication;
    CInterfaceRef<IITLibraryPlaylist> mLibraryPlaylist;
    CInterfaceRef<IITSource> mLibrarySource;
    CInterfaceRef<IITTrackCollection> mLibraryTracks;
    CInterfaceRef<IITPlaylistCollection> mPlaylists;
    CInterfaceRef<IITPlaylist> mPlaylist;
    CInterfaceRef<IITUserPlaylist> mUserPlaylist;
    CInterfaceRef<IITTrackCollection> mUserPlaylistTracks;
    CString mPlayListName;
};

// Helpers shared by the iTunes classes.
namespace UiTunes {
// The text of a BSTR, which is freed.
CString TakeText(BSTR text);
// The file location of a file track; empty for other tracks.
CString GetLocation(IITTrack* track);
// Whether two paths name the same file, letter case aside.
bool SamePath(const CString& path1, const CString& path2);
} // namespace UiTunes

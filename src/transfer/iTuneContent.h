#pragma once
#include "afxwin.h"
#include "transfer/InterfaceRef.h"
#include "transfer/iTunesInterfaces.h"

class CiTunesPlayList;

// Reads the iTunes library: its playlists and its tracks. Connects when it is made and
// stays connected until Reset or destruction; the calling thread must have initialised
// COM. Indexes count from 0. Out parameters keep their value when iTunes does not answer.
// Copies share the interfaces, each with a reference of its own.
class AFX_EXT_CLASS CiTuneContent {
public:
    CiTuneContent();
    virtual ~CiTuneContent();

    // Obtains what is missing; true when the library tracks are at hand.
    bool ObtainInterface();
    void Reset();

    int GetPlayListCount();
    // True when the playlist's name was read; a playlist that is not a user playlist
    // gives an empty name.
    bool GetPlayList(int index, CString& name);
    // A new object the caller deletes; null when there is no such playlist.
    CiTunesPlayList* GetPlayList(int index);
    CiTunesPlayList* GetPlayList(const char* name);
    int GetTrackCount();
    // True when the track exists.
    bool GetTrack(int index, CString& name, CString& genre, CString& artist);

private:
    CInterfaceRef<IiTunes> mApplication;
    CInterfaceRef<IITLibraryPlaylist> mLibraryPlaylist;
    CInterfaceRef<IITTrackCollection> mLibraryTracks;
    CInterfaceRef<IITSource> mLibrarySource;
    CInterfaceRef<IITPlaylistCollection> mPlaylists;
};

#pragma once
#include "afxwin.h"
#include "transfer/InterfaceRef.h"
#include "transfer/iTunesInterfaces.h"

// One playlist of the iTunes library and its tracks, for reading. A null playlist gives
// an empty object. Copies share the interfaces, each with a reference of its own.
class AFX_EXT_CLASS CiTunesPlayList {
public:
    explicit CiTunesPlayList(IITPlaylist* playlist);
    virtual ~CiTunesPlayList();

    // 0 without tracks or when iTunes does not answer.
    int GetTrackCount();
    // The file location of the track at index (from 0); duration (seconds) and album are
    // set when iTunes tells them. Empty when there is no such track or it is not a file
    // track.
    CString GetTrack(int index, double& duration, CString& album);

private:
    CInterfaceRef<IITPlaylist> mPlaylist;
    CInterfaceRef<IITTrackCollection> mTracks;
};

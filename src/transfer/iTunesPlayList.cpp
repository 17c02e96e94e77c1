#include "transfer/iTunesPlayList.h"

#include "transfer/iTune.h"

CiTunesPlayList::CiTunesPlayList(IITPlaylist* playlist)
{
    mPlaylist.Share(playlist);
    if (mPlaylist)
        mPlaylist->get_Tracks(mTracks.Receive());
}

CiTunesPlayList::~CiTunesPlayList() = default;

int CiTunesPlayList::GetTrackCount()
{
    long count = 0;
    return mTracks && SUCCEEDED(mTracks->get_Count(&count)) ? static_cast<int>(count) : 0;
}

CString CiTunesPlayList::GetTrack(int index, double& duration, CString& album)
{
    CInterfaceRef<IITTrack> track;
    long source = 0;
    if (!mTracks || FAILED(mTracks->get_Item(index + 1, track.Receive())) || !track
        || FAILED(track->get_SourceID(&source)))
        return CString();
    const CString location = UiTunes::GetLocation(track.Get());
    if (location.IsEmpty())
        return location;
    long seconds = 0;
    if (SUCCEEDED(track->get_Duration(&seconds)))
        duration = seconds;
    BSTR text = nullptr;
    if (SUCCEEDED(track->get_Album(&text)))
        album = UiTunes::TakeText(text);
    return location;
}

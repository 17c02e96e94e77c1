#include "transfer/iTuneContent.h"

#include "transfer/iTune.h"
#include "transfer/iTunesPlayList.h"

#include <oleauto.h>

CiTuneContent::CiTuneContent()
{
    ObtainInterface();
}

CiTuneContent::~CiTuneContent()
{
    Reset();
}

bool CiTuneContent::ObtainInterface()
{
    if (!mApplication)
        ::CoCreateInstance(CLSID_iTunesApp, nullptr, CLSCTX_LOCAL_SERVER, IID_IiTunes,
                           reinterpret_cast<void**>(mApplication.Receive()));
    if (mApplication && !mLibraryPlaylist)
        mApplication->get_LibraryPlaylist(mLibraryPlaylist.Receive());
    if (mLibraryPlaylist && !mLibraryTracks)
        mLibraryPlaylist->get_Tracks(mLibraryTracks.Receive());
    if (mApplication && !mLibrarySource)
        mApplication->get_LibrarySource(mLibrarySource.Receive());
    if (mLibrarySource && !mPlaylists)
        mLibrarySource->get_Playlists(mPlaylists.Receive());
    return static_cast<bool>(mLibraryTracks);
}

void CiTuneContent::Reset()
{
    mPlaylists.Reset();
    mLibrarySource.Reset();
    mLibraryTracks.Reset();
    mLibraryPlaylist.Reset();
    mApplication.Reset();
}

int CiTuneContent::GetPlayListCount()
{
    long count = 0;
    return mPlaylists && SUCCEEDED(mPlaylists->get_Count(&count)) ? static_cast<int>(count) : 0;
}

bool CiTuneContent::GetPlayList(int index, CString& name)
{
    CInterfaceRef<IITPlaylist> playlist;
    BSTR text = nullptr;
    if (!mPlaylists || FAILED(mPlaylists->get_Item(index + 1, playlist.Receive())) || !playlist
        || FAILED(playlist->get_Name(&text)))
        return false;
    name = UiTunes::TakeText(text);
    ITPlaylistKind kind = ITPlaylistKindUnknown;
    if (SUCCEEDED(playlist->get_Kind(&kind)) && kind != ITPlaylistKindUser)
        name.Empty();
    return true;
}

CiTunesPlayList* CiTuneContent::GetPlayList(int index)
{
    CInterfaceRef<IITPlaylist> playlist;
    if (!mPlaylists || FAILED(mPlaylists->get_Item(index + 1, playlist.Receive())) || !playlist)
        return nullptr;
    return new CiTunesPlayList(playlist.Get());
}

CiTunesPlayList* CiTuneContent::GetPlayList(const char* name)
{
    CInterfaceRef<IITPlaylist> playlist;
    if (!mPlaylists || !name)
        return nullptr;
    BSTR text = CString(name).AllocSysString();
    const HRESULT hr = mPlaylists->get_ItemByName(text, playlist.Receive());
    ::SysFreeString(text);
    return SUCCEEDED(hr) && playlist ? new CiTunesPlayList(playlist.Get()) : nullptr;
}

int CiTuneContent::GetTrackCount()
{
    long count = 0;
    return mLibraryTracks && SUCCEEDED(mLibraryTracks->get_Count(&count)) ? static_cast<int>(count) : 0;
}

bool CiTuneContent::GetTrack(int index, CString& name, CString& genre, CString& artist)
{
    CInterfaceRef<IITTrack> track;
    if (!mLibraryTracks || FAILED(mLibraryTracks->get_Item(index + 1, track.Receive())) || !track)
        return false;
    BSTR text = nullptr;
    if (SUCCEEDED(track->get_Name(&text)))
        name = UiTunes::TakeText(text);
    text = nullptr;
    if (SUCCEEDED(track->get_Genre(&text)))
        genre = UiTunes::TakeText(text);
    text = nullptr;
    if (SUCCEEDED(track->get_Artist(&text)))
        artist = UiTunes::TakeText(text);
    return true;
}

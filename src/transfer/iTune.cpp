#include "transfer/iTune.h"

#include "tnwbscut.h"

#include <oleauto.h>

CString UiTunes::TakeText(BSTR text)
{
    CString result = text ? UStringBuffer::ToMultiByte(text) : "";
    ::SysFreeString(text);
    return result;
}

CString UiTunes::GetLocation(IITTrack* track)
{
    ITTrackKind kind = ITTrackKindUnknown;
    if (!track || FAILED(track->get_Kind(&kind)) || kind != ITTrackKindFile)
        return CString();
    CInterfaceRef<IITFileOrCDTrack> file;
    BSTR location = nullptr;
    if (FAILED(track->QueryInterface(IID_IITFileOrCDTrack, reinterpret_cast<void**>(file.Receive())))
        || !file || FAILED(file->get_Location(&location)))
        return CString();
    return TakeText(location);
}

bool UiTunes::SamePath(const CString& path1, const CString& path2)
{
    return !path1.IsEmpty() && path1.CompareNoCase(path2) == 0;
}

namespace {

// The database id of a track, or 0 when iTunes does not tell it.
long DatabaseId(IITTrack* track)
{
    long source = 0;
    long playlist = 0;
    long id = 0;
    long database = 0;
    return track && SUCCEEDED(track->GetITObjectIDs(&source, &playlist, &id, &database)) ? database : 0;
}

} // namespace

CiTune::CiTune() = default;
CiTune::CiTune(const CiTune& other) = default;
CiTune& CiTune::operator=(const CiTune& other) = default;

CiTune::~CiTune()
{
    Reset();
}

void CiTune::SetPlayList(const char* name)
{
    mPlayListName = name ? name : "";
}

bool CiTune::ObtainInterface()
{
    if (!mApplication)
        ::CoCreateInstance(CLSID_iTunesApp, nullptr, CLSCTX_LOCAL_SERVER, IID_IiTunes,
                           reinterpret_cast<void**>(mApplication.Receive()));
    if (mApplication && !mLibraryPlaylist)
        mApplication->get_LibraryPlaylist(mLibraryPlaylist.Receive());
    if (mLibraryPlaylist && !mLibraryTracks)
        mLibraryPlaylist->get_Tracks(mLibraryTracks.Receive());
    if (!mPlayListName.IsEmpty()) {
        if (mApplication && !mLibrarySource)
            mApplication->get_LibrarySource(mLibrarySource.Receive());
        if (mLibrarySource && !mPlaylists)
            mLibrarySource->get_Playlists(mPlaylists.Receive());
        if (mPlaylists && !mPlaylist) {
            BSTR name = mPlayListName.AllocSysString();
            if (FAILED(mPlaylists->get_ItemByName(name, mPlaylist.Receive())) || !mPlaylist)
                mApplication->CreatePlaylist(name, mPlaylist.Receive());
            ::SysFreeString(name);
        }
        ITPlaylistKind kind = ITPlaylistKindUnknown;
        if (mPlaylist && !mUserPlaylist && SUCCEEDED(mPlaylist->get_Kind(&kind)) && kind == ITPlaylistKindUser)
            mPlaylist->QueryInterface(IID_IITUserPlaylist, reinterpret_cast<void**>(mUserPlaylist.Receive()));
        if (mUserPlaylist && !mUserPlaylistTracks)
            mUserPlaylist->get_Tracks(mUserPlaylistTracks.Receive());
    }
    return static_cast<bool>(mLibraryTracks);
}

bool CiTune::Add(const char* path)
{
    if (!path || !*path || !ObtainInterface()) {
        Reset();
        return false;
    }
    const bool filed = mPlayListName.IsEmpty() || mUserPlaylist;
    IITTrack* added = AddFile(path);
    if (added) {
        RemoveOlderCopies(path, added);
        added->Release();
    }
    Reset();
    return added && filed;
}

IITTrack* CiTune::AddFile(const char* path)
{
    CInterfaceRef<IITOperationStatus> status;
    BSTR file = CString(path).AllocSysString();
    HRESULT hr = E_FAIL;
    if (mUserPlaylist)
        hr = mUserPlaylist->AddFile(file, status.Receive());
    else if (mLibraryPlaylist)
        hr = mLibraryPlaylist->AddFile(file, status.Receive());
    ::SysFreeString(file);
    if (FAILED(hr) || !status)
        return nullptr;
    // iTunes may go on taking the file after the call; the tracks are known at its end.
    const ULONGLONG deadline = ::GetTickCount64() + kAddTimeoutMs;
    VARIANT_BOOL inProgress = VARIANT_FALSE;
    while (SUCCEEDED(status->get_InProgress(&inProgress)) && inProgress && ::GetTickCount64() < deadline)
        ::Sleep(100);
    CInterfaceRef<IITTrackCollection> tracks;
    IITTrack* track = nullptr;
    if (inProgress || FAILED(status->get_Tracks(tracks.Receive())) || !tracks
        || FAILED(tracks->get_Item(1, &track)))
        return nullptr;
    return track;
}

void CiTune::RemoveOlderCopies(const char* path, IITTrack* added)
{
    long count = 0;
    if (!mLibraryTracks || FAILED(mLibraryTracks->get_Count(&count)))
        return;
    const long addedId = DatabaseId(added);
    // From the end, so that a deletion does not move the tracks still to be looked at.
    for (long index = count; index >= 1; --index) {
        CInterfaceRef<IITTrack> track;
        if (FAILED(mLibraryTracks->get_Item(index, track.Receive())) || !track)
            continue;
        if (DatabaseId(track.Get()) != addedId && UiTunes::SamePath(UiTunes::GetLocation(track.Get()), path))
            track->Delete();
    }
}

void CiTune::Reset()
{
    mUserPlaylistTracks.Reset();
    mUserPlaylist.Reset();
    mPlaylist.Reset();
    mPlaylists.Reset();
    mLibraryTracks.Reset();
    mLibrarySource.Reset();
    mLibraryPlaylist.Reset();
    mApplication.Reset();
}

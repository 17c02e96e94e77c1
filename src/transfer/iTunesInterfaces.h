#pragma once
// The published COM automation interface of iTunes, as far as this library calls it: the
// application object (a local server) and the interfaces it hands out, in their method
// order. Slots this library never calls keep their place in the order; their bodies
// answer E_NOTIMPL, so that a stand-in implements only what is called.
#include <oaidl.h>

struct IITObject;
struct IITSource;
struct IITPlaylist;
struct IITLibraryPlaylist;
struct IITUserPlaylist;
struct IITPlaylistCollection;
struct IITTrack;
struct IITTrackCollection;
struct IITOperationStatus;

enum ITPlaylistKind { ITPlaylistKindUnknown = 0, ITPlaylistKindLibrary, ITPlaylistKindUser, ITPlaylistKindCD,
                      ITPlaylistKindDevice, ITPlaylistKindRadioTuner };
enum ITTrackKind { ITTrackKindUnknown = 0, ITTrackKindFile, ITTrackKindCD, ITTrackKindURL, ITTrackKindDevice,
                   ITTrackKindSharedLibrary };
enum ITSourceKind { ITSourceKindUnknown = 0, ITSourceKindLibrary, ITSourceKindIPod, ITSourceKindAudioCD,
                    ITSourceKindMP3CD, ITSourceKindDevice, ITSourceKindRadioTuner, ITSourceKindSharedLibrary };

// {DC0C2640-1415-4644-875C-6F4D769839BA}
const CLSID CLSID_iTunesApp = { 0xDC0C2640, 0x1415, 0x4644, { 0x87, 0x5C, 0x6F, 0x4D, 0x76, 0x98, 0x39, 0xBA } };
// {9DD6680B-3EDC-40DB-A771-E6FE4832E34A}
const IID IID_IiTunes = { 0x9DD6680B, 0x3EDC, 0x40DB, { 0xA7, 0x71, 0xE6, 0xFE, 0x48, 0x32, 0xE3, 0x4A } };
// {0A504DED-A0B5-465A-8A94-50E20D7DF692}
const IID IID_IITUserPlaylist = { 0x0A504DED, 0xA0B5, 0x465A, { 0x8A, 0x94, 0x50, 0xE2, 0x0D, 0x7D, 0xF6, 0x92 } };
// {00D7FE99-7868-4CC7-AD9E-ACFD70D09566}
const IID IID_IITFileOrCDTrack = { 0x00D7FE99, 0x7868, 0x4CC7, { 0xAD, 0x9E, 0xAC, 0xFD, 0x70, 0xD0, 0x95, 0x66 } };

#define TNW_IT_UNUSED(name, ...) \
    virtual HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) { return E_NOTIMPL; }

struct IiTunes : public IDispatch {
    TNW_IT_UNUSED(BackTrack)
    TNW_IT_UNUSED(FastForward)
    TNW_IT_UNUSED(NextTrack)
    TNW_IT_UNUSED(Pause)
    TNW_IT_UNUSED(Play)
    TNW_IT_UNUSED(PlayFile, BSTR)
    TNW_IT_UNUSED(PlayPause)
    TNW_IT_UNUSED(PreviousTrack)
    TNW_IT_UNUSED(Resume)
    TNW_IT_UNUSED(Rewind)
    TNW_IT_UNUSED(Stop)
    TNW_IT_UNUSED(ConvertFile, BSTR, IITOperationStatus**)
    TNW_IT_UNUSED(ConvertFiles, VARIANT*, IITOperationStatus**)
    TNW_IT_UNUSED(ConvertTrack, VARIANT*, IITOperationStatus**)
    TNW_IT_UNUSED(ConvertTracks, VARIANT*, IITOperationStatus**)
    TNW_IT_UNUSED(CheckVersion, long, long, VARIANT_BOOL*)
    TNW_IT_UNUSED(GetITObjectByID, long, long, long, long, IITObject**)
    virtual HRESULT STDMETHODCALLTYPE CreatePlaylist(BSTR playlistName, IITPlaylist** playlist) = 0;
    TNW_IT_UNUSED(OpenURL, BSTR)
    TNW_IT_UNUSED(GotoMusicStoreHomePage)
    TNW_IT_UNUSED(UpdateIPod)
    TNW_IT_UNUSED(Authorize, long, VARIANT*, BSTR*)
    TNW_IT_UNUSED(Quit)
    TNW_IT_UNUSED(get_Sources, IDispatch**)
    TNW_IT_UNUSED(get_Encoders, IDispatch**)
    TNW_IT_UNUSED(get_EQPresets, IDispatch**)
    TNW_IT_UNUSED(get_Visuals, IDispatch**)
    TNW_IT_UNUSED(get_Windows, IDispatch**)
    TNW_IT_UNUSED(get_SoundVolume, long*)
    TNW_IT_UNUSED(put_SoundVolume, long)
    TNW_IT_UNUSED(get_Mute, VARIANT_BOOL*)
    TNW_IT_UNUSED(put_Mute, VARIANT_BOOL)
    TNW_IT_UNUSED(get_PlayerState, long*)
    TNW_IT_UNUSED(get_PlayerPosition, long*)
    TNW_IT_UNUSED(put_PlayerPosition, long)
    TNW_IT_UNUSED(get_CurrentEncoder, IDispatch**)
    TNW_IT_UNUSED(put_CurrentEncoder, IDispatch*)
    TNW_IT_UNUSED(get_VisualsEnabled, VARIANT_BOOL*)
    TNW_IT_UNUSED(put_VisualsEnabled, VARIANT_BOOL)
    TNW_IT_UNUSED(get_FullScreenVisuals, VARIANT_BOOL*)
    TNW_IT_UNUSED(put_FullScreenVisuals, VARIANT_BOOL)
    TNW_IT_UNUSED(get_VisualSize, long*)
    TNW_IT_UNUSED(put_VisualSize, long)
    TNW_IT_UNUSED(get_CurrentVisual, IDispatch**)
    TNW_IT_UNUSED(put_CurrentVisual, IDispatch*)
    TNW_IT_UNUSED(get_EQEnabled, VARIANT_BOOL*)
    TNW_IT_UNUSED(put_EQEnabled, VARIANT_BOOL)
    TNW_IT_UNUSED(get_CurrentEQPreset, IDispatch**)
    TNW_IT_UNUSED(put_CurrentEQPreset, IDispatch*)
    TNW_IT_UNUSED(get_CurrentStreamTitle, BSTR*)
    TNW_IT_UNUSED(get_CurrentStreamURL, BSTR*)
    TNW_IT_UNUSED(get_BrowserWindow, IDispatch**)
    TNW_IT_UNUSED(get_EQWindow, IDispatch**)
    virtual HRESULT STDMETHODCALLTYPE get_LibrarySource(IITSource** source) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_LibraryPlaylist(IITLibraryPlaylist** playlist) = 0;
};

struct IITObject : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetITObjectIDs(long* sourceID, long* playlistID, long* trackID,
                                                     long* databaseID) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) = 0;
    TNW_IT_UNUSED(put_Name, BSTR)
    TNW_IT_UNUSED(get_Index, long*)
    virtual HRESULT STDMETHODCALLTYPE get_SourceID(long* sourceID) = 0;
    TNW_IT_UNUSED(get_PlaylistID, long*)
    TNW_IT_UNUSED(get_TrackID, long*)
    TNW_IT_UNUSED(get_TrackDatabaseID, long*)
};

struct IITSource : public IITObject {
    TNW_IT_UNUSED(get_Kind, ITSourceKind*)
    TNW_IT_UNUSED(get_Capacity, double*)
    TNW_IT_UNUSED(get_FreeSpace, double*)
    virtual HRESULT STDMETHODCALLTYPE get_Playlists(IITPlaylistCollection** playlists) = 0;
};

struct IITPlaylist : public IITObject {
    TNW_IT_UNUSED(Delete)
    TNW_IT_UNUSED(PlayFirstTrack)
    TNW_IT_UNUSED(Print, VARIANT_BOOL, long, BSTR)
    TNW_IT_UNUSED(Search, BSTR, long, IITTrackCollection**)
    virtual HRESULT STDMETHODCALLTYPE get_Kind(ITPlaylistKind* kind) = 0;
    TNW_IT_UNUSED(get_Source, IITSource**)
    TNW_IT_UNUSED(get_Duration, long*)
    TNW_IT_UNUSED(get_Shuffle, VARIANT_BOOL*)
    TNW_IT_UNUSED(put_Shuffle, VARIANT_BOOL)
    TNW_IT_UNUSED(get_Size, double*)
    TNW_IT_UNUSED(get_SongRepeat, long*)
    TNW_IT_UNUSED(put_SongRepeat, long)
    TNW_IT_UNUSED(get_Time, BSTR*)
    TNW_IT_UNUSED(get_Visible, VARIANT_BOOL*)
    virtual HRESULT STDMETHODCALLTYPE get_Tracks(IITTrackCollection** tracks) = 0;
};

// The library and the user playlists take files the same way.
struct IITLibraryPlaylist : public IITPlaylist {
    virtual HRESULT STDMETHODCALLTYPE AddFile(BSTR filePath, IITOperationStatus** status) = 0;
    TNW_IT_UNUSED(AddFiles, VARIANT*, IITOperationStatus**)
    TNW_IT_UNUSED(AddURL, BSTR, IDispatch**)
    TNW_IT_UNUSED(AddTrack, VARIANT*, IITTrack**)
};

struct IITUserPlaylist : public IITPlaylist {
    virtual HRESULT STDMETHODCALLTYPE AddFile(BSTR filePath, IITOperationStatus** status) = 0;
    TNW_IT_UNUSED(AddFiles, VARIANT*, IITOperationStatus**)
    TNW_IT_UNUSED(AddURL, BSTR, IDispatch**)
    TNW_IT_UNUSED(AddTrack, VARIANT*, IITTrack**)
};

struct IITPlaylistCollection : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Count(long* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Item(long index, IITPlaylist** playlist) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ItemByName(BSTR name, IITPlaylist** playlist) = 0;
    TNW_IT_UNUSED(get__NewEnum, IUnknown**)
    TNW_IT_UNUSED(get_ItemByPersistentID, long, long, IITPlaylist**)
};

struct IITTrack : public IITObject {
    virtual HRESULT STDMETHODCALLTYPE Delete() = 0;
    TNW_IT_UNUSED(Play)
    TNW_IT_UNUSED(AddArtworkFromFile, BSTR, IDispatch**)
    virtual HRESULT STDMETHODCALLTYPE get_Kind(ITTrackKind* kind) = 0;
    TNW_IT_UNUSED(get_Playlist, IITPlaylist**)
    virtual HRESULT STDMETHODCALLTYPE get_Album(BSTR* album) = 0;
    TNW_IT_UNUSED(put_Album, BSTR)
    virtual HRESULT STDMETHODCALLTYPE get_Artist(BSTR* artist) = 0;
    TNW_IT_UNUSED(put_Artist, BSTR)
    TNW_IT_UNUSED(get_BitRate, long*)
    TNW_IT_UNUSED(get_BPM, long*)
    TNW_IT_UNUSED(put_BPM, long)
    TNW_IT_UNUSED(get_Comment, BSTR*)
    TNW_IT_UNUSED(put_Comment, BSTR)
    TNW_IT_UNUSED(get_Compilation, VARIANT_BOOL*)
    TNW_IT_UNUSED(put_Compilation, VARIANT_BOOL)
    TNW_IT_UNUSED(get_Composer, BSTR*)
    TNW_IT_UNUSED(put_Composer, BSTR)
    TNW_IT_UNUSED(get_DateAdded, DATE*)
    TNW_IT_UNUSED(get_DiscCount, long*)
    TNW_IT_UNUSED(put_DiscCount, long)
    TNW_IT_UNUSED(get_DiscNumber, long*)
    TNW_IT_UNUSED(put_DiscNumber, long)
    // Seconds.
    virtual HRESULT STDMETHODCALLTYPE get_Duration(long* duration) = 0;
    TNW_IT_UNUSED(get_Enabled, VARIANT_BOOL*)
    TNW_IT_UNUSED(put_Enabled, VARIANT_BOOL)
    TNW_IT_UNUSED(get_EQ, BSTR*)
    TNW_IT_UNUSED(put_EQ, BSTR)
    TNW_IT_UNUSED(put_Finish, long)
    TNW_IT_UNUSED(get_Finish, long*)
    virtual HRESULT STDMETHODCALLTYPE get_Genre(BSTR* genre) = 0;
    TNW_IT_UNUSED(put_Genre, BSTR)
    TNW_IT_UNUSED(get_Grouping, BSTR*)
    TNW_IT_UNUSED(put_Grouping, BSTR)
    TNW_IT_UNUSED(get_KindAsString, BSTR*)
    TNW_IT_UNUSED(get_ModificationDate, DATE*)
    TNW_IT_UNUSED(get_PlayedCount, long*)
    TNW_IT_UNUSED(put_PlayedCount, long)
    TNW_IT_UNUSED(get_PlayedDate, DATE*)
    TNW_IT_UNUSED(put_PlayedDate, DATE)
    TNW_IT_UNUSED(get_PlayOrderIndex, long*)
    TNW_IT_UNUSED(get_Rating, long*)
    TNW_IT_UNUSED(put_Rating, long)
    TNW_IT_UNUSED(get_SampleRate, long*)
    TNW_IT_UNUSED(get_Size, long*)
    TNW_IT_UNUSED(get_Start, long*)
    TNW_IT_UNUSED(put_Start, long)
    TNW_IT_UNUSED(get_Time, BSTR*)
    TNW_IT_UNUSED(get_TrackCount, long*)
    TNW_IT_UNUSED(put_TrackCount, long)
    TNW_IT_UNUSED(get_TrackNumber, long*)
    TNW_IT_UNUSED(put_TrackNumber, long)
    TNW_IT_UNUSED(get_VolumeAdjustment, long*)
    TNW_IT_UNUSED(put_VolumeAdjustment, long)
    TNW_IT_UNUSED(get_Year, long*)
    TNW_IT_UNUSED(put_Year, long)
    TNW_IT_UNUSED(get_Artwork, IDispatch**)
};

struct IITFileOrCDTrack : public IITTrack {
    virtual HRESULT STDMETHODCALLTYPE get_Location(BSTR* location) = 0;
    TNW_IT_UNUSED(UpdateInfoFromFile)
};

struct IITTrackCollection : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Count(long* count) = 0;
    // From 1.
    virtual HRESULT STDMETHODCALLTYPE get_Item(long index, IITTrack** track) = 0;
    TNW_IT_UNUSED(get_ItemByPlayOrder, long, IITTrack**)
    virtual HRESULT STDMETHODCALLTYPE get_ItemByName(BSTR name, IITTrack** track) = 0;
    TNW_IT_UNUSED(get__NewEnum, IUnknown**)
    TNW_IT_UNUSED(get_ItemByPersistentID, long, long, IITTrack**)
};

struct IITOperationStatus : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_InProgress(VARIANT_BOOL* inProgress) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Tracks(IITTrackCollection** tracks) = 0;
};

#undef TNW_IT_UNUSED

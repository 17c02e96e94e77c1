// Stands in for iTunes, reached through its COM automation interface: the application
// object and the library source, playlists, tracks and operation status that the class
// library calls, in the interface's method order. iTunes is a local server; here its
// class object is registered for the calling process (TnwITunesRegister), which COM hands
// out to a CoCreateInstance for a local server of that class.
//
// The library lives in a text file (UTF-8, one line per track or playlist, fields divided
// by tabs), read when the application object is made and written after every change:
//   track <id> <name> <location> <kind> <duration> <album> <genre> <artist>
//   playlist <id> <name> <kind> <track id>,<track id>,...
// The first playlist is the library ("Library", kind 1); its tracks are every track.
//
// Like iTunes, AddFile of a file the library has (the same location, letter for letter)
// answers with that track; a new track is named after the file without its extension;
// a file that does not exist gives a status without tracks. TnwITunesObjects tells how
// many objects are alive, so that a test sees every reference given back.
#include "StaticClassFactory.h"
#include "TabbedRecords.h"
#include "transfer/iTunesInterfaces.h"

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace tnwstandin;

long sLive = 0;

struct STrack {
    long id = 0;
    std::wstring name, location;
    long kind = ITTrackKindFile;
    long duration = 0;
    std::wstring album, genre, artist;
};

struct SPlaylist {
    long id = 0;
    std::wstring name;
    long kind = ITPlaylistKindUser;
    std::vector<long> tracks;
};

class CLibrary {
public:
    std::string file;
    std::vector<STrack> tracks;
    std::vector<SPlaylist> playlists;

    void Load()
    {
        tracks.clear();
        playlists.clear();
        ReadRecords(file, [this](const std::vector<std::string>& f) {
            if (f.size() >= 9 && f[0] == "track") {
                STrack t;
                t.id = std::stol(f[1]);
                t.name = FromUtf8(f[2]);
                t.location = FromUtf8(f[3]);
                t.kind = std::stol(f[4]);
                t.duration = std::stol(f[5]);
                t.album = FromUtf8(f[6]);
                t.genre = FromUtf8(f[7]);
                t.artist = FromUtf8(f[8]);
                tracks.push_back(t);
            } else if (f.size() >= 4 && f[0] == "playlist") {
                SPlaylist p;
                p.id = std::stol(f[1]);
                p.name = FromUtf8(f[2]);
                p.kind = std::stol(f[3]);
                p.tracks = ReadIds(f, 4);
                playlists.push_back(p);
            }
        });
        if (playlists.empty() || playlists[0].kind != ITPlaylistKindLibrary) {
            SPlaylist library;
            library.id = NextId();
            library.name = L"Library";
            library.kind = ITPlaylistKindLibrary;
            playlists.insert(playlists.begin(), library);
        }
    }

    void Save() const
    {
        std::ofstream out(file, std::ios::trunc);
        for (const STrack& t : tracks)
            out << "track\t" << t.id << '\t' << ToUtf8(t.name) << '\t' << ToUtf8(t.location) << '\t' << t.kind << '\t'
                << t.duration << '\t' << ToUtf8(t.album) << '\t' << ToUtf8(t.genre) << '\t' << ToUtf8(t.artist)
                << '\n';
        for (const SPlaylist& p : playlists) {
            out << "playlist\t" << p.id << '\t' << ToUtf8(p.name) << '\t' << p.kind << '\t';
            WriteIds(out, p.tracks);
            out << '\n';
        }
    }

    long NextId() const { return tnwstandin::NextId(tracks, playlists, 100); }
    STrack* Track(long id) { return FindById(tracks, id); }
    SPlaylist* Playlist(long id) { return FindById(playlists, id); }

    // The tracks of a playlist; the library's are every track.
    std::vector<long> TracksOf(long playlist)
    {
        if (!playlists.empty() && playlists[0].id == playlist) {
            std::vector<long> all;
            for (const STrack& t : tracks)
                all.push_back(t.id);
            return all;
        }
        SPlaylist* p = Playlist(playlist);
        return p ? p->tracks : std::vector<long>();
    }

    // The track of the file, added when the library does not have it; 0 for a missing file.
    long AddFile(const std::wstring& path, long playlist)
    {
        if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            return 0;
        long id = 0;
        for (const STrack& t : tracks)
            if (t.location == path)
                id = t.id;
        if (!id) {
            STrack t;
            t.id = id = NextId();
            t.location = path;
            const size_t slash = path.find_last_of(L"\\/");
            t.name = path.substr(slash == std::wstring::npos ? 0 : slash + 1);
            const size_t dot = t.name.find_last_of(L'.');
            if (dot != std::wstring::npos)
                t.name.erase(dot);
            tracks.push_back(t);
        }
        SPlaylist* p = Playlist(playlist);
        if (p && p != &playlists[0]) {
            bool listed = false;
            for (long listedId : p->tracks)
                listed = listed || listedId == id;
            if (!listed)
                p->tracks.push_back(id);
        }
        Save();
        return id;
    }

    void DeleteTrack(long id)
    {
        for (size_t i = 0; i < tracks.size(); ++i)
            if (tracks[i].id == id)
                tracks.erase(tracks.begin() + static_cast<long>(i--));
        for (SPlaylist& p : playlists)
            for (size_t i = 0; i < p.tracks.size(); ++i)
                if (p.tracks[i] == id)
                    p.tracks.erase(p.tracks.begin() + static_cast<long>(i--));
        Save();
    }
};

CLibrary sLibrary;

BSTR Copy(const std::wstring& text)
{
    return ::SysAllocStringLen(text.c_str(), static_cast<UINT>(text.size()));
}

// IUnknown and an IDispatch that names nothing, for every object of the stand-in.
template <class TInterface>
class CObject : public TInterface {
public:
    CObject() { ::InterlockedIncrement(&sLive); }
    virtual ~CObject() { ::InterlockedDecrement(&sLive); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || Accepts(iid)) {
            *out = static_cast<TInterface*>(this);
            this->AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&mReferences)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = ::InterlockedDecrement(&mReferences);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (count)
            *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

protected:
    virtual bool Accepts(REFIID) { return false; }

private:
    LONG mReferences = 1;
};

class CTrack : public CObject<IITFileOrCDTrack> {
public:
    explicit CTrack(long id) : mId(id) {}
    HRESULT STDMETHODCALLTYPE GetITObjectIDs(long* source, long* playlist, long* track, long* database) override
    {
        if (!source || !playlist || !track || !database)
            return E_POINTER;
        *source = 1;
        *playlist = sLibrary.playlists[0].id;
        *track = *database = mId;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override { return Text(name, &STrack::name); }
    HRESULT STDMETHODCALLTYPE get_SourceID(long* id) override { return Number(id, 1); }
    HRESULT STDMETHODCALLTYPE Delete() override
    {
        if (!sLibrary.Track(mId))
            return E_FAIL;
        sLibrary.DeleteTrack(mId);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Kind(ITTrackKind* kind) override
    {
        const STrack* t = sLibrary.Track(mId);
        if (!t || !kind)
            return E_FAIL;
        *kind = static_cast<ITTrackKind>(t->kind);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Album(BSTR* album) override { return Text(album, &STrack::album); }
    HRESULT STDMETHODCALLTYPE get_Artist(BSTR* artist) override { return Text(artist, &STrack::artist); }
    HRESULT STDMETHODCALLTYPE get_Genre(BSTR* genre) override { return Text(genre, &STrack::genre); }
    HRESULT STDMETHODCALLTYPE get_Duration(long* duration) override
    {
        const STrack* t = sLibrary.Track(mId);
        return t ? Number(duration, t->duration) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_Location(BSTR* location) override { return Text(location, &STrack::location); }

protected:
    bool Accepts(REFIID iid) override
    {
        const STrack* t = sLibrary.Track(mId);
        return IsEqualIID(iid, IID_IITFileOrCDTrack) && t && t->kind == ITTrackKindFile;
    }

private:
    HRESULT Text(BSTR* out, std::wstring STrack::*field)
    {
        const STrack* t = sLibrary.Track(mId);
        if (!t || !out)
            return E_FAIL;
        *out = Copy(t->*field);
        return S_OK;
    }
    static HRESULT Number(long* out, long value)
    {
        if (!out)
            return E_POINTER;
        *out = value;
        return S_OK;
    }
    long mId;
};

// The tracks of a playlist as they are at each call, or a fixed list.
class CTrackCollection : public CObject<IITTrackCollection> {
public:
    explicit CTrackCollection(long playlist) : mPlaylist(playlist) {}
    explicit CTrackCollection(std::vector<long> fixed) : mPlaylist(0), mFixed(std::move(fixed)) {}

    HRESULT STDMETHODCALLTYPE get_Count(long* count) override
    {
        if (!count)
            return E_POINTER;
        *count = static_cast<long>(Ids().size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Item(long index, IITTrack** track) override
    {
        const std::vector<long> ids = Ids();
        if (!track)
            return E_POINTER;
        *track = nullptr;
        if (index < 1 || index > static_cast<long>(ids.size()))
            return E_INVALIDARG;
        *track = new CTrack(ids[static_cast<size_t>(index - 1)]);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_ItemByName(BSTR name, IITTrack** track) override
    {
        if (!track)
            return E_POINTER;
        *track = nullptr;
        for (long id : Ids()) {
            const STrack* t = sLibrary.Track(id);
            if (t && name && t->name == name) {
                *track = new CTrack(id);
                return S_OK;
            }
        }
        return S_FALSE;
    }

private:
    std::vector<long> Ids() const { return mPlaylist ? sLibrary.TracksOf(mPlaylist) : mFixed; }
    long mPlaylist;
    std::vector<long> mFixed;
};

class COperationStatus : public CObject<IITOperationStatus> {
public:
    explicit COperationStatus(long track) : mTrack(track) {}
    HRESULT STDMETHODCALLTYPE get_InProgress(VARIANT_BOOL* inProgress) override
    {
        if (!inProgress)
            return E_POINTER;
        *inProgress = VARIANT_FALSE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Tracks(IITTrackCollection** tracks) override
    {
        if (!tracks)
            return E_POINTER;
        *tracks = new CTrackCollection(mTrack ? std::vector<long>{ mTrack } : std::vector<long>());
        return S_OK;
    }

private:
    long mTrack;
};

// A playlist, seen through the library playlist's or a user playlist's interface.
template <class TInterface>
class CPlaylist : public CObject<TInterface> {
public:
    explicit CPlaylist(long id) : mId(id) {}
    HRESULT STDMETHODCALLTYPE GetITObjectIDs(long* source, long* playlist, long* track, long* database) override
    {
        if (!source || !playlist || !track || !database)
            return E_POINTER;
        *source = 1;
        *playlist = mId;
        *track = *database = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override
    {
        const SPlaylist* p = sLibrary.Playlist(mId);
        if (!p || !name)
            return E_FAIL;
        *name = Copy(p->name);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_SourceID(long* id) override
    {
        if (!id)
            return E_POINTER;
        *id = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Kind(ITPlaylistKind* kind) override
    {
        const SPlaylist* p = sLibrary.Playlist(mId);
        if (!p || !kind)
            return E_FAIL;
        *kind = static_cast<ITPlaylistKind>(p->kind);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Tracks(IITTrackCollection** tracks) override
    {
        if (!tracks)
            return E_POINTER;
        *tracks = new CTrackCollection(mId);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE AddFile(BSTR path, IITOperationStatus** status) override
    {
        if (!path || !status)
            return E_POINTER;
        const SPlaylist* p = sLibrary.Playlist(mId);
        if (!p || (p->kind != ITPlaylistKindUser && p->kind != ITPlaylistKindLibrary))
            return E_FAIL;
        *status = new COperationStatus(sLibrary.AddFile(path, mId));
        return S_OK;
    }

protected:
    bool Accepts(REFIID iid) override
    {
        const SPlaylist* p = sLibrary.Playlist(mId);
        return IsEqualIID(iid, IID_IITUserPlaylist) && p && p->kind == ITPlaylistKindUser;
    }

private:
    long mId;
};

class CPlaylistCollection : public CObject<IITPlaylistCollection> {
public:
    HRESULT STDMETHODCALLTYPE get_Count(long* count) override
    {
        if (!count)
            return E_POINTER;
        *count = static_cast<long>(sLibrary.playlists.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Item(long index, IITPlaylist** playlist) override
    {
        if (!playlist)
            return E_POINTER;
        *playlist = nullptr;
        if (index < 1 || index > static_cast<long>(sLibrary.playlists.size()))
            return E_INVALIDARG;
        *playlist = new CPlaylist<IITUserPlaylist>(sLibrary.playlists[static_cast<size_t>(index - 1)].id);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_ItemByName(BSTR name, IITPlaylist** playlist) override
    {
        if (!playlist)
            return E_POINTER;
        *playlist = nullptr;
        for (const SPlaylist& p : sLibrary.playlists) {
            if (name && p.name == name) {
                *playlist = new CPlaylist<IITUserPlaylist>(p.id);
                return S_OK;
            }
        }
        return S_FALSE;
    }
};

class CSource : public CObject<IITSource> {
public:
    HRESULT STDMETHODCALLTYPE GetITObjectIDs(long* source, long* playlist, long* track, long* database) override
    {
        if (!source || !playlist || !track || !database)
            return E_POINTER;
        *source = 1;
        *playlist = *track = *database = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override
    {
        if (!name)
            return E_POINTER;
        *name = ::SysAllocString(L"Library");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_SourceID(long* id) override
    {
        if (!id)
            return E_POINTER;
        *id = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Playlists(IITPlaylistCollection** playlists) override
    {
        if (!playlists)
            return E_POINTER;
        *playlists = new CPlaylistCollection;
        return S_OK;
    }
};

class CApplication : public CObject<IiTunes> {
public:
    CApplication() { sLibrary.Load(); }
    HRESULT STDMETHODCALLTYPE CreatePlaylist(BSTR name, IITPlaylist** playlist) override
    {
        if (!name || !playlist)
            return E_POINTER;
        SPlaylist p;
        p.id = sLibrary.NextId();
        p.name = name;
        p.kind = ITPlaylistKindUser;
        sLibrary.playlists.push_back(p);
        sLibrary.Save();
        *playlist = new CPlaylist<IITUserPlaylist>(p.id);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_LibrarySource(IITSource** source) override
    {
        if (!source)
            return E_POINTER;
        *source = new CSource;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_LibraryPlaylist(IITLibraryPlaylist** playlist) override
    {
        if (!playlist)
            return E_POINTER;
        *playlist = new CPlaylist<IITLibraryPlaylist>(sLibrary.playlists[0].id);
        return S_OK;
    }

protected:
    bool Accepts(REFIID iid) override { return IsEqualIID(iid, IID_IiTunes); }
};

CStaticClassFactory<CApplication> sFactory;

} // namespace

extern "C" {

// Registers the application class for this process, with its library in the file.
__declspec(dllexport) HRESULT TnwITunesRegister(const char* libraryFile, DWORD* cookie)
{
    sLibrary.file = libraryFile ? libraryFile : "";
    return ::CoRegisterClassObject(CLSID_iTunesApp, &sFactory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, cookie);
}

__declspec(dllexport) HRESULT TnwITunesRevoke(DWORD cookie)
{
    return ::CoRevokeClassObject(cookie);
}

// How many objects of the stand-in are alive.
__declspec(dllexport) long TnwITunesObjects()
{
    return sLive;
}

} // extern "C"

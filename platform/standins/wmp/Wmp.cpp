// Stands in for the Windows Media Player automation object ("WMPlayer.OCX"), an in-process
// server: the player, its media collection and playlist collection, playlists and media
// items, with the property and method names the class library calls, found by name as a
// script finds them.
//
// The library lives in a text file named by the environment variable TNW_WMP_LIBRARY
// (UTF-8, fields divided by tabs), read when a player is made and written after every
// change:
//   media <id> <source URL>
//   playlist <id> <name> <media id>,<media id>,...
// "add" always makes a new entry, as the player does for a file it is handed anew.
// "remove" takes the item and the player's "delete the file" switch, a VT_BOOL: when it
// is true, the file itself is deleted too.
#include <oaidl.h>
#include <oleauto.h>
#include <windows.h>

#include "StaticClassFactory.h"
#include "TabbedRecords.h"

#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace tnwstandin;

// {5A5E1C01-7C1D-4F5E-9D0A-3B1C2D3E4F50}: the stand-in's own class.
const CLSID kPlayerClass = { 0x5A5E1C01, 0x7C1D, 0x4F5E, { 0x9D, 0x0A, 0x3B, 0x1C, 0x2D, 0x3E, 0x4F, 0x50 } };
// {5A5E1C02-7C1D-4F5E-9D0A-3B1C2D3E4F50}: how the stand-in knows its own media items.
const IID kMediaIdentity = { 0x5A5E1C02, 0x7C1D, 0x4F5E, { 0x9D, 0x0A, 0x3B, 0x1C, 0x2D, 0x3E, 0x4F, 0x50 } };

LONG sLive = 0;

struct SMedia {
    long id;
    std::wstring url;
};

struct SPlaylist {
    long id;
    std::wstring name;
    std::vector<long> media;
};

struct SLibrary {
    std::vector<SMedia> media;
    std::vector<SPlaylist> playlists;

    static std::string File()
    {
        char path[MAX_PATH] = {};
        const DWORD length = ::GetEnvironmentVariableA("TNW_WMP_LIBRARY", path, MAX_PATH);
        return length > 0 && length < MAX_PATH ? path : "";
    }

    void Load()
    {
        media.clear();
        playlists.clear();
        ReadRecords(File(), [this](const std::vector<std::string>& f) {
            if (f.size() >= 3 && f[0] == "media")
                media.push_back({ std::stol(f[1]), FromUtf8(f[2]) });
            else if (f.size() >= 3 && f[0] == "playlist")
                playlists.push_back({ std::stol(f[1]), FromUtf8(f[2]), ReadIds(f, 3) });
        });
    }

    void Save() const
    {
        std::ofstream out(File(), std::ios::trunc);
        for (const SMedia& m : media)
            out << "media\t" << m.id << '\t' << ToUtf8(m.url) << '\n';
        for (const SPlaylist& p : playlists) {
            out << "playlist\t" << p.id << '\t' << ToUtf8(p.name) << '\t';
            WriteIds(out, p.media);
            out << '\n';
        }
    }

    long NextId() const { return tnwstandin::NextId(media, playlists, 1); }
    const SMedia* Media(long id) { return FindById(media, id); }
    SPlaylist* Playlist(long id) { return FindById(playlists, id); }
};

SLibrary sLibrary;

// An automation object whose members are found by name; a member's DISPID is its index
// in the name table plus one. Arguments arrive last first, as Invoke hands them.
class CAutomation : public IDispatch {
public:
    explicit CAutomation(std::vector<std::wstring> names) : mNames(std::move(names)) { ::InterlockedIncrement(&sLive); }
    virtual ~CAutomation() { ::InterlockedDecrement(&sLive); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || Identity(iid)) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
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
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return DISP_E_BADINDEX; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        if (!names || !ids || count != 1)
            return E_INVALIDARG;
        for (size_t i = 0; i < mNames.size(); ++i) {
            if (_wcsicmp(mNames[i].c_str(), names[0]) == 0) {
                ids[0] = static_cast<DISPID>(i + 1);
                return S_OK;
            }
        }
        ids[0] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO*, UINT*) override
    {
        if (id < 1 || static_cast<size_t>(id) > mNames.size() || !params)
            return DISP_E_MEMBERNOTFOUND;
        if (result)
            ::VariantInit(result);
        return Call(mNames[static_cast<size_t>(id - 1)], flags, params->cArgs, params->rgvarg, result);
    }

protected:
    virtual HRESULT Call(const std::wstring& name, WORD flags, UINT count, VARIANT* args, VARIANT* result) = 0;
    virtual bool Identity(REFIID) { return false; }

    static HRESULT Object(VARIANT* result, IDispatch* object)
    {
        if (!result) {
            object->Release();
            return S_OK;
        }
        V_VT(result) = VT_DISPATCH;
        V_DISPATCH(result) = object;
        return S_OK;
    }
    static HRESULT Number(VARIANT* result, long value)
    {
        if (!result)
            return E_INVALIDARG;
        V_VT(result) = VT_I4;
        V_I4(result) = value;
        return S_OK;
    }
    static HRESULT Text(VARIANT* result, const std::wstring& text)
    {
        if (!result)
            return E_INVALIDARG;
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = ::SysAllocStringLen(text.c_str(), static_cast<UINT>(text.size()));
        return S_OK;
    }
    static bool Index(UINT count, VARIANT* args, long& index)
    {
        VARIANT converted;
        ::VariantInit(&converted);
        if (count != 1 || FAILED(::VariantChangeType(&converted, &args[0], 0, VT_I4)))
            return false;
        index = V_I4(&converted);
        return true;
    }
    static bool String(const VARIANT& arg, std::wstring& text)
    {
        if (V_VT(&arg) != VT_BSTR)
            return false;
        text.assign(V_BSTR(&arg) ? V_BSTR(&arg) : L"", V_BSTR(&arg) ? ::SysStringLen(V_BSTR(&arg)) : 0);
        return true;
    }

private:
    std::vector<std::wstring> mNames;
    LONG mReferences = 1;
};

class CMedia : public CAutomation {
public:
    explicit CMedia(long id) : CAutomation({ L"sourceURL" }), mId(id) {}
    long Id() const { return mId; }

    // The stand-in's media item behind an object, or 0.
    static long IdOf(const VARIANT& arg)
    {
        if (V_VT(&arg) != VT_DISPATCH || !V_DISPATCH(&arg))
            return 0;
        IDispatch* own = nullptr;
        if (FAILED(V_DISPATCH(&arg)->QueryInterface(kMediaIdentity, reinterpret_cast<void**>(&own))) || !own)
            return 0;
        const long id = static_cast<CMedia*>(own)->mId;
        own->Release();
        return id;
    }

protected:
    HRESULT Call(const std::wstring&, WORD flags, UINT, VARIANT*, VARIANT* result) override
    {
        const SMedia* media = sLibrary.Media(mId);
        if (!(flags & DISPATCH_PROPERTYGET) || !media)
            return DISP_E_MEMBERNOTFOUND;
        return Text(result, media->url);
    }
    bool Identity(REFIID iid) override { return IsEqualIID(iid, kMediaIdentity); }

private:
    long mId;
};

// A playlist, or (id 0) every media item of the library, as "getAll" gives it.
class CPlaylist : public CAutomation {
public:
    explicit CPlaylist(long id) : CAutomation({ L"count", L"item", L"name", L"removeItem", L"appendItem" }), mId(id) {}

protected:
    HRESULT Call(const std::wstring& name, WORD flags, UINT count, VARIANT* args, VARIANT* result) override
    {
        std::vector<long> items = Items();
        if (name == L"count")
            return Number(result, static_cast<long>(items.size()));
        if (name == L"name") {
            const SPlaylist* p = sLibrary.Playlist(mId);
            return p ? Text(result, p->name) : DISP_E_MEMBERNOTFOUND;
        }
        if (name == L"item") {
            long index = 0;
            if (!Index(count, args, index))
                return DISP_E_BADPARAMCOUNT;
            if (index < 0 || index >= static_cast<long>(items.size()))
                return E_INVALIDARG;
            return Object(result, new CMedia(items[static_cast<size_t>(index)]));
        }
        SPlaylist* p = sLibrary.Playlist(mId);
        if (!p || !(flags & DISPATCH_METHOD) || count != 1)
            return DISP_E_MEMBERNOTFOUND;
        const long media = CMedia::IdOf(args[0]);
        if (!media)
            return DISP_E_TYPEMISMATCH;
        if (name == L"appendItem") {
            p->media.push_back(media);
        } else {
            for (size_t i = 0; i < p->media.size(); ++i) {
                if (p->media[i] == media) {
                    p->media.erase(p->media.begin() + static_cast<long>(i));
                    break;
                }
            }
        }
        sLibrary.Save();
        return S_OK;
    }

private:
    std::vector<long> Items() const
    {
        if (mId == 0) {
            std::vector<long> all;
            for (const SMedia& m : sLibrary.media)
                all.push_back(m.id);
            return all;
        }
        const SPlaylist* p = sLibrary.Playlist(mId);
        return p ? p->media : std::vector<long>();
    }
    long mId;
};

// The playlists of one name, as "getByName" gives them.
class CPlaylistArray : public CAutomation {
public:
    explicit CPlaylistArray(std::vector<long> ids) : CAutomation({ L"count", L"item" }), mIds(std::move(ids)) {}

protected:
    HRESULT Call(const std::wstring& name, WORD, UINT count, VARIANT* args, VARIANT* result) override
    {
        if (name == L"count")
            return Number(result, static_cast<long>(mIds.size()));
        long index = 0;
        if (!Index(count, args, index))
            return DISP_E_BADPARAMCOUNT;
        if (index < 0 || index >= static_cast<long>(mIds.size()))
            return E_INVALIDARG;
        return Object(result, new CPlaylist(mIds[static_cast<size_t>(index)]));
    }

private:
    std::vector<long> mIds;
};

class CMediaCollection : public CAutomation {
public:
    CMediaCollection() : CAutomation({ L"getAll", L"add", L"remove" }) {}

protected:
    HRESULT Call(const std::wstring& name, WORD flags, UINT count, VARIANT* args, VARIANT* result) override
    {
        if (!(flags & DISPATCH_METHOD))
            return DISP_E_MEMBERNOTFOUND;
        if (name == L"getAll")
            return Object(result, new CPlaylist(0));
        if (name == L"add") {
            std::wstring url;
            if (count != 1 || !String(args[0], url))
                return DISP_E_TYPEMISMATCH;
            const long id = sLibrary.NextId();
            sLibrary.media.push_back({ id, url });
            sLibrary.Save();
            return Object(result, new CMedia(id));
        }
        // remove(item, deleteFile): the switch comes first in the arguments.
        if (count != 2 || V_VT(&args[0]) != VT_BOOL)
            return DISP_E_TYPEMISMATCH;
        const long id = CMedia::IdOf(args[1]);
        const SMedia* media = sLibrary.Media(id);
        if (!media)
            return E_INVALIDARG;
        if (V_BOOL(&args[0]) != VARIANT_FALSE)
            ::DeleteFileW(media->url.c_str());
        for (size_t i = 0; i < sLibrary.media.size(); ++i)
            if (sLibrary.media[i].id == id)
                sLibrary.media.erase(sLibrary.media.begin() + static_cast<long>(i--));
        for (SPlaylist& p : sLibrary.playlists)
            for (size_t i = 0; i < p.media.size(); ++i)
                if (p.media[i] == id)
                    p.media.erase(p.media.begin() + static_cast<long>(i--));
        sLibrary.Save();
        return S_OK;
    }
};

class CPlaylistCollection : public CAutomation {
public:
    CPlaylistCollection() : CAutomation({ L"getByName", L"newPlaylist" }) {}

protected:
    HRESULT Call(const std::wstring& name, WORD flags, UINT count, VARIANT* args, VARIANT* result) override
    {
        std::wstring playlist;
        if (!(flags & DISPATCH_METHOD) || count != 1 || !String(args[0], playlist))
            return DISP_E_TYPEMISMATCH;
        if (name == L"getByName") {
            std::vector<long> ids;
            for (const SPlaylist& p : sLibrary.playlists)
                if (p.name == playlist)
                    ids.push_back(p.id);
            return Object(result, new CPlaylistArray(ids));
        }
        const long id = sLibrary.NextId();
        sLibrary.playlists.push_back({ id, playlist, {} });
        sLibrary.Save();
        return Object(result, new CPlaylist(id));
    }
};

class CPlayer : public CAutomation {
public:
    CPlayer() : CAutomation({ L"versionInfo", L"mediaCollection", L"playlistCollection" }) { sLibrary.Load(); }

protected:
    HRESULT Call(const std::wstring& name, WORD flags, UINT, VARIANT*, VARIANT* result) override
    {
        if (!(flags & DISPATCH_PROPERTYGET))
            return DISP_E_MEMBERNOTFOUND;
        if (name == L"versionInfo")
            return Text(result, L"12.0.7601 (stand-in)");
        if (name == L"mediaCollection")
            return Object(result, new CMediaCollection);
        return Object(result, new CPlaylistCollection);
    }
};

CStaticClassFactory<CPlayer> sFactory;

} // namespace

extern "C" {

__declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out)
{
    if (!IsEqualCLSID(clsid, kPlayerClass))
        return CLASS_E_CLASSNOTAVAILABLE;
    return sFactory.QueryInterface(iid, out);
}

__declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return sLive == 0 ? S_OK : S_FALSE;
}

} // extern "C"

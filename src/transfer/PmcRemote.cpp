#include "transfer/PmcRemote.h"

#include "persist/PropertyCommand.h"

#include "tnwbscut.h"

#include <oleauto.h>

#include <string>

namespace {

VARIANT Text(const char* text)
{
    VARIANT value;
    ::VariantInit(&value);
    V_VT(&value) = VT_BSTR;
    V_BSTR(&value) = ::SysAllocString(UStringBuffer::ToWide(text));
    return value;
}

VARIANT Object(IDispatch* object)
{
    VARIANT value;
    ::VariantInit(&value);
    V_VT(&value) = VT_DISPATCH;
    V_DISPATCH(&value) = object; // borrowed for the call
    return value;
}

// The object a call answered with (the caller releases it), or null for any other answer.
IDispatch* TakeObject(HRESULT hr, VARIANT& result)
{
    IDispatch* object = nullptr;
    if (SUCCEEDED(hr) && V_VT(&result) == VT_DISPATCH) {
        object = V_DISPATCH(&result);
        V_VT(&result) = VT_EMPTY;
    }
    ::VariantClear(&result);
    return object;
}

// A method call with one argument, answered by an object or nothing.
IDispatch* CallForObject(IDispatch* target, const wchar_t* name, VARIANT argument)
{
    CPropertyCommand command(target);
    VARIANT result;
    ::VariantInit(&result);
    return TakeObject(command.invoke(name, &argument, 1, &result), result);
}

// The source URL of a media item, whole.
std::wstring SourceUrl(IDispatch* media)
{
    CPropertyCommand command(media);
    VARIANT result;
    ::VariantInit(&result);
    std::wstring url;
    if (SUCCEEDED(command.get(L"sourceURL", &result)) && V_VT(&result) == VT_BSTR && V_BSTR(&result))
        url.assign(V_BSTR(&result), ::SysStringLen(V_BSTR(&result)));
    ::VariantClear(&result);
    return url;
}

bool SamePath(const std::wstring& url, const wchar_t* path)
{
    return !url.empty()
           && ::CompareStringOrdinal(url.c_str(), static_cast<int>(url.size()), path, -1, TRUE) == CSTR_EQUAL;
}

// Calls visit(item) for each item of a playlist, from the last to the first, so that an
// item removed by visit moves none of those still to be visited.
template <class TVisit>
void ForEachItemBackwards(IDispatch* playlist, TVisit visit)
{
    CPropertyCommand command(playlist);
    int count = 0;
    if (command.getIntProp(L"count", count) != S_OK)
        return;
    for (int index = count - 1; index >= 0; --index) {
        VARIANT argument;
        ::VariantInit(&argument);
        V_VT(&argument) = VT_I4;
        V_I4(&argument) = index;
        VARIANT result;
        ::VariantInit(&result);
        IDispatch* item = TakeObject(command.invoke(L"item", &argument, 1, &result, DISPATCH_PROPERTYGET), result);
        if (item) {
            visit(item);
            item->Release();
        }
    }
}

} // namespace

CPmcRemote::CPmcRemote() = default;

CPmcRemote::CPmcRemote(const CPmcRemote& other)
    : mPlayer(other.mPlayer ? new CPropertyCommand(*other.mPlayer) : nullptr), mPlayListName(other.mPlayListName)
{
}

CPmcRemote& CPmcRemote::operator=(const CPmcRemote& other)
{
    if (this != &other) {
        CPropertyCommand* player = other.mPlayer ? new CPropertyCommand(*other.mPlayer) : nullptr;
        Finalize();
        mPlayer = player;
        mPlayListName = other.mPlayListName;
    }
    return *this;
}

CPmcRemote::~CPmcRemote()
{
    Finalize();
}

bool CPmcRemote::Initialize()
{
    Finalize();
    CLSID player = {};
    IDispatch* object = nullptr;
    if (FAILED(::CLSIDFromProgID(L"WMPlayer.OCX", &player))
        || FAILED(::CoCreateInstance(player, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                     reinterpret_cast<void**>(&object)))
        || !object)
        return false;
    mPlayer = new CPropertyCommand(object);
    object->Release();
    return true;
}

void CPmcRemote::Finalize()
{
    delete mPlayer;
    mPlayer = nullptr;
}

CString CPmcRemote::GetVersion()
{
    char version[1024] = {};
    if (!mPlayer || mPlayer->getStrProp(L"versionInfo", version, sizeof version) != S_OK)
        return CString();
    return version;
}

void CPmcRemote::SetPlayList(const char* name)
{
    mPlayListName = name ? name : "";
}

bool CPmcRemote::Add(const char* path)
{
    if (!mPlayer)
        Initialize();
    if (!path || !*path || !mPlayer)
        return false;
    IDispatch* media = AddMedia(path);
    if (!media)
        return false;
    bool filed = mPlayListName.IsEmpty();
    if (!filed) {
        if (IDispatch* playlist = CreatePlayList()) {
            RemoveMediaFromPlayList(playlist, path);
            filed = AddMediaToPlayList(playlist, media);
            playlist->Release();
        }
    }
    media->Release();
    return filed;
}

IDispatch* CPmcRemote::AddMedia(const char* path)
{
    IDispatch* collection = nullptr;
    if (mPlayer->getDispProp(L"mediaCollection", &collection) != S_OK || !collection)
        return nullptr;
    RemoveMediaFromLibrary(collection, path);
    IDispatch* media = AddMediaToLibrary(collection, path);
    collection->Release();
    return media;
}

void CPmcRemote::RemoveMediaFromLibrary(IDispatch* collection, const char* path)
{
    CPropertyCommand command(collection);
    VARIANT result;
    ::VariantInit(&result);
    IDispatch* all = TakeObject(command.invoke(L"getAll", nullptr, 0, &result), result);
    if (!all)
        return;
    const std::wstring key = UStringBuffer::ToWide(path);
    ForEachItemBackwards(all, [&](IDispatch* item) {
        if (!SamePath(SourceUrl(item), key.c_str()))
            return;
        // Arguments go last first: the switch, then the item.
        VARIANT arguments[2];
        ::VariantInit(&arguments[0]);
        V_VT(&arguments[0]) = VT_BOOL;
        V_BOOL(&arguments[0]) = VARIANT_FALSE;
        arguments[1] = Object(item);
        command.invoke(L"remove", arguments, 2, nullptr);
    });
    all->Release();
}

IDispatch* CPmcRemote::AddMediaToLibrary(IDispatch* collection, const char* path)
{
    VARIANT argument = Text(path);
    IDispatch* media = CallForObject(collection, L"add", argument);
    ::VariantClear(&argument);
    return media;
}

IDispatch* CPmcRemote::CreatePlayList()
{
    if (mPlayListName.IsEmpty())
        return nullptr;
    IDispatch* collection = nullptr;
    if (mPlayer->getDispProp(L"playlistCollection", &collection) != S_OK || !collection)
        return nullptr;
    VARIANT name = Text(mPlayListName);
    IDispatch* playlist = nullptr;
    if (IDispatch* array = CallForObject(collection, L"getByName", name)) {
        int count = 0;
        if (CPropertyCommand(array).getIntProp(L"count", count) == S_OK && count >= 1) {
            VARIANT first;
            ::VariantInit(&first);
            V_VT(&first) = VT_I4;
            V_I4(&first) = 0;
            playlist = CallForObject(array, L"item", first);
        } else {
            playlist = CallForObject(collection, L"newPlaylist", name);
        }
        array->Release();
    }
    ::VariantClear(&name);
    collection->Release();
    return playlist;
}

void CPmcRemote::RemoveMediaFromPlayList(IDispatch* playlist, const char* path)
{
    CPropertyCommand command(playlist);
    const std::wstring key = UStringBuffer::ToWide(path);
    ForEachItemBackwards(playlist, [&](IDispatch* item) {
        if (!SamePath(SourceUrl(item), key.c_str()))
            return;
        VARIANT argument = Object(item);
        command.invoke(L"removeItem", &argument, 1, nullptr);
    });
}

bool CPmcRemote::AddMediaToPlayList(IDispatch* playlist, IDispatch* media)
{
    VARIANT argument = Object(media);
    return SUCCEEDED(CPropertyCommand(playlist).invoke(L"appendItem", &argument, 1, nullptr));
}

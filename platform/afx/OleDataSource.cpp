#include "afxole.h"
#include "afxunknown_.h"

#include <shlobj.h>

#include <vector>

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

// The IDataObject of a data source. It owns the cached blocks, so that it stays whole for
// whoever still holds a reference after the source object is gone.
class COleDataSource::XDataObject : public CUnknownImpl<IDataObject> {
public:
    XDataObject() : CUnknownImpl<IDataObject>(IID_IDataObject) {}

    void Cache(const FORMATETC& format, HGLOBAL block)
    {
        for (Entry& entry : mEntries) {
            if (entry.format.cfFormat == format.cfFormat && entry.format.dwAspect == format.dwAspect) {
                ::GlobalFree(entry.block);
                entry.block = block;
                return;
            }
        }
        mEntries.push_back({ format, block });
    }

    void Empty()
    {
        for (Entry& entry : mEntries)
            ::GlobalFree(entry.block);
        mEntries.clear();
    }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* pformatetcIn, STGMEDIUM* pmedium) override
    {
        if (!pformatetcIn || !pmedium)
            return E_INVALIDARG;
        const Entry* entry = Find(*pformatetcIn);
        if (!entry)
            return DV_E_FORMATETC;
        HGLOBAL copy = static_cast<HGLOBAL>(::OleDuplicateData(entry->block, entry->format.cfFormat, 0));
        if (!copy)
            return E_OUTOFMEMORY;
        pmedium->tymed = TYMED_HGLOBAL;
        pmedium->hGlobal = copy;
        pmedium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* pformatetc) override
    {
        if (!pformatetc)
            return E_INVALIDARG;
        return Find(*pformatetc) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pformatetcOut) override
    {
        if (pformatetcOut)
            pformatetcOut->ptd = nullptr;
        return DATA_S_SAMEFORMATETC;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppenumFormatEtc) override
    {
        if (!ppenumFormatEtc)
            return E_INVALIDARG;
        *ppenumFormatEtc = nullptr;
        if (dwDirection != DATADIR_GET)
            return E_NOTIMPL;
        std::vector<FORMATETC> formats;
        for (const Entry& entry : mEntries)
            formats.push_back(entry.format);
        return ::SHCreateStdEnumFmtEtc(static_cast<UINT>(formats.size()), formats.data(), ppenumFormatEtc);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    struct Entry {
        FORMATETC format;
        HGLOBAL block;
    };

    ~XDataObject() override { Empty(); }

    const Entry* Find(const FORMATETC& wanted) const
    {
        for (const Entry& entry : mEntries) {
            if (entry.format.cfFormat == wanted.cfFormat && (wanted.tymed & TYMED_HGLOBAL)
                && entry.format.dwAspect == wanted.dwAspect)
                return &entry;
        }
        return nullptr;
    }

    std::vector<Entry> mEntries;
};

COleDataSource::COleDataSource() : m_xDataObject(new XDataObject) {}

COleDataSource::~COleDataSource()
{
    m_xDataObject->Release();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc)
{
    if (!hGlobal)
        return;
    FORMATETC format = { cfFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL };
    if (lpFormatEtc) {
        format = *lpFormatEtc;
        format.cfFormat = cfFormat;
        // Only global memory is kept; a target device would outlive the caller's copy.
        format.tymed = TYMED_HGLOBAL;
        format.ptd = nullptr;
    }
    m_xDataObject->Cache(format, hGlobal);
}

void COleDataSource::Empty()
{
    m_xDataObject->Empty();
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT lpRectStartDrag, COleDropSource* pDropSource)
{
    COleDropSource defaultSource;
    COleDropSource* source = pDropSource ? pDropSource : &defaultSource;
    source->m_rectStartDrag = lpRectStartDrag ? CRect(*lpRectStartDrag) : CRect(0, 0, 0, 0);
    HWND capture = ::GetCapture();
    if (!source->OnBeginDrag(capture ? CWnd::FromHandle(capture) : CWnd::GetFocus()))
        return DROPEFFECT_NONE;
    DWORD effect = DROPEFFECT_NONE;
    auto* dropSource = static_cast<IDropSource*>(source->GetInterface(&IID_IDropSource));
    const HRESULT result = ::DoDragDrop(m_xDataObject, dropSource, dwEffects, &effect);
    return result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

LPUNKNOWN COleDataSource::GetInterface(const void* piid)
{
    const IID* iid = static_cast<const IID*>(piid);
    if (iid && (IsEqualIID(*iid, IID_IDataObject) || IsEqualIID(*iid, IID_IUnknown)))
        return m_xDataObject;
    return nullptr;
}

#pragma once
// The reference counting and QueryInterface that every COM object of the framework shares:
// an object that implements one interface, deleted when its last reference goes.
#include <objbase.h>

template <class TInterface>
class CUnknownImpl : public TInterface {
public:
    explicit CUnknownImpl(REFIID iid) : mIid(iid) {}
    CUnknownImpl(const CUnknownImpl&) = delete;
    CUnknownImpl& operator=(const CUnknownImpl&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override
    {
        if (!ppvObject)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, mIid)) {
            *ppvObject = static_cast<TInterface*>(this);
            AddRef();
            return S_OK;
        }
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&mRefs)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG refs = ::InterlockedDecrement(&mRefs);
        if (refs == 0)
            delete this;
        return static_cast<ULONG>(refs);
    }

protected:
    virtual ~CUnknownImpl() = default;

private:
    LONG mRefs = 1;
    IID mIid;
};

#include "StandInAutomation.h"

#include <oleauto.h>

int StandInAutomation::sAlive = 0;

StandInAutomation::StandInAutomation()
{
    ++sAlive;
}

StandInAutomation::~StandInAutomation()
{
    for (Member& member : mMembers)
        ::VariantClear(&member.value);
    --sAlive;
}

StandInAutomation::Member& StandInAutomation::Add(const wchar_t* name)
{
    Member member{ name, {}, nullptr, S_OK };
    ::VariantInit(&member.value);
    mMembers.push_back(member);
    return mMembers.back();
}

const StandInAutomation::Member* StandInAutomation::Find(const wchar_t* name) const
{
    for (const Member& member : mMembers) {
        if (_wcsicmp(member.name.c_str(), name) == 0)
            return &member;
    }
    return nullptr;
}

void StandInAutomation::AddProperty(const wchar_t* name, const VARIANT& value)
{
    ::VariantCopy(&Add(name).value, const_cast<VARIANT*>(&value));
}

void StandInAutomation::AddTextProperty(const wchar_t* name, const wchar_t* text)
{
    VARIANT value;
    V_VT(&value) = VT_BSTR;
    V_BSTR(&value) = text ? ::SysAllocString(text) : nullptr;
    Add(name).value = value;
}

void StandInAutomation::AddMethod(const wchar_t* name, Method method)
{
    Add(name).method = std::move(method);
}

void StandInAutomation::AddFailing(const wchar_t* name, HRESULT failure)
{
    Add(name).failure = failure;
}

const VARIANT& StandInAutomation::Property(const wchar_t* name) const
{
    static VARIANT empty = {};
    const Member* member = Find(name);
    return member ? member->value : empty;
}

std::wstring StandInAutomation::TextProperty(const wchar_t* name) const
{
    const VARIANT& value = Property(name);
    if (V_VT(&value) != VT_BSTR || !V_BSTR(&value))
        return std::wstring();
    return std::wstring(V_BSTR(&value), ::SysStringLen(V_BSTR(&value)));
}

HRESULT StandInAutomation::QueryInterface(REFIID riid, void** ppvObject)
{
    if (!ppvObject)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
        *ppvObject = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *ppvObject = nullptr;
    return E_NOINTERFACE;
}

ULONG StandInAutomation::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&mReferences));
}

ULONG StandInAutomation::Release()
{
    const LONG references = ::InterlockedDecrement(&mReferences);
    if (references == 0)
        delete this;
    return static_cast<ULONG>(references);
}

HRESULT StandInAutomation::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo)
        *pctinfo = 0;
    return S_OK;
}

HRESULT StandInAutomation::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return DISP_E_BADINDEX;
}

HRESULT StandInAutomation::GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId)
{
    namesLocale = lcid;
    if (!rgszNames || !rgDispId || cNames != 1)
        return E_INVALIDARG;
    const Member* member = Find(rgszNames[0]);
    rgDispId[0] = member ? static_cast<DISPID>(member - mMembers.data() + 1) : DISPID_UNKNOWN;
    return member ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT StandInAutomation::Invoke(DISPID dispIdMember, REFIID, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                  VARIANT* pVarResult, EXCEPINFO*, UINT*)
{
    invokeLocale = lcid;
    invokeFlags = wFlags;
    if (dispIdMember < 1 || static_cast<size_t>(dispIdMember) > mMembers.size() || !pDispParams)
        return DISP_E_MEMBERNOTFOUND;
    Member& member = mMembers[static_cast<size_t>(dispIdMember - 1)];
    if (FAILED(member.failure))
        return member.failure;
    if (member.method) {
        if (!(wFlags & DISPATCH_METHOD))
            return DISP_E_MEMBERNOTFOUND;
        std::vector<VARIANT> arguments(pDispParams->rgvarg, pDispParams->rgvarg + pDispParams->cArgs);
        return member.method(arguments, pVarResult);
    }
    if (wFlags & DISPATCH_PROPERTYPUT) {
        if (pDispParams->cArgs != 1 || pDispParams->cNamedArgs != 1
            || pDispParams->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_PARAMNOTOPTIONAL;
        return ::VariantCopy(&member.value, &pDispParams->rgvarg[0]);
    }
    if (wFlags & DISPATCH_PROPERTYGET) {
        if (!pVarResult)
            return E_INVALIDARG;
        return ::VariantCopy(pVarResult, &member.value);
    }
    return DISP_E_MEMBERNOTFOUND;
}

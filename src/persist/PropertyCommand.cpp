#include "persist/PropertyCommand.h"

#include <oleauto.h>

#include <string>

CPropertyCommand::CPropertyCommand(IDispatch* object) : mObject(object)
{
    if (mObject)
        mObject->AddRef();
}

CPropertyCommand::CPropertyCommand(const CPropertyCommand& other) : CPropertyCommand(other.mObject) {}

CPropertyCommand& CPropertyCommand::operator=(const CPropertyCommand& other)
{
    // The new reference first: other may hold the last reference but ours.
    if (other.mObject)
        other.mObject->AddRef();
    if (mObject)
        mObject->Release();
    mObject = other.mObject;
    return *this;
}

CPropertyCommand::~CPropertyCommand()
{
    if (mObject)
        mObject->Release();
    mObject = nullptr;
}

HRESULT CPropertyCommand::_invoke(const wchar_t* name, unsigned short flags, DISPPARAMS* params, VARIANT* result)
{
    if (!mObject)
        return E_INVALIDARG;
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = { const_cast<LPOLESTR>(name) };
    HRESULT hr = mObject->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        return hr;
    return mObject->Invoke(id, IID_NULL, LOCALE_SYSTEM_DEFAULT, flags, params, result, nullptr, nullptr);
}

HRESULT CPropertyCommand::invoke(const wchar_t* name, VARIANT* args, unsigned long count, VARIANT* result,
                                 unsigned short flags)
{
    DISPPARAMS params = { args, nullptr, static_cast<UINT>(count), 0 };
    return _invoke(name, flags, &params, result);
}

HRESULT CPropertyCommand::invoke(const wchar_t* name, VARIANT* args, unsigned long count, VARIANT* result)
{
    return invoke(name, args, count, result, DISPATCH_METHOD);
}

HRESULT CPropertyCommand::get(const wchar_t* name, VARIANT* result)
{
    DISPPARAMS params = { nullptr, nullptr, 0, 0 };
    return _invoke(name, DISPATCH_PROPERTYGET, &params, result);
}

HRESULT CPropertyCommand::put(const wchar_t* name, VARIANT* value)
{
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = { value, &named, 1, 1 };
    return _invoke(name, DISPATCH_PROPERTYPUT, &params, nullptr);
}

namespace {

// Reads the property into result when it has the type wanted: S_OK; S_FALSE (result
// cleared) for another type; failures as they come.
HRESULT GetTyped(CPropertyCommand& command, const wchar_t* name, VARTYPE type, VARIANT& result)
{
    ::VariantInit(&result);
    const HRESULT hr = command.get(name, &result);
    if (FAILED(hr))
        return hr;
    if (V_VT(&result) != type) {
        ::VariantClear(&result);
        return S_FALSE;
    }
    return S_OK;
}

// A plain value read from a property of that type.
template <class T, class TRead>
HRESULT Read(CPropertyCommand& command, const wchar_t* name, VARTYPE type, T& value, TRead read)
{
    VARIANT result;
    const HRESULT hr = GetTyped(command, name, type, result);
    if (hr == S_OK)
        value = read(result);
    return hr;
}

// A value of that type, filled in by fill, put into the property.
template <class TFill>
HRESULT Write(CPropertyCommand& command, const wchar_t* name, VARTYPE type, TFill fill)
{
    VARIANT value;
    ::VariantInit(&value);
    V_VT(&value) = type;
    fill(value);
    return command.put(name, &value);
}

// The text in the ANSI code page.
std::string ToAnsi(const wchar_t* text, int length)
{
    if (!text || length <= 0)
        return std::string();
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return std::string();
    std::string ansi(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, length, &ansi[0], bytes, nullptr, nullptr);
    return ansi;
}

// How many of the first bytes of text fit into limit bytes without splitting a double-byte
// character.
size_t WholeCharacters(const std::string& text, size_t limit)
{
    size_t end = 0;
    while (end < text.size()) {
        const size_t next = ::IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(text[end])) ? end + 2 : end + 1;
        if (next > limit || next > text.size())
            break;
        end = next;
    }
    return end;
}

} // namespace

HRESULT CPropertyCommand::getStrProp(const wchar_t* name, char* buffer, unsigned int size)
{
    if (!buffer || size == 0)
        return S_FALSE;
    VARIANT value;
    const HRESULT hr = GetTyped(*this, name, VT_BSTR, value);
    if (hr != S_OK)
        return hr;
    const BSTR text = V_BSTR(&value);
    const std::string ansi = ToAnsi(text, text ? static_cast<int>(::SysStringLen(text)) : 0);
    ::VariantClear(&value);
    const size_t length = WholeCharacters(ansi, size - 1);
    ansi.copy(buffer, length);
    buffer[length] = '\0';
    return S_OK;
}

HRESULT CPropertyCommand::getIntProp(const wchar_t* name, int& value)
{
    return Read(*this, name, VT_I4, value, [](const VARIANT& result) { return V_I4(&result); });
}

HRESULT CPropertyCommand::getBoolProp(const wchar_t* name, bool& value)
{
    return Read(*this, name, VT_BOOL, value, [](const VARIANT& result) { return V_BOOL(&result) != VARIANT_FALSE; });
}

HRESULT CPropertyCommand::getDoubleProp(const wchar_t* name, double& value)
{
    return Read(*this, name, VT_R8, value, [](const VARIANT& result) { return V_R8(&result); });
}

HRESULT CPropertyCommand::getDateProp(const wchar_t* name, double& value)
{
    return Read(*this, name, VT_DATE, value, [](const VARIANT& result) { return V_DATE(&result); });
}

HRESULT CPropertyCommand::getDispProp(const wchar_t* name, IDispatch** value)
{
    if (!value)
        return S_FALSE;
    *value = nullptr;
    // The reference in the variant goes to the caller.
    return Read(*this, name, VT_DISPATCH, *value, [](const VARIANT& result) { return V_DISPATCH(&result); });
}

HRESULT CPropertyCommand::setStrProp(const wchar_t* name, const char* value)
{
    std::wstring wide;
    if (value && *value) {
        const int length = ::MultiByteToWideChar(CP_ACP, 0, value, -1, nullptr, 0);
        if (length > 1) {
            wide.resize(static_cast<size_t>(length));
            ::MultiByteToWideChar(CP_ACP, 0, value, -1, &wide[0], length);
            wide.resize(static_cast<size_t>(length - 1));
        }
    }
    VARIANT variant;
    ::VariantInit(&variant);
    V_VT(&variant) = VT_BSTR;
    V_BSTR(&variant) = ::SysAllocStringLen(wide.c_str(), static_cast<UINT>(wide.size()));
    if (!V_BSTR(&variant))
        return E_OUTOFMEMORY;
    const HRESULT hr = put(name, &variant);
    ::SysFreeString(V_BSTR(&variant));
    return hr;
}

HRESULT CPropertyCommand::setIntProp(const wchar_t* name, int value)
{
    return Write(*this, name, VT_I4, [value](VARIANT& variant) { V_I4(&variant) = value; });
}

HRESULT CPropertyCommand::setBoolProp(const wchar_t* name, bool value)
{
    return Write(*this, name, VT_BOOL,
                 [value](VARIANT& variant) { V_BOOL(&variant) = value ? VARIANT_TRUE : VARIANT_FALSE; });
}

HRESULT CPropertyCommand::setDoubleProp(const wchar_t* name, double value)
{
    return Write(*this, name, VT_R8, [value](VARIANT& variant) { V_R8(&variant) = value; });
}

HRESULT CPropertyCommand::setDateProp(const wchar_t* name, double value)
{
    return Write(*this, name, VT_DATE, [value](VARIANT& variant) { V_DATE(&variant) = value; });
}

HRESULT CPropertyCommand::setDispProp(const wchar_t* name, IDispatch* value)
{
    return Write(*this, name, VT_DISPATCH, [value](VARIANT& variant) { V_DISPATCH(&variant) = value; });
}

#pragma once
#include <oaidl.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

// Stands in for an outside program's Automation object: an in-process IDispatch whose
// properties and methods are found by name, as a scripting host finds them. Properties
// keep what is put into them (objects with a reference of their own); methods run a
// function of the test with the arguments exactly as Invoke received them (last argument
// first). The test sees the reference count, the locales and flags of the last calls, and
// how many stand-ins are alive. Made with one reference, the test's; the last Release
// deletes it. Unknown names answer DISP_E_UNKNOWNNAME.
class StandInAutomation : public IDispatch {
public:
    using Method = std::function<HRESULT(const std::vector<VARIANT>& arguments, VARIANT* result)>;

    StandInAutomation();
    StandInAutomation(const StandInAutomation&) = delete;
    StandInAutomation& operator=(const StandInAutomation&) = delete;

    // The value is copied.
    void AddProperty(const wchar_t* name, const VARIANT& value);
    void AddTextProperty(const wchar_t* name, const wchar_t* text);
    void AddMethod(const wchar_t* name, Method method);
    // A name whose every call fails with failure.
    void AddFailing(const wchar_t* name, HRESULT failure);

    const VARIANT& Property(const wchar_t* name) const;
    std::wstring TextProperty(const wchar_t* name) const;
    ULONG References() const { return static_cast<ULONG>(mReferences); }
    static int Alive() { return sAlive; }

    LCID namesLocale = 0;
    LCID invokeLocale = 0;
    WORD invokeFlags = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                            DISPID* rgDispId) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                     DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                                     UINT* puArgErr) override;

private:
    struct Member {
        std::wstring name;
        VARIANT value;
        Method method;
        HRESULT failure;
    };

    virtual ~StandInAutomation();
    Member& Add(const wchar_t* name);
    const Member* Find(const wchar_t* name) const;

    LONG mReferences = 1;
    std::vector<Member> mMembers; // a member's DISPID is its index + 1
    static int sAlive;
};

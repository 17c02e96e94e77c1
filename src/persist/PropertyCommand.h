#pragma once
#include "afxver_.h"

#include <oaidl.h>

// Drives an OLE Automation object (IDispatch) by property and method names with plain C
// types. Names are wide strings. Every result is the HRESULT of the object, passed on
// unchanged; E_INVALIDARG without an object. A typed read of a property whose value has
// another type answers S_FALSE and leaves the output as it was.
//
// invoke passes args as IDispatch::Invoke expects them: the last argument first.
//
// References: the command holds one reference to its object, from construction (or
// assignment) to destruction. Reads give back what they copied and release the rest:
// a text is copied and its string freed; getDispProp hands the caller the reference the
// object returned, which the caller releases. setDispProp passes the object without a
// reference of its own.
//
// Decisions of this library:
// - Copying or assigning a command takes a reference of its own to the object, and gives
//   back the one it held, so that every command releases exactly what it took.
// - getStrProp fills at most size - 1 bytes and a terminating zero, never cutting a
//   double-byte character in two; a buffer of no bytes gets nothing and S_FALSE.
// - setStrProp sends the whole text, however long.
// - A bool reads true for any value but 0 and is sent as VARIANT_TRUE (-1) or
//   VARIANT_FALSE.
class AFX_EXT_CLASS CPropertyCommand {
public:
    explicit CPropertyCommand(IDispatch* object = nullptr);
    CPropertyCommand(const CPropertyCommand& other);
    CPropertyCommand& operator=(const CPropertyCommand& other);
    virtual ~CPropertyCommand();

    IDispatch* getDisp() const { return mObject; }

    HRESULT invoke(const wchar_t* name, VARIANT* args, unsigned long count, VARIANT* result, unsigned short flags);
    // A method call (DISPATCH_METHOD).
    HRESULT invoke(const wchar_t* name, VARIANT* args, unsigned long count, VARIANT* result);
    HRESULT get(const wchar_t* name, VARIANT* result);
    HRESULT put(const wchar_t* name, VARIANT* value);

    HRESULT getStrProp(const wchar_t* name, char* buffer, unsigned int size);
    HRESULT getIntProp(const wchar_t* name, int& value);
    HRESULT getBoolProp(const wchar_t* name, bool& value);
    HRESULT getDoubleProp(const wchar_t* name, double& value);
    HRESULT getDateProp(const wchar_t* name, double& value);
    HRESULT getDispProp(const wchar_t* name, IDispatch** value);

    // A null text sends an empty one.
    HRESULT setStrProp(const wchar_t* name, const char* value);
    HRESULT setIntProp(const wchar_t* name, int value);
    HRESULT setBoolProp(const wchar_t* name, bool value);
    HRESULT setDoubleProp(const wchar_t* name, double value);
    HRESULT setDateProp(const wchar_t* name, double value);
    HRESULT setDispProp(const wchar_t* name, IDispatch* value);

protected:
    HRESULT _invoke(const wchar_t* name, unsigned short flags, DISPPARAMS* params, VARIANT* result);

private:
    IDispatch* mObject;
};

#pragma once
#include "afx.h"

// One parameter of a web form request, name and value both already encoded for the
// address and the body (UUrlEncoder).
class AFX_EXT_CLASS CWebParam {
public:
    CWebParam();
    virtual ~CWebParam();

    void SetName(const char* name);
    void SetValue(const char* value);
    CString& GetName();
    CString& GetValue();
    // name=value, or an empty text when either is empty.
    CString GetParam() const;

private:
    CString mName;
    CString mValue;
};

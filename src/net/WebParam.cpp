#include "net/WebParam.h"

CWebParam::CWebParam() = default;

CWebParam::~CWebParam() = default;

void CWebParam::SetName(const char* name)
{
    mName = name;
}

void CWebParam::SetValue(const char* value)
{
    mValue = value;
}

CString& CWebParam::GetName()
{
    return mName;
}

CString& CWebParam::GetValue()
{
    return mValue;
}

CString CWebParam::GetParam() const
{
    if (mName.IsEmpty() || mValue.IsEmpty())
        return CString();
    return mName + "=" + mValue;
}

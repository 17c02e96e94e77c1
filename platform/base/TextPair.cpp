#include "TextPair.h"

CTextPair::CTextPair(const char* name, const char* value)
{
    SetName(name);
    SetValue(value);
}

CTextPair::~CTextPair() = default;

const char* CTextPair::GetName() const
{
    return mName.c_str();
}

const char* CTextPair::GetValue() const
{
    return mValue.c_str();
}

void CTextPair::SetName(const char* name)
{
    mName = name ? name : "";
}

void CTextPair::SetValue(const char* value)
{
    mValue = value ? value : "";
}

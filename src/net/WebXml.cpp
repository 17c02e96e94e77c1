#include "net/WebXml.h"

#include "net/UrlEncoder.h"
#include "net/WebParam.h"
#include "net/WebPost.h"
#include "persist/XmlPersistReader.h"
#include "persist/XmlValueText.h"

#include <cstdlib>

const char* const CWebXml::kResultTag = "result";
const char* const CWebXml::kMessageTag = "message";
const char* const CWebXml::kDataTag = "data";
const char* const CWebXml::kUnableToConnect = "Unable to connect to ";
const char* const CWebXml::kFormContentType = UWebPost::kFormContentType;

CWebXml::CWebXml() : mObject(nullptr), mTimeout(0) {}

CWebXml::~CWebXml()
{
    Reset();
}

void CWebXml::SetSite(const char* site)
{
    mSite = site;
}

void CWebXml::SetPath(const char* path)
{
    mPath = path;
}

void CWebXml::AddParam(const char* name, const char* value)
{
    if (!name || !*name || !value || !*value)
        return;
    auto* param = new CWebParam;
    param->SetName(UUrlEncoder::EncodeParam(name));
    param->SetValue(UUrlEncoder::EncodeParam(value));
    mParams.Add(param);
}

void CWebXml::AddParam(const char* name, int value)
{
    CString text;
    text.Format("%d", value);
    AddParam(name, static_cast<const char*>(text));
}

CString CWebXml::GetParams() const
{
    CString params;
    for (int i = 0; i < mParams.GetItemCount(); ++i) {
        if (i > 0)
            params += "&";
        params += static_cast<CWebParam*>(mParams.GetAt(i))->GetParam();
    }
    return params;
}

CString CWebXml::GetUrl() const
{
    const CString params = GetParams();
    return params.IsEmpty() ? mSite + mPath : mSite + mPath + "?" + params;
}

void CWebXml::SetObject(CPersistObject* object)
{
    mObject = object;
}

void CWebXml::Reset()
{
    for (int i = 0; i < mParams.GetItemCount(); ++i)
        delete static_cast<CWebParam*>(mParams.GetAt(i));
    mParams.RemoveAll();
    mDocument.Reset();
}

CString CWebXml::RunUrl()
{
    CString answer;
    if (!UWebPost::Post(GetUrl(), GetParams(), mTimeout, answer)) {
        answer.Empty();
        mDocument.AddValue(kMessageTag, kUnableToConnect + mSite);
    }
    return answer;
}

bool CWebXml::Run()
{
    mDocument.Reset();
    return ReadAnswer(RunUrl());
}

bool CWebXml::ReadAnswer(const char* answer)
{
    mDocument.Parse(answer ? answer : "");
    CXmlNode* result = mDocument.FindChild(kResultTag, false);
    if (!result || std::atoi(result->GetValue()) == 0)
        return false;
    CXmlNode* data = mObject ? mDocument.FindChild(kDataTag, false) : nullptr;
    if (data) {
        CXmlPersistReader reader(data);
        mObject->Load(kDataTag, reader);
    }
    return true;
}

#pragma push_macro("GetMessage")
#undef GetMessage
CString CWebXml::GetMessage() const
{
    CXmlNode* message = mDocument.FindChild(kMessageTag, false);
    return message ? UXmlValueText::Decode(message->GetValue()) : CString();
}
#pragma pop_macro("GetMessage")

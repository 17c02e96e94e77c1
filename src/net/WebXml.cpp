#include "net/WebXml.h"

#include "net/NetSession.h"
#include "net/UrlEncoder.h"
#include "net/WebParam.h"
#include "persist/XmlPersistReader.h"
#include "persist/XmlValueText.h"

#include "tnwwndut.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const DWORD kPlainRequestFlags = INTERNET_FLAG_DONT_CACHE;
const DWORD kSecureRequestFlags = INTERNET_FLAG_DONT_CACHE | INTERNET_FLAG_SECURE;

bool HasScheme(const char* address, const char* scheme)
{
    const size_t length = std::strlen(scheme);
    return _strnicmp(address, scheme, length) == 0 && address[length] == ':';
}

} // namespace

const char* const CWebXml::kResultTag = "result";
const char* const CWebXml::kMessageTag = "message";
const char* const CWebXml::kDataTag = "data";
const char* const CWebXml::kUnableToConnect = "Unable to connect to ";
const char* const CWebXml::kFormContentType = "Content-Type: application/x-www-form-urlencoded";

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

bool CWebXml::Ask(CString& answer)
{
    const CString address = GetUrl();
    const bool secure = HasScheme(address, "https");
    if (!secure && !HasScheme(address, "http"))
        return false;
    INTERNET_PORT port = UUrlUtils::GetPort(address);
    if (port == 0)
        port = secure ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT;
    try {
        CNetSession session(mTimeout);
        std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection(
            UUrlUtils::GetServer(address).c_str(), static_cast<DWORD>(INTERNET_FLAG_DONT_CACHE), port, nullptr, nullptr));
        std::unique_ptr<CHttpFile> request(connection->OpenRequest("POST", UUrlUtils::GetFileName(address).c_str(), nullptr, 0,
                                                                   nullptr, nullptr,
                                                                   secure ? kSecureRequestFlags : kPlainRequestFlags));
        CString body = GetParams();
        request->SendRequest(kFormContentType, 0, const_cast<char*>(static_cast<const char*>(body)),
                             static_cast<DWORD>(body.GetLength()));
        DWORD status = 0;
        if (!request->QueryInfoStatusCode(status) || status < 200 || status > 299)
            return false;
        CString line;
        for (bool first = true; request->ReadString(line); first = false) {
            if (!first)
                answer += "\r\n";
            answer += line;
        }
        request->Close();
        connection->Close();
        return true;
    } catch (CException* e) {
        e->Delete();
        return false;
    }
}

CString CWebXml::RunUrl()
{
    CString answer;
    if (!Ask(answer)) {
        answer.Empty();
        mDocument.AddValue(kMessageTag, kUnableToConnect + mSite);
    }
    return answer;
}

bool CWebXml::Run()
{
    mDocument.Reset();
    const CString answer = RunUrl();
    mDocument.Parse(answer);
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

// Answers of the maker's web services, read by CWebXml as Run reads them once the server
// answered: "result", "message" and the "data" element loaded into a persistent object.
//
// - The answer counts as a success exactly when the document has a "result" whose number
//   is not 0; the message is the decoded "message", or empty.
// - The data loads into a list of persistent objects, whatever objects it names; every
//   object the list then holds is one it could create, and the list saves and loads
//   again (no crash, no leak, no read beyond a value).
// - Without a network, Run fails with the connection message and keeps no old answer.
#include "FuzzCheck.h"

#include "../shim/MemoryFiles.h"
#include "net/WebXml.h"
#include "persist/XmlPersistReader.h"
#include "persist/XmlPersistStorage.h"
#include "persist/XmlValueText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string answer(reinterpret_cast<const char*>(data), size);
    CWebXml web;
    CPersistList objects;
    web.SetObject(&objects);
    const bool succeeded = web.ReadAnswer(answer.c_str());

    CXmlDocument document;
    document.Parse(answer.c_str());
    CXmlNode* result = document.FindChild(CWebXml::kResultTag, false);
    FUZZ_CHECK(succeeded == (result && std::atoi(result->GetValue()) != 0), "success is a result other than 0");
    CXmlNode* message = document.FindChild(CWebXml::kMessageTag, false);
    FUZZ_CHECK(web.GetMessage() == (message ? UXmlValueText::Decode(message->GetValue()) : CString()),
               "the message is the decoded \"message\"");
    for (int i = 0; i < objects.GetItemCount(); ++i)
        FUZZ_CHECK(objects.GetAt(i) != nullptr && objects.GetAt(i) != &objects, "a loaded list holds objects");

    UMemoryFiles::Clear();
    const char* path = "C:\\Fuzz\\Answer.xml";
    {
        CXmlPersistStorage storage("answer", path);
        objects.Save(CWebXml::kDataTag, storage);
    }
    CPersistList reloaded;
    CXmlPersistReader reader("answer", path);
    reloaded.Load(CWebXml::kDataTag, reader);
    FUZZ_CHECK(reloaded.GetItemCount() == objects.GetItemCount(), "a loaded list saves and loads again");

    web.SetSite("http://127.0.0.1:9");
    FUZZ_CHECK(!web.Run(), "no answer is no success");
    FUZZ_CHECK(web.GetMessage() == CString(CWebXml::kUnableToConnect) + "http://127.0.0.1:9",
               "no answer leaves the connection message");
    return 0;
}

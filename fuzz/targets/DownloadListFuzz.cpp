// Package lists as a web service hands them over: the "data" element of an answer,
// loaded into a CDownloadList through CWebXml and the XML persist reader.
//
// - The list holds packages only, no two of one name, and every necessary package it
//   lists is one of its downloads.
// - Saved into an answer and read back, the list has the same packages with the same
//   properties, in the same order; saving that list writes the same document again.
// - AddDownload keeps names unique and fills the necessary list; a copy has the packages
//   and no necessary list; Clear empties both.
#include "FuzzCheck.h"

#include "../shim/MemoryFiles.h"
#include "net/DownloadList.h"
#include "net/WebXml.h"
#include "persist/XmlPersistStorage.h"

namespace {

const char kAnswerPath[] = "C:\\Fuzz\\Answer.xml";

void CheckInvariants(CDownloadList& list)
{
    for (int i = 0; i < list.GetDownloadCount(); ++i) {
        CDownloadPackage* package = list.GetDownload(i);
        FUZZ_CHECK(package && package->IsInstanceOf(CDownloadPackage::kDownloadPackageType), "the list holds packages");
        FUZZ_CHECK(list.GetDownload(package->GetName()) == package, "no two packages of one name");
    }
    CPersistList& necessary = list.GetNecessaryDownloads();
    for (int i = 0; i < necessary.GetItemCount(); ++i)
        FUZZ_CHECK(list.GetDownloadIndex(static_cast<CDownloadPackage*>(necessary.GetAt(i))) >= 0,
                   "a necessary package is one of the downloads");
}

// The list as a service answer writes it, the document's text.
std::string SaveAnswer(CDownloadList& list)
{
    UMemoryFiles::Clear();
    {
        CXmlPersistStorage storage("answer", kAnswerPath);
        storage.EnterObject("answer");
        list.Save(CWebXml::kDataTag, storage);
        storage.Save(CWebXml::kResultTag, 1L);
        storage.LeaveObject();
    }
    std::string text;
    UMemoryFiles::Get(kAnswerPath, text);
    return text;
}

bool SamePackage(CDownloadPackage& first, CDownloadPackage& second)
{
    return first.GetName() == second.GetName() && first.GetSelected() == second.GetSelected() &&
           first.GetNecessary() == second.GetNecessary() && first.GetDescription() == second.GetDescription() &&
           first.GetPage() == second.GetPage() && first.GetFilePath() == second.GetFilePath();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string answer(reinterpret_cast<const char*>(data), size);
    CDownloadList list;
    {
        CWebXml web;
        web.SetObject(&list);
        web.ReadAnswer(answer.c_str());
    }
    CheckInvariants(list);
    FUZZ_CHECK(list.GetNecessaryDownloads().GetItemCount() == 0, "a loaded list has no necessary list");

    const std::string saved = SaveAnswer(list);
    CDownloadList reloaded;
    {
        CWebXml web;
        web.SetObject(&reloaded);
        FUZZ_CHECK(web.ReadAnswer(saved.c_str()), "a saved answer reads as a success");
    }
    CheckInvariants(reloaded);
    FUZZ_CHECK(reloaded.GetDownloadCount() == list.GetDownloadCount(), "the packages load back");
    for (int i = 0; i < list.GetDownloadCount(); ++i)
        FUZZ_CHECK(SamePackage(*list.GetDownload(i), *reloaded.GetDownload(i)), "each package loads back as it was");
    FUZZ_CHECK(SaveAnswer(reloaded) == saved, "a list read back saves the same document");

    // What an application then does with the list.
    const int count = list.GetDownloadCount();
    if (count > 0) {
        auto* twin = new CDownloadPackage;
        twin->SetName(list.GetDownload(0)->GetName());
        list.AddDownload(twin);
        FUZZ_CHECK(list.GetDownloadCount() == count, "a second package of a name is not taken");
    }
    CString name = "new";
    while (list.GetDownload(name))
        name += "+";
    auto* fresh = new CDownloadPackage;
    fresh->SetName(name);
    fresh->SetNecessary(true);
    list.AddDownload(fresh);
    FUZZ_CHECK(list.GetNecessaryDownloads().GetIndex(fresh) >= 0, "a necessary package added is necessary");
    CheckInvariants(list);
    CDownloadList copy(list);
    FUZZ_CHECK(copy.GetDownloadCount() == list.GetDownloadCount() && copy.GetNecessaryDownloads().GetItemCount() == 0,
               "a copy has the packages and no necessary list");
    CheckInvariants(copy);
    list.Clear();
    FUZZ_CHECK(list.GetDownloadCount() == 0 && list.GetNecessaryDownloads().GetItemCount() == 0, "Clear empties both");
    return 0;
}

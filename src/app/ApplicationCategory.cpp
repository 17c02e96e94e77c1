#include "app/ApplicationCategory.h"

#include "tnwwndut.h"

#include <cstring>

namespace {

std::string RunningShortName()
{
    return UApplicationUtils::GetShortApplicationName(static_cast<unsigned long>(StApplicationId::Id()));
}

// The text of key "k", the k-th tag of a section; empty when missing.
CString ReadTag(CIniProfile& links, const char* section, int k)
{
    CString key;
    key.Format("%d", k);
    CRegistry value(section, key, &links);
    const char* text = value.GetTextValue(nullptr);
    return text ? text : "";
}

} // namespace

CApplicationCategory::CApplicationCategory(const char* name) : mName(name) {}

CApplicationCategory::~CApplicationCategory()
{
    for (int i = 0; i < mEntries.GetItemCount(); ++i)
        delete GetEntry(i);
}

void CApplicationCategory::AddEntry(const char* tag)
{
    mEntries.Add(new CLinkEntry(tag));
}

CLinkEntry* CApplicationCategory::FindCommand(unsigned int commandId) const
{
    if (commandId == 0)
        return nullptr;
    for (int i = 0; i < mEntries.GetItemCount(); ++i) {
        if (GetEntry(i)->GetCommandId() == commandId)
            return GetEntry(i);
    }
    return nullptr;
}

void CApplicationCategory::LoadEntries(CIniProfile& links, const char* section)
{
    for (int k = 0;; ++k) {
        const CString tag = ReadTag(links, section, k);
        if (tag.IsEmpty())
            return;
        if (IsShown(links, tag))
            AddEntry(tag);
    }
}

bool CApplicationCategory::IsShown(CIniProfile&, const char*)
{
    return true;
}

int CApplicationCategory::FillMenu(CMenu& menu, unsigned int& nextId)
{
    const std::string self = RunningShortName();
    int added = 0;
    for (int i = 0; i < mEntries.GetItemCount(); ++i) {
        CLinkEntry* entry = GetEntry(i);
        if (std::strstr(self.c_str(), entry->GetTag()))
            continue;
        if (!menu.AppendMenu(MF_STRING, nextId, entry->GetTag()))
            continue;
        entry->SetCommandId(nextId++);
        ++added;
    }
    return added;
}

namespace {

CString DownloadCategoryName(int index)
{
    CString name;
    name.Format("Download %d", index);
    return name;
}

} // namespace

CDownloadCategory::CDownloadCategory(int index)
    : CApplicationCategory(DownloadCategoryName(index)), mIndex(index)
{
}

bool CDownloadCategory::IsShown(CIniProfile& links, const char* tag)
{
    const unsigned long shownByDefault = CRegistry(tag, "default", &links).GetValue(0);
    return CRegistry(tag, RunningShortName().c_str(), &links).GetValue(shownByDefault) != 0;
}

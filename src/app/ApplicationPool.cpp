#include "app/ApplicationPool.h"

#include "net/WebAddresses.h"
#include "tnwwndut.h"
#include "util/ShellUtils.h"

namespace {

const char kDownloadTitle[] = "Download";
const char kDemoTitle[] = "Demo";

bool HasTopLevelItem(CMenu* bar, const char* title)
{
    const UINT count = bar->GetMenuItemCount();
    for (UINT i = 0; i < count; ++i) {
        CString text;
        bar->GetMenuString(i, text, MF_BYPOSITION);
        if (text == title)
            return true;
    }
    return false;
}

CMenu* NewPopupMenu()
{
    auto* menu = new CMenu;
    if (!menu->CreatePopupMenu()) {
        delete menu;
        return nullptr;
    }
    return menu;
}

} // namespace

CApplicationPool::CApplicationPool(unsigned int firstCommandId)
    : mFirstCommandId(firstCommandId), mDownload0(0), mDownload1(1)
{
    Load();
}

CApplicationPool::~CApplicationPool()
{
    Reset();
}

void CApplicationPool::Load()
{
    LoadDemoMenu();
    LoadDownloadMenu();
}

void CApplicationPool::LoadDemoMenu()
{
    CIniProfile links;
    links.SetIniFile(UWebAddresses::GetLinksFile());
    for (int n = 0;; ++n) {
        CString section;
        section.Format("Category %d", n);
        CRegistry nameValue(section, "name", &links);
        const char* name = nameValue.GetTextValue(nullptr);
        if (!name || !*name)
            return;
        auto* category = new CApplicationCategory(name);
        AddCategory(category);
        category->LoadEntries(links, section);
    }
}

void CApplicationPool::LoadDownloadMenu()
{
    // Which downloads show depends on the running application; without a number (none
    // set, or no identity at all) there is none to ask for.
    if (StApplicationId::Id() == 0)
        return;
    CIniProfile links;
    links.SetIniFile(UWebAddresses::GetLinksFile());
    // A download group's section is named as the group.
    mDownload0.LoadEntries(links, mDownload0.GetName());
    mDownload1.LoadEntries(links, mDownload1.GetName());
}

void CApplicationPool::AddCategory(CApplicationCategory* category)
{
    mCategories.Add(category);
}

void CApplicationPool::RemoveCategory(CApplicationCategory* category)
{
    mCategories.Remove(category);
}

void CApplicationPool::Reset()
{
    for (int i = 0; i < mCategories.GetItemCount(); ++i)
        delete GetCategory(i);
    mCategories.RemoveAll();
}

CApplicationCategory* CApplicationPool::GetCategory(int index) const
{
    return static_cast<CApplicationCategory*>(mCategories.GetAt(index));
}

void CApplicationPool::SetupMenu(CWnd* window)
{
    CMenu* bar = window ? window->GetMenu() : nullptr;
    if (!bar || bar->GetMenuItemCount() < 2)
        return;
    unsigned int nextId = mFirstCommandId;
    const bool download = SetupDownloadMenu(bar, nextId);
    const bool demo = SetupDemoMenu(bar, nextId);
    if (download || demo)
        window->DrawMenuBar();
}

bool CApplicationPool::InsertMenu(CMenu* bar, const char* title, CMenu* popup)
{
    const UINT last = bar->GetMenuItemCount() - 1;
    const bool inserted =
        bar->InsertMenu(last, MF_BYPOSITION | MF_POPUP | MF_STRING,
                        reinterpret_cast<UINT_PTR>(popup->GetSafeHmenu()), title) != FALSE;
    // Once inserted, the menu handle belongs to the bar; otherwise the wrapper frees it.
    if (inserted)
        popup->Detach();
    delete popup;
    return inserted;
}

bool CApplicationPool::SetupDownloadMenu(CMenu* menu, unsigned int& nextId)
{
    if (HasTopLevelItem(menu, kDownloadTitle))
        return false;
    CMenu* popup = BuildDownloadMenu(nextId);
    return popup && InsertMenu(menu, kDownloadTitle, popup);
}

bool CApplicationPool::SetupDemoMenu(CMenu* menu, unsigned int& nextId)
{
    if (HasTopLevelItem(menu, kDemoTitle))
        return false;
    CMenu* popup = BuildDemoMenu(nextId);
    return popup && InsertMenu(menu, kDemoTitle, popup);
}

CMenu* CApplicationPool::BuildDownloadMenu(unsigned int& nextId)
{
    CMenu* menu = NewPopupMenu();
    if (!menu)
        return nullptr;
    const int first = mDownload0.FillMenu(*menu, nextId);
    const int second = mDownload1.FillMenu(*menu, nextId);
    if (first > 0 && second > 0)
        menu->InsertMenu(static_cast<UINT>(first), MF_BYPOSITION | MF_SEPARATOR);
    if (first + second == 0) {
        delete menu;
        return nullptr;
    }
    return menu;
}

CMenu* CApplicationPool::BuildDemoMenu(unsigned int& nextId)
{
    CMenu* menu = NewPopupMenu();
    if (!menu)
        return nullptr;
    int appended = 0;
    for (int i = 0; i < mCategories.GetItemCount(); ++i) {
        CApplicationCategory* category = GetCategory(i);
        CMenu* sub = NewPopupMenu();
        if (!sub)
            continue;
        if (category->FillMenu(*sub, nextId) > 0 &&
            menu->AppendMenu(MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub->GetSafeHmenu()),
                             category->GetName())) {
            sub->Detach();
            ++appended;
        }
        delete sub;
    }
    if (appended == 0) {
        delete menu;
        return nullptr;
    }
    return menu;
}

CLinkEntry* CApplicationPool::FindCommand(unsigned int id) const
{
    for (int i = 0; i < mCategories.GetItemCount(); ++i) {
        if (CLinkEntry* entry = GetCategory(i)->FindCommand(id))
            return entry;
    }
    if (CLinkEntry* entry = mDownload0.FindCommand(id))
        return entry;
    return mDownload1.FindCommand(id);
}

void CApplicationPool::RunCommand(unsigned int id)
{
    if (CLinkEntry* entry = FindCommand(id))
        UShellUtils::Open(UWebAddresses::GetAddressByTag(entry->GetTag()));
}

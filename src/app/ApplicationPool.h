#pragma once
#include "afxwin.h"
#include "app/ApplicationCategory.h"

// The "Download" and "Demo" menus of an application's main menu: links to components the
// application can use, and to the maker's other applications by category. Their content
// comes from the family's shared "links.ini" (UWebAddresses::GetLinksFile), read once at
// construction, so that every installed application shows one list that an installer can
// change:
//   [Category 0]   name=<Demo sub-menu title>, 0=<tag>, 1=<tag>, ...
//   [Download 0]   0=<tag>, 1=<tag>, ...      (and [Download 1], after a separator)
//   [<tag>]        default=0|1, <application short name>=0|1   (download tags only)
//   [Link]         <tag>=<web address>
// Numbered keys run without gaps; the first missing or empty one ends the list.
//
// The application reserves a range of command ids from the first id on. SetupMenu gives
// the download items the lowest ids and the demo items the next ones; the application
// routes those commands to RunCommand, which opens the link's page.
//
// Decisions of this library:
// - A menu that already has a top-level "Download" (or "Demo") item anywhere gets no
//   second one, so calling SetupMenu again never duplicates the menus nor renumbers
//   items that are already shown.
// - The Download menu's separator stands only between two groups that both show items.
// - The menu bar is redrawn when a menu was added.
class AFX_EXT_CLASS CApplicationPool {
public:
    explicit CApplicationPool(unsigned int firstCommandId);
    CApplicationPool(const CApplicationPool&) = delete;
    CApplicationPool& operator=(const CApplicationPool&) = delete;
    virtual ~CApplicationPool();

    void Load();
    void LoadDemoMenu();
    void LoadDownloadMenu();

    // The pool owns a category once added; RemoveCategory hands it back to the caller.
    void AddCategory(CApplicationCategory* category);
    void RemoveCategory(CApplicationCategory* category);
    // Deletes the Demo categories.
    void Reset();
    int GetCategoryCount() const { return mCategories.GetItemCount(); }
    CApplicationCategory* GetCategory(int index) const;
    CDownloadCategory& GetDownloadCategory(int index) { return index == 0 ? mDownload0 : mDownload1; }

    // Adds the two menus before the last top-level item (normally Help) of the window's
    // menu; nothing happens to a window without a menu of at least two items.
    void SetupMenu(CWnd* window);
    // Each adds its menu unless the bar already has one of that title or it would be
    // empty; true when it was added.
    bool SetupDownloadMenu(CMenu* menu, unsigned int& nextId);
    bool SetupDemoMenu(CMenu* menu, unsigned int& nextId);
    // The pop-up menus on the heap (the caller deletes them), or null when empty.
    CMenu* BuildDownloadMenu(unsigned int& nextId);
    CMenu* BuildDemoMenu(unsigned int& nextId);

    // Opens the web page of the link whose item has this command id; other ids do nothing.
    void RunCommand(unsigned int id);

private:
    bool InsertMenu(CMenu* bar, const char* title, CMenu* popup);
    CLinkEntry* FindCommand(unsigned int id) const;

    unsigned int mFirstCommandId;
    CPointerList mCategories;
    CDownloadCategory mDownload0;
    CDownloadCategory mDownload1;
};

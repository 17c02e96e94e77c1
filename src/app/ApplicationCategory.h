#pragma once
#include "afxwin.h"
#include "tnwbscut.h"

class CIniProfile;

// One link of the application pool's menus: its tag (the key of its address in
// "links.ini" and the text of its menu item) and the command id its item got, 0 while it
// is in no menu.
class CLinkEntry {
public:
    explicit CLinkEntry(const char* tag) : mTag(tag), mCommandId(0) {}
    virtual ~CLinkEntry() = default;

    const CString& GetTag() const { return mTag; }
    unsigned int GetCommandId() const { return mCommandId; }
    void SetCommandId(unsigned int id) { mCommandId = id; }

private:
    CString mTag;
    unsigned int mCommandId;
};

// A named group of links: one sub-menu of the Demo menu, or one group of the Download
// menu. The category owns its entries.
class AFX_EXT_CLASS CApplicationCategory {
public:
    explicit CApplicationCategory(const char* name);
    CApplicationCategory(const CApplicationCategory&) = delete;
    CApplicationCategory& operator=(const CApplicationCategory&) = delete;
    virtual ~CApplicationCategory();

    const CString& GetName() const { return mName; }
    void AddEntry(const char* tag);
    int GetEntryCount() const { return mEntries.GetItemCount(); }
    CLinkEntry* GetEntry(int index) const { return static_cast<CLinkEntry*>(mEntries.GetAt(index)); }
    // The entry whose menu item has this command id, or null; 0 matches nothing.
    CLinkEntry* FindCommand(unsigned int commandId) const;

    // Reads the tags of keys "0", "1", ... of a section of "links.ini", up to the first
    // missing or empty one.
    void LoadEntries(CIniProfile& links, const char* section);
    // Appends one text item per entry with the ids from nextId on, recording each id in its
    // entry. An application does not link to itself: an entry whose tag occurs in the
    // running application's short name gets no item. Returns the number of items added.
    int FillMenu(CMenu& menu, unsigned int& nextId);

protected:
    // Whether the entry with this tag belongs in the menu; all do unless a subclass says
    // otherwise.
    virtual bool IsShown(CIniProfile& links, const char* tag);

private:
    CString mName;
    CPointerList mEntries;
};

// One of the two groups of the Download menu, "Download 0" and "Download 1". Each tag is
// shown or hidden per application: key "default" of the tag's own section (0 when absent)
// is the default, and the key named by the running application's short name overrides it;
// 0 hides the entry.
class AFX_EXT_CLASS CDownloadCategory : public CApplicationCategory {
public:
    explicit CDownloadCategory(int index);

    int GetIndex() const { return mIndex; }

protected:
    bool IsShown(CIniProfile& links, const char* tag) override;

private:
    int mIndex;
};

#include "PersistList.h"
#include "PersistObject.h"
#include "TopObjectDisplay.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {

class CItem : public CPersistObject {
public:
    explicit CItem(std::string title) : title(std::move(title)) {}
    std::string title;
    CPersistObject* Clone() override { return new CItem(title); }
};

std::string TitleOf(CPersistObject* object)
{
    if (!object)
        return "-";
    if (object->IsList())
        return "list";
    return static_cast<CItem*>(object)->title;
}

// Displays that reach the control for their items, as the controls' child displays do.
class CForwardingDisplay : public CObjectDisplay {
public:
    using CObjectDisplay::CObjectDisplay;
    LONG_PTR CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object,
                                      int index) override
    {
        return GetParentDisplay()->CreateChildDisplayHandle(child, object, index);
    }
    void DisposeChildDisplayHandle(CObjectDisplay* child) override
    {
        GetParentDisplay()->DisposeChildDisplayHandle(child);
    }
    LONG_PTR GetChildDisplayHandle(CObjectDisplay* child) override
    {
        return GetParentDisplay()->GetChildDisplayHandle(child);
    }
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override
    {
        return object ? new CForwardingDisplay(this) : nullptr;
    }
    bool Respond(long code, CBroadcaster* broadcaster, long data1, long data2) override
    {
        if (code == CPersistObject::kObjectChanged && broadcaster == GetObject()) {
            DisplayChanged(this);
            return true;
        }
        return CObjectDisplay::Respond(code, broadcaster, data1, data2);
    }
};

// A control as the display tree sees it: it hands out handles of its own and writes down
// what it is asked to do. Its children, nested ones too, reach it for their items.
class CRecordingControl : public CTopObjectDisplay {
public:
    std::string log;
    std::map<CObjectDisplay*, LONG_PTR> items;
    LONG_PTR nextItem = 1000;
    int syncs = 0;
    int redraws = 0;
    std::string changed;

    LONG_PTR CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object,
                                      int index) override
    {
        log += "+" + TitleOf(object) + "@" + std::to_string(index) + " ";
        items[child] = nextItem;
        return nextItem++;
    }
    void DisposeChildDisplayHandle(CObjectDisplay* child) override
    {
        log += "-" + TitleOf(child->GetObject()) + " ";
        items.erase(child);
    }
    LONG_PTR GetChildDisplayHandle(CObjectDisplay* child) override
    {
        auto found = items.find(child);
        return found == items.end() ? -1 : found->second;
    }
    void SyncDisplays() override { ++syncs; }
    void Redraw() override { ++redraws; }
    void DisplayChanged(CObjectDisplay* display) override
    {
        changed += TitleOf(display->GetObject()) + " ";
    }
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override
    {
        return object ? new CForwardingDisplay(this) : nullptr;
    }
};

class CSelectionLog : public CListener {
public:
    std::string log;
    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        auto* display = static_cast<const CObjectDisplay*>(sender);
        if (code == CObjectDisplay::kSelectionChanged)
            log += TitleOf(display->GetObject()) + (*static_cast<const bool*>(extra) ? "+ " : "- ");
        else if (code == CObjectDisplay::kObjectTextEdited)
            log += TitleOf(display->GetObject()) + "=" + static_cast<const char*>(extra) + " ";
        return true;
    }
};

std::string Children(CObjectDisplay& display)
{
    std::string titles;
    for (int i = 0; i < display.GetChildDisplayCount(); ++i)
        titles += TitleOf(display.GetChildDisplay(i)->GetObject()) + " ";
    return titles;
}

void Fill(CPersistList& list, std::initializer_list<const char*> titles)
{
    for (const char* title : titles)
        list.Add(new CItem(title));
}

} // namespace

TEST(ObjectDisplay, BuildsChildrenInListOrderAndFindsThemByHandle)
{
    CPersistList list(true);
    Fill(list, {"a", "b", "c"});
    CRecordingControl control;
    control.SetObject(&list);
    EXPECT_EQ(control.log, "+a@0 +b@1 +c@2 ");
    EXPECT_EQ(Children(control), "a b c ");
    EXPECT_EQ(control.GetDisplayedList(), &list);
    EXPECT_EQ(control.syncs, 1);

    CObjectDisplay* b = control.GetChildDisplay(1);
    EXPECT_EQ(b->GetDisplayHandle(), 1001);
    EXPECT_TRUE(b->IsDisplayHandle(1001) && !b->IsDisplayHandle(1000) && !b->IsDisplayHandle(-1));
    EXPECT_EQ(control.FindDisplayFromHandle(1001), b);
    EXPECT_EQ(control.FindDisplayFromHandle(-1), nullptr);
    EXPECT_EQ(control.FindDisplayFromHandle(1), nullptr);
    EXPECT_EQ(control.FindChildDisplay(list.GetAt(2)), control.GetChildDisplay(2));

    control.log.clear();
    control.SetObject(&list);
    EXPECT_EQ(control.log, "") << "binding the bound object again changes nothing";
    control.SetObject(nullptr);
    EXPECT_EQ(control.log, "-c -b -a ");
    EXPECT_EQ(control.GetChildDisplayCount(), 0);
    EXPECT_EQ(list.GetListenerCount(), 0);
    EXPECT_EQ(list.GetAt(0)->GetListenerCount(), 0);

    {
        CRecordingControl destroyed;
        destroyed.SetObject(&list);
    }
    EXPECT_EQ(list.GetListenerCount(), 0) << "a destroyed control leaves no listener behind";
    EXPECT_EQ(list.GetAt(0)->GetListenerCount(), 0);

    // Plain displays number their children.
    CObjectDisplay root;
    root.SetObject(&list);
    b = root.GetChildDisplay(1);
    EXPECT_EQ(b->GetDisplayHandle(), 1);
    EXPECT_EQ(root.FindDisplayFromHandle(1), b);
    EXPECT_EQ(b->GetTopDisplay(), nullptr);
    list.DeleteAt(0);
    EXPECT_EQ(b->GetDisplayHandle(), 0) << "handles are asked for, never stale";
}

TEST(ObjectDisplay, ChildrenFollowTheListThroughItsNotices)
{
    CPersistList list(true);
    Fill(list, {"a", "c"});
    CRecordingControl control;
    control.SetObject(&list);
    control.log.clear();

    list.Insert(1, new CItem("b"));
    list.Add(new CItem("d"));
    EXPECT_EQ(Children(control), "a b c d ");
    list.DeleteAt(0);
    delete list.RemoveAt(1);
    EXPECT_EQ(Children(control), "b d ");
    EXPECT_EQ(control.log, "+b@1 +d@3 -a -c ");
    EXPECT_EQ(control.syncs, 1 + 4);

    // Changes made while the list kept quiet are caught up at its next notice.
    list.StopBroadcasting();
    list.Add(new CItem("e"));
    list.DeleteAt(0);
    list.StartBroadcasting();
    list.Add(new CItem("f"));
    EXPECT_EQ(Children(control), "d e f ");

    CPersistList other(false);
    CItem x("x");
    other.Add(&x);
    other.Add(list.GetAt(0)); // an object the assigned list owns and deletes
    list = other; // replaced as a whole: the list clones what it is given
    EXPECT_EQ(Children(control), "x d ");
    EXPECT_NE(control.GetChildDisplay(0)->GetObject(), &x);
}

TEST(ObjectDisplay, ObjectsDestroyedWhileShownAreUnboundAlsoAListTheObjectHolds)
{
    CRecordingControl control;
    auto* list = new CPersistList(false);
    auto* a = new CItem("a");
    CItem b("b");
    list->Add(a);
    list->Add(&b);
    control.SetObject(list);
    CObjectDisplay* aDisplay = control.GetChildDisplay(0);
    delete a; // without taking it out of the list first
    EXPECT_EQ(aDisplay->GetObject(), nullptr);
    list->RemoveAt(0);
    EXPECT_EQ(Children(control), "b ");

    delete list;
    EXPECT_EQ(control.GetObject(), nullptr);
    EXPECT_EQ(control.GetDisplayedList(), nullptr);
    EXPECT_EQ(control.GetChildDisplayCount(), 0);
    EXPECT_EQ(b.GetListenerCount(), 0);
    control.Refresh();

    // A subclass may show a list the object holds.
    class COwner : public CPersistObject {
    public:
        CPersistList items{true};
    };
    class COwnerControl : public CRecordingControl {
    public:
        CPersistList* GetList(CPersistObject* object) override
        {
            return object ? &static_cast<COwner*>(object)->items : nullptr;
        }
    };
    COwnerControl ownerControl;
    {
        COwner owner;
        Fill(owner.items, {"a"});
        ownerControl.SetObject(&owner);
        EXPECT_EQ(Children(ownerControl), "a ");
        owner.items.Add(new CItem("b"));
        EXPECT_EQ(Children(ownerControl), "a b ");
    } // the owner and its list go away while shown
    EXPECT_EQ(ownerControl.GetObject(), nullptr);
    EXPECT_EQ(ownerControl.GetChildDisplayCount(), 0);
}

TEST(ObjectDisplay, SelectionChangesAndEditedTextsAreAnnouncedByTheTopDisplay)
{
    CPersistList list(true);
    Fill(list, {"a", "b", "c"});
    CRecordingControl control;
    control.SetObject(&list);
    CSelectionLog log;
    control.AddListener(&log);

    CObjectDisplay* a = control.GetChildDisplay(0);
    CObjectDisplay* c = control.GetChildDisplay(2);
    a->Select(true);
    a->Select(true);
    c->Select(true);
    EXPECT_EQ(log.log, "a+ c+ ") << "only changes are announced";
    // The code is usable as a value (it must be defined, not only declared).
    EXPECT_EQ(CObjectDisplay::kSelectionChanged, 0x00356672);
    EXPECT_TRUE(c->IsSelected());
    EXPECT_EQ(control.GetSelectionCount(), 2);
    EXPECT_EQ(control.GetSelection(), a);
    CPointerList selection;
    control.GetSelection(selection);
    ASSERT_EQ(selection.GetItemCount(), 2);
    EXPECT_EQ(selection.GetAt(1), c);

    log.log.clear();
    control.StopBroadcasting();
    control.SelectAll(false);
    control.StartBroadcasting();
    control.GetChildDisplay(1)->Select(true);
    EXPECT_EQ(log.log, "b+ ") << "a deselection made with broadcasting off is not heard";

    log.log.clear();
    control.MakeSelected(c);
    EXPECT_EQ(log.log, "b- c+ ");
    control.MakeSelected(nullptr);
    EXPECT_EQ(control.GetSelectionCount(), 0);

    c->SetSelected(true);
    EXPECT_EQ(log.log, "b- c+ c- ") << "SetSelected only sets the flag";
    EXPECT_EQ(control.GetSelection(), c);

    log.log.clear();
    list.GetAt(1)->Notify(CPersistObject::kObjectChanged, 0, 0);
    EXPECT_EQ(control.changed, "b ");
    control.GetChildDisplay(0)->Redraw();
    EXPECT_EQ(control.redraws, 1);
    char text[] = "renamed";
    control.GetChildDisplay(0)->SetObjectText(text, 0);
    control.GetChildDisplay(0)->SetObjectText(nullptr, 0);
    control.GetChildDisplay(0)->SetObjectText(text, 1);
    EXPECT_EQ(log.log, "a=renamed ");
}

TEST(ObjectDisplay, NestedTopDisplaysShowTheWholeObjectTreeAndDeleteTheSelectionFromIt)
{
    CPersistList root(true);
    Fill(root, {"a"});
    auto* inner = new CPersistList(true);
    Fill(*inner, {"x", "y"});
    root.Add(inner);

    CRecordingControl flat;
    flat.SetObject(&root);
    EXPECT_EQ(flat.GetChildDisplay(1)->GetChildDisplayCount(), 0) << "flat: one level";
    inner->Add(new CItem("ignored by the flat control"));
    inner->DeleteAt(2);

    CRecordingControl tree;
    tree.SetNested(true);
    tree.SetObject(&root);
    EXPECT_EQ(tree.log, "+a@0 +list@1 +x@0 +y@1 ");
    CObjectDisplay* innerDisplay = tree.GetChildDisplay(1);
    EXPECT_EQ(Children(*innerDisplay), "x y ");
    CObjectDisplay* y = innerDisplay->GetChildDisplay(1);
    EXPECT_EQ(y->GetTopDisplay(), &tree);
    EXPECT_EQ(tree.FindDisplayFromHandle(y->GetDisplayHandle()), y);

    inner->Add(new CItem("z"));

    EXPECT_FALSE(tree.CanDelete());
    CSelectionLog log;
    tree.AddListener(&log);
    y->Select(true);
    tree.GetChildDisplay(0)->Select(true);
    EXPECT_EQ(log.log, "y+ a+ ") << "announced by the top display, not by the nested parent";
    EXPECT_EQ(tree.GetSelectionCount(), 2);
    EXPECT_EQ(tree.GetSelection(), tree.GetChildDisplay(0)) << "depth first, parents first";

    EXPECT_TRUE(tree.CanDelete());
    EXPECT_FALSE(tree.Cut()) << "nothing is deleted when nothing could be copied";
    EXPECT_EQ(root.GetItemCount(), 2);
    EXPECT_TRUE(tree.Delete());
    EXPECT_EQ(Children(tree), "list ");
    EXPECT_EQ(Children(*tree.GetChildDisplay(0)), "x z ");
    EXPECT_FALSE(tree.Delete());

    tree.log.clear();
    tree.SetObject(nullptr);
    EXPECT_EQ(tree.log, "-z -x -list ") << "children of a child go before it";
}


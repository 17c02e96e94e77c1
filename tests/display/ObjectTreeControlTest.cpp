#include "DisplayTests.h"

#include "afxole.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#undef GetObject

namespace {

// A folder of a converter's queue: a named list of jobs and folders.
class CFolder : public CPersistList {
public:
    explicit CFolder(const char* name) : CPersistList(true), name(name) {}
    void Rename(const char* newName)
    {
        name = newName;
        Notify('namf', 0, 0);
    }
    std::string name;
};

const char* NameOf(CPersistObject* object)
{
    if (auto* folder = dynamic_cast<CFolder*>(object))
        return folder->name.c_str();
    return static_cast<CTestJob*>(object)->name.c_str();
}

class CQueueTree : public CObjectTreeControl {
public:
    const char* GetObjectText(CPersistObject* object, int, bool) override { return NameOf(object); }
};

// What a converter does with a job dropped on a folder: it leaves the queue for the folder.
class CMovingDropTarget : public CPersistObjectDropTarget {
public:
    explicit CMovingDropTarget(CPersistList& from) : mFrom(from) {}
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT, CPoint point) override
    {
        CPersistObject* dragged = GetDraggedObject(pDataObject);
        auto* folder = dynamic_cast<CFolder*>(FindHitObject(pWnd, point));
        if (!dragged || !folder || !mFrom.Remove(dragged))
            return FALSE;
        folder->Add(dragged);
        return TRUE;
    }

private:
    CPersistList& mFrom;
};

class ObjectTreeControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // inbox: intro, later: outro; talk
        root = std::make_unique<CPersistList>(true);
        inbox = new CFolder("inbox");
        inbox->Add(new CTestJob("intro", "10"));
        later = new CFolder("later");
        later->Add(new CTestJob("outro", "5"));
        inbox->Add(later);
        root->Add(inbox);
        root->Add(new CTestJob("talk", "250"));
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_EDITLABELS, CRect(0, 0, 300, 300), &host, 11));
        tree.AddListener(&recorder);
        tree.SetObject(root.get());
        ExpandAll(TVI_ROOT);
    }

    void ExpandAll(HTREEITEM parent)
    {
        for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item)) {
            tree.Expand(item, TVE_EXPAND);
            ExpandAll(item);
        }
    }

    // The items as text: "a(b,c),d".
    std::string Shape(HTREEITEM parent = TVI_ROOT)
    {
        std::string shape;
        for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item)) {
            if (!shape.empty())
                shape += ",";
            shape += static_cast<LPCSTR>(tree.GetItemText(item));
            if (tree.ItemHasChildren(item))
                shape += "(" + Shape(item) + ")";
        }
        return shape;
    }

    CObjectTreeDisplay* DisplayOf(CObjectDisplay* parent, CPersistObject* object)
    {
        return static_cast<CObjectTreeDisplay*>(parent->FindChildDisplay(object));
    }

    CPoint LabelPoint(CObjectTreeDisplay* display)
    {
        CRect label;
        EXPECT_TRUE(tree.GetItemRect(display->GetTreeItem(), &label, TRUE));
        return label.CenterPoint();
    }

    CHostWnd host;
    CQueueTree tree;
    CSelectionRecorder recorder;
    std::unique_ptr<CPersistList> root;
    CFolder* inbox = nullptr;
    CFolder* later = nullptr;
};

} // namespace

TEST_F(ObjectTreeControlTest, ItemsFollowAddsRemovalsAndRenamesOnThreeLevels)
{
    EXPECT_TRUE(tree.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_EQ(tree.GetStyle() & 0x27, 0x27u) << "buttons, lines, lines at root, selection always shown";
    EXPECT_EQ(Shape(), "inbox(intro,later(outro)),talk");
    CObjectTreeDisplay* inboxDisplay = DisplayOf(&tree, inbox);
    CObjectTreeDisplay* outroDisplay = DisplayOf(DisplayOf(inboxDisplay, later), later->GetAt(0));
    ASSERT_NE(outroDisplay, nullptr) << "the third level has displays of its own";
    const LONG_PTR outroHandle = outroDisplay->GetDisplayHandle();
    EXPECT_EQ(tree.FindDisplayFromHandle(outroHandle), outroDisplay);

    later->Add(new CTestJob("credits", "1"));
    root->Insert(0, new CTestJob("trailer", "2"));
    inbox->Insert(1, new CFolder("drafts"));
    EXPECT_EQ(Shape(), "trailer,inbox(intro,drafts,later(outro,credits)),talk") << "each object where its list has it";

    inbox->Rename("arrivals");
    CTestJob* talk = static_cast<CTestJob*>(root->GetAt(2));
    talk->name = "keynote";
    talk->Change();
    EXPECT_EQ(Shape(), "trailer,arrivals(intro,drafts,later(outro,credits)),keynote");

    inbox->DeleteAt(2);
    EXPECT_EQ(Shape(), "trailer,arrivals(intro,drafts),keynote") << "a folder goes with everything below it";
    EXPECT_EQ(tree.FindDisplayFromHandle(outroHandle), nullptr);
    EXPECT_EQ(tree.FindDisplayFromHandle(0), nullptr);
    EXPECT_EQ(tree.FindDisplayFromHandle(-1), nullptr);

    tree.SetObject(nullptr);
    EXPECT_EQ(tree.GetCount(), 0u);
}

TEST_F(ObjectTreeControlTest, AClickSelectsExactlyItsDisplayAndIsAnnouncedOnce)
{
    CObjectTreeDisplay* talkDisplay = DisplayOf(&tree, root->GetAt(1));
    CObjectTreeDisplay* introDisplay = DisplayOf(DisplayOf(&tree, inbox), inbox->GetAt(0));
    talkDisplay->Select(true);
    ASSERT_EQ(recorder.selections.size(), 1u);
    EXPECT_EQ(tree.GetSelectedItem(), nullptr) << "selecting by code leaves the tree's own selection";
    recorder.selections.clear();

    UserInput::Click(tree.m_hWnd, LabelPoint(introDisplay));
    EXPECT_EQ(tree.GetSelectedItem(), introDisplay->GetTreeItem());
    ASSERT_EQ(recorder.selections.size(), 1u) << "the old selection is cleared silently";
    EXPECT_EQ(recorder.selections[0], std::make_pair(static_cast<const void*>(introDisplay), true));
    EXPECT_FALSE(talkDisplay->IsSelected());
    CPointerList selection;
    selection.Add(talkDisplay);
    tree.GetSelection(selection);
    ASSERT_EQ(selection.GetItemCount(), 1);
    EXPECT_EQ(selection.GetAt(0), introDisplay);

    CPoint hit = LabelPoint(introDisplay);
    EXPECT_EQ(tree.GetHitDisplay(hit), introDisplay);
    CRect label;
    tree.GetItemRect(introDisplay->GetTreeItem(), &label, TRUE);
    CPoint beside(label.right + 20, label.CenterPoint().y);
    EXPECT_EQ(tree.GetHitDisplay(beside), nullptr) << "the blank beside a label is no item";
    EXPECT_EQ(CPersistObjectDropTarget::FindHitObject(&tree, hit), inbox->GetAt(0));
    EXPECT_EQ(CPersistObjectDropTarget::FindHitObject(&tree, beside), nullptr);
}

TEST_F(ObjectTreeControlTest, AnEditedLabelReachesTheObjectAndTheItemShowsTheObjectsText)
{
    // The application renames folders and keeps jobs' names.
    struct CRenamer : public CListener {
        CFolder* folder = nullptr;
        bool ListenToMessage(long code, const void* sender, const void* extra) override
        {
            if (code != CObjectDisplay::kObjectTextEdited)
                return CListener::ListenToMessage(code, sender, extra);
            if (auto* target = dynamic_cast<CFolder*>(static_cast<const CObjectDisplay*>(sender)->GetObject()))
                target->Rename(static_cast<const char*>(extra));
            return true;
        }
    } renamer;
    tree.AddListener(&renamer);
    auto edit = [&](CPersistObject* object, CObjectDisplay* parent, const char* text) {
        HTREEITEM item = DisplayOf(parent, object)->GetTreeItem();
        CEdit* editor = tree.EditLabel(item);
        ASSERT_NE(editor, nullptr);
        editor->SetWindowText(text);
        tree.EndEditLabelNow(FALSE);
    };

    edit(inbox, &tree, "arrivals");
    EXPECT_EQ(inbox->name, "arrivals");
    edit(root->GetAt(1), &tree, "keynote");
    EXPECT_EQ(recorder.editedTexts, (std::vector<std::string>{ "arrivals", "keynote" }));
    EXPECT_EQ(Shape(), "arrivals(intro,later(outro)),talk") << "the job kept its name, and its item says so";
}

TEST_F(ObjectTreeControlTest, AJobDraggedFromAListOntoAFolderMovesThere)
{
    ASSERT_TRUE(AfxOleInit());
    CHostWnd listHost;
    CObjectListControl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 200, 200), &listHost, 12));
    std::unique_ptr<CPersistList> queue = MakeJobs({ { "clip" }, { "song" } });
    list.SetObject(queue.get());
    CMovingDropTarget mover(*queue);
    tree.SetDropTarget(&mover);
    EXPECT_EQ(::RegisterDragDrop(tree.m_hWnd, static_cast<IDropTarget*>(mover.GetInterface(&IID_IDropTarget))),
              DRAGDROP_E_ALREADYREGISTERED)
        << "the control registered the target it was given";

    auto drop = [&](COleDataSource& source) {
        COleDataObject data;
        data.Attach(static_cast<IDataObject*>(source.GetInterface(&IID_IDataObject)), FALSE);
        const CPoint point = LabelPoint(DisplayOf(&tree, inbox));
        EXPECT_EQ(mover.OnDragEnter(&tree, &data, MK_LBUTTON, point), DROPEFFECT_MOVE);
        EXPECT_EQ(mover.OnDragOver(&tree, &data, MK_LBUTTON, point), DROPEFFECT_MOVE);
        return mover.OnDrop(&tree, &data, DROPEFFECT_MOVE, point);
    };
    CPersistObject* clip = queue->GetAt(0);
    {
        CPersistObjectDataSource source(clip);
        EXPECT_TRUE(drop(source));
    }
    EXPECT_EQ(list.GetItemCount(), 1);
    EXPECT_EQ(Shape(), "inbox(intro,later(outro),clip),talk");

    // What no drag of this process offers now is never followed: a block too small for a
    // pointer, an address nobody here offers (another instance's), a source that is gone.
    CPersistObject* song = queue->GetAt(0);
    auto foreignBlock = [&](size_t size) {
        HGLOBAL block = ::GlobalAlloc(GMEM_ZEROINIT, size);
        memcpy(::GlobalLock(block), &song, size);
        ::GlobalUnlock(block);
        return block;
    };
    {
        CPersistObjectDataSource offered(song);
        COleDataSource small;
        small.CacheGlobalData(CPersistObjectDropTarget::sPersistObjectFormat, foreignBlock(4));
        EXPECT_FALSE(drop(small));
    }
    COleDataSource foreign;
    foreign.CacheGlobalData(CPersistObjectDropTarget::sPersistObjectFormat, foreignBlock(sizeof song));
    EXPECT_FALSE(drop(foreign));
    IDataObject* kept = nullptr;
    {
        CPersistObjectDataSource gone(song);
        kept = static_cast<IDataObject*>(gone.GetInterface(&IID_IDataObject));
        kept->AddRef();
    }
    COleDataObject stale;
    stale.Attach(kept);
    EXPECT_EQ(CPersistObjectDropTarget::GetDraggedObject(&stale), nullptr);
    EXPECT_EQ(list.GetItemCount(), 1);
    EXPECT_EQ(Shape(), "inbox(intro,later(outro),clip),talk");

    tree.SetDropTarget(nullptr);
    list.SetObject(nullptr);
}

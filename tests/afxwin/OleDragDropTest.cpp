#include "afxcmn.h"
#include "afxole.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const CLIPFORMAT kFormat = static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("tnwtest Clip"));

HGLOBAL Block(const char* text)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::strcpy(static_cast<char*>(::GlobalLock(block)), text);
    ::GlobalUnlock(block);
    return block;
}

std::string Text(HGLOBAL block)
{
    std::string text = static_cast<const char*>(::GlobalLock(block));
    ::GlobalUnlock(block);
    return text;
}

// Writes down what its handlers were given and answers as told.
class CRecordingTarget : public COleDropTarget {
public:
    DROPEFFECT answer = DROPEFFECT_COPY;
    BOOL accept = TRUE;
    std::vector<std::string> calls;

    DROPEFFECT OnDragEnter(CWnd*, COleDataObject* data, DWORD, CPoint point) override
    {
        Note("enter", data, point);
        return answer;
    }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject* data, DWORD, CPoint point) override
    {
        Note("over", data, point);
        return answer;
    }
    BOOL OnDrop(CWnd*, COleDataObject* data, DROPEFFECT effect, CPoint point) override
    {
        Note("drop " + std::to_string(effect), data, point);
        return accept;
    }
    void OnDragLeave(CWnd*) override { calls.push_back("leave"); }

private:
    void Note(const std::string& what, COleDataObject* data, CPoint point)
    {
        HGLOBAL block = data->GetGlobalData(kFormat);
        calls.push_back(what + " " + std::to_string(point.x) + "," + std::to_string(point.y) + " "
                        + (block ? Text(block) : "-"));
        if (block)
            ::GlobalFree(block);
    }
};

} // namespace

TEST(OleDragDrop, ADataSourceOutlivesItsObjectAndADropTargetHearsTheDragUntilRevoked)
{
    ASSERT_TRUE(AfxOleInit());
    IDataObject* kept = nullptr;
    {
        COleDataSource source;
        source.CacheGlobalData(kFormat, Block("first"));
        source.CacheGlobalData(kFormat, Block("clip.avi"));
        kept = static_cast<IDataObject*>(source.GetInterface(&IID_IDataObject));
        ASSERT_NE(kept, nullptr);
        kept->AddRef();
        COleDataObject data;
        data.Attach(kept, FALSE);
        EXPECT_TRUE(data.IsDataAvailable(kFormat));
        EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
        HGLOBAL one = data.GetGlobalData(kFormat);
        HGLOBAL two = data.GetGlobalData(kFormat);
        ASSERT_TRUE(one && two);
        EXPECT_NE(one, two);
        EXPECT_EQ(Text(one), "clip.avi") << "a format cached again replaces the first block";
        ::GlobalFree(one);
        ::GlobalFree(two);
        EXPECT_EQ(source.DoDragDrop(), DROPEFFECT_NONE) << "no button is down: no drag starts";
    }
    COleDataObject later;
    later.Attach(kept);
    HGLOBAL block = later.GetGlobalData(kFormat);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(Text(block), "clip.avi");
    ::GlobalFree(block);
    IEnumFORMATETC* formats = nullptr;
    ASSERT_EQ(kept->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
    FORMATETC format = {};
    ULONG fetched = 0;
    EXPECT_EQ(formats->Next(1, &format, &fetched), S_OK);
    EXPECT_EQ(format.cfFormat, kFormat);
    EXPECT_EQ(formats->Next(1, &format, &fetched), S_FALSE);
    formats->Release();

    // A drop target hears the drag in client coordinates until revoked.
    ASSERT_TRUE(AfxOleInit());
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, "STATIC", "target", WS_POPUP | WS_VISIBLE, 100, 50, 200, 100, nullptr, nullptr));
    CRecordingTarget target;
    ASSERT_TRUE(target.Register(&window));
    EXPECT_FALSE(target.Register(&window));
    auto* dropTarget = static_cast<IDropTarget*>(target.GetInterface(&IID_IDropTarget));
    EXPECT_EQ(::RegisterDragDrop(window.m_hWnd, dropTarget), DRAGDROP_E_ALREADYREGISTERED);

    COleDataSource source;
    source.CacheGlobalData(kFormat, Block("clip.avi"));
    auto* data = static_cast<IDataObject*>(source.GetInterface(&IID_IDataObject));
    CPoint origin(0, 0);
    window.ClientToScreen(&origin);
    POINTL at = { origin.x + 10, origin.y + 20 };
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(dropTarget->DragEnter(data, MK_LBUTTON, at, &effect), S_OK);
    EXPECT_EQ(effect, DWORD(DROPEFFECT_COPY));
    target.answer = DROPEFFECT_LINK;
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    dropTarget->DragOver(MK_LBUTTON, at, &effect);
    EXPECT_EQ(effect, DWORD(DROPEFFECT_NONE)) << "only what the source allows";
    target.answer = DROPEFFECT_MOVE;
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    dropTarget->DragOver(MK_LBUTTON, at, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(dropTarget->Drop(data, 0, at, &effect), S_OK);
    EXPECT_EQ(effect, DWORD(DROPEFFECT_MOVE));
    target.accept = FALSE;
    effect = DROPEFFECT_MOVE;
    dropTarget->DragEnter(data, MK_LBUTTON, at, &effect);
    dropTarget->Drop(data, 0, at, &effect);
    EXPECT_EQ(effect, DWORD(DROPEFFECT_NONE)) << "a refused drop";
    dropTarget->DragEnter(data, MK_LBUTTON, at, &effect);
    dropTarget->DragLeave();
    EXPECT_EQ(target.calls, (std::vector<std::string>{ "enter 10,20 clip.avi", "over 10,20 clip.avi",
                                                       "over 10,20 clip.avi", "drop 2 10,20 clip.avi",
                                                       "enter 10,20 clip.avi", "drop 2 10,20 clip.avi",
                                                       "enter 10,20 clip.avi", "leave" }));

    target.Revoke();
    ASSERT_EQ(::RegisterDragDrop(window.m_hWnd, dropTarget), S_OK) << "the window is free again";
    ::RevokeDragDrop(window.m_hWnd);
    window.DestroyWindow();
}

TEST(TreeCtrl, ItemsCarryLongTextsAndPointerSizedData)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, "STATIC", "host", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr));
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 300, 300), &host, 1));
    const std::string longText(700, 'x');
    HTREEITEM parent = tree.InsertItem("clips");
    HTREEITEM child = tree.InsertItem(longText.c_str(), parent);
    HTREEITEM first = tree.InsertItem("intro", parent, TVI_FIRST);
    EXPECT_EQ(std::string(tree.GetItemText(child)), longText);
    EXPECT_EQ(tree.GetChildItem(parent), first);
    const DWORD_PTR wide = static_cast<DWORD_PTR>(0x123456789ABCDEF0ull);
    EXPECT_TRUE(tree.SetItemData(child, wide));
    EXPECT_EQ(tree.GetItemData(child), wide);
    tree.Expand(parent, TVE_EXPAND);
    CRect label;
    ASSERT_TRUE(tree.GetItemRect(first, &label, TRUE));
    UINT flags = 0;
    EXPECT_EQ(tree.HitTest(label.CenterPoint(), &flags), first);
    EXPECT_TRUE(flags & TVHT_ONITEMLABEL);
    EXPECT_TRUE(tree.DeleteItem(parent));
    EXPECT_EQ(tree.GetCount(), 0u) << "an item goes with its children";
    host.DestroyWindow();
}

#pragma once
#include "afxver_.h"

#include <unordered_map>
#include <vector>

// The rows of a list and the key each one shows (an object control's child display), so
// that a key's row is found in logarithmic time however long the list and wherever rows
// were inserted, removed or moved: a control asks for a display's row each time one object
// changes, and a search through 100,000 rows takes longer than the change itself.
//
// The rows are kept as a sequence in a balanced tree (a treap: random priorities keep it
// shallow) whose nodes know the size of their subtree, so a row number is counted on the
// way from a key's node up to the root, and insertion or removal at a row costs as much.
// The index hears of every row the control inserts, removes, or gives another key; each
// answer is checked against the row it names (keyOf), and when the rows changed without
// the index hearing of it (another count of rows, or a row that shows another key), it
// reads all rows again once.
//
// A key shows in one row at most; rows may show no key (null).
class AFX_EXT_CLASS CRowIndex {
public:
    CRowIndex();

    // A row showing key (or none) was inserted at row; the rows from there on moved down.
    void Inserted(int row, const void* key);
    // The row was removed; the rows after it moved up.
    void Removed(int row);
    // The row shows key now (the key it showed before is to show elsewhere).
    void Moved(int row, const void* key);
    void Clear();
    int GetRowCount() const;

    // The row that shows key among count rows, -1 if none; keyOf(row) tells the key that a
    // row shows.
    template <class TKeyOf>
    int Find(const void* key, int count, TKeyOf keyOf)
    {
        if (!key)
            return -1;
        if (!mStale && GetRowCount() == count) {
            const int row = Lookup(key);
            if (row < 0 || keyOf(row) == key)
                return row;
        }
        Clear();
        for (int row = 0; row < count; ++row)
            Inserted(row, keyOf(row));
        return Lookup(key);
    }

private:
    struct CNode {
        const void* key;
        unsigned priority;
        int left;
        int right;
        int parent;
        int size;
    };

    // The row of the key's node, -1 for a key not shown.
    int Lookup(const void* key) const;
    int NodeAt(int row) const;
    int RowOf(int node) const;
    void RotateUp(int node);
    void Resize(int node);
    // Puts replacement where child hangs from parent (from the root for parent 0).
    void Relink(int parent, int child, int replacement);
    // The node's key is found no more (unless another node shows it by now).
    void Unmap(int node);

    std::vector<CNode> mNodes;  // node 0 stands for none
    std::vector<int> mFreeNodes;
    std::unordered_map<const void*, int> mNodeOfKey;
    int mRoot;
    unsigned mSeed;
    bool mStale;  // the rows changed in a way the index could not follow
};

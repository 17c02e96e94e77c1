#include "RowIndex.h"

CRowIndex::CRowIndex() : mNodes(1, CNode{ nullptr, 0, 0, 0, 0, 0 }), mRoot(0), mSeed(2463534242u), mStale(false) {}

int CRowIndex::GetRowCount() const
{
    return mNodes[mRoot].size;
}

void CRowIndex::Inserted(int row, const void* key)
{
    if (row < 0 || row > GetRowCount()) {
        mStale = true;
        return;
    }
    // xorshift: priorities need only be spread, not secret.
    mSeed ^= mSeed << 13;
    mSeed ^= mSeed >> 17;
    mSeed ^= mSeed << 5;
    int node = 0;
    if (!mFreeNodes.empty()) {
        node = mFreeNodes.back();
        mFreeNodes.pop_back();
    } else {
        node = static_cast<int>(mNodes.size());
        mNodes.push_back(CNode());
    }
    mNodes[node] = CNode{ key, mSeed, 0, 0, 0, 1 };
    if (key)
        mNodeOfKey[key] = node;

    // Down to the place of the new row as a leaf, counting it in every subtree on the way,
    // then up while its priority is the higher.
    if (!mRoot) {
        mRoot = node;
        return;
    }
    int at = mRoot;
    for (;;) {
        CNode& current = mNodes[at];
        ++current.size;
        const int before = mNodes[current.left].size;
        int& next = row <= before ? current.left : current.right;
        if (row > before)
            row -= before + 1;
        if (!next) {
            next = node;
            mNodes[node].parent = at;
            break;
        }
        at = next;
    }
    while (mNodes[node].parent && mNodes[node].priority > mNodes[mNodes[node].parent].priority)
        RotateUp(node);
}

void CRowIndex::Removed(int row)
{
    const int node = NodeAt(row);
    if (!node) {
        mStale = true;
        return;
    }
    // Down until it has one child at most, then out, and every subtree above it is one
    // row smaller.
    while (mNodes[node].left && mNodes[node].right) {
        const CNode& current = mNodes[node];
        RotateUp(mNodes[current.left].priority > mNodes[current.right].priority ? current.left : current.right);
    }
    const int child = mNodes[node].left ? mNodes[node].left : mNodes[node].right;
    const int parent = mNodes[node].parent;
    if (child)
        mNodes[child].parent = parent;
    Relink(parent, node, child);
    for (int above = parent; above; above = mNodes[above].parent)
        --mNodes[above].size;
    Unmap(node);
    mNodes[node] = CNode{ nullptr, 0, 0, 0, 0, 0 };
    mFreeNodes.push_back(node);
}

void CRowIndex::Moved(int row, const void* key)
{
    const int node = NodeAt(row);
    if (!node) {
        mStale = true;
        return;
    }
    Unmap(node);
    mNodes[node].key = key;
    if (key)
        mNodeOfKey[key] = node;
}

void CRowIndex::Clear()
{
    mNodes.resize(1);
    mFreeNodes.clear();
    mNodeOfKey.clear();
    mRoot = 0;
    mStale = false;
}

int CRowIndex::Lookup(const void* key) const
{
    const auto found = mNodeOfKey.find(key);
    return found == mNodeOfKey.end() ? -1 : RowOf(found->second);
}

int CRowIndex::NodeAt(int row) const
{
    if (row < 0 || row >= GetRowCount())
        return 0;
    int at = mRoot;
    for (;;) {
        const int before = mNodes[mNodes[at].left].size;
        if (row == before)
            return at;
        if (row < before) {
            at = mNodes[at].left;
        } else {
            row -= before + 1;
            at = mNodes[at].right;
        }
    }
}

int CRowIndex::RowOf(int node) const
{
    int row = mNodes[mNodes[node].left].size;
    for (int at = node; mNodes[at].parent; at = mNodes[at].parent) {
        const CNode& parent = mNodes[mNodes[at].parent];
        if (parent.right == at)
            row += mNodes[parent.left].size + 1;
    }
    return row;
}

void CRowIndex::RotateUp(int node)
{
    const int parent = mNodes[node].parent;
    const int grandparent = mNodes[parent].parent;
    if (mNodes[parent].left == node) {
        mNodes[parent].left = mNodes[node].right;
        if (mNodes[node].right)
            mNodes[mNodes[node].right].parent = parent;
        mNodes[node].right = parent;
    } else {
        mNodes[parent].right = mNodes[node].left;
        if (mNodes[node].left)
            mNodes[mNodes[node].left].parent = parent;
        mNodes[node].left = parent;
    }
    mNodes[parent].parent = node;
    mNodes[node].parent = grandparent;
    Relink(grandparent, parent, node);
    Resize(parent);
    Resize(node);
}

void CRowIndex::Resize(int node)
{
    mNodes[node].size = 1 + mNodes[mNodes[node].left].size + mNodes[mNodes[node].right].size;
}

void CRowIndex::Relink(int parent, int child, int replacement)
{
    if (!parent)
        mRoot = replacement;
    else if (mNodes[parent].left == child)
        mNodes[parent].left = replacement;
    else
        mNodes[parent].right = replacement;
}

void CRowIndex::Unmap(int node)
{
    const auto shown = mNodeOfKey.find(mNodes[node].key);
    if (shown != mNodeOfKey.end() && shown->second == node)
        mNodeOfKey.erase(shown);
}

#pragma once
// Per-thread maps from system handles to framework objects: permanent objects attached by
// their owners, and temporary ones made on demand by FromHandle that live until the
// thread next idles.
#include <unordered_map>

// The map of one thread from handles of one kind (windows, menus, image lists) to their
// objects. A handle has at most one permanent object, which its owner attached and
// detaches; FromHandle of any other handle makes a temporary object that DeleteTemp frees
// when the thread idles. The map never owns the permanent objects.
template <class TObject, class THandle, THandle TObject::*HandleMember>
class CHandleMap {
public:
    CHandleMap() = default;
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;
    ~CHandleMap() { DeleteTemp(); }

    TObject* LookupPermanent(THandle h) const
    {
        auto found = mPermanent.find(h);
        return found == mPermanent.end() ? nullptr : found->second;
    }

    TObject* FromHandle(THandle h)
    {
        return FromHandle(h, [](THandle) { return new TObject; });
    }

    // As above, with the temporary object made by create(h): maps whose handles come in
    // several kinds make the object of the handle's own kind.
    template <class TCreate>
    TObject* FromHandle(THandle h, TCreate create)
    {
        if (!h)
            return nullptr;
        if (TObject* permanent = LookupPermanent(h))
            return permanent;
        auto found = mTemporary.find(h);
        if (found != mTemporary.end())
            return found->second;
        TObject* temporary = create(h);
        temporary->*HandleMember = h;
        mTemporary.emplace(h, temporary);
        return temporary;
    }

    void SetPermanent(THandle h, TObject* object)
    {
        mPermanent[h] = object;
    }

    void RemoveHandle(THandle h) { mPermanent.erase(h); }

    void DeleteTemp()
    {
        for (auto& entry : mTemporary) {
            entry.second->*HandleMember = THandle();
            delete entry.second;
        }
        mTemporary.clear();
    }

private:
    std::unordered_map<THandle, TObject*> mPermanent;
    std::unordered_map<THandle, TObject*> mTemporary;
};

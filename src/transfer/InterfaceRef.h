#pragma once
#include <unknwn.h>

// One counted reference to a COM interface, given back when the holder goes or is
// reset. A copy takes a reference of its own, so that copies of an object that holds
// interfaces share them and each releases exactly what it took.
template <class TInterface>
class CInterfaceRef {
public:
    CInterfaceRef() = default;
    CInterfaceRef(const CInterfaceRef& other) : mInterface(other.mInterface)
    {
        if (mInterface)
            mInterface->AddRef();
    }
    CInterfaceRef& operator=(const CInterfaceRef& other)
    {
        // The new reference first: other may hold the last reference but ours.
        if (other.mInterface)
            other.mInterface->AddRef();
        Reset();
        mInterface = other.mInterface;
        return *this;
    }
    ~CInterfaceRef() { Reset(); }

    // Takes a reference of its own to a pointer someone else holds.
    void Share(TInterface* shared)
    {
        if (shared)
            shared->AddRef();
        Reset();
        mInterface = shared;
    }
    // Where a call that hands out a reference puts it; what was held is given back first.
    TInterface** Receive()
    {
        Reset();
        return &mInterface;
    }
    void Reset()
    {
        if (TInterface* held = mInterface) {
            mInterface = nullptr;
            held->Release();
        }
    }

    TInterface* Get() const { return mInterface; }
    TInterface* operator->() const { return mInterface; }
    explicit operator bool() const { return mInterface != nullptr; }

private:
    TInterface* mInterface = nullptr;
};

#pragma once
#include "afxver_.h"
#include "ComApartment.h"

// Initialises COM for the thread that creates it, as the media components need, and
// uninitialises it when destroyed on the same thread. The first object alive is the
// class-wide one.
//
// Decision of this library: when COM cannot be initialised here (the thread already runs
// in the other apartment model), the destructor leaves COM alone. Uninitialising what
// this object never initialised would tear down the COM of whoever did.
class AFX_EXT_CLASS StDirectShow {
public:
    StDirectShow();
    virtual ~StDirectShow();
    StDirectShow(const StDirectShow&) = delete;
    StDirectShow& operator=(const StDirectShow&) = delete;

    // Whether COM was initialised by this object.
    bool IsInitialized() const { return mApartment.IsInitialized(); }

private:
    StComApartment mApartment;

    static StDirectShow* sDirectShow;
};

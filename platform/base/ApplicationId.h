#pragma once
#include "BaseExport.h"

// The number of the running application of the product family, from which the window
// support library derives its names. The application object holds one for its whole
// life; it starts with 0 until the derived application sets its number (SetId).
//
// While one exists, sId points at it and Id() gives its number (0 when none exists).
// Identities nest like scopes: a newer one takes over until it is destroyed, and then the
// one before it is the running identity again, whatever order they are destroyed in.
class TNWBS_CLASS StApplicationId {
public:
    explicit StApplicationId(long id = 0);
    ~StApplicationId();
    StApplicationId(const StApplicationId&) = delete;
    StApplicationId& operator=(const StApplicationId&) = delete;

    long GetId() const;
    void SetId(long id);

    static long Id();
    static StApplicationId* sId;

private:
    long mId;
    StApplicationId* mPrevious;
};

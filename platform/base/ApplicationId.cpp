#include "ApplicationId.h"

StApplicationId* StApplicationId::sId = nullptr;

StApplicationId::StApplicationId(long id) : mId(id), mPrevious(sId)
{
    sId = this;
}

StApplicationId::~StApplicationId()
{
    for (StApplicationId** link = &sId; *link; link = &(*link)->mPrevious) {
        if (*link == this) {
            *link = mPrevious;
            break;
        }
    }
}

long StApplicationId::GetId() const
{
    return mId;
}

void StApplicationId::SetId(long id)
{
    mId = id;
}

long StApplicationId::Id()
{
    return sId ? sId->GetId() : 0;
}

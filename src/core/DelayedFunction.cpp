#include "core/DelayedFunction.h"

CDelayedFunction::CDelayedFunction(bool autoDelete)
    : mFunction(nullptr), mA(nullptr), mB(nullptr), mAutoDelete(autoDelete)
{
}

void CDelayedFunction::SetFunction(Function function, void* a, void* b)
{
    Deactivate();
    mFunction = function;
    mA = a;
    mB = b;
}

void CDelayedFunction::OnTimer()
{
    Deactivate();
    const bool autoDelete = mAutoDelete;
    if (mFunction)
        mFunction(mA, mB);
    if (autoDelete)
        delete this;
}

void CDelayedFunction::Run(Function function, void* a, void* b)
{
    auto* delayed = new CDelayedFunction(true);
    delayed->SetFunction(function, a, b);
    if (!delayed->Activate(kRunDelayMs))
        delete delayed;
}

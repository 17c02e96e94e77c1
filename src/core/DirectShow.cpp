#include "core/DirectShow.h"

#include <objbase.h>

StDirectShow* StDirectShow::sDirectShow = nullptr;

StDirectShow::StDirectShow() : mInitialized(SUCCEEDED(::CoInitialize(nullptr)))
{
    if (!sDirectShow)
        sDirectShow = this;
}

StDirectShow::~StDirectShow()
{
    if (sDirectShow == this)
        sDirectShow = nullptr;
    if (mInitialized)
        ::CoUninitialize();
}

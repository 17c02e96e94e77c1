#include "core/DirectShow.h"

StDirectShow* StDirectShow::sDirectShow = nullptr;

StDirectShow::StDirectShow()
{
    if (!sDirectShow)
        sDirectShow = this;
}

StDirectShow::~StDirectShow()
{
    if (sDirectShow == this)
        sDirectShow = nullptr;
}

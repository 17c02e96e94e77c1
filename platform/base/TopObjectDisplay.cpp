#include "TopObjectDisplay.h"

CTopObjectDisplay::CTopObjectDisplay() : CObjectDisplay(nullptr), mNested(false) {}

CTopObjectDisplay* CTopObjectDisplay::GetTopDisplay()
{
    return this;
}

void CTopObjectDisplay::MakeSelected(CObjectDisplay* display)
{
    SelectAll(false);
    if (display)
        display->Select(true);
}

void CTopObjectDisplay::SetNested(bool nested)
{
    mNested = nested;
}

bool CTopObjectDisplay::IsNested() const
{
    return mNested;
}

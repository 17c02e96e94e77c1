#include "util/WaitCursor.h"

StWaitCursor::StWaitCursor() : mPrevious(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}

StWaitCursor::~StWaitCursor()
{
    ::SetCursor(mPrevious);
}

#include "util/SystemCursor.h"

StSystemCursor::StSystemCursor(LPCSTR cursor) : mPrevious(::SetCursor(::LoadCursorA(nullptr, cursor))) {}

StSystemCursor::~StSystemCursor()
{
    ::SetCursor(mPrevious);
}

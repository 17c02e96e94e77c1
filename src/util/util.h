#pragma once
// Utilities: window, drawing, shell and IP address operations, and the wait cursor and
// window update guards.
#include "util/DrawingUtils.h"
#include "util/IpUtils.h"
#include "util/ShellUtils.h"
#include "util/WaitCursor.h"
#include "util/WindowUpdate.h"
#include "util/WindowsUtils.h"

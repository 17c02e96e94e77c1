#pragma once
// The media application class library. Applications include this header and link
// tnwmfcut::tnwmfcut.
#include "tnwwndut.h"
#include "tnwbscut.h"
#include "core/LibraryModule.h"
#include "core/WorkerThread.h"
#include "core/WorkerThreadDispatcher.h"
#include "core/Timer.h"
#include "core/TimerDispatcher.h"
#include "core/DelayedFunction.h"
#include "core/ScheduleClock.h"
#include "util/DrawingUtils.h"
#include "util/IpUtils.h"
#include "util/ShellUtils.h"
#include "util/WaitCursor.h"
#include "util/WindowUpdate.h"
#include "util/WindowsUtils.h"

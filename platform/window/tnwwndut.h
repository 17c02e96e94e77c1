#pragma once
// The window support library: settings values, ini files, file and directory utilities,
// progress timing and locks.
#include "tnwbscut.h"
#include "TwCriticalSection.h"

#pragma once
// The window support library: settings values, ini files, file and directory utilities,
// application names, web addresses, progress timing, multi-part files, tracing, locks and
// pictures scaled to a window.
#include "tnwbscut.h"
#include "ApplicationUtils.h"
#include "BitmapResizer.h"
#include "DirectoryUtils.h"
#include "FileUtils.h"
#include "IniProfile.h"
#include "MultiFile.h"
#include "Registry.h"
#include "Tracer.h"
#include "TwCriticalSection.h"
#include "UrlUtils.h"
#include "WindowsProgressAction.h"

#pragma once
// The window support library: settings values, ini files, file and directory utilities,
// application names, file versions, web addresses, progress timing, multi-part files,
// tracing, locks, pictures scaled to a window, grey bitmaps, screenshots and rubber bands.
#include "tnwbscut.h"
#include "ApplicationUtils.h"
#include "BitmapResizer.h"
#include "BitmapUtils.h"
#include "DirectoryUtils.h"
#include "DragIndicator.h"
#include "FileUtils.h"
#include "IniProfile.h"
#include "MultiFile.h"
#include "ObviousDragIndicator.h"
#include "Registry.h"
#include "ScreenCapture.h"
#include "Tracer.h"
#include "TwCriticalSection.h"
#include "UrlUtils.h"
#include "Version.h"
#include "WindowsProgressAction.h"

#pragma once
// The part of the window support library that the parsers use.
#include "tnwbscut.h"
#include "ApplicationUtils.h"
#include "DirectoryUtils.h"
#include "FileUtils.h"
#include "IniProfile.h"
#include "Registry.h"
#include "TwCriticalSection.h"
#include "UrlUtils.h"

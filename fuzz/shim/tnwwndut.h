#pragma once
// The part of the window support library that the parsers use.
#include "tnwbscut.h"
#include "DirectoryUtils.h"
#include "FileUtils.h"
#include "UrlUtils.h"

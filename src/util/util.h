#pragma once
// Utilities: path trees, dropped files, folder and file prompters, media file extensions;
// window, drawing, shell and IP address operations, and the cursor and window update guards.
#include "util/DirectoryPath.h"
#include "util/DirectoryPrompter.h"
#include "util/DrawingUtils.h"
#include "util/DropFileList.h"
#include "util/FilePath.h"
#include "util/FilePrompter.h"
#include "util/IpUtils.h"
#include "util/MediaFileExtension.h"
#include "util/Path.h"
#include "util/ShellUtils.h"
#include "util/SystemCursor.h"
#include "util/WaitCursor.h"
#include "util/NoRedraw.h"
#include "util/WindowUpdate.h"
#include "util/WindowsUtils.h"

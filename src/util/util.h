#pragma once
// Utilities: path trees, dropped files, folder and file prompters, the file replace rule.
#include "util/DirectoryPath.h"
#include "util/DirectoryPrompter.h"
#include "util/DropFileList.h"
#include "util/FilePath.h"
#include "util/FilePrompter.h"
#include "util/FileReplace.h"
#include "util/Path.h"

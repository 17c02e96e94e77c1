#pragma once
// The media application class library. Applications include this header and link
// tnwmfcut::tnwmfcut.
#include "tnwwndut.h"
#include "tnwbscut.h"
#include "core/LibraryModule.h"
#include "core/WorkerThread.h"
#include "core/WorkerThreadDispatcher.h"
#include "util/MediaFileExtension.h"
#include "dialogs/RepeatPrompter.h"
#include "util/FileReplace.h"
#include "transfer/FileCopyJob.h"
#include "transfer/FileCopyThread.h"

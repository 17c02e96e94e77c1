#pragma once
// The media application class library. Applications include this header and link
// tnwmfcut::tnwmfcut.
#include "tnwwndut.h"
#include "tnwbscut.h"
#include "core/LibraryModule.h"
#include "core/WorkerThread.h"
#include "core/WorkerThreadDispatcher.h"
#include "persist/PerUserPath.h"
#include "persist/XmlDocument.h"
#include "persist/XmlNode.h"
#include "persist/XmlReader.h"
#include "persist/XmlValueText.h"
#include "persist/XmlWriter.h"

#pragma once
// The base support library: object model, storages, broadcaster and listener, lists,
// byte handles and string buffers.
#include "Broadcaster.h"
#include "Handle.h"
#include "HexConverter.h"
#include "ImageHandle.h"
#include "Listener.h"
#include "PointerList.h"
#include "ProgressAction.h"
#include "StringBuffer.h"
#include "TimecodeUtils.h"

#pragma once
// The base support library: object model, storages, broadcaster and listener, lists,
// byte handles and string buffers.
#include "Broadcaster.h"
#include "Listener.h"
#include "PointerList.h"
#include "ProgressAction.h"

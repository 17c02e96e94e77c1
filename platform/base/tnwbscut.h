#pragma once
// The base support library: object model, storages, broadcaster and listener, lists,
// byte handles and string buffers.
#include "ProgressAction.h"

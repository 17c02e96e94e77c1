#pragma once
// The media application class library. Applications include this header and link
// tnwmfcut::tnwmfcut. Each subsystem's header lists its classes.
#include "tnwwndut.h"
#include "tnwbscut.h"
#include "core/core.h"
#include "persist/persist.h"
#include "util/util.h"
#include "dialogs/dialogs.h"
#include "controls/controls.h"
#include "display/display.h"
#include "transfer/transfer.h"
#include "net/net.h"

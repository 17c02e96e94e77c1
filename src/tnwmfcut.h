#pragma once
// The media application class library. Applications include this header and link
// tnwmfcut::tnwmfcut. Each subsystem's header lists its classes; they are included here in
// the library's layer order, lowest first.
#include "tnwwndut.h"
#include "tnwbscut.h"
#include "core/core.h"
#include "util/util.h"
#include "prompts/prompts.h"
#include "controls/controls.h"
#include "dialogs/dialogs.h"
#include "skins/skins.h"
#include "persist/persist.h"
#include "display/display.h"
#include "transfer/transfer.h"
#include "net/net.h"
#include "panels/panels.h"
#include "app/app.h"

#pragma once
// Object display controls: lists and reports of persistent objects.
#include "display/ReportCtrl.h"
#include "display/FriendlyListControl.h"

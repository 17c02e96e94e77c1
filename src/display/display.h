#pragma once
// Object display controls: lists and reports of persistent objects.
#include "display/TypedSort.h"
#include "display/ReportCellEditor.h"
#include "display/ReportCtrl.h"
#include "display/FriendlyListControl.h"
#include "display/ListControlUtils.h"
#include "display/ObjectControlDisplay.h"
#include "display/ObjectListDisplay.h"
#include "display/ObjectListControl.h"
#include "display/FastObjectListControl.h"
#include "display/DrawObjectListControl.h"
#include "display/ObjectReportControl.h"

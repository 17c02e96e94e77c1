#pragma once
// The application: the family's application object with its edit commands, help and about
// box, and the application pool with the Download and Demo menus.
#include "app/ApplicationCategory.h"
#include "app/ApplicationPool.h"
#include "app/AboutDialog.h"
#include "app/TarnwellApp.h"

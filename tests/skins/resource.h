#pragma once
#define IDB_SKIN_BUTTON 100
#define IDB_SKIN_BUTTON_TOO 101

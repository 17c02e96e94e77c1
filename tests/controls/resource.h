#pragma once
#define IDB_NORMAL 100
#define IDB_PRESSED 101
#define IDB_FOCUS 102
#define IDB_DISABLED 103
#define IDB_CHECKED 104
#define IDI_FIRST 200
#define IDI_SECOND 201

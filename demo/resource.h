#pragma once
#define IDR_MAINFRAME 128
#define IDB_DEMO_SPLASH 129
#define IDD_TRAY 130
#define IDI_RUN_0 131
#define IDI_RUN_1 132
#define IDI_RUN_2 133
#define IDI_RUN_3 134
#define IDC_TRAY_STATUS 1001
// The document panel of a job file.
#define IDD_JOB_PANEL 141
#define IDC_JOB_SOURCE 1010
#define IDC_JOB_QUALITY 1011
#define IDC_JOB_FILE 1012
#define ID_FILE_CONVERT 0x8100
#define ID_TRAY_OPEN 0x8101
// The range the application pool numbers the Download and Demo menu items from.
#define ID_POOL_FIRST 0x9000
#define ID_POOL_LAST 0x90FF

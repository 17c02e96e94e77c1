#pragma once
#define IDR_MAINFRAME 128
#define IDB_DEMO_SPLASH 129
#define IDD_TRAY 130
#define IDI_RUN_0 131
#define IDI_RUN_1 132
#define IDI_RUN_2 133
#define IDI_RUN_3 134
#define IDC_TRAY_STATUS 1001
#define ID_FILE_CONVERT 0x8100
#define ID_TRAY_OPEN 0x8101
// The range the application pool numbers the Download and Demo menu items from.
#define ID_POOL_FIRST 0x9000
#define ID_POOL_LAST 0x90FF
// The settings window built of panels and the export wizard's pages.
#define IDD_DEMO_SETTINGS 140
#define IDD_DEMO_VIDEO 141
#define IDD_DEMO_AUDIO 142
#define IDD_DEMO_OUTPUT 143
#define IDD_DEMO_PAGE 144
#define IDC_DEMO_FRAME_SIZE 1010
#define IDC_DEMO_FRAME_RATE 1011
#define IDC_DEMO_SAMPLE_RATE 1012
#define IDC_DEMO_FOLDER 1013
#define IDC_DEMO_PAGE_TEXT 1014

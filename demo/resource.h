#pragma once
#define IDR_MAINFRAME 128
#define IDB_DEMO_SPLASH 129
#define IDD_TRAY 130
#define IDI_RUN_0 131
#define IDI_RUN_1 132
#define IDI_RUN_2 133
#define IDI_RUN_3 134
#define IDD_JOB_QUEUE 135
#define IDC_TRAY_STATUS 1001
#define IDC_JOB_QUEUE_LIST 1002
// The document panel of a job file.
#define IDD_JOB_PANEL 160
#define IDC_JOB_SOURCE 1020
#define IDC_JOB_QUALITY 1021
#define IDC_JOB_FILE 1022
#define ID_FILE_CONVERT 0x8100
#define ID_TRAY_OPEN 0x8101
// The range the application pool numbers the Download and Demo menu items from.
#define ID_POOL_FIRST 0x9000
#define ID_POOL_LAST 0x90FF
// The sample skin's pictures (demo/skin, drawn by scripts/make-sample-skin).
#define IDB_SKIN_PLAY 140
#define IDB_SKIN_STOP 141
#define IDB_SKIN_RECORD 142
#define IDB_SKIN_THUMB 143
// The settings window built of panels and the export wizard's pages.
#define IDD_DEMO_SETTINGS 150
#define IDD_DEMO_VIDEO 151
#define IDD_DEMO_AUDIO 152
#define IDD_DEMO_OUTPUT 153
#define IDD_DEMO_PAGE 154
#define IDC_DEMO_FRAME_SIZE 1010
#define IDC_DEMO_FRAME_RATE 1011
#define IDC_DEMO_SAMPLE_RATE 1012
#define IDC_DEMO_FOLDER 1013
#define IDC_DEMO_PAGE_TEXT 1014

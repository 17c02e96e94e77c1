#pragma once
// Numeric ids of the library's dialog templates, bitmaps, icons and cursors.

// The library's own icon: dialogs of the library show it when the application gives none.
#define IDI_TNW_LIBRARY 10000

// The about box and its controls.
#define IDD_ABOUT 10009
#define IDC_ABOUT_PRODUCT 10023
#define IDC_ABOUT_VERSION 10024
#define IDC_ABOUT_LEGAL 10025
#define IDC_ABOUT_COMPONENTS 10039
#define IDC_ABOUT_MORE 10076
#define IDB_ABOUT_BANNER 10058

// The error dialog and its controls.
#define IDD_ERROR 10010
#define IDC_ERROR_FRAME 10029
#define IDC_ERROR_MESSAGE 10030

// The splash window's default picture.
#define IDB_SPLASH 10059

// One-question dialogs.
#define IDD_TNW_SELECTOR 10003
#define IDD_TNW_IP_PROMPTER 10004
#define IDD_TNW_REPEAT_PROMPTER 10005
#define IDD_TNW_PROMPTER 10006
#define IDD_TNW_VOLUME_SLIDER 10093
#define IDC_TNW_PROMPT 10020
#define IDC_TNW_RESPONSE 10037
#define IDC_TNW_SELECTION 10038
#define IDC_TNW_IP_ADDRESS 10079
#define IDC_TNW_APPLY_TO_ALL 10082
#define IDC_TNW_VOLUME 10090

// The object inspector dialogs: a tree of the saved object, or its properties as a list.
#define IDD_TNW_OBJECT_INSPECTOR 10092
#define IDC_TNW_OBJECT_TREE 10088
#define IDD_TNW_OBJECT_PROPERTIES 11029
#define IDC_TNW_PROPERTY_LIST 10089

// The download dialog, its controls and the row images of its list.
#define IDD_TNW_DOWNLOAD 10096
#define IDC_TNW_DOWNLOAD_LIST 10092
#define IDC_TNW_DOWNLOAD_DESCRIPTION 10093
#define IDC_TNW_CHECK_STARTUP 10094
#define IDC_TNW_SHOW_ADDITIONAL 10096
#define IDB_TNW_DOWNLOAD 10097

// The bitmap-framed buttons' five faces, side by side.
#define IDB_TNW_XP_BUTTON 10088

// The screen tools: the frozen-screen dialog, and the window picker's face and pointer.
#define IDD_TNW_DESKTOP 10002
#define IDI_TNW_WINDOW_PICKER 10083
#define IDC_TNW_WINDOW_PICKER 10085

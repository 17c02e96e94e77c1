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

// Panels: the expandable panel's header (expand button, caption, and the hidden line whose
// top is the header's height) with the button's pictures, and the empty container panel.
#define IDD_TNW_EXPAND_PANEL 10011
#define IDC_TNW_EXPAND_CAPTION 10027
#define IDC_TNW_EXPAND_DETAILS 10028
#define IDC_TNW_EXPAND_BUTTON 10077
#define IDB_TNW_EXPAND_UP 10060
#define IDB_TNW_EXPAND_DOWN 10061
#define IDB_TNW_EXPAND_FOCUS 10062
#define IDB_TNW_EXPAND_DISABLED 10063
#define IDB_TNW_EXPAND_CHECKED 10064
#define IDD_TNW_CONTAINER_PANEL 10090

// The formatted-text editors: the pane makes its controls, the panel has them in its
// template (10012); the font and size lists differ, the buttons and the text box do not.
// Each button has an up, a down and a checked picture.
#define IDD_TNW_EDIT_PANEL 10012
#define IDC_TNW_PANE_FONTS 10065
#define IDC_TNW_PANE_SIZES 10066
#define IDC_TNW_PANEL_FONTS 10067
#define IDC_TNW_PANEL_SIZES 10068
#define IDC_TNW_BOLD 10069
#define IDC_TNW_ITALIC 10070
#define IDC_TNW_UNDERLINE 10071
#define IDC_TNW_ALIGN_LEFT 10072
#define IDC_TNW_ALIGN_CENTER 10073
#define IDC_TNW_ALIGN_RIGHT 10074
#define IDC_TNW_TEXT 10078
#define IDB_TNW_BOLD 10040
#define IDB_TNW_ITALIC 10043
#define IDB_TNW_UNDERLINE 10046
#define IDB_TNW_ALIGN_LEFT 10049
#define IDB_TNW_ALIGN_CENTER 10052
#define IDB_TNW_ALIGN_RIGHT 10055

// The panel stack on a panel (11033) and on the export dialog (11028).
#define IDD_TNW_STACK_PANEL 11033
#define IDD_TNW_STACK_EXPORT 11028
#define IDC_TNW_STACK_PAGES 11103
#define IDC_TNW_STACK_PREVIOUS 11104
#define IDC_TNW_STACK_NEXT 11105
#define IDC_TNW_STACK_PLACE 11106

// The object edit dialog (11032), whose stack goes in the placeholder 11106.
#define IDD_TNW_OBJECT_EDIT 11032

// The progress dialog (10008), the progress panel (11030) and the dialog around it (11031).
#define IDD_TNW_PROGRESS 10008
#define IDD_TNW_PROGRESS_PANEL 11030
#define IDD_TNW_PROGRESS2 11031
#define IDC_TNW_PROGRESS_SKIP 7
#define IDC_TNW_PROGRESS_TEXT 10021
#define IDC_TNW_PROGRESS_DETAIL 10026
#define IDC_TNW_PROGRESS_ELAPSED 10031
#define IDC_TNW_PROGRESS_DETAIL_ELAPSED 10032
#define IDC_TNW_PROGRESS_LEFT 10035
#define IDC_TNW_PROGRESS_DETAIL_LEFT 10036
#define IDC_TNW_PROGRESS_BAR 10080
#define IDC_TNW_PROGRESS_DETAIL_BAR 10081
#define IDC_TNW_PROGRESS_PLACE 10091

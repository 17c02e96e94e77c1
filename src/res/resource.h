#pragma once
// Numeric ids of the library's dialog templates, bitmaps, icons and cursors.

// The library's own icon: dialogs of the library show it when the application gives none.
#define IDI_TNW_LIBRARY 10000

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

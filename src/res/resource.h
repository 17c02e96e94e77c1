#pragma once
// Numeric ids of the library's dialog templates, bitmaps, icons and cursors.

// The library's own icon: dialogs of the library show it when the application gives none.
#define IDI_TNW_LIBRARY 10000

// The repeat prompter: a yes/no question with "Apply to All".
#define IDD_TNW_REPEAT_PROMPTER 10005
#define IDC_TNW_PROMPT_TEXT 10020
#define IDC_TNW_APPLY_TO_ALL 10082

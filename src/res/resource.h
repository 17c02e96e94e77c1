#pragma once
// Numeric ids of the library's dialog templates, bitmaps, icons and cursors.

// The library's own icon: dialogs of the library show it when the application gives none.
#define IDI_TNW_LIBRARY 10000

#pragma once
#define IDD_HOSTED 3100
#define IDC_HOSTED_LIST 3101
#define IDD_MISSING 3199

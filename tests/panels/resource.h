#pragma once
#define IDD_TEST_PANEL 100
#define IDD_TEST_HOST 101
#define IDC_TEST_PRESS 1001
#define IDC_TEST_ANY 1002

#pragma once
#define IDI_TEST_RED 2001
#define IDI_TEST_GREEN 2002
#define IDI_TEST_BLUE 2003

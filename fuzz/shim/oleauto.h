#pragma once
// BSTR and its functions live in windows.h of the native test build.
#include <windows.h>

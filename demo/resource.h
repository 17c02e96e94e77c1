#pragma once
#define IDR_MAINFRAME 128
#define ID_FILE_CONVERT 0x8100

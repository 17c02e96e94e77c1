#pragma once
// Classes of the window support library are exported from tnwwndut.dll and imported by
// everything that links it.
#ifdef TNWWNDUT_BUILDING
#define TNWWND_CLASS __declspec(dllexport)
#else
#define TNWWND_CLASS __declspec(dllimport)
#endif

#pragma once
// Classes of the base support library are exported from tnwbscut.dll and imported by
// everything that links it.
#ifdef TNWBSCUT_BUILDING
#define TNWBS_CLASS __declspec(dllexport)
#else
#define TNWBS_CLASS __declspec(dllimport)
#endif

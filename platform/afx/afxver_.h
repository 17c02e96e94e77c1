#pragma once
// Build configuration shared by every header of the class framework.

#ifndef STRICT
#define STRICT
#endif
#include <windows.h>

// Framework classes live in afx.dll.
#ifdef AFX_BUILDING
#define AFX_CORE_CLASS __declspec(dllexport)
#define AFX_CORE_DATA __declspec(dllexport)
#else
#define AFX_CORE_CLASS __declspec(dllimport)
#define AFX_CORE_DATA __declspec(dllimport)
#endif
#define AFXAPI __stdcall

// Extension libraries built on the framework export their classes with AFX_EXT_CLASS
// while _AFXEXT is defined, and import them otherwise.
#ifdef _AFXEXT
#define AFX_EXT_CLASS __declspec(dllexport)
#define AFX_EXT_API __declspec(dllexport)
#define AFX_EXT_DATA __declspec(dllexport)
#else
#define AFX_EXT_CLASS __declspec(dllimport)
#define AFX_EXT_API __declspec(dllimport)
#define AFX_EXT_DATA __declspec(dllimport)
#endif

#ifndef ASSERT
#include <cassert>
#define ASSERT(f) assert(f)
#endif
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(p) ((void)0)
#define TRACE(...) ((void)0)
#define AFX_INLINE inline
#define afx_msg

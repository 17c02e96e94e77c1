#pragma once
// The framework's named collections of strings, pointers, objects and numbers. Each is an
// instance of a collection template (afxtempl.h) with its own run-time class, and behaves
// as that template describes.
#include "afxver_.h"
#include "afxobj.h"
#include "afxstr.h"
#include "afxtempl.h"

class AFX_CORE_CLASS CStringArray : public CArray<CString, LPCSTR> {
    DECLARE_DYNAMIC(CStringArray)
};

class AFX_CORE_CLASS CPtrArray : public CArray<void*, void*> {
    DECLARE_DYNAMIC(CPtrArray)
};

class AFX_CORE_CLASS CObArray : public CArray<CObject*, CObject*> {
    DECLARE_DYNAMIC(CObArray)
};

class AFX_CORE_CLASS CDWordArray : public CArray<DWORD, DWORD> {
    DECLARE_DYNAMIC(CDWordArray)
};

class AFX_CORE_CLASS CUIntArray : public CArray<UINT, UINT> {
    DECLARE_DYNAMIC(CUIntArray)
};

// Find compares the texts.
class AFX_CORE_CLASS CStringList : public CList<CString, LPCSTR> {
    DECLARE_DYNAMIC(CStringList)
public:
    using CList::CList;
};

class AFX_CORE_CLASS CPtrList : public CList<void*, void*> {
    DECLARE_DYNAMIC(CPtrList)
public:
    using CList::CList;
};

class AFX_CORE_CLASS CObList : public CList<CObject*, CObject*> {
    DECLARE_DYNAMIC(CObList)
public:
    using CList::CList;
};

// Keys compare as texts, case-sensitively.
class AFX_CORE_CLASS CMapStringToString : public CMap<CString, LPCSTR, CString, LPCSTR> {
    DECLARE_DYNAMIC(CMapStringToString)
public:
    using CMap::CMap;
};

class AFX_CORE_CLASS CMapStringToPtr : public CMap<CString, LPCSTR, void*, void*> {
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    using CMap::CMap;
};

class AFX_CORE_CLASS CMapPtrToPtr : public CMap<void*, void*, void*, void*> {
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    using CMap::CMap;
};

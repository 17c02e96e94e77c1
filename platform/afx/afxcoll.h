#pragma once
// The framework's named collections of strings, pointers, objects and numbers. Each is an
// instance of a collection template (afxtempl.h) with its own run-time class, and behaves
// as that template describes.
#include "afxver_.h"
#include "afxobj.h"
#include "afxstr.h"
#include "afxtempl.h"

// An array of texts; Add and SetAt take plain char pointers and keep copies.
class AFX_CORE_CLASS CStringArray : public CArray<CString, LPCSTR> {
    DECLARE_DYNAMIC(CStringArray)
};

// An array of untyped pointers that owns none of them; CTypedPtrArray gives it a type.
class AFX_CORE_CLASS CPtrArray : public CArray<void*, void*> {
    DECLARE_DYNAMIC(CPtrArray)
};

// An array of CObject pointers that owns none of them: whoever adds an object deletes it.
class AFX_CORE_CLASS CObArray : public CArray<CObject*, CObject*> {
    DECLARE_DYNAMIC(CObArray)
};

// An array of 32-bit numbers.
class AFX_CORE_CLASS CDWordArray : public CArray<DWORD, DWORD> {
    DECLARE_DYNAMIC(CDWordArray)
};

// An array of unsigned numbers.
class AFX_CORE_CLASS CUIntArray : public CArray<UINT, UINT> {
    DECLARE_DYNAMIC(CUIntArray)
};

// Find compares the texts.
class AFX_CORE_CLASS CStringList : public CList<CString, LPCSTR> {
    DECLARE_DYNAMIC(CStringList)
public:
    using CList::CList;
};

// A list of untyped pointers that owns none of them; Find compares the pointers.
class AFX_CORE_CLASS CPtrList : public CList<void*, void*> {
    DECLARE_DYNAMIC(CPtrList)
public:
    using CList::CList;
};

// A list of CObject pointers that owns none of them; Find compares the pointers.
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

// Untyped pointers by text, keys compared case-sensitively; the map owns no value.
class AFX_CORE_CLASS CMapStringToPtr : public CMap<CString, LPCSTR, void*, void*> {
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    using CMap::CMap;
};

// Untyped pointers by pointer; the map owns neither keys nor values.
class AFX_CORE_CLASS CMapPtrToPtr : public CMap<void*, void*, void*, void*> {
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    using CMap::CMap;
};

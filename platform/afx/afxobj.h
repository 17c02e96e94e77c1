#pragma once
// CObject and the run-time class information behind IsKindOf and dynamic creation.
#include "afxver_.h"

class CObject;

// What a class declared with DECLARE_DYNAMIC or DECLARE_DYNCREATE knows of itself: its name,
// its size, its base and, for creatable classes, a function that makes a new object. The
// dispatcher windows and frames made by CreateObject rely on it.
struct AFX_CORE_CLASS CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (PASCAL* m_pfnCreateObject)();
    CRuntimeClass* m_pBaseClass;

    // Creates an object of the class, or returns null when the class is not creatable.
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Finds a dynamically creatable class by name among all classes declared so far.
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);

    // Classes register themselves here when their module loads.
    CRuntimeClass* m_pNextClass;
};

// Links a class into the list that FromName searches; one lives beside each class's
// run-time information.
struct AFX_CORE_CLASS AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

// The root of the framework's classes: run-time class information (IsKindOf,
// RUNTIME_CLASS) and a virtual destructor. Objects are not copyable unless a class says so.
class AFX_CORE_CLASS CObject {
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();

    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    static CRuntimeClass classCObject;

protected:
    CObject();

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name) \
public: \
    static CRuntimeClass class##class_name; \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* PASCAL CreateObject();

#define _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    CRuntimeClass class_name::class##class_name = { \
        #class_name, sizeof(class class_name), wSchema, pfnNew, \
        RUNTIME_CLASS(base_class_name), nullptr }; \
    static AFX_CLASSINIT _init_##class_name(&class_name::class##class_name); \
    CRuntimeClass* class_name::GetRuntimeClass() const \
    { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* PASCAL class_name::CreateObject() { return new class_name; } \
    _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define DYNAMIC_DOWNCAST(class_name, object) \
    (((object) != nullptr && (object)->IsKindOf(RUNTIME_CLASS(class_name))) \
        ? static_cast<class_name*>(object) : nullptr)

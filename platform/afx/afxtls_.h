#pragma once
// Per-thread state of the framework (handle maps, the window being created, the message
// being handled). Kept in a fiber-local slot of the system rather than in C++ thread_local
// storage: the compiler's emulated thread-local storage has been seen to hand one thread's
// state to another under Wine. Each thread's object is created on first use and deleted
// when the thread ends.
#include "afxver_.h"

// One object of TYPE per thread, made on the thread's first GetData and deleted when the
// thread ends (see afxtls_.h for why the system's fiber-local slots hold it).
template <class TYPE>
class CThreadLocal {
public:
    CThreadLocal() : mIndex(::FlsAlloc(&Delete)) {}
    ~CThreadLocal()
    {
        if (mIndex != FLS_OUT_OF_INDEXES)
            ::FlsFree(mIndex);
    }
    CThreadLocal(const CThreadLocal&) = delete;
    CThreadLocal& operator=(const CThreadLocal&) = delete;

    TYPE& GetData()
    {
        auto* data = static_cast<TYPE*>(::FlsGetValue(mIndex));
        if (!data) {
            data = new TYPE;
            ::FlsSetValue(mIndex, data);
        }
        return *data;
    }
    TYPE* operator->() { return &GetData(); }

private:
    static void WINAPI Delete(void* data) { delete static_cast<TYPE*>(data); }

    DWORD mIndex;
};

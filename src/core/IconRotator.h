#pragma once
#include "afxwin.h"
#include "core/Timer.h"
#include "tnwbscut.h"

// One icon of a rotation, loaded from the application's own resources. Icons loaded from
// resources are shared by the system, so the handle is never freed.
class AFX_EXT_CLASS CRunIcon {
public:
    CRunIcon();
    virtual ~CRunIcon();

    // Stores the id and loads the icon from the application module; the handle stays null
    // when the module has no such icon.
    void Load(unsigned long id);
    unsigned long GetId() const { return mId; }
    HICON GetIcon() const { return mIcon; }

private:
    unsigned long mId;
    HICON mIcon;
};

// Animates a notification-area icon by stepping through a list of icons, one full round
// about every second. Each change of the current icon is broadcast (kIconChanged, the
// rotator, null); the task-bar window listening to it then shows GetIcon().
//
// While the rotation is off the first icon is current. Turning it on steps to the second
// icon at once, then the timer steps on every 1000 / (number of icons) milliseconds.
//
// Decisions of this library:
// - A rotator without icons does not start: SetRotate(true) leaves it still, because a
//   rotation period over no icons means nothing (and would divide by zero).
// - Only the ticks of the rotator's own timer step it; the same code from another
//   broadcaster is passed on untouched.
class AFX_EXT_CLASS CIconRotator : public CBroadcaster, public CListener {
public:
    enum { kIconChanged = 88342340 };

    CIconRotator();
    CIconRotator(const CIconRotator&) = delete;
    CIconRotator& operator=(const CIconRotator&) = delete;
    ~CIconRotator() override;

    void AddIcon(unsigned long id);
    // Deletes the icons; the current index stays as it is.
    void Reset();

    void SetRotate(bool on);
    bool IsRotating() const { return mRotating; }
    void Advance();
    void SetCurrent(int index);
    int GetCurrent() const { return mCurrent; }
    int GetIconCount() const { return mIcons.GetItemCount(); }
    // Milliseconds between two steps while rotating; 0 while still.
    unsigned long GetPeriod() const { return mTimer.GetPeriod(); }

    // 0 and null when the current index holds no icon.
    unsigned long GetId() const;
    HICON GetIcon() const;

    bool ListenToMessage(long code, const void* sender, const void* extra) override;

private:
    CRunIcon* GetCurrentIcon() const;

    CTimer mTimer;
    CPointerList mIcons;
    int mCurrent;
    bool mRotating;
};

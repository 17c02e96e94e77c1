#pragma once
#include "afxwin.h"
#include "tnwbscut.h"

#include "core/Timer.h"

// Makes a button's icon alternate between two icons, every 500 ms while active, to draw
// the eye to it. The button needs the BS_ICON style to show an icon.
//
// The flasher listens to its own timer for its whole life. Stopping it always leaves the
// first icon shown. Icons are shared resource icons: the system keeps them, so the flasher
// frees none.
class AFX_EXT_CLASS CIconButtonFlasher : public CListener {
public:
    enum { kFlashPeriod = 500 };

    CIconButtonFlasher();
    CIconButtonFlasher(const CIconButtonFlasher&) = delete;
    CIconButtonFlasher& operator=(const CIconButtonFlasher&) = delete;

    // Loads both icon resources through the resource chain and shows the first.
    void SetIcons(unsigned int first, unsigned int second);
    // Shows the first icon on the button, when it is loaded.
    void SetButton(CButton* button);
    void Activate(bool on);
    // Shows the icon on the button and remembers it; does nothing without a button window.
    void SetCurrent(HICON icon);
    HICON GetCurrent() const { return mCurrent; }
    // Shows the second icon when the first is shown, the first otherwise.
    void Flash();

    bool ListenToMessage(long code, const void* sender, const void* extra) override;

private:
    CTimer mTimer;
    CButton* mButton = nullptr;
    HICON mFirst = nullptr;
    HICON mSecond = nullptr;
    HICON mCurrent = nullptr;
};

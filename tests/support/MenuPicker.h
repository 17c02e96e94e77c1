#pragma once
#include <windows.h>

#include <atomic>
#include <thread>

// Chooses the top item of the next pop-up menu that a window of this process shows, as a
// person would with the keyboard, from a thread of its own while the test's thread tracks
// the menu. Waits up to timeoutMs for the menu to appear.
class MenuPicker {
public:
    explicit MenuPicker(unsigned timeoutMs = 5000);
    ~MenuPicker();
    MenuPicker(const MenuPicker&) = delete;
    MenuPicker& operator=(const MenuPicker&) = delete;

    // Whether a menu appeared and was answered.
    bool Picked() const { return mPicked; }

private:
    void Pick(unsigned timeoutMs);

    std::atomic<bool> mPicked{false};
    std::thread mThread;
};

#pragma once
#include "tnwmfcut.h"

// The converter's window in the notification area: a small status dialog whose icon
// turns while the converter works. Its menu opens the main window, shows the about box
// (through the application's own command) or ends the converter.
class CTrayDialog : public CTaskBarDialog {
public:
    CTrayDialog();

    // Creates the hidden dialog with its icons and menu.
    bool Open();
    void SetStatus(const char* text);
    // Turns the icon while busy and shows the status as its tip.
    void SetBusy(bool busy);

    void HandleTaskBarMenuCommand(int commandId) override;
};

#pragma once
#include "Tour.h"

// Tour steps through the library's controls and screen tools: a styled log pane with
// coloured lines, the font and size pickers, a row of bitmap-framed buttons in their
// states, a log pane anchored while its window grows, the window picker, and the
// frozen-screen area selection.
namespace ControlsTour {

void ShowControls(CTour& tour);
void ShowFontPicker(CTour& tour);
void AnchorLogPane(CTour& tour);
void PickWindow(CTour& tour);
void SelectScreenArea(CTour& tour);
void CloseControls(CTour& tour);

} // namespace ControlsTour

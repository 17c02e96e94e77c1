#pragma once
#include "Tour.h"

class CMainFrame;

// Tour steps through skins and the timeline: the main window takes the sample skin (its
// "skin.ini" places round, shaped transport buttons and a timeline), a button is shown
// pressed, and a clip's in and out points are set on the timeline by dragging its thumb.
namespace SkinsTour {

void SwitchToSkin(CTour& tour, CMainFrame* frame);
void EditClipOnTimeline(CTour& tour);
void LeaveSkin(CTour& tour);

} // namespace SkinsTour

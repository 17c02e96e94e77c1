#pragma once
// Dialogs: one-question prompters, the selector and the volume slider.
#include "dialogs/Prompter.h"
#include "dialogs/RepeatPrompter.h"
#include "dialogs/Selector.h"
#include "dialogs/VolumeSliderDialog.h"

#pragma once
// Dialogs: one-question prompters (text, IP address, yes/no for a series), the selector
// and the volume slider.
#include "dialogs/IpPrompter.h"
#include "dialogs/Prompter.h"
#include "dialogs/RepeatPrompter.h"
#include "dialogs/Selector.h"
#include "dialogs/VolumeSliderDialog.h"

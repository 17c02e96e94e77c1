#pragma once
// Prompts: the one-question dialogs (a line of text, an IP address, a choice from a list,
// a yes or no that may apply to a whole series, a volume) and the rule that decides what
// happens to an output file that already exists, which asks through them.
#include "prompts/Prompter.h"
#include "prompts/IpPrompter.h"
#include "prompts/Selector.h"
#include "prompts/RepeatPrompter.h"
#include "prompts/VolumeSliderDialog.h"
#include "prompts/FileReplace.h"

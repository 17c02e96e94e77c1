#pragma once
// Controls: the styled rich edit and its stored text style, colour edits, entry fields,
// font and size pickers, buttons and windows with tooltips, bitmap-framed buttons, the
// blinking colour static, the bitmap check box, the icon flasher and the bitmap window.
#include "controls/BitmapCheckBox.h"
#include "controls/BitmapWindow.h"
#include "controls/ColorEdit.h"
#include "controls/ColorStatic.h"
#include "controls/DrawComboBox.h"
#include "controls/EntryCombo.h"
#include "controls/EntryField.h"
#include "controls/FontCombo.h"
#include "controls/FontEntry.h"
#include "controls/FontSizeCombo.h"
#include "controls/IconButtonFlasher.h"
#include "controls/RichEdit.h"
#include "controls/StyledEdit.h"
#include "controls/TextSetting.h"
#include "controls/TooltipButton.h"
#include "controls/TooltipHost.h"
#include "controls/TooltipWindow.h"
#include "controls/XpButton.h"
#include "controls/XpHoverButton.h"

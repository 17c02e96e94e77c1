#pragma once
// Controls: the blinking colour static, the bitmap check box, the icon flasher and the
// bitmap window.
#include "controls/BitmapCheckBox.h"
#include "controls/BitmapWindow.h"
#include "controls/ColorStatic.h"
#include "controls/IconButtonFlasher.h"

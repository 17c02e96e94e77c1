#pragma once
// Nothing of the window classes is used by the parsers.
#include "afx.h"

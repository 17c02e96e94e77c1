#pragma once
// The media application class library. Applications include this header and link
// tnwmfcut::tnwmfcut.
#include "tnwwndut.h"
#include "tnwbscut.h"

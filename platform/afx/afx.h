#pragma once
// The framework's basic classes: objects with run-time class information, strings,
// times, files and exceptions.
#include "afxver_.h"
#include "afxobj.h"
#include "afxstr.h"
#include "afxmodule.h"

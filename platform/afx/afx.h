#pragma once
// The framework's basic classes: objects with run-time class information, strings,
// times, files, exceptions, geometry and collections.
#include "afxver_.h"
#include "afxobj.h"
#include "afxstr.h"
#include "afxmodule.h"
#include "afxexcept.h"
#include "afxtime.h"
#include "afxfile.h"
#include "afxgeom.h"
#include "afxcoll.h"

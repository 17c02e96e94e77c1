#pragma once
#include "afxver_.h"

// Whether a named one-time action (a first-run dialog, a one-time migration) is being done
// for the first time: the first Run of a name answers true and records "Run Once"/<name>
// = 1 in the application's settings; every later Run, in this and every later run of the
// application, answers false until the value is removed.
//
// Decision of this library: a recorded value that is not a number (a damaged setting)
// counts as done, since a one-time action must not be repeated on a guess.
//
// A null name is the empty name, which the settings store takes for the section's own
// unnamed value: one more action like any other.
class AFX_EXT_CLASS URunOnce {
public:
    static bool Run(const char* name);
};

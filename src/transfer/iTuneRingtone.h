#pragma once
#include "afxwin.h"

// The ringtone counterpart of CiTune, for applications that choose targets by media type:
// iTunes takes no ringtones this way, so it ignores the playlist and adds nothing.
class AFX_EXT_CLASS CiTuneRingtone {
public:
    CiTuneRingtone() = default;
    virtual ~CiTuneRingtone() = default;

    virtual void SetPlayList(const char*) {}
    bool Add(const char*) { return false; }
};

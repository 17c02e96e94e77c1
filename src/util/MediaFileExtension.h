#pragma once
#include "afxwin.h"

// The output container formats of the converters, by the numbers their settings store.
// Formats that only exist for one kind of output (350 and 650 carry audio only; 110 to
// 130, 620 to 631 and 900 upwards carry video only) give "err" for the other kind.
//
// The type is a 32-bit int underneath, stated so: a settings file may hold any number,
// and a number that names no format must still be a valid ESplitterType (giving "err"),
// not a value outside the enumeration's range.
enum ESplitterType : int {
    kSplitterAvi = 100,
    kSplitterAviVideoOnly = 110,
    kSplitterDivx = 120,
    kSplitterXvid = 130,
    kSplitterWindowsMedia = 200,
    kSplitterWindowsMedia9 = 250,
    kSplitterWindowsMedia9Advanced = 251,
    kSplitterWindowsMediaHd = 252,
    kSplitterMpeg1 = 300,
    kSplitterMp3 = 350,
    kSplitterMpeg2 = 400,
    kSplitterWave = 500,
    kSplitterQuickTime = 600,
    kSplitterQuickTimeAudio = 601,
    kSplitterFlic = 620,
    kSplitter3gp = 630,
    kSplitter3g2 = 631,
    kSplitterAiff = 650,
    kSplitterMp4 = 700,
    kSplitterDv = 900,
    kSplitterOgg = 1100,
    kSplitterMatroska = 1200,
    kSplitterFlash = 1300,
    kSplitterAnimatedGif = 1600,
    kSplitterImageSequence = 1700,
    kSplitterNoContainer = 1800,
};

// The file extension (without the dot) that names an output file of a container format,
// and the file-name tail of a still-image sequence. Unknown formats give "err", so that a
// wrong setting shows in the file name instead of silently producing a nameless file.
class AFX_EXT_CLASS UMediaFileExtension {
public:
    static CString GetAudioFileExtension(ESplitterType type);
    // 1800 writes raw streams with no container: no extension at all, not "err".
    static CString GetVideoFileExtension(ESplitterType type);
    // format is an upper-case image format name ("BMP", "GIF", "JPG" or "JPEG"); the result
    // is a sub-folder name and the extension of its frames, "Images\n.bmp", where "\n" is a
    // backslash and the letter n, not a line break: the converter puts the frame number
    // there.
    static CString GetImageFileExtension(const char* format);
};

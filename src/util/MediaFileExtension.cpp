#include "util/MediaFileExtension.h"

#include <cstring>

namespace {

const char kUnknownExtension[] = "err";

} // namespace

CString UMediaFileExtension::GetAudioFileExtension(ESplitterType type)
{
    switch (type) {
    case kSplitterAvi: return "avi";
    case kSplitterWindowsMedia:
    case kSplitterWindowsMedia9: return "wma";
    case kSplitterMpeg1:
    case kSplitterMpeg2: return "mpa";
    case kSplitterMp3: return "mp3";
    case kSplitterWave: return "wav";
    case kSplitterQuickTime:
    case kSplitterQuickTimeAudio: return "mov";
    case kSplitterAiff: return "aif";
    case kSplitterMp4: return "mp4";
    case kSplitterOgg: return "ogg";
    case kSplitterMatroska: return "mka";
    default: return kUnknownExtension;
    }
}

CString UMediaFileExtension::GetVideoFileExtension(ESplitterType type)
{
    switch (type) {
    case kSplitterAvi:
    case kSplitterAviVideoOnly: return "avi";
    case kSplitterDivx: return "divx";
    case kSplitterXvid: return "xvid";
    case kSplitterWindowsMedia:
    case kSplitterWindowsMedia9:
    case kSplitterWindowsMedia9Advanced:
    case kSplitterWindowsMediaHd: return "wmv";
    case kSplitterMpeg1:
    case kSplitterMpeg2: return "mpg";
    case kSplitterQuickTime: return "mov";
    case kSplitterFlic: return "flc";
    case kSplitter3gp: return "3gp";
    case kSplitter3g2: return "3g2";
    case kSplitterMp4: return "mp4";
    case kSplitterDv: return "dv";
    case kSplitterOgg: return "ogm";
    case kSplitterMatroska: return "mkv";
    case kSplitterFlash: return "swf";
    case kSplitterAnimatedGif: return "gif";
    case kSplitterImageSequence: return "Images";
    case kSplitterNoContainer: return "";
    default: return kUnknownExtension;
    }
}

CString UMediaFileExtension::GetImageFileExtension(const char* format)
{
    if (!format)
        return kUnknownExtension;
    if (std::strcmp(format, "BMP") == 0)
        return "Images\\n.bmp";
    if (std::strcmp(format, "GIF") == 0)
        return "Images\\n.gif";
    if (std::strcmp(format, "JPG") == 0 || std::strcmp(format, "JPEG") == 0)
        return "Images\\n.jpg";
    return kUnknownExtension;
}

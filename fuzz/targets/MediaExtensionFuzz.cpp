// Output format codes and image format names, as settings files store them: any number,
// any text. Every code and name gives one of the known extensions or "err".
#include "FuzzCheck.h"

#include "util/MediaFileExtension.h"

#include <cstring>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::set<std::string> kAudio = { "avi", "wma", "mpa", "mp3", "wav", "mov",
                                                  "aif", "mp4", "ogg", "mka", "err" };
    static const std::set<std::string> kVideo = { "avi", "divx", "xvid", "wmv", "mpg", "mov",
                                                  "flc", "3gp", "3g2", "mp4", "dv", "ogm", "mkv",
                                                  "swf", "gif", "Images", "", "err" };
    static const std::set<std::string> kImage = { "Images\\n.bmp", "Images\\n.gif",
                                                  "Images\\n.jpg", "err" };
    int code = 0;
    std::memcpy(&code, data, size < sizeof code ? size : sizeof code);
    const ESplitterType type = static_cast<ESplitterType>(code);
    FUZZ_CHECK(kAudio.count(static_cast<const char*>(UMediaFileExtension::GetAudioFileExtension(type))),
               "an audio extension is a known one or \"err\"");
    FUZZ_CHECK(kVideo.count(static_cast<const char*>(UMediaFileExtension::GetVideoFileExtension(type))),
               "a video extension is a known one or \"err\"");

    // Names are C strings: a zero byte ends them.
    const std::string format(std::string(reinterpret_cast<const char*>(data), size).c_str());
    const CString image = UMediaFileExtension::GetImageFileExtension(format.c_str());
    FUZZ_CHECK(kImage.count(static_cast<const char*>(image)), "an image tail is a known one or \"err\"");
    const bool known = format == "BMP" || format == "GIF" || format == "JPG" || format == "JPEG";
    FUZZ_CHECK(known == (image != "err"), "only the four upper-case names are known");
    return 0;
}

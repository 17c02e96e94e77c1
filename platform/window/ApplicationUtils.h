#pragma once
#include "WindowExport.h"

#include <string>

// Names of the applications of the family, by application number, and facts about the
// running executable.
//
// The known numbers and their names:
//   1 "Tarnwell Video Converter"  "VideoConverter"
//   2 "Tarnwell Audio Converter"  "AudioConverter"
//   3 "Tarnwell Screen Recorder"  "ScreenRecorder"
//   4 "Tarnwell Audio Recorder"   "AudioRecorder"
//   5 "Tarnwell Video Capture"    "VideoCapture"
//   6 "Tarnwell Mobile Converter" "MobileConverter"
// The short name is a single word because it names registry keys, folders and keys of
// "links.ini". Number 0 is an application that has not named itself: both names are the
// base name of the running executable. Any other unknown number n is "Application n" and
// "Application<n>", so that two unknown applications never share their settings.
class TNWWND_CLASS UApplicationUtils {
public:
    static std::string GetApplicationName(unsigned long id);
    static std::string GetShortApplicationName(unsigned long id);
    // The running application's display name and the file version of its executable,
    // "Tarnwell Video Converter 2.1.0". The running application is the one whose short
    // name is the settings store's application (CRegistry::GetDefaultApplication); an
    // application not in the table shows that name itself. Without a version resource
    // the name stands alone.
    static std::string GetApplicationNameWithVersion();

    // The full path of the running executable.
    static std::string GetExecutablePath();

private:
    static std::string GetExecutableVersion();
};

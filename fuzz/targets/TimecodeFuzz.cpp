// Times as the display shows them: positions, running clocks and durations in words, for
// any double a media file, a clock or a division by a zero rate can give (negative,
// huge, infinite, not a number).
//
// - Format gives "m:ss.t" or "h:mm:ss.t", with "-" only for a time below -0.05 s.
// - FormatTime gives "hh:mm:ss" with at least two digits of hours.
// - FullFormat names hours, minutes and seconds ("1 hour 2 minutes 5 seconds").
#include "FuzzCheck.h"

#include "TimecodeUtils.h"

#include <cmath>
#include <cstring>
#include <regex>

namespace {

bool Matches(const char* text, const std::regex& pattern)
{
    return std::strlen(text) < 96 && std::regex_match(text, pattern);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::regex kPosition("-?([1-9][0-9]*:[0-5][0-9]|[1-5]?[0-9]):[0-5][0-9]\\.[0-9]");
    static const std::regex kClock("[0-9]{2,}:[0-5][0-9]:[0-5][0-9]");
    static const std::regex kWords("([1-9][0-9]* hours?)?( ?[1-9][0-9]? minutes?)?( ?[0-9][0-9]? seconds?)?");

    double seconds = 0;
    std::memcpy(&seconds, data, size < sizeof seconds ? size : sizeof seconds);

    const char* position = UTimecodeUtils::Format(seconds);
    FUZZ_CHECK(Matches(position, kPosition),
               "a position reads m:ss.t or h:mm:ss.t");
    if (std::isfinite(seconds) && seconds >= 0)
        FUZZ_CHECK(position[0] != '-', "a time from 0 on has no sign");

    FUZZ_CHECK(Matches(UTimecodeUtils::FormatTime(seconds), kClock), "a clock reads hh:mm:ss");

    const char* words = UTimecodeUtils::FullFormat(seconds);
    FUZZ_CHECK(*words && Matches(words, kWords), "a duration reads in words");
    return 0;
}

#include "TimecodeUtils.h"

#include "StringBuffer.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

// Room for the longest text any of the formats makes.
const unsigned long kTextSize = 96;

// Whole units below one second are cut; the small allowance keeps values such as 0.3
// (held as 0.29999...) on their intended tenth.
const double kAllowance = 1e-6;

// Times beyond about three billion years are shown as that: the whole tenths of any
// longer time would not fit the 64-bit count the texts are made from.
const double kLongestSeconds = 1e17;

double Bounded(double seconds)
{
    if (!std::isfinite(seconds))
        return 0;
    return std::fmax(-kLongestSeconds, std::fmin(seconds, kLongestSeconds));
}

unsigned long long WholeSeconds(double seconds)
{
    seconds = Bounded(seconds);
    if (seconds <= 0)
        return 0;
    return static_cast<unsigned long long>(std::floor(seconds + kAllowance));
}

void AppendUnit(std::string& text, unsigned long long count, const char* unit)
{
    if (!text.empty())
        text += ' ';
    text += std::to_string(count);
    text += ' ';
    text += unit;
    if (count != 1)
        text += 's';
}

} // namespace

char* UTimecodeUtils::Format(double seconds)
{
    seconds = Bounded(seconds);
    bool negative = seconds < 0;
    unsigned long long tenths =
        static_cast<unsigned long long>(std::floor(std::fabs(seconds) * 10 + kAllowance));
    unsigned long long wholeSeconds = tenths / 10;
    unsigned long long hours = wholeSeconds / 3600;
    unsigned minutes = static_cast<unsigned>(wholeSeconds / 60 % 60);
    unsigned secs = static_cast<unsigned>(wholeSeconds % 60);
    unsigned tenth = static_cast<unsigned>(tenths % 10);
    if (tenths == 0)
        negative = false;

    char* text = UStringBuffer::Reserve(kTextSize);
    const char* sign = negative ? "-" : "";
    if (hours > 0)
        std::snprintf(text, kTextSize, "%s%llu:%02u:%02u.%u", sign, hours, minutes, secs, tenth);
    else
        std::snprintf(text, kTextSize, "%s%u:%02u.%u", sign, minutes, secs, tenth);
    return text;
}

char* UTimecodeUtils::FormatTime(double seconds)
{
    unsigned long long whole = WholeSeconds(seconds);
    char* text = UStringBuffer::Reserve(kTextSize);
    std::snprintf(text, kTextSize, "%02llu:%02u:%02u", whole / 3600,
                  static_cast<unsigned>(whole / 60 % 60), static_cast<unsigned>(whole % 60));
    return text;
}

char* UTimecodeUtils::FullFormat(double seconds)
{
    unsigned long long whole = WholeSeconds(seconds);
    std::string text;
    if (whole / 3600)
        AppendUnit(text, whole / 3600, "hour");
    if (whole / 60 % 60)
        AppendUnit(text, whole / 60 % 60, "minute");
    if (whole % 60 || whole == 0)
        AppendUnit(text, whole % 60, "second");
    return UStringBuffer::Text(text.c_str());
}

#include "afxtime.h"
#include "afxexcept.h"

#include <cmath>
#include <cstdio>

namespace {

const LONGLONG kSecondsPerDay = 24 * 60 * 60;
// Days from 0001-03-01 (the start of the proleptic Gregorian cycle used below) to
// 1970-01-01, and from 1899-12-30 (OLE day 0) to 1970-01-01.
const LONGLONG kCycleToUnixDays = 719468;
const LONGLONG kOleToUnixDays = 25569;
// OLE days of 0100-01-01 and of the day after 9999-12-31.
const double kMinOleDate = -657434.0;
const double kMaxOleDate = 2958466.0;
// 100-nanosecond FILETIME ticks from 1601-01-01 to 1970-01-01.
const LONGLONG kFileTimeToUnixTicks = 116444736000000000LL;

const char* const kDayNames[] = { "Sunday", "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday" };
const char* const kMonthNames[] = { "January", "February", "March", "April", "May", "June",
                                    "July", "August", "September", "October", "November",
                                    "December" };

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
LONGLONG DaysFromCivil(LONGLONG year, int month, int day)
{
    year -= month <= 2;
    const LONGLONG era = (year >= 0 ? year : year - 399) / 400;
    const LONGLONG yearOfEra = year - era * 400;
    const LONGLONG dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const LONGLONG dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - kCycleToUnixDays;
}

bool IsLeapYear(LONGLONG year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(LONGLONG year, int month)
{
    static const int kDays[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The calendar parts of a day counted from 1970-01-01, in struct tm's conventions.
void CivilFromDays(LONGLONG days, struct tm& parts)
{
    const LONGLONG shifted = days + kCycleToUnixDays;
    const LONGLONG era = (shifted >= 0 ? shifted : shifted - 146096) / 146097;
    const LONGLONG dayOfEra = shifted - era * 146097;
    const LONGLONG yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const LONGLONG dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const LONGLONG monthIndex = (5 * dayOfYear + 2) / 153;
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const LONGLONG year = yearOfEra + era * 400 + (month <= 2);

    parts.tm_year = static_cast<int>(year - 1900);
    parts.tm_mon = month - 1;
    parts.tm_mday = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    parts.tm_wday = static_cast<int>(((days % 7) + 7 + 4) % 7); // 1970-01-01 was a Thursday
    parts.tm_yday = static_cast<int>(days - DaysFromCivil(year, 1, 1));
    parts.tm_isdst = 0;
}

bool IsValidTimeOfDay(int hour, int minute, int second)
{
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

// A struct tm whose year fits a SYSTEMTIME.
SYSTEMTIME SystemTimeFromTm(const struct tm& parts)
{
    return SYSTEMTIME{ static_cast<WORD>(parts.tm_year + 1900), static_cast<WORD>(parts.tm_mon + 1),
                       static_cast<WORD>(parts.tm_wday),        static_cast<WORD>(parts.tm_mday),
                       static_cast<WORD>(parts.tm_hour),        static_cast<WORD>(parts.tm_min),
                       static_cast<WORD>(parts.tm_sec),         0 };
}

// Writes the date and time of a struct tm as a strftime-like format asks.
class CTimeFormatter {
public:
    enum EZone { kLocalZone, kUniversalZone };

    CTimeFormatter(const struct tm& when, EZone zone) : mWhen(when), mZone(zone) {}

    CString Format(LPCSTR format)
    {
        for (LPCSTR p = format; *p; ++p) {
            if (*p != '%') {
                mResult += *p;
                continue;
            }
            LPCSTR directive = p++;
            const bool alternate = *p == '#';
            if (alternate)
                ++p;
            if (!*p || !Append(*p, alternate)) {
                // Unknown directives, and a lone % at the end, are kept as written.
                mResult += CString(directive, static_cast<int>(p - directive) + (*p ? 1 : 0));
            }
            if (!*p)
                break;
        }
        return mResult;
    }

private:
    bool Append(char directive, bool alternate)
    {
        const int hour12 = mWhen.tm_hour % 12 == 0 ? 12 : mWhen.tm_hour % 12;
        switch (directive) {
        case 'a': mResult += CString(kDayNames[mWhen.tm_wday], 3); return true;
        case 'A': mResult += kDayNames[mWhen.tm_wday]; return true;
        case 'b': mResult += CString(kMonthNames[mWhen.tm_mon], 3); return true;
        case 'B': mResult += kMonthNames[mWhen.tm_mon]; return true;
        case 'c': AppendLocaleDate(alternate); mResult += ' '; AppendLocaleTime(); return true;
        case 'x': AppendLocaleDate(alternate); return true;
        case 'X': AppendLocaleTime(); return true;
        case 'd': AppendNumber(mWhen.tm_mday, 2, alternate); return true;
        case 'H': AppendNumber(mWhen.tm_hour, 2, alternate); return true;
        case 'I': AppendNumber(hour12, 2, alternate); return true;
        case 'j': AppendNumber(mWhen.tm_yday + 1, 3, alternate); return true;
        case 'm': AppendNumber(mWhen.tm_mon + 1, 2, alternate); return true;
        case 'M': AppendNumber(mWhen.tm_min, 2, alternate); return true;
        case 'S': AppendNumber(mWhen.tm_sec, 2, alternate); return true;
        case 'p': mResult += mWhen.tm_hour < 12 ? "AM" : "PM"; return true;
        case 'U': AppendNumber((mWhen.tm_yday + 7 - mWhen.tm_wday) / 7, 2, alternate); return true;
        case 'W':
            AppendNumber((mWhen.tm_yday + 7 - (mWhen.tm_wday + 6) % 7) / 7, 2, alternate);
            return true;
        case 'w': AppendNumber(mWhen.tm_wday, 1, alternate); return true;
        case 'y': AppendNumber((mWhen.tm_year + 1900) % 100, 2, alternate); return true;
        case 'Y': AppendNumber(mWhen.tm_year + 1900, 1, alternate); return true;
        case 'z':
        case 'Z': AppendZoneName(); return true;
        case '%': mResult += '%'; return true;
        default: return false;
        }
    }

    void AppendNumber(int value, int width, bool noLeadingZeros)
    {
        char text[16];
        std::snprintf(text, sizeof text, "%0*d", noLeadingZeros ? 1 : width, value);
        mResult += text;
    }

    bool ToSystemTime(SYSTEMTIME& st) const
    {
        const int year = mWhen.tm_year + 1900;
        if (year < 1601 || year > 30827)
            return false;
        st = SystemTimeFromTm(mWhen);
        return true;
    }

    void AppendLocaleDate(bool longForm)
    {
        SYSTEMTIME st;
        char text[128];
        const DWORD flags = longForm ? DATE_LONGDATE : DATE_SHORTDATE;
        if (ToSystemTime(st) &&
            GetDateFormatA(LOCALE_USER_DEFAULT, flags, &st, nullptr, text, sizeof text)) {
            mResult += text;
        } else {
            // Years the system's formatter does not take are written numerically.
            AppendNumber(mWhen.tm_mon + 1, 2, false);
            mResult += '/';
            AppendNumber(mWhen.tm_mday, 2, false);
            mResult += '/';
            AppendNumber(mWhen.tm_year + 1900, 4, false);
        }
    }

    void AppendLocaleTime()
    {
        SYSTEMTIME st;
        char text[128];
        if (ToSystemTime(st) &&
            GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, text, sizeof text)) {
            mResult += text;
        } else {
            AppendNumber(mWhen.tm_hour, 2, false);
            mResult += ':';
            AppendNumber(mWhen.tm_min, 2, false);
            mResult += ':';
            AppendNumber(mWhen.tm_sec, 2, false);
        }
    }

    void AppendZoneName()
    {
        if (mZone == kUniversalZone) {
            mResult += "UTC";
            return;
        }
        TIME_ZONE_INFORMATION zone;
        if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID)
            return;
        mResult += CString(mWhen.tm_isdst > 0 ? zone.DaylightName : zone.StandardName);
    }

    const struct tm& mWhen;
    const EZone mZone;
    CString mResult;
};

// Writes a span given as signed seconds: %D total days, %H %M %S two-digit parts, %%.
CString FormatSpan(LONGLONG totalSeconds, LPCSTR format)
{
    CString result;
    char text[32];
    for (LPCSTR p = format; *p; ++p) {
        if (*p != '%' || !p[1]) {
            result += *p;
            continue;
        }
        switch (*++p) {
        case 'D': std::snprintf(text, sizeof text, "%lld", totalSeconds / kSecondsPerDay); break;
        case 'H': std::snprintf(text, sizeof text, "%02lld", totalSeconds / 3600 % 24); break;
        case 'M': std::snprintf(text, sizeof text, "%02lld", totalSeconds / 60 % 60); break;
        case 'S': std::snprintf(text, sizeof text, "%02lld", totalSeconds % 60); break;
        case '%': std::snprintf(text, sizeof text, "%%"); break;
        default: std::snprintf(text, sizeof text, "%%%c", *p); break;
        }
        result += text;
    }
    return result;
}

// A DATE as days on a line that grows with time: DATE values before day 0 keep the time of
// day as a positive fraction below the (negative) day number.
double LinearFromDate(DATE date)
{
    const double day = std::trunc(date);
    return date >= 0 ? date : day + (day - date);
}

DATE DateFromLinear(double linear)
{
    const double day = std::floor(linear);
    const double fraction = linear - day;
    return day < 0 && fraction > 0 ? day - fraction : linear;
}

// The instant of a DATE in whole milliseconds, so that the same time reached through
// different arithmetic compares equal.
LONGLONG ComparableMilliseconds(DATE date)
{
    return std::llround(LinearFromDate(date) * kSecondsPerDay * 1000);
}

// Dates from 0100-01-01 to 9999-12-31; NaN is not one of them.
bool IsValidOleDate(DATE date)
{
    return date > kMinOleDate - 1 && date < kMaxOleDate;
}

// A span of days in whole seconds, rounded to the nearest.
LONGLONG TotalSecondsOf(double days)
{
    return std::llround(days * kSecondsPerDay);
}

// The calendar parts of a valid DATE, rounded to the nearest second.
bool TmFromDate(DATE date, struct tm& parts)
{
    if (!IsValidOleDate(date))
        return false;
    double dayNumber = std::trunc(date);
    LONGLONG seconds = TotalSecondsOf(std::fabs(date - dayNumber));
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        dayNumber += 1;
    }
    CivilFromDays(static_cast<LONGLONG>(dayNumber) - kOleToUnixDays, parts);
    parts.tm_hour = static_cast<int>(seconds / 3600);
    parts.tm_min = static_cast<int>(seconds / 60 % 60);
    parts.tm_sec = static_cast<int>(seconds % 60);
    return true;
}

// One local calendar part of a CTime value, plus offset; 0 when it cannot be shown.
int LocalPart(__time64_t time, int tm::*part, int offset)
{
    struct tm parts;
    return _localtime64_s(&parts, &time) == 0 ? parts.*part + offset : 0;
}

// One calendar part of a COleDateTime, plus offset; the error value unless it is valid.
int DatePart(const COleDateTime& date, int tm::*part, int offset)
{
    struct tm parts;
    return date.GetStatus() == COleDateTime::valid && TmFromDate(date.m_dt, parts)
               ? parts.*part + offset
               : AFX_OLE_DATETIME_ERROR;
}

} // namespace

// CTimeSpan

CTimeSpan::CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
    : m_timeSpan(((static_cast<__time64_t>(lDays) * 24 + nHours) * 60 + nMins) * 60 + nSecs)
{
}

CString CTimeSpan::Format(LPCSTR pFormat) const
{
    return FormatSpan(m_timeSpan, pFormat);
}

// CTime

CTime PASCAL CTime::GetCurrentTime()
{
    return CTime(_time64(nullptr));
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
    : m_time(-1)
{
    if (nYear < 1900 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > 31 ||
        !IsValidTimeOfDay(nHour, nMin, nSec))
        return;
    struct tm parts = {};
    parts.tm_year = nYear - 1900;
    parts.tm_mon = nMonth - 1;
    parts.tm_mday = nDay;
    parts.tm_hour = nHour;
    parts.tm_min = nMin;
    parts.tm_sec = nSec;
    parts.tm_isdst = nDST;
    m_time = _mktime64(&parts);
}

CTime::CTime(WORD wDosDate, WORD wDosTime, int nDST)
    : CTime((wDosDate >> 9) + 1980, (wDosDate >> 5) & 0x0F, wDosDate & 0x1F, wDosTime >> 11,
            (wDosTime >> 5) & 0x3F, (wDosTime & 0x1F) * 2, nDST)
{
}

CTime::CTime(const SYSTEMTIME& sysTime, int nDST)
    : CTime(sysTime.wYear, sysTime.wMonth, sysTime.wDay, sysTime.wHour, sysTime.wMinute,
            sysTime.wSecond, nDST)
{
}

CTime::CTime(const FILETIME& fileTime, int)
{
    const LONGLONG ticks = static_cast<LONGLONG>(
        (static_cast<ULONGLONG>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime);
    m_time = (ticks - kFileTimeToUnixTicks) / 10000000;
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const
{
    return ptm && _gmtime64_s(ptm, &m_time) == 0 ? ptm : nullptr;
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    return ptm && _localtime64_s(ptm, &m_time) == 0 ? ptm : nullptr;
}

BOOL CTime::GetAsSystemTime(SYSTEMTIME& timeDest) const
{
    struct tm parts;
    if (!GetLocalTm(&parts))
        return FALSE;
    timeDest = SystemTimeFromTm(parts);
    return TRUE;
}

int CTime::GetYear() const
{
    return LocalPart(m_time, &tm::tm_year, 1900);
}

int CTime::GetMonth() const
{
    return LocalPart(m_time, &tm::tm_mon, 1);
}

int CTime::GetDay() const
{
    return LocalPart(m_time, &tm::tm_mday, 0);
}

int CTime::GetHour() const
{
    return LocalPart(m_time, &tm::tm_hour, 0);
}

int CTime::GetMinute() const
{
    return LocalPart(m_time, &tm::tm_min, 0);
}

int CTime::GetSecond() const
{
    return LocalPart(m_time, &tm::tm_sec, 0);
}

int CTime::GetDayOfWeek() const
{
    return LocalPart(m_time, &tm::tm_wday, 1);
}

CString CTime::Format(LPCSTR pFormat) const
{
    struct tm parts;
    if (!pFormat || !GetLocalTm(&parts))
        return CString();
    return CTimeFormatter(parts, CTimeFormatter::kLocalZone).Format(pFormat);
}

CString CTime::FormatGmt(LPCSTR pFormat) const
{
    struct tm parts;
    if (!pFormat || !GetGmtTm(&parts))
        return CString();
    return CTimeFormatter(parts, CTimeFormatter::kUniversalZone).Format(pFormat);
}

// COleDateTime

COleDateTime PASCAL COleDateTime::GetCurrentTime()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return COleDateTime(now);
}

COleDateTime::COleDateTime(WORD wDosDate, WORD wDosTime)
{
    SetDateTime((wDosDate >> 9) + 1980, (wDosDate >> 5) & 0x0F, wDosDate & 0x1F, wDosTime >> 11,
                (wDosTime >> 5) & 0x3F, (wDosTime & 0x1F) * 2);
}

const COleDateTime& COleDateTime::operator=(DATE dtSrc)
{
    m_dt = dtSrc;
    m_status = IsValidOleDate(dtSrc) ? valid : invalid;
    return *this;
}

const COleDateTime& COleDateTime::operator=(__time64_t timeSrc)
{
    struct tm parts;
    if (_localtime64_s(&parts, &timeSrc) != 0) {
        m_dt = 0;
        m_status = invalid;
    } else {
        SetDateTime(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
                    parts.tm_min, parts.tm_sec);
    }
    return *this;
}

const COleDateTime& COleDateTime::operator=(const SYSTEMTIME& systimeSrc)
{
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour,
                systimeSrc.wMinute, systimeSrc.wSecond);
    return *this;
}

const COleDateTime& COleDateTime::operator=(const FILETIME& filetimeSrc)
{
    // The local time zone's rules for that date, not today's daylight-saving bias.
    SYSTEMTIME universal, local;
    if (FileTimeToSystemTime(&filetimeSrc, &universal) &&
        SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
        *this = local;
    } else {
        m_dt = 0;
        m_status = invalid;
    }
    return *this;
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    if (nYear < 100 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 ||
        nDay > DaysInMonth(nYear, nMonth) || !IsValidTimeOfDay(nHour, nMin, nSec)) {
        m_dt = 0;
        m_status = invalid;
        return 1;
    }
    const double day = static_cast<double>(DaysFromCivil(nYear, nMonth, nDay) + kOleToUnixDays);
    const double fraction = ((nHour * 60.0 + nMin) * 60.0 + nSec) / kSecondsPerDay;
    m_dt = day < 0 ? day - fraction : day + fraction;
    m_status = valid;
    return 0;
}

BOOL COleDateTime::GetAsSystemTime(SYSTEMTIME& sysTime) const
{
    struct tm parts;
    if (m_status != valid || !TmFromDate(m_dt, parts))
        return FALSE;
    sysTime = SystemTimeFromTm(parts);
    return TRUE;
}

int COleDateTime::GetYear() const
{
    return DatePart(*this, &tm::tm_year, 1900);
}

int COleDateTime::GetMonth() const
{
    return DatePart(*this, &tm::tm_mon, 1);
}

int COleDateTime::GetDay() const
{
    return DatePart(*this, &tm::tm_mday, 0);
}

int COleDateTime::GetHour() const
{
    return DatePart(*this, &tm::tm_hour, 0);
}

int COleDateTime::GetMinute() const
{
    return DatePart(*this, &tm::tm_min, 0);
}

int COleDateTime::GetSecond() const
{
    return DatePart(*this, &tm::tm_sec, 0);
}

int COleDateTime::GetDayOfWeek() const
{
    return DatePart(*this, &tm::tm_wday, 1);
}

int COleDateTime::GetDayOfYear() const
{
    return DatePart(*this, &tm::tm_yday, 1);
}

bool COleDateTime::operator==(const COleDateTime& date) const
{
    return m_status == date.m_status && ComparableMilliseconds(m_dt) == ComparableMilliseconds(date.m_dt);
}

bool COleDateTime::operator<(const COleDateTime& date) const
{
    return ComparableMilliseconds(m_dt) < ComparableMilliseconds(date.m_dt);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTime result;
    if (m_status == invalid || dateSpan.GetStatus() == COleDateTimeSpan::invalid)
        result.SetStatus(invalid);
    else if (m_status == null || dateSpan.GetStatus() == COleDateTimeSpan::null)
        result.SetStatus(null);
    else
        result = DateFromLinear(LinearFromDate(m_dt) + dateSpan.m_span);
    return result;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& dateSpan) const
{
    return *this + -dateSpan;
}

const COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& dateSpan)
{
    return *this = *this + dateSpan;
}

const COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& dateSpan)
{
    return *this = *this - dateSpan;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const
{
    COleDateTimeSpan result;
    if (m_status == invalid || date.m_status == invalid)
        result.SetStatus(COleDateTimeSpan::invalid);
    else if (m_status == null || date.m_status == null)
        result.SetStatus(COleDateTimeSpan::null);
    else
        result = LinearFromDate(m_dt) - LinearFromDate(date.m_dt);
    return result;
}

BOOL COleDateTime::ParseDateTime(LPCSTR lpszDate, DWORD dwFlags, LCID lcid)
{
    m_dt = 0;
    m_status = invalid;
    if (!lpszDate)
        return FALSE;
    BSTR text = CString(lpszDate).AllocSysString();
    if (!text)
        AfxThrowMemoryException();
    DATE parsed = 0;
    const HRESULT hr = VarDateFromStr(text, lcid, dwFlags, &parsed);
    SysFreeString(text);
    if (hr == E_OUTOFMEMORY)
        AfxThrowMemoryException();
    if (FAILED(hr))
        return FALSE;
    *this = parsed;
    return m_status == valid;
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const
{
    if (m_status == null)
        return CString();
    if (m_status == invalid)
        return CString("Invalid DateTime");
    BSTR text = nullptr;
    const HRESULT hr = VarBstrFromDate(m_dt, lcid, dwFlags, &text);
    if (hr == E_OUTOFMEMORY)
        AfxThrowMemoryException();
    CString result;
    if (SUCCEEDED(hr))
        result = text;
    SysFreeString(text);
    return result;
}

CString COleDateTime::Format(LPCSTR lpszFormat) const
{
    struct tm parts;
    if (m_status == null || !lpszFormat)
        return CString();
    if (m_status == invalid || !TmFromDate(m_dt, parts))
        return CString("Invalid DateTime");
    return CTimeFormatter(parts, CTimeFormatter::kLocalZone).Format(lpszFormat);
}

CString COleDateTime::Format(UINT nFormatID) const
{
    CString format;
    return format.LoadString(nFormatID) ? Format(static_cast<LPCSTR>(format)) : CString();
}

// COleDateTimeSpan

const COleDateTimeSpan& COleDateTimeSpan::operator=(double dblSpanSrc)
{
    m_span = dblSpanSrc;
    m_status = valid;
    return *this;
}

long COleDateTimeSpan::GetDays() const
{
    return static_cast<long>(TotalSecondsOf(m_span) / kSecondsPerDay);
}

long COleDateTimeSpan::GetHours() const
{
    return static_cast<long>(TotalSecondsOf(m_span) / 3600 % 24);
}

long COleDateTimeSpan::GetMinutes() const
{
    return static_cast<long>(TotalSecondsOf(m_span) / 60 % 60);
}

long COleDateTimeSpan::GetSeconds() const
{
    return static_cast<long>(TotalSecondsOf(m_span) % 60);
}

bool COleDateTimeSpan::operator==(const COleDateTimeSpan& dateSpan) const
{
    return m_status == dateSpan.m_status && m_span == dateSpan.m_span;
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTimeSpan result(m_span + dateSpan.m_span);
    if (m_status == invalid || dateSpan.m_status == invalid)
        result.SetStatus(invalid);
    else if (m_status == null || dateSpan.m_status == null)
        result.SetStatus(null);
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& dateSpan) const
{
    return *this + -dateSpan;
}

const COleDateTimeSpan& COleDateTimeSpan::operator+=(const COleDateTimeSpan& dateSpan)
{
    return *this = *this + dateSpan;
}

const COleDateTimeSpan& COleDateTimeSpan::operator-=(const COleDateTimeSpan& dateSpan)
{
    return *this = *this - dateSpan;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const
{
    COleDateTimeSpan result(-m_span);
    result.SetStatus(m_status);
    return result;
}

void COleDateTimeSpan::SetDateTimeSpan(long lDays, int nHours, int nMins, int nSecs)
{
    m_span = lDays + ((nHours * 60.0 + nMins) * 60.0 + nSecs) / kSecondsPerDay;
    m_status = valid;
}

CString COleDateTimeSpan::Format(LPCSTR pFormat) const
{
    if (m_status != valid || !pFormat)
        return CString();
    return FormatSpan(TotalSecondsOf(m_span), pFormat);
}

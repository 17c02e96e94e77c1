#pragma once
// Points in time and spans of time.
//
// CTime counts seconds since 1970-01-01 00:00 UTC in 64 bits and shows them in the local
// time zone; CTimeSpan is a signed number of seconds. COleDateTime is an OLE DATE (days
// since 1899-12-30, the fraction the time of day) with a status, and COleDateTimeSpan a
// number of days with a status.
//
// Choices of this framework:
// - A CTime made from parts that are out of their ranges (year before 1900, month outside
//   1..12, day outside 1..31, hour, minute or second out of range), or from a local time
//   the C run time cannot place (before 1970 or after 3000), is invalid: GetTime() == -1,
//   the parts read 0 and Format gives an empty text. A day past the end of its month
//   (February 30) rolls over into the next month, as the C run time's mktime does.
// - A CTime made from a FILETIME is the same instant as the FILETIME, converted without
//   going through the current daylight-saving bias; the nDST argument is not needed there.
// - Format texts follow the C run time's strftime directives (%a %A %b %B %c %d %H %I %j %m
//   %M %p %S %U %w %W %x %X %y %Y %z %Z %%, with the # flag). %c, %x and %X are the date
//   and time in the user's locale (short date, or long date with #); names of days and
//   months are English. An unknown directive is copied as it stands. FormatGmt names the
//   zone "UTC".
// - Spans format %D (total days), %H, %M, %S (two digits) and %%.
// - COleDateTime arithmetic with an invalid operand is invalid; otherwise with a null
//   operand it is null. Comparisons order the instants to the millisecond, also before
//   1899-12-30 where DATE values do not grow with time.
// - COleDateTime::Format with an invalid value gives "Invalid DateTime", with a null value
//   an empty text. COleDateTimeSpan::Format of a span that is not valid is empty.
#include "afxver_.h"
#include "afxstr.h"

#include <oleauto.h>

#include <ctime>

// windows.h maps GetCurrentTime to GetTickCount, which would rename the members below.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

// A signed number of seconds between two CTime values.
class AFX_CORE_CLASS CTimeSpan {
public:
    CTimeSpan() : m_timeSpan(0) {}
    CTimeSpan(__time64_t time) : m_timeSpan(time) {}
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    LONGLONG GetDays() const { return m_timeSpan / (24 * 3600); }
    LONGLONG GetTotalHours() const { return m_timeSpan / 3600; }
    LONG GetHours() const { return static_cast<LONG>(GetTotalHours() - GetDays() * 24); }
    LONGLONG GetTotalMinutes() const { return m_timeSpan / 60; }
    LONG GetMinutes() const { return static_cast<LONG>(GetTotalMinutes() - GetTotalHours() * 60); }
    LONGLONG GetTotalSeconds() const { return m_timeSpan; }
    LONG GetSeconds() const { return static_cast<LONG>(m_timeSpan - GetTotalMinutes() * 60); }
    __time64_t GetTimeSpan() const { return m_timeSpan; }

    CTimeSpan operator+(CTimeSpan timeSpan) const { return m_timeSpan + timeSpan.m_timeSpan; }
    CTimeSpan operator-(CTimeSpan timeSpan) const { return m_timeSpan - timeSpan.m_timeSpan; }
    CTimeSpan& operator+=(CTimeSpan timeSpan) { m_timeSpan += timeSpan.m_timeSpan; return *this; }
    CTimeSpan& operator-=(CTimeSpan timeSpan) { m_timeSpan -= timeSpan.m_timeSpan; return *this; }
    bool operator==(CTimeSpan timeSpan) const { return m_timeSpan == timeSpan.m_timeSpan; }
    bool operator!=(CTimeSpan timeSpan) const { return m_timeSpan != timeSpan.m_timeSpan; }
    bool operator<(CTimeSpan timeSpan) const { return m_timeSpan < timeSpan.m_timeSpan; }
    bool operator>(CTimeSpan timeSpan) const { return m_timeSpan > timeSpan.m_timeSpan; }
    bool operator<=(CTimeSpan timeSpan) const { return m_timeSpan <= timeSpan.m_timeSpan; }
    bool operator>=(CTimeSpan timeSpan) const { return m_timeSpan >= timeSpan.m_timeSpan; }

    CString Format(LPCSTR pFormat) const;

private:
    __time64_t m_timeSpan;
};

// An instant to the second, kept in 64 bits and shown in the local time zone (see afxtime.h
// for invalid values and Format).
class AFX_CORE_CLASS CTime {
public:
    static CTime PASCAL GetCurrentTime();

    CTime() : m_time(0) {}
    CTime(__time64_t time) : m_time(time) {}
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
    CTime(WORD wDosDate, WORD wDosTime, int nDST = -1);
    CTime(const SYSTEMTIME& sysTime, int nDST = -1);
    CTime(const FILETIME& fileTime, int nDST = -1);

    CTime& operator=(__time64_t time) { m_time = time; return *this; }

    // Fill *ptm and return it, or return null when the time cannot be shown.
    struct tm* GetGmtTm(struct tm* ptm) const;
    struct tm* GetLocalTm(struct tm* ptm) const;
    // The local time; FALSE when the time cannot be shown.
    BOOL GetAsSystemTime(SYSTEMTIME& timeDest) const;

    __time64_t GetTime() const { return m_time; }
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // 1 for Sunday to 7 for Saturday.
    int GetDayOfWeek() const;

    CTimeSpan operator-(CTime time) const { return m_time - time.m_time; }
    CTime operator-(CTimeSpan timeSpan) const { return m_time - timeSpan.GetTimeSpan(); }
    CTime operator+(CTimeSpan timeSpan) const { return m_time + timeSpan.GetTimeSpan(); }
    CTime& operator+=(CTimeSpan timeSpan) { m_time += timeSpan.GetTimeSpan(); return *this; }
    CTime& operator-=(CTimeSpan timeSpan) { m_time -= timeSpan.GetTimeSpan(); return *this; }
    bool operator==(CTime time) const { return m_time == time.m_time; }
    bool operator!=(CTime time) const { return m_time != time.m_time; }
    bool operator<(CTime time) const { return m_time < time.m_time; }
    bool operator>(CTime time) const { return m_time > time.m_time; }
    bool operator<=(CTime time) const { return m_time <= time.m_time; }
    bool operator>=(CTime time) const { return m_time >= time.m_time; }

    CString Format(LPCSTR pFormat) const;
    CString FormatGmt(LPCSTR pFormat) const;

private:
    __time64_t m_time;
};

// The value the parts of an invalid or null COleDateTime read as.
#define AFX_OLE_DATETIME_ERROR (-1)

class COleDateTimeSpan;

// An OLE date and time with a status (valid, invalid or null), as Automation servers hand
// them out; see afxtime.h for arithmetic and Format with bad values.
class AFX_CORE_CLASS COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    // The local time now, to the second.
    static COleDateTime PASCAL GetCurrentTime();

    COleDateTime() : m_dt(0), m_status(valid) {}
    COleDateTime(DATE dtSrc) { *this = dtSrc; }
    COleDateTime(__time64_t timeSrc) { *this = timeSrc; }
    COleDateTime(const SYSTEMTIME& systimeSrc) { *this = systimeSrc; }
    // The FILETIME is a UTC instant; the object holds it as local time.
    COleDateTime(const FILETIME& filetimeSrc) { *this = filetimeSrc; }
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
    {
        SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
    }
    COleDateTime(WORD wDosDate, WORD wDosTime);

    const COleDateTime& operator=(DATE dtSrc);
    const COleDateTime& operator=(__time64_t timeSrc);
    const COleDateTime& operator=(const SYSTEMTIME& systimeSrc);
    const COleDateTime& operator=(const FILETIME& filetimeSrc);

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    operator DATE() const { return m_dt; }
    BOOL GetAsSystemTime(SYSTEMTIME& sysTime) const;

    // Each reads AFX_OLE_DATETIME_ERROR unless the value is valid.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // 1 for Sunday to 7 for Saturday.
    int GetDayOfWeek() const;
    // 1 for January 1st.
    int GetDayOfYear() const;

    bool operator==(const COleDateTime& date) const;
    bool operator!=(const COleDateTime& date) const { return !(*this == date); }
    bool operator<(const COleDateTime& date) const;
    bool operator>(const COleDateTime& date) const { return date < *this; }
    bool operator<=(const COleDateTime& date) const { return !(date < *this); }
    bool operator>=(const COleDateTime& date) const { return !(*this < date); }

    COleDateTime operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTime operator-(const COleDateTimeSpan& dateSpan) const;
    const COleDateTime& operator+=(const COleDateTimeSpan& dateSpan);
    const COleDateTime& operator-=(const COleDateTimeSpan& dateSpan);
    COleDateTimeSpan operator-(const COleDateTime& date) const;

    // Return 0 when the parts make a date between the years 100 and 9999, otherwise 1
    // with the object invalid.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay) { return SetDateTime(nYear, nMonth, nDay, 0, 0, 0); }
    int SetTime(int nHour, int nMin, int nSec) { return SetDateTime(1899, 12, 30, nHour, nMin, nSec); }

    // Reads a date, a time or both as the locale writes them (VAR_DATEVALUEONLY,
    // VAR_TIMEVALUEONLY, LOCALE_NOUSEROVERRIDE in dwFlags). FALSE, with the object invalid,
    // when the text is not a date.
    BOOL ParseDateTime(LPCSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

    // The date and time as the locale writes them.
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    CString Format(LPCSTR lpszFormat) const;
    CString Format(UINT nFormatID) const;

    DATE m_dt;
    DateTimeStatus m_status;
};

// A span of OLE time in days, with a status.
class AFX_CORE_CLASS COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan() : m_span(0), m_status(valid) {}
    COleDateTimeSpan(double dblSpanSrc) : m_span(dblSpanSrc), m_status(valid) {}
    COleDateTimeSpan(long lDays, int nHours, int nMins, int nSecs)
    {
        SetDateTimeSpan(lDays, nHours, nMins, nSecs);
    }

    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }

    double GetTotalDays() const { return m_span; }
    double GetTotalHours() const { return m_span * 24; }
    double GetTotalMinutes() const { return m_span * 24 * 60; }
    double GetTotalSeconds() const { return m_span * 24 * 60 * 60; }
    // Whole parts of the span rounded to the second; negative for a negative span.
    long GetDays() const;
    long GetHours() const;
    long GetMinutes() const;
    long GetSeconds() const;

    operator double() const { return m_span; }
    const COleDateTimeSpan& operator=(double dblSpanSrc);

    bool operator==(const COleDateTimeSpan& dateSpan) const;
    bool operator!=(const COleDateTimeSpan& dateSpan) const { return !(*this == dateSpan); }
    bool operator<(const COleDateTimeSpan& dateSpan) const { return m_span < dateSpan.m_span; }
    bool operator>(const COleDateTimeSpan& dateSpan) const { return m_span > dateSpan.m_span; }
    bool operator<=(const COleDateTimeSpan& dateSpan) const { return m_span <= dateSpan.m_span; }
    bool operator>=(const COleDateTimeSpan& dateSpan) const { return m_span >= dateSpan.m_span; }

    COleDateTimeSpan operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& dateSpan) const;
    const COleDateTimeSpan& operator+=(const COleDateTimeSpan& dateSpan);
    const COleDateTimeSpan& operator-=(const COleDateTimeSpan& dateSpan);
    COleDateTimeSpan operator-() const;

    void SetDateTimeSpan(long lDays, int nHours, int nMins, int nSecs);

    CString Format(LPCSTR pFormat) const;

    double m_span;
    DateTimeSpanStatus m_status;
};

#include "afx.h"

#include <gtest/gtest.h>

namespace {

FILETIME FileTimeOfUtc(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME utc = { year, month, 0, day, hour, minute, second, 0 };
    FILETIME result;
    EXPECT_TRUE(SystemTimeToFileTime(&utc, &result));
    return result;
}

} // namespace

TEST(Time, PartsRollOverMonthAndYearBoundariesAndSpansSplitIntoParts)
{
    CTime newYearsEve(2023, 12, 31, 23, 59, 59);
    ASSERT_NE(newYearsEve.GetTime(), -1);
    const CTime next = newYearsEve + CTimeSpan(0, 0, 0, 1);
    EXPECT_EQ(next.Format("%Y-%m-%d %H:%M:%S"), "2024-01-01 00:00:00");
    EXPECT_EQ(next.GetDayOfWeek(), 2) << "2024-01-01 was a Monday";

    CTime leap(2024, 2, 28, 12, 0, 0);
    leap += CTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(leap.GetMonth(), 2);
    EXPECT_EQ(leap.GetDay(), 29);
    leap += CTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(leap.GetMonth(), 3);
    EXPECT_EQ(leap.GetDay(), 1);
    EXPECT_EQ((leap - CTime(2024, 2, 1, 12, 0, 0)).GetDays(), 29);
    EXPECT_TRUE(CTime(2024, 2, 1, 12, 0, 0) < leap);

    SYSTEMTIME local;
    ASSERT_TRUE(leap.GetAsSystemTime(local));
    EXPECT_EQ(CTime(local), leap);

    const CTime fromDos(static_cast<WORD>(((2024 - 1980) << 9) | (7 << 5) | 14),
                        static_cast<WORD>((9 << 11) | (30 << 5) | 21));
    EXPECT_EQ(fromDos.Format("%d.%m.%Y %H:%M:%S"), "14.07.2024 09:30:42");

    const CTimeSpan span(1, 2, 3, 4);
    EXPECT_EQ(span.GetTotalMinutes(), 26 * 60 + 3);
    EXPECT_EQ(span.Format("%D day(s) %H:%M:%S %% %X"), "1 day(s) 02:03:04 % %X");

    const CTimeSpan negative(-90);
    EXPECT_EQ(negative.GetMinutes(), -1);
    EXPECT_EQ(negative.GetSeconds(), -30);
    EXPECT_EQ(CTimeSpan(30000, 0, 0, 0).GetTotalSeconds(), 30000LL * 86400) << "no 32-bit wrap";
}

TEST(Time, InvalidPartsShowNothingAndFormatWritesEveryDirectiveAndKeepsUnknownOnes)
{
    for (const CTime& bad : { CTime(1899, 6, 1, 0, 0, 0), CTime(2024, 13, 1, 0, 0, 0),
                              CTime(2024, 0, 1, 0, 0, 0), CTime(2024, 1, 32, 0, 0, 0),
                              CTime(2024, 1, 1, 24, 0, 0), CTime(2024, 1, 1, 0, 60, 0),
                              CTime(2024, 1, 1, 0, 0, -1) }) {
        EXPECT_EQ(bad.GetTime(), -1);
        EXPECT_EQ(bad.GetYear(), 0);
        EXPECT_EQ(bad.GetDayOfWeek(), 0);
        EXPECT_TRUE(bad.Format("%Y").IsEmpty());
        SYSTEMTIME unused;
        EXPECT_FALSE(bad.GetAsSystemTime(unused));
    }
    const CTime rolled(2023, 2, 30, 8, 0, 0);
    EXPECT_EQ(rolled.GetMonth(), 3) << "a day past the month's end rolls over";
    EXPECT_EQ(rolled.GetDay(), 2);

    const CTime when(2024, 3, 5, 7, 8, 9);
    EXPECT_EQ(when.Format("%Y-%m-%d %H:%M:%S|%j|%a %A|%b %B|%p %I|%#d %#H|%y|%w|%%"),
              "2024-03-05 07:08:09|065|Tue Tuesday|Mar March|AM 07|5 7|24|2|%");
    EXPECT_EQ(CTime(2024, 12, 31, 23, 0, 0).Format("%j %U %W %I %p"), "366 52 53 11 PM");
    EXPECT_EQ(when.Format("%Q %"), "%Q %") << "unknown directives stay as written";
    EXPECT_EQ(when.Format(""), "");

    const CString both = when.Format("%c");
    EXPECT_EQ(both, when.Format("%x") + " " + when.Format("%X"));
    EXPECT_NE(both.Find("24"), -1) << static_cast<LPCSTR>(both);
    EXPECT_NE(when.Format("%#x"), when.Format("%x")) << "the long date differs from the short";

    CString longText;
    for (int i = 0; i < 300; ++i)
        longText += "%Y";
    EXPECT_EQ(when.Format(longText).GetLength(), 1200) << "no fixed-size buffer cuts it";
}

TEST(Time, FileTimesAreInstantsIndependentOfTheLocalZoneAndBothClassesAgree)
{
    const FILETIME summer = FileTimeOfUtc(2024, 7, 1, 12, 30, 15);
    const FILETIME winter = FileTimeOfUtc(2024, 1, 15, 6, 0, 0);
    EXPECT_EQ(CTime(summer).FormatGmt("%Y-%m-%d %H:%M:%S %Z"), "2024-07-01 12:30:15 UTC");
    EXPECT_EQ(CTime(winter).FormatGmt("%Y-%m-%d %H:%M:%S"), "2024-01-15 06:00:00");
    EXPECT_EQ(CTime(summer).GetTime(), 1719837015);

    // The local parts agree with the system's own conversion, daylight saving included.
    SYSTEMTIME utc, local;
    FileTimeToSystemTime(&summer, &utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    EXPECT_EQ(CTime(summer).GetHour(), local.wHour);
    EXPECT_EQ(CTime(summer).GetDay(), local.wDay);

    const CTime now = CTime::GetCurrentTime();
    EXPECT_GE(now.GetYear(), 2024);
    struct tm gmt;
    ASSERT_NE(now.GetGmtTm(&gmt), nullptr);
    EXPECT_EQ(CTime(_mkgmtime64(&gmt)), now);

    // COleDateTime agrees with CTime on the local parts.
    EXPECT_EQ(COleDateTime(CTime(2024, 8, 15, 21, 45, 30).GetTime()), COleDateTime(2024, 8, 15, 21, 45, 30));
    const FILETIME instant = FileTimeOfUtc(2024, 1, 31, 23, 30, 0);
    EXPECT_EQ(COleDateTime(instant).Format("%Y-%m-%d %H:%M:%S"), CTime(instant).Format("%Y-%m-%d %H:%M:%S"));
    EXPECT_LE(std::abs((COleDateTime::GetCurrentTime() - COleDateTime(now.GetTime())).GetTotalSeconds()), 2.0);
}

TEST(OleDateTime, SetDateTimeAcceptsOnlyRealDatesAndStatusSpreadsThroughArithmetic)
{
    COleDateTime date;
    EXPECT_EQ(date.SetDateTime(2024, 2, 29, 23, 59, 59), 0);
    EXPECT_EQ(date.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(date.GetDayOfYear(), 60);

    struct Parts { int year, month, day, hour, minute, second; };
    for (const Parts& bad : { Parts{ 2023, 2, 29, 0, 0, 0 }, Parts{ 2024, 4, 31, 0, 0, 0 },
                              Parts{ 99, 12, 31, 0, 0, 0 }, Parts{ 10000, 1, 1, 0, 0, 0 },
                              Parts{ 2024, 1, 1, 24, 0, 0 } }) {
        COleDateTime invalid(bad.year, bad.month, bad.day, bad.hour, bad.minute, bad.second);
        EXPECT_EQ(invalid.GetStatus(), COleDateTime::invalid) << bad.year << "-" << bad.month;
        EXPECT_EQ(invalid.GetYear(), AFX_OLE_DATETIME_ERROR);
        EXPECT_EQ(invalid.GetDayOfWeek(), AFX_OLE_DATETIME_ERROR);
        EXPECT_EQ(invalid.Format(), "Invalid DateTime");
        EXPECT_EQ(invalid.Format("%Y"), "Invalid DateTime");
    }
    EXPECT_EQ(COleDateTime(100, 1, 1, 0, 0, 0).GetStatus(), COleDateTime::valid);
    EXPECT_EQ(COleDateTime(9999, 12, 31, 23, 59, 59).GetStatus(), COleDateTime::valid);
    EXPECT_EQ(COleDateTime(DATE(3000000.0)).GetStatus(), COleDateTime::invalid);

    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    COleDateTime invalid(2023, 2, 30, 0, 0, 0);
    const COleDateTime good(2024, 1, 1, 0, 0, 0);
    const COleDateTimeSpan day(1, 0, 0, 0);

    EXPECT_EQ(null.Format(), "");
    EXPECT_EQ(null.GetMonth(), AFX_OLE_DATETIME_ERROR);
    EXPECT_EQ((null + day).GetStatus(), COleDateTime::null);
    EXPECT_EQ((invalid + day).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((good - null).GetStatus(), COleDateTimeSpan::null);
    EXPECT_EQ((invalid - null).GetStatus(), COleDateTimeSpan::invalid);
    COleDateTimeSpan badSpan;
    badSpan.SetStatus(COleDateTimeSpan::invalid);
    EXPECT_EQ((good + badSpan).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((good + COleDateTimeSpan(3000000.0)).GetStatus(), COleDateTime::invalid)
        << "a result past 9999 is not a date";
    EXPECT_EQ((good + day).GetStatus(), COleDateTime::valid);
}

TEST(OleDateTime, ArithmeticCrossesDay0SpansSplitIntoRoundedPartsAndLocaleTextsRoundTrip)
{
    const LCID english = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);
    const COleDateTime when(2024, 5, 6, 14, 3, 4);

    COleDateTime parsed;
    ASSERT_TRUE(parsed.ParseDateTime(when.Format(0, english), 0, english))
        << static_cast<LPCSTR>(when.Format(0, english));
    EXPECT_EQ(parsed, when);
    ASSERT_TRUE(parsed.ParseDateTime(when.Format()));
    EXPECT_EQ(parsed, when) << "the user's locale reads what it wrote";

    ASSERT_TRUE(parsed.ParseDateTime(when.Format(VAR_DATEVALUEONLY, english), 0, english));
    EXPECT_EQ(parsed, COleDateTime(2024, 5, 6, 0, 0, 0));

    ASSERT_TRUE(parsed.ParseDateTime("5/6/2024 14:03:04", 0, english));
    EXPECT_EQ(parsed.Format("%Y-%m-%d %H:%M:%S"), "2024-05-06 14:03:04");
    ASSERT_TRUE(parsed.ParseDateTime("14:03:04", VAR_TIMEVALUEONLY, english));
    EXPECT_EQ(parsed.GetYear(), 1899);
    EXPECT_EQ(parsed.GetMinute(), 3);

    EXPECT_FALSE(parsed.ParseDateTime("not a date", 0, english));
    EXPECT_EQ(parsed.GetStatus(), COleDateTime::invalid);
    EXPECT_FALSE(parsed.ParseDateTime(nullptr));
    EXPECT_EQ(parsed.GetStatus(), COleDateTime::invalid);

    COleDateTime eve(2023, 12, 31, 23, 59, 59);
    eve += COleDateTimeSpan(0, 0, 0, 1);
    EXPECT_EQ(eve.Format("%Y-%m-%d %H:%M:%S %A"), "2024-01-01 00:00:00 Monday");
    EXPECT_EQ(eve.GetDayOfWeek(), 2);
    EXPECT_EQ((eve - COleDateTimeSpan(1, 0, 0, 0)).Format("%d.%m.%Y"), "31.12.2023");
    EXPECT_EQ((COleDateTime(2024, 3, 1, 0, 0, 0) - COleDateTime(2024, 2, 1, 0, 0, 0)).GetDays(), 29);

    // Before 1899-12-30 the time of day counts backwards in DATE values.
    const COleDateTime morning(1899, 12, 29, 6, 0, 0);
    const COleDateTime evening(1899, 12, 29, 18, 0, 0);
    EXPECT_DOUBLE_EQ(morning.m_dt, -1.25);
    EXPECT_TRUE(morning < evening);
    EXPECT_FALSE(evening < morning);
    EXPECT_DOUBLE_EQ((evening - morning).GetTotalHours(), 12.0);
    const COleDateTime nextMorning = morning + COleDateTimeSpan(1, 0, 0, 0);
    EXPECT_DOUBLE_EQ(nextMorning.m_dt, 0.25);
    EXPECT_EQ(nextMorning.GetDay(), 30);
    EXPECT_EQ(nextMorning.GetHour(), 6);
    EXPECT_TRUE(COleDateTime(DATE(-0.25)) == COleDateTime(DATE(0.25))) << "the same instant";

    const COleDateTime old(1600, 2, 29, 12, 34, 56);
    EXPECT_EQ(old.Format("%Y-%m-%d %H:%M:%S"), "1600-02-29 12:34:56");
    SYSTEMTIME parts;
    ASSERT_TRUE(old.GetAsSystemTime(parts));
    EXPECT_EQ(COleDateTime(parts), old);

    const COleDateTime almostMidnight(DATE(45000.0 + 86399.6 / 86400));
    EXPECT_EQ(almostMidnight.GetDay(), COleDateTime(DATE(45001.0)).GetDay())
        << "parts round to the nearest second";
    EXPECT_EQ(almostMidnight.GetHour(), 0);

    COleDateTimeSpan span(1, 2, 3, 4);
    EXPECT_NEAR(span.GetTotalHours(), 26.0 + 3.0 / 60 + 4.0 / 3600, 1e-9);
    EXPECT_EQ(span.Format("%D %H:%M:%S"), "1 02:03:04");

    const COleDateTimeSpan negative = -span;
    EXPECT_EQ(negative.GetDays(), -1);
    EXPECT_EQ(negative.GetHours(), -2);
    EXPECT_TRUE(negative < span);
    EXPECT_EQ((span + negative).GetTotalSeconds(), 0.0);

    const COleDateTimeSpan nearlyHour(59.9996 / (24 * 60));
    EXPECT_EQ(nearlyHour.GetHours(), 1) << "59 min 59.98 s rounds up to the hour";
    EXPECT_EQ(nearlyHour.GetMinutes(), 0);
}


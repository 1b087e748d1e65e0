// OLE dates, file times and local time, against the platform and our own
// layer.
#include <gtest/gtest.h>

#include "OleText.h"

namespace {
SYSTEMTIME Calendar(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0, WORD second = 0,
                    WORD milliseconds = 0) {
    SYSTEMTIME st = {};
    st.wYear = year, st.wMonth = month, st.wDay = day;
    st.wHour = hour, st.wMinute = minute, st.wSecond = second, st.wMilliseconds = milliseconds;
    return st;
}

DATE ToDate(SYSTEMTIME st) {
    DATE date = -99999;
    EXPECT_TRUE(SystemTimeToVariantTime(&st, &date));
    return date;
}

void ExpectCalendar(DATE date, WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME st;
    ASSERT_TRUE(VariantTimeToSystemTime(date, &st)) << date;
    EXPECT_EQ(st.wYear, year) << date;
    EXPECT_EQ(st.wMonth, month) << date;
    EXPECT_EQ(st.wDay, day) << date;
    EXPECT_EQ(st.wHour, hour) << date;
    EXPECT_EQ(st.wMinute, minute) << date;
    EXPECT_EQ(st.wSecond, second) << date;
    EXPECT_EQ(st.wMilliseconds, 0) << date;
}

ULONGLONG Ticks(const FILETIME& ft) { return (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime; }
}  // namespace

TEST(Dates, TheEpochIsZeroAndWholeDaysCountFromIt) {
    EXPECT_EQ(ToDate(Calendar(1899, 12, 30)), 0.0);
    EXPECT_EQ(ToDate(Calendar(1899, 12, 31)), 1.0);
    EXPECT_EQ(ToDate(Calendar(1900, 1, 1)), 2.0);
    EXPECT_EQ(ToDate(Calendar(2000, 1, 1)), 36526.0);
    EXPECT_EQ(ToDate(Calendar(2000, 1, 1, 18)), 36526.75);
    ExpectCalendar(0.0, 1899, 12, 30, 0, 0, 0);
    ExpectCalendar(36526.75, 2000, 1, 1, 18, 0, 0);
    ExpectCalendar(2.5, 1900, 1, 1, 12, 0, 0);
}

TEST(Dates, BeforeTheEpochTheFractionIsStillTheTimeOfDay) {
    EXPECT_EQ(ToDate(Calendar(1899, 12, 29)), -1.0);
    EXPECT_EQ(ToDate(Calendar(1899, 12, 29, 6)), -1.25);
    EXPECT_EQ(ToDate(Calendar(1899, 12, 28, 18)), -2.75);
    EXPECT_EQ(ToDate(Calendar(1800, 1, 1)), -36522.0);
    ExpectCalendar(-1.25, 1899, 12, 29, 6, 0, 0);
    ExpectCalendar(-2.75, 1899, 12, 28, 18, 0, 0);
    ExpectCalendar(-0.5, 1899, 12, 30, 12, 0, 0);  // same moment as 0.5
}

TEST(Dates, SecondsRoundTripAndMillisecondsAreDropped) {
    DATE date = ToDate(Calendar(2024, 2, 29, 23, 59, 58, 999));
    EXPECT_NEAR(date, 45351.0 + (86400 - 2) / 86400.0, 1e-9);
    ExpectCalendar(date, 2024, 2, 29, 23, 59, 58);
    ExpectCalendar(ToDate(Calendar(1650, 7, 4, 13, 14, 15)), 1650, 7, 4, 13, 14, 15);
    SYSTEMTIME st;
    ASSERT_TRUE(VariantTimeToSystemTime(36526.0 + 1.0 / 86400 * 0.25, &st));
    EXPECT_EQ(st.wSecond, 0);
    ASSERT_TRUE(VariantTimeToSystemTime(36526.0 + 1.0 / 86400 * 0.75, &st));  // to the nearest second
    EXPECT_EQ(st.wSecond, 1);
    ASSERT_TRUE(VariantTimeToSystemTime(36526.0 - 1.0 / 86400 * 0.25, &st));  // into the next day
    EXPECT_EQ(st.wDay, 1);
    EXPECT_EQ(st.wMonth, 1);
    EXPECT_EQ(st.wYear, 2000);
    EXPECT_EQ(st.wHour, 0);
    EXPECT_EQ(st.wSecond, 0);
}

TEST(Dates, DayOfWeekIsFilledIn) {
    SYSTEMTIME st;
    ASSERT_TRUE(VariantTimeToSystemTime(36526.0, &st));  // 2000-01-01, a Saturday
    EXPECT_EQ(st.wDayOfWeek, 6);
    ASSERT_TRUE(VariantTimeToSystemTime(-1.0, &st));  // 1899-12-29, a Friday
    EXPECT_EQ(st.wDayOfWeek, 5);
}

TEST(Dates, FileTimesCountHundredNanosecondsFrom1601) {
    SYSTEMTIME epoch = Calendar(1970, 1, 1);
    FILETIME ft;
    ASSERT_TRUE(SystemTimeToFileTime(&epoch, &ft));
    EXPECT_EQ(Ticks(ft), 116444736000000000ull);
    SYSTEMTIME withMilliseconds = Calendar(1970, 1, 1, 0, 0, 1, 250);
    ASSERT_TRUE(SystemTimeToFileTime(&withMilliseconds, &ft));
    EXPECT_EQ(Ticks(ft), 116444736012500000ull);
    SYSTEMTIME back;
    ASSERT_TRUE(FileTimeToSystemTime(&ft, &back));
    EXPECT_EQ(back.wYear, 1970);
    EXPECT_EQ(back.wSecond, 1);
    EXPECT_EQ(back.wMilliseconds, 250);
    EXPECT_EQ(back.wDayOfWeek, 4);  // a Thursday
    // Impossible calendar dates are not tested: the documentation refuses
    // them, Wine accepts some, and the kit never passes one.
}

TEST(Dates, LocalFileTimeUsesTheCurrentOffsetBothWays) {
    SYSTEMTIME utcNow, localNow;
    GetSystemTime(&utcNow);
    GetLocalTime(&localNow);
    FILETIME utcFt, localFt;
    ASSERT_TRUE(SystemTimeToFileTime(&utcNow, &utcFt));
    ASSERT_TRUE(SystemTimeToFileTime(&localNow, &localFt));
    long long offsetSeconds = (static_cast<long long>(Ticks(localFt)) - static_cast<long long>(Ticks(utcFt))) / 10000000;
    FILETIME converted;
    ASSERT_TRUE(FileTimeToLocalFileTime(&utcFt, &converted));
    long long convertedOffset =
        (static_cast<long long>(Ticks(converted)) - static_cast<long long>(Ticks(utcFt))) / 10000000;
    EXPECT_NEAR(static_cast<double>(convertedOffset), static_cast<double>(offsetSeconds), 2.0);
    FILETIME back;
    ASSERT_TRUE(LocalFileTimeToFileTime(&converted, &back));
    EXPECT_EQ(Ticks(back), Ticks(utcFt));
}

TEST(Dates, DatesOutsideYears100To9999AreRefused) {
    SYSTEMTIME st;
    EXPECT_FALSE(VariantTimeToSystemTime(2958466.0, &st));  // 10000-01-01
    EXPECT_FALSE(VariantTimeToSystemTime(-657435.0, &st));  // 0099-12-31
    ExpectCalendar(2958465.0, 9999, 12, 31, 0, 0, 0);
    ExpectCalendar(-657434.0, 100, 1, 1, 0, 0, 0);
    SYSTEMTIME tooLate = Calendar(10000, 1, 1);
    DATE date;
    EXPECT_FALSE(SystemTimeToVariantTime(&tooLate, &date));
}

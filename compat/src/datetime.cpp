// Dates and times: OLE dates (days since 1899-12-30), file times (100 ns
// since 1601-01-01 UTC), calendar times, and local time through the process
// time zone (TZ).
#include <oleauto.h>

#include <cmath>
#include <ctime>

namespace {
const long long kTicksPerSecond = 10000000;
const long long kSecondsPerDay = 86400;
const long long kDays1601To1970 = 134774;
const long long kDays1899To1970 = 25569;
// DATE range: 0100-01-01 to the end of 9999-12-31.
const double kMinDate = -657434.0;
const double kMaxDateExclusive = 2958466.0;

// Days since 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    long long era = (y >= 0 ? y : y - 399) / 400;
    unsigned yoe = static_cast<unsigned>(y - era * 400);
    unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, long long* y, unsigned* m, unsigned* d) {
    z += 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    unsigned doe = static_cast<unsigned>(z - era * 146097);
    unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    unsigned mp = (5 * doy + 2) / 153;
    *d = doy - (153 * mp + 2) / 5 + 1;
    *m = mp < 10 ? mp + 3 : mp - 9;
    *y = static_cast<long long>(yoe) + era * 400 + (*m <= 2);
}

bool IsLeap(unsigned y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

unsigned DaysInMonth(unsigned y, unsigned m) {
    static const unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

bool IsValidCalendarTime(const SYSTEMTIME* st) {
    return st->wMonth >= 1 && st->wMonth <= 12 && st->wDay >= 1 && st->wDay <= DaysInMonth(st->wYear, st->wMonth) &&
           st->wHour < 24 && st->wMinute < 60 && st->wSecond < 60 && st->wMilliseconds < 1000;
}

// Fills a SYSTEMTIME from days since 1970 and a time of day.
void FillSystemTime(long long days, long long secondOfDay, unsigned milliseconds, SYSTEMTIME* st) {
    long long y;
    unsigned m, d;
    CivilFromDays(days, &y, &m, &d);
    st->wYear = static_cast<WORD>(y);
    st->wMonth = static_cast<WORD>(m);
    st->wDay = static_cast<WORD>(d);
    st->wDayOfWeek = static_cast<WORD>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
    st->wHour = static_cast<WORD>(secondOfDay / 3600);
    st->wMinute = static_cast<WORD>(secondOfDay / 60 % 60);
    st->wSecond = static_cast<WORD>(secondOfDay % 60);
    st->wMilliseconds = static_cast<WORD>(milliseconds);
}

long long TicksOf(const FILETIME* ft) {
    return static_cast<long long>((static_cast<unsigned long long>(ft->dwHighDateTime) << 32) | ft->dwLowDateTime);
}

void SetTicks(long long ticks, FILETIME* ft) {
    ft->dwLowDateTime = static_cast<DWORD>(static_cast<unsigned long long>(ticks) & 0xFFFFFFFFu);
    ft->dwHighDateTime = static_cast<DWORD>(static_cast<unsigned long long>(ticks) >> 32);
}

long long NowTicks() {
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return (now.tv_sec + kDays1601To1970 * kSecondsPerDay) * kTicksPerSecond + now.tv_nsec / 100;
}

// The offset of local time from UTC now, in seconds east of UTC. The
// platform converts file times with the current offset, whatever the date.
long CurrentUtcOffset() {
    tzset();  // TZ may have changed since the last call
    time_t now = time(nullptr);
    tm local;
    localtime_r(&now, &local);
    return local.tm_gmtoff;
}
}  // namespace

// A negative date counts whole days back from 1899-12-30, while its fraction
// still counts forward through that day: -1.25 is 1899-12-29 06:00.
// Milliseconds are ignored.
extern "C" INT WINAPI SystemTimeToVariantTime(LPSYSTEMTIME st, DATE* date) {
    if (!st || !date) return FALSE;
    if (st->wYear < 100 || st->wYear > 9999) return FALSE;
    SYSTEMTIME whole = *st;
    whole.wMilliseconds = 0;
    if (!IsValidCalendarTime(&whole)) return FALSE;
    long long days = DaysFromCivil(st->wYear, st->wMonth, st->wDay) + kDays1899To1970;
    double fraction = (st->wHour * 3600.0 + st->wMinute * 60.0 + st->wSecond) / kSecondsPerDay;
    *date = days < 0 ? days - fraction : days + fraction;
    return TRUE;
}

// Rounds to the nearest second; milliseconds come back as 0.
extern "C" INT WINAPI VariantTimeToSystemTime(DATE date, LPSYSTEMTIME st) {
    if (!st || !(date >= kMinDate && date < kMaxDateExclusive)) return FALSE;
    double wholeDays = std::trunc(date);
    long long days = static_cast<long long>(wholeDays);
    long long seconds = std::llround(std::fabs(date - wholeDays) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {  // rounded up into the next calendar day
        seconds -= kSecondsPerDay;
        ++days;
    }
    long long calendarDays = days - kDays1899To1970;
    if (calendarDays + kDays1899To1970 >= static_cast<long long>(kMaxDateExclusive)) return FALSE;
    FillSystemTime(calendarDays, seconds, 0, st);
    return TRUE;
}

extern "C" BOOL WINAPI SystemTimeToFileTime(const SYSTEMTIME* st, LPFILETIME ft) {
    if (!st || !ft || st->wYear < 1601 || st->wYear > 30827 || !IsValidCalendarTime(st)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    long long days = DaysFromCivil(st->wYear, st->wMonth, st->wDay) + kDays1601To1970;
    long long seconds = days * kSecondsPerDay + st->wHour * 3600LL + st->wMinute * 60LL + st->wSecond;
    SetTicks(seconds * kTicksPerSecond + st->wMilliseconds * 10000LL, ft);
    return TRUE;
}

extern "C" BOOL WINAPI FileTimeToSystemTime(const FILETIME* ft, LPSYSTEMTIME st) {
    if (!ft || !st || (ft->dwHighDateTime & 0x80000000u)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    long long ticks = TicksOf(ft);
    long long seconds = ticks / kTicksPerSecond;
    unsigned milliseconds = static_cast<unsigned>(ticks % kTicksPerSecond / 10000);
    FillSystemTime(seconds / kSecondsPerDay - kDays1601To1970, seconds % kSecondsPerDay, milliseconds, st);
    return TRUE;
}

extern "C" BOOL WINAPI FileTimeToLocalFileTime(const FILETIME* ft, LPFILETIME local) {
    if (!ft || !local) return FALSE;
    SetTicks(TicksOf(ft) + CurrentUtcOffset() * kTicksPerSecond, local);
    return TRUE;
}

extern "C" BOOL WINAPI LocalFileTimeToFileTime(const FILETIME* local, LPFILETIME ft) {
    if (!ft || !local) return FALSE;
    SetTicks(TicksOf(local) - CurrentUtcOffset() * kTicksPerSecond, ft);
    return TRUE;
}

extern "C" void WINAPI GetSystemTimeAsFileTime(LPFILETIME ft) { SetTicks(NowTicks(), ft); }

extern "C" void WINAPI GetSystemTime(LPSYSTEMTIME st) {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    FileTimeToSystemTime(&now, st);
}

extern "C" void WINAPI GetLocalTime(LPSYSTEMTIME st) {
    tzset();
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    tm local;
    localtime_r(&now.tv_sec, &local);
    long long localSeconds = static_cast<long long>(now.tv_sec) + local.tm_gmtoff;
    long long days = localSeconds >= 0 ? localSeconds / kSecondsPerDay : (localSeconds - kSecondsPerDay + 1) / kSecondsPerDay;
    FillSystemTime(days, localSeconds - days * kSecondsPerDay, static_cast<unsigned>(now.tv_nsec / 1000000), st);
}

#include "classlib/SysUtils.h"

#include <cmath>

namespace {

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Days from 1 January of year 1 to the given date, that day not counted.
int64_t DaysBefore(int year, int month, int day)
{
    int64_t y = year - 1;
    int64_t n = y * 365 + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < month; ++m)
        n += DaysInMonth(year, m);
    return n + day - 1;
}

// 30 December 1899, day 0 of TDateTime.
const int64_t DateDelta = 693594;

constexpr double MSecsPerDay = 86400000.0;

AnsiString LocaleText(int (WINAPI* format)(LCID, DWORD, const SYSTEMTIME*, LPCSTR, LPSTR, int), DWORD flags,
                      const SYSTEMTIME& st)
{
    char buf[128];
    int n = format(LOCALE_USER_DEFAULT, flags, &st, nullptr, buf, sizeof buf);
    return n > 0 ? AnsiString(buf, static_cast<size_t>(n - 1)) : AnsiString();
}

}  // namespace

bool TryEncodeDate(int year, int month, int day, TDateTime& result)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    result = static_cast<double>(DaysBefore(year, month, day) + 1 - DateDelta);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& result)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
        millisecond > 999)
        return false;
    result = (((hour * 60 + minute) * 60 + second) * 1000.0 + millisecond) / MSecsPerDay;
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime result;
    if (!TryEncodeDate(year, month, day, result))
        throw EConvertError(L"Invalid argument to date encode");
    return result;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond)
{
    TDateTime result;
    if (!TryEncodeTime(hour, minute, second, millisecond, result))
        throw EConvertError(L"Invalid argument to time encode");
    return result;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day)
{
    int64_t days = static_cast<int64_t>(std::floor(value)) + DateDelta - 1;
    year = static_cast<int>(days / 366) + 1;
    while (DaysBefore(year + 1, 1, 1) <= days)
        ++year;
    days -= DaysBefore(year, 1, 1);
    month = 1;
    while (days >= DaysInMonth(year, month))
        days -= DaysInMonth(year, month++);
    day = static_cast<int>(days) + 1;
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond)
{
    double fraction = std::fabs(value - std::trunc(value));
    int64_t ms = static_cast<int64_t>(std::llround(fraction * MSecsPerDay));
    if (ms >= 86400000)
        ms = 86399999;
    millisecond = static_cast<int>(ms % 1000);
    second = static_cast<int>(ms / 1000 % 60);
    minute = static_cast<int>(ms / 60000 % 60);
    hour = static_cast<int>(ms / 3600000);
}

SYSTEMTIME DateTimeToSystemTime(TDateTime value)
{
    int y, mo, d, h, mi, s, ms;
    DecodeDate(value, y, mo, d);
    DecodeTime(value, h, mi, s, ms);
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(y);
    st.wMonth = static_cast<WORD>(mo);
    st.wDay = static_cast<WORD>(d);
    st.wDayOfWeek = static_cast<WORD>((static_cast<int64_t>(std::floor(value)) % 7 + 7 + 6) % 7);
    st.wHour = static_cast<WORD>(h);
    st.wMinute = static_cast<WORD>(mi);
    st.wSecond = static_cast<WORD>(s);
    st.wMilliseconds = static_cast<WORD>(ms);
    return st;
}

TDateTime SystemTimeToDateTime(const SYSTEMTIME& st)
{
    return EncodeDate(st.wYear, st.wMonth, st.wDay) + EncodeTime(st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
}

TDateTime Now()
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    return SystemTimeToDateTime(st);
}

AnsiString DateToStr(TDateTime value)
{
    return LocaleText(&GetDateFormatA, DATE_SHORTDATE, DateTimeToSystemTime(value));
}

AnsiString TimeToStr(TDateTime value)
{
    return LocaleText(&GetTimeFormatA, 0, DateTimeToSystemTime(value));
}

AnsiString DateTimeToStr(TDateTime value)
{
    SYSTEMTIME st = DateTimeToSystemTime(value);
    bool midnight = st.wHour == 0 && st.wMinute == 0 && st.wSecond == 0 && st.wMilliseconds == 0;
    return midnight ? DateToStr(value) : DateToStr(value) + " " + TimeToStr(value);
}

#include "update/NuDates.h"

#include <algorithm>
#include <string>
#include <vector>

#include "classlib/Win.h"

namespace {

AnsiString LocaleValue(LCTYPE type)
{
    char buffer[100] = {};
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof(buffer)) > 0 ? AnsiString(buffer)
                                                                                     : AnsiString();
}

// The numbers of the text between the separators; false for anything but digits there.
bool SplitNumbers(const AnsiString& text, char separator, std::vector<int>& numbers)
{
    numbers.clear();
    const AnsiString trimmed = Trim(text);
    size_t start = 0;
    while (start <= trimmed.size()) {
        const size_t end = std::min(trimmed.find(separator, start), trimmed.size());
        const AnsiString part = Trim(trimmed.substr(start, end - start));
        if (part.empty() || part.size() > 4 || part.find_first_not_of("0123456789") != AnsiString::npos)
            return false;
        numbers.push_back(std::stoi(part));
        start = end + 1;
    }
    return true;
}

int CurrentYear()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear;
}

// A two-digit year falls within fifty years of this one.
int FullYear(int year)
{
    if (year >= 100)
        return year;
    const int century = CurrentYear() / 100 * 100;
    int full = century + year;
    if (full > CurrentYear() + 50)
        full -= 100;
    else if (full <= CurrentYear() - 50)
        full += 100;
    return full;
}

}  // namespace

TDateTextFormat SystemDateTextFormat()
{
    const AnsiString dateSeparator = LocaleValue(LOCALE_SDATE), timeSeparator = LocaleValue(LOCALE_STIME);
    return {LocaleValue(LOCALE_SSHORTDATE), dateSeparator.empty() ? '/' : dateSeparator[0],
            LocaleValue(LOCALE_STIMEFORMAT), timeSeparator.empty() ? ':' : timeSeparator[0]};
}

bool TryReadDate(const AnsiString& text, const TDateTextFormat& format, TDateTime& date)
{
    std::vector<int> numbers;
    if (!SplitNumbers(text, format.DateSeparator, numbers) || numbers.size() < 2 || numbers.size() > 3)
        return false;
    // The order of the fields is the order of their first letters in the format.
    const AnsiString upper = UpperCase(format.DateFormat);
    const size_t d = upper.find('D'), m = upper.find('M'), y = upper.find('Y');
    int day = 0, month = 0, year = CurrentYear();
    if (numbers.size() == 3) {
        if (y < m && y < d) {
            year = numbers[0];
            month = numbers[m < d ? 1 : 2];
            day = numbers[m < d ? 2 : 1];
        } else {
            month = numbers[m < d ? 0 : 1];
            day = numbers[m < d ? 1 : 0];
            year = numbers[2];
        }
        year = FullYear(year);
    } else {
        month = numbers[m < d ? 0 : 1];
        day = numbers[m < d ? 1 : 0];
    }
    return TryEncodeDate(year, month, day, date);
}

bool TryReadTime(const AnsiString& text, const TDateTextFormat& format, TDateTime& time)
{
    AnsiString clock = Trim(text);
    int addHours = 0;
    const AnsiString upper = UpperCase(clock);
    const bool pm = upper.size() > 2 && upper.substr(upper.size() - 2) == "PM";
    const bool am = upper.size() > 2 && upper.substr(upper.size() - 2) == "AM";
    if (am || pm)
        clock = Trim(clock.substr(0, clock.size() - 2));
    std::vector<int> numbers;
    if (!SplitNumbers(clock, format.TimeSeparator, numbers) || numbers.size() > 3)
        return false;
    int hour = numbers[0];
    if (am || pm) {
        if (hour < 1 || hour > 12)
            return false;
        addHours = (pm ? 12 : 0) - (hour == 12 ? 12 : 0);
    }
    hour += addHours;
    return TryEncodeTime(hour, numbers.size() > 1 ? numbers[1] : 0, numbers.size() > 2 ? numbers[2] : 0, 0, time);
}

TDateTime ParseDateTime(const AnsiString& dateText, const AnsiString& timeText, const TDateTextFormat& format)
{
    TDateTime result = EncodeDate(1980, 1, 1), date = 0, time = 0;
    if (TryReadDate(dateText, format, date))
        result = date;
    if (!timeText.empty() && TryReadTime(timeText, format, time))
        result += time;
    return result;
}

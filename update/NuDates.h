// Dates and times of the control file and of the registry, read in a given
// short-date format ("dd/mm/yyyy": the order of day, month and year) and time format.
#pragma once

#include "classlib/SysUtils.h"

struct TDateTextFormat {
    AnsiString DateFormat;
    char DateSeparator;
    AnsiString TimeFormat;
    char TimeSeparator;
};

// The user's short date and time formats with their separators.
TDateTextFormat SystemDateTextFormat();
bool TryReadDate(const AnsiString& text, const TDateTextFormat& format, TDateTime& date);
bool TryReadTime(const AnsiString& text, const TDateTextFormat& format, TDateTime& time);
// From 1 January 1980, 00:00: the date when it reads, plus the time when it reads.
TDateTime ParseDateTime(const AnsiString& dateText, const AnsiString& timeText, const TDateTextFormat& format);

#pragma once
// Date-times as the analyser and the program keep them: a double of days since
// 30 December 1899, the fraction being the time of day. This module is the only
// place that turns them into text and back, by the date and time pictures
// (d dd ddd dddd m mm mmm mmmm yy yyyy h hh n nn s ss z zzz am/pm, with "m"
// after an hour element meaning minutes, ":" and "/" the current separators).

#include "core/FormatSettings.h"

#include <string>
#include <string_view>

namespace ombrix {

using DateTime = double;

constexpr double kMSecsPerDay = 86400000.0;

struct DateParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, msec = 0;
};

bool TryEncodeDate(int year, int month, int day, DateTime& result);
bool TryEncodeTime(int hour, int minute, int second, int msec, DateTime& result);
DateTime EncodeDate(int year, int month, int day);                // throws ConvertError
DateTime EncodeTime(int hour, int minute, int second, int msec); // throws ConvertError
DateTime EncodeDateTime(const DateParts& parts);
DateParts DecodeDateTime(DateTime value);
int DayOfWeek(DateTime value); // 1 Sunday .. 7 Saturday

// The current local date-time.
DateTime Now();
int CurrentYear();

// A two-digit year placed in the century that makes it not earlier than
// currentYear - window.
int ExpandTwoDigitYear(int twoDigitYear, int currentYear, int window);

std::string FormatDateTime(std::string_view picture, DateTime value, const FormatSettings& fs);
std::string FormatDateTime(std::string_view picture, DateTime value);

// Short date and long time texts of the current conventions.
std::string DateToStr(DateTime value);
std::string TimeToStr(DateTime value);

// Readers by the conventions: the order of day, month and year comes from the
// short date picture, the separators are the date and time separators; one or
// two digit fields, two or four digit years, an optional AM/PM marker. A text
// that does not read throws ConvertError.
DateTime StrToDate(std::string_view text, const FormatSettings& fs);
DateTime StrToTime(std::string_view text, const FormatSettings& fs);
// A date, optionally followed by blanks and a time; or a time alone.
DateTime StrToDateTime(std::string_view text, const FormatSettings& fs);
DateTime StrToDate(std::string_view text);
DateTime StrToTime(std::string_view text);
DateTime StrToDateTime(std::string_view text);

bool TryStrToDate(std::string_view text, const FormatSettings& fs, DateTime& value);
bool TryStrToTime(std::string_view text, const FormatSettings& fs, DateTime& value);
bool TryStrToDateTime(std::string_view text, const FormatSettings& fs, DateTime& value);

// Reads a text written with `picture`: its elements in the picture's order, the
// picture's separators in between (":" and "/" standing for the separators of fs).
bool TryParseByPicture(std::string_view text, std::string_view picture, const FormatSettings& fs,
                       DateTime& value);

} // namespace ombrix

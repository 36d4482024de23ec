#include "mainwindow/StoringTimes.h"

#include "config/Listendecl.h"
#include "core/OrvMainObject.h"

#include <cmath>

namespace ombrix {

namespace {

constexpr const char* kIntervalPicture = "hh:nn:ss";
// Half a millisecond: a typed interval equal to the minimum is not refused for
// the rounding of its day fraction.
constexpr double kIntervalTolerance = 0.5 / kMSecsPerDay;

// The interval is written and read as hours, minutes and seconds with colons,
// whatever the user's time separator.
FormatSettings IntervalFormats(const FormatSettings& regional) {
    FormatSettings fs = regional;
    fs.TimeSeparator = ':';
    fs.LongTimeFormat = kIntervalPicture;
    return fs;
}

// Both edits must hold their part: an empty date would silently mean the
// first day of the calendar.
bool ReadDateAndTime(const std::string& dateText, const std::string& timeText,
                     const FormatSettings& regional, DateTime& value) {
    DateTime date = 0, time = 0;
    if (!TryStrToDate(dateText, regional, date) || !TryStrToTime(timeText, regional, time))
        return false;
    value = date + time;
    return true;
}

} // namespace

StoringTimesText StoringTimesToText(const StoringTimes& times, const FormatSettings& regional) {
    StoringTimesText text;
    text.interval = IntervalText(times.interval);
    text.startTime = FormatDateTime(regional.LongTimeFormat, times.start, regional);
    text.startDate = FormatDateTime(regional.ShortDateFormat, times.start, regional);
    text.stopTime = FormatDateTime(regional.LongTimeFormat, times.stop, regional);
    text.stopDate = FormatDateTime(regional.ShortDateFormat, times.stop, regional);
    text.asap = times.asap;
    return text;
}

DateTime MinimalStoringInterval(int mode) {
    if (mode == eFFT) return EncodeTime(0, 1, 0, 0);
    if (mode == eHAR) return EncodeTime(0, 0, 10, 0);
    return EncodeTime(0, 0, 1, 0);
}

std::string IntervalText(DateTime interval) {
    const FormatSettings fs = IntervalFormats(FormatSettings{});
    return FormatDateTime(kIntervalPicture, interval, fs);
}

std::optional<StoringTimes> ReadStoringTimes(const StoringTimesText& text, int mode,
                                             const FormatSettings& regional) {
    StoringTimes times;
    times.asap = text.asap;
    if (!ReadDateAndTime(text.startDate, text.startTime, regional, times.start) ||
        !ReadDateAndTime(text.stopDate, text.stopTime, regional, times.stop) ||
        !TryStrToTime(text.interval, IntervalFormats(regional), times.interval))
        return std::nullopt;
    if (times.interval < MinimalStoringInterval(mode) - kIntervalTolerance) return std::nullopt;
    return times;
}

std::string StoringTimesError(bool intervalLeft, int mode, const FormatSettings& regional) {
    if (intervalLeft)
        return "Time Format is: hh:mm:ss\nand minimal value is:" +
               IntervalText(MinimalStoringInterval(mode));
    return "Time/Date Format is: " + regional.LongTimeFormat + " / " + regional.ShortDateFormat;
}

bool ProgrammedPeriodAcceptable(DateTime start, DateTime stop, DateTime now) {
    return stop > start && start > now;
}

StoringLocks StoringLocksFor(int storingState, bool asap) {
    const bool stopped = storingState == eStoringStopped;
    return {stopped, stopped && !asap};
}

} // namespace ombrix

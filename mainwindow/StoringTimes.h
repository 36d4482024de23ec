#pragma once
// The times of automatic storing as the storing page shows and reads them: the
// start and stop of a programmed period as time and date texts in the user's
// formats, the interval as "hh:mm:ss", the shortest interval each measurement
// mode allows, the message of a refused entry, and which storing controls may
// be changed in which storing state.

#include "core/DateTime.h"
#include "core/FormatSettings.h"

#include <optional>
#include <string>

namespace ombrix {

struct StoringTimes {
    DateTime start = 0;
    DateTime stop = 0;
    DateTime interval = 0;
    bool asap = false;
};

// The five edits of the auto-storing group and the "ASAP" check box.
struct StoringTimesText {
    std::string interval;
    std::string startTime;
    std::string startDate;
    std::string stopTime;
    std::string stopDate;
    bool asap = false;
};

StoringTimesText StoringTimesToText(const StoringTimes& times, const FormatSettings& regional);

// An analyser cannot deliver a spectrum more often than once a minute, nor a
// harmonics list more often than every ten seconds.
DateTime MinimalStoringInterval(int mode);
std::string IntervalText(DateTime interval);

// The times the texts give, read in the user's formats (the interval always as
// "hh:mm:ss"); none for a text that is no time or date, or an interval shorter
// than the mode allows.
std::optional<StoringTimes> ReadStoringTimes(const StoringTimesText& text, int mode,
                                             const FormatSettings& regional);

// The message of a refused entry: the interval names its picture and the
// shortest interval of the mode, the other edits the user's time and date
// pictures.
std::string StoringTimesError(bool intervalLeft, int mode, const FormatSettings& regional);

inline constexpr const char* kCheckAutoStoringParameters = "Check Auto Storing Parameters!";

// A programmed period may start only when it lies ahead and is not empty.
bool ProgrammedPeriodAcceptable(DateTime start, DateTime stop, DateTime now);

// While values are stored automatically the times and the single store stay
// locked; the interval is also locked while "ASAP" sets the pace.
struct StoringLocks {
    bool timesEnabled = true; // single storing, start and stop edits, "ASAP"
    bool intervalEnabled = true;
};
StoringLocks StoringLocksFor(int storingState, bool asap);

} // namespace ombrix

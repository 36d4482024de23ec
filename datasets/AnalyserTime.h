#pragma once
// Times the analyser writes as hours, minutes and seconds: the step of a timed
// series and the time of day of a grid point. They keep that form whatever the
// user's long time picture is (a picture with AM/PM or without seconds would
// turn a ten-second step into nonsense), and both forms read back.

#include "core/DateTime.h"

#include <string>
#include <string_view>

namespace ombrix {

// hh:nn:ss with the current time separator.
std::string FormatAnalyserTime(DateTime time);

// Reads hh:nn:ss with ':' (the analyser's own form) or with the current time
// separator, and the current conventions' long time form. Throws ConvertError
// for anything else.
DateTime ParseAnalyserTime(std::string_view text);

} // namespace ombrix

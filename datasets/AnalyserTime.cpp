#include "datasets/AnalyserTime.h"

#include "core/ConvertError.h"

namespace ombrix {

namespace {

constexpr std::string_view kAnalyserTimePicture = "hh:nn:ss";

} // namespace

std::string FormatAnalyserTime(DateTime time) {
    return FormatDateTime(kAnalyserTimePicture, time);
}

DateTime ParseAnalyserTime(std::string_view text) {
    const FormatSettings& current = CurrentFormat();
    DateTime value = 0;
    if (TryParseByPicture(text, kAnalyserTimePicture, current, value)) return value;
    if (current.TimeSeparator != ':') {
        FormatSettings analyser = current;
        analyser.TimeSeparator = ':';
        if (TryParseByPicture(text, kAnalyserTimePicture, analyser, value)) return value;
    }
    if (TryStrToTime(text, current, value)) return value;
    throw ConvertError("'" + std::string(text) + "' is not a valid time");
}

} // namespace ombrix

#include "core/Ombrix.h"

#include "core/FormatSettings.h"
#include "core/NumberFormat.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ombrix {

namespace {

struct PrefixStep {
    double threshold;
    double factor;
    const char* letter;
};

// Magnitude steps shared by FormatValue and PrefixOf.
const std::array<PrefixStep, 8> kPrefixSteps = {{
    {1e9, 1e9, "G"},
    {1e6, 1e6, "M"},
    {1e3, 1e3, "k"},
    {1.0, 1.0, ""},
    {1e-3, 1e-3, "m"},
    {1e-6, 1e-6, "\xB5"},
    {1e-9, 1e-9, "n"},
    {1e-12, 1e-12, "p"},
}};

const PrefixStep* StepFor(double value) {
    const double magnitude = std::fabs(value);
    for (const auto& step : kPrefixSteps)
        if (magnitude >= step.threshold) return &step;
    return nullptr;
}

// `value` rounded to the five significant digits FormatValue shows.
double RoundToShownDigits(double value) {
    const double magnitude = std::fabs(value);
    if (!std::isfinite(magnitude) || magnitude == 0) return value;
    const double scale = std::pow(10.0, 4 - std::floor(std::log10(magnitude)));
    if (!std::isfinite(scale) || scale == 0) return value;
    const double rounded = std::round(magnitude * scale) / scale;
    return std::isfinite(rounded) ? std::copysign(rounded, value) : value;
}

std::string TrimControlAndBlanks(const std::string& text) {
    auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    auto first = std::find_if_not(text.begin(), text.end(), isSpace);
    auto last = std::find_if_not(text.rbegin(), text.rend(), isSpace).base();
    return first < last ? std::string(first, last) : std::string();
}

bool BelongsToNumber(char c) {
    return (c >= '0' && c <= '9') || c == '+' || c == ',' || c == '-' || c == '.' || c == 'E' ||
           c == 'e';
}

double PrefixFactor(char letter) {
    switch (letter) {
    case 'M':
        return 1e6;
    case 'k':
        return 1e3;
    case 'm':
        return 1e-3;
    case 'u':
    case kMicroSign:
        return 1e-6;
    case 'n':
        return 1e-9;
    case 'p':
        return 1e-12;
    default:
        return 1.0;
    }
}

std::string Upper(std::string text) {
    for (auto& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace

OperatingMode ModeByteForCommandLine(const std::string& word) {
    const std::string upper = Upper(word);
    if (upper == "DATALOG") return eModeRemote;
    if (upper == "REMOTE") return eModeDatalog;
    return eModeUndecided;
}

std::string FormatValue(double value, const std::string& unit) {
    if (unit == "%") return FormatFloat(value, FloatForm::General, 3, 2) + " %";
    if (value == 0) return "0 " + unit;
    // The prefix follows the value as shown: 0.99999999 G is shown as 1 G, not 1000 mG.
    const PrefixStep* step = StepFor(RoundToShownDigits(value));
    if (!step) return FormatFloat(value, FloatForm::Exponent, 5, 2) + " " + unit;
    return FormatFloat(value / step->factor, FloatForm::General, 5, 4) + " " + step->letter + unit;
}

double PrefixOf(double value, std::string& prefix) {
    const PrefixStep* step = StepFor(value);
    if (!step) {
        prefix.clear();
        return 1.0;
    }
    prefix = step->letter;
    return step->factor;
}

double ParseValue(const std::string& text, bool stripMetre) {
    std::string work = TrimControlAndBlanks(text);
    if (stripMetre) {
        const auto pos = work.rfind('m');
        if (pos != std::string::npos) work.erase(pos, 1);
    }
    work.erase(std::remove(work.begin(), work.end(), ' '), work.end());
    size_t end = 0;
    while (end < work.size() && BelongsToNumber(work[end]))
        ++end;
    const double factor = end < work.size() ? PrefixFactor(work[end]) : 1.0;
    double number = 0;
    if (!TryParseFloat(std::string_view(work).substr(0, end), CurrentFormat().DecimalSeparator,
                       number))
        return 0.0;
    // Dividing by the exact power of ten keeps "10 uT" at exactly 1e-5.
    return factor < 1 ? number / std::round(1 / factor) : number * factor;
}

std::string RangeMessage(double min, double max, const std::string& unit, bool prefixed) {
    auto bound = [&](double v) {
        if (prefixed) return FormatValue(v, unit);
        return unit.empty() ? FloatToStr(v) : FloatToStr(v) + " " + unit;
    };
    return "Only values between " + bound(min) + " and " + bound(max) + " are valid";
}

RangeCheckResult CheckRangeText(const std::string& text, double min, double max,
                                const std::string& unit, bool prefixed, int mode) {
    RangeCheckResult result;
    result.value = ParseValue(text, unit == "m");
    const double v = result.value;
    switch (mode) {
    case 1:
        result.accepted = min < v && v <= max;
        break;
    case 2:
        result.accepted = min <= v && v < max;
        break;
    default:
        result.accepted = min <= v && v <= max;
        break;
    }
    if (!result.accepted) result.message = RangeMessage(min, max, unit, prefixed);
    return result;
}

std::string AboutVersionText(const std::string& productVersion) {
    return productVersion.substr(0, 2) + "0" +
           productVersion.substr(std::min<size_t>(2, productVersion.size()), 1);
}

VersionInfo ProgramVersionInfo() {
    return {OMBRIX_PRODUCT_NAME, OMBRIX_VERSION, OMBRIX_FILE_DESCRIPTION, OMBRIX_COPYRIGHT};
}

} // namespace ombrix

#include "mainwindow/AxisNumberFormat.h"

#include "core/FormatSettings.h"

#include <charconv>
#include <cmath>

namespace ombrix {

namespace {
constexpr int kAxisDecimals = 4;
}

std::string FormatAxisNumber(double value) {
    return FormatGroupedNumber(value, kAxisDecimals);
}

std::string FormatGroupedNumber(double value, int maxDecimals) {
    if (!std::isfinite(value)) return {};
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::fixed, maxDecimals);
    std::string digits(buffer, result.ptr);
    const auto point = digits.find('.');
    std::string integer = digits.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();

    const FormatSettings& fs = CurrentFormat();
    std::string grouped;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) grouped += fs.ThousandSeparator;
        grouped += integer[i];
    }
    const bool zero = integer == "0" && fraction.empty();
    std::string text = (value < 0 && !zero) ? "-" + grouped : grouped;
    if (!fraction.empty()) text += fs.DecimalSeparator + fraction;
    return text;
}

} // namespace ombrix

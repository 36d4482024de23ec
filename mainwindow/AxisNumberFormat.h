#pragma once
// The number texts of the chart axes, in the current decimal and thousand
// separators.

#include <string>

namespace ombrix {

// Value axes: thousands grouped, at most four decimals, no trailing zeros
// ("12,500", "0.0125", "3").
std::string FormatAxisNumber(double value);

// Thousands grouped, at most `maxDecimals` decimals, no trailing zeros.
std::string FormatGroupedNumber(double value, int maxDecimals);

} // namespace ombrix

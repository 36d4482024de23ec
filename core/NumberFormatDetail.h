#pragma once
// The two halves of TryParseFloat, apart so that they can be checked against
// each other: every text the quick reader accepts must read to the same double
// through the strict one.

#include <string_view>

namespace ombrix::detail {

// Reads a plain decimal (blanks, sign, at most 19 digits with one mark, an
// exponent) whose value a double can compute exactly. False, with `value`
// untouched, for every other text, valid or not.
bool TryParsePlainDecimal(std::string_view text, char decimalSeparator, double& value);

// The strict reader alone, as TryParseFloat documents it.
bool TryParseFloatStrict(std::string_view text, char decimalSeparator, double& value);

} // namespace ombrix::detail

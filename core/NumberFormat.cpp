#include "core/NumberFormat.h"

#include "core/ConvertError.h"
#include "core/FormatSettings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace ombrix {

namespace {

// A finite, non-zero double rounded to `significant` digits:
// value = (negative ? -1 : 1) * 0.d1d2...dn * 10^exponent.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

DecimalDigits Decompose(double value, int significant) {
    significant = std::clamp(significant, 1, 17);
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, significant - 1);
    DecimalDigits result;
    result.negative = std::signbit(value);
    const char* p = buffer;
    for (; p < end && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') result.digits.push_back(*p);
    int exp10 = 0;
    if (p < end) std::from_chars(p + 1 + (p[1] == '+'), end, exp10);
    result.exponent = exp10 + 1;
    return result;
}

std::string StripTrailingZeros(std::string digits) {
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return digits;
}

std::string ExponentText(int exponent, int minDigits, bool alwaysSign) {
    std::string text = "E";
    if (exponent < 0)
        text += '-';
    else if (alwaysSign)
        text += '+';
    std::string number = std::to_string(std::abs(exponent));
    if (static_cast<int>(number.size()) < minDigits)
        number.insert(0, static_cast<size_t>(minDigits) - number.size(), '0');
    return text + number;
}

std::string Scientific(const DecimalDigits& d, const std::string& digits, int minExpDigits,
                       bool alwaysSign, char sep) {
    std::string text = d.negative ? "-" : "";
    text += digits[0];
    if (digits.size() > 1) {
        text += sep;
        text.append(digits, 1, std::string::npos);
    }
    return text + ExponentText(d.exponent - 1, minExpDigits, alwaysSign);
}

// Digits placed around the decimal point, padded with zeros on both sides.
std::string PlaceDigits(const std::string& digits, int exponent, int decimals, char sep) {
    auto digitAt = [&](int i) {
        return i >= 0 && i < static_cast<int>(digits.size()) ? digits[i] : '0';
    };
    std::string text;
    if (exponent <= 0)
        text = "0";
    else
        for (int i = 0; i < exponent; ++i)
            text += digitAt(i);
    if (decimals > 0) {
        text += sep;
        for (int k = 0; k < decimals; ++k)
            text += digitAt(exponent + k);
    }
    return text;
}

std::string NonFinite(double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

std::string FormatGeneral(double value, int precision, int digits, char sep) {
    if (value == 0) return "0";
    const DecimalDigits d = Decompose(value, precision);
    const std::string significant = StripTrailingZeros(d.digits);
    if (d.exponent > precision || d.exponent < -3)
        return Scientific(d, significant, digits, false, sep);
    const int decimals = std::max(0, static_cast<int>(significant.size()) - d.exponent);
    return (d.negative ? "-" : "") + PlaceDigits(significant, d.exponent, decimals, sep);
}

std::string FormatExponent(double value, int precision, int digits, char sep) {
    precision = std::clamp(precision, 1, 17);
    if (value != 0) {
        // The standard conversion already rounds to the digits wanted; only the
        // marks and the exponent's sign and width differ. Every sample and
        // spectrum line goes through here.
        char buffer[48];
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, precision - 1);
        const char* e = std::find(buffer, end, 'e');
        std::string text;
        text.reserve(static_cast<size_t>(end - buffer) + 4);
        for (const char* p = buffer; p < e; ++p)
            text += *p == '.' ? sep : *p;
        text += 'E';
        const char* exponent = e + 1;
        text += *exponent == '-' ? '-' : '+';
        if (*exponent == '-' || *exponent == '+') ++exponent;
        while (exponent + 1 < end && *exponent == '0')
            ++exponent; // the standard pads to two digits
        for (auto width = static_cast<int>(end - exponent); width < digits; ++width)
            text += '0';
        text.append(exponent, static_cast<size_t>(end - exponent));
        return text;
    }
    {
        DecimalDigits zero;
        zero.negative = std::signbit(value);
        zero.exponent = 1;
        return Scientific(zero, std::string(precision, '0'), digits, true, sep);
    }
    const DecimalDigits d = Decompose(value, precision);
    return Scientific(d, d.digits, digits, true, sep);
}

std::string FormatFixed(double value, int precision, int decimals, char sep) {
    decimals = std::clamp(decimals, 0, 18);
    if (value == 0) return PlaceDigits("0", 1, decimals, sep);
    DecimalDigits d = Decompose(value, precision);
    if (d.exponent > precision) return FormatGeneral(value, precision, 0, sep);
    // The decimals may allow fewer digits than the precision: round again there.
    const int kept = d.exponent + decimals;
    if (kept < static_cast<int>(d.digits.size())) {
        if (kept >= 1) {
            d = Decompose(value, kept);
        } else {
            const double unit = std::pow(10.0, -decimals);
            const bool roundsUp = kept == 0 && std::fabs(value) >= 0.5 * unit;
            d.digits = roundsUp ? "1" : "0";
            d.exponent = roundsUp ? 1 - decimals : 1;
        }
    }
    const bool isZero = d.digits.find_first_not_of('0') == std::string::npos;
    return (d.negative && !isZero ? "-" : "") + PlaceDigits(d.digits, d.exponent, decimals, sep);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the shape of a number: an optional sign, digits with at most one
// decimal separator, an optional exponent. Reports where the separator is.
bool NumberShape(std::string_view text, char sep, size_t& sepPos) {
    size_t i = 0;
    const size_t n = text.size();
    sepPos = std::string_view::npos;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    size_t mantissaDigits = 0;
    while (i < n && IsDigit(text[i]))
        ++i, ++mantissaDigits;
    if (i < n && text[i] == sep) {
        sepPos = i++;
        while (i < n && IsDigit(text[i]))
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < n && IsDigit(text[i]))
            ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == n;
}

[[noreturn]] void ThrowNotNumber(std::string_view text, const char* what) {
    throw ConvertError("'" + std::string(text) + "' is not a valid " + what);
}

} // namespace

std::string FormatFloat(double value, FloatForm form, int precision, int digits,
                        char decimalSeparator) {
    if (!std::isfinite(value)) return NonFinite(value);
    precision = std::clamp(precision, 1, 17);
    digits = std::clamp(digits, 0, 4);
    switch (form) {
    case FloatForm::General:
        return FormatGeneral(value, precision, digits, decimalSeparator);
    case FloatForm::Exponent:
        return FormatExponent(value, precision, digits, decimalSeparator);
    case FloatForm::Fixed:
        return FormatFixed(value, precision, digits, decimalSeparator);
    }
    return {};
}

std::string FormatFloat(double value, FloatForm form, int precision, int digits) {
    return FormatFloat(value, form, precision, digits, CurrentFormat().DecimalSeparator);
}

std::string FloatToStr(double value, char decimalSeparator) {
    return FormatFloat(value, FloatForm::General, 15, 0, decimalSeparator);
}

std::string FloatToStr(double value) {
    return FloatToStr(value, CurrentFormat().DecimalSeparator);
}

bool TryParseFloat(std::string_view text, char decimalSeparator, double& value) {
    text = TrimBlanks(text);
    size_t sepPos = 0;
    if (!NumberShape(text, decimalSeparator, sepPos)) return false;
    // from_chars reads '.' and no leading '+': hand it the number in that form,
    // copied only when it differs.
    char buffer[64];
    std::string copy;
    std::string_view number = text;
    const bool plus = number.front() == '+';
    if (plus || (sepPos != std::string_view::npos && decimalSeparator != '.')) {
        char* out = buffer;
        if (number.size() >= sizeof buffer) {
            copy.assign(number);
            out = copy.data();
        } else {
            std::copy(number.begin(), number.end(), buffer);
        }
        if (sepPos != std::string_view::npos) out[sepPos] = '.';
        number = std::string_view(out, number.size());
        if (plus) number.remove_prefix(1);
    }
    double parsed = 0;
    const char* first = number.data();
    const char* last = first + number.size();
    auto [end, ec] = std::from_chars(first, last, parsed);
    if (end != last) return false;
    if (ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is no number the program can hold.
        const auto e = number.find_first_of("eE");
        if (e == std::string_view::npos || e + 1 >= number.size() || number[e + 1] != '-')
            return false;
        parsed = 0.0;
    } else if (ec != std::errc()) {
        return false;
    }
    value = parsed;
    return true;
}

double ParseFloat(std::string_view text, char decimalSeparator) {
    double value = 0;
    if (!TryParseFloat(text, decimalSeparator, value)) ThrowNotNumber(text, "floating point value");
    return value;
}

double ParseFloat(std::string_view text) {
    return ParseFloat(text, CurrentFormat().DecimalSeparator);
}

bool TryParseInt(std::string_view text, int& value) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return false;
    int parsed = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    value = parsed;
    return true;
}

int ParseInt(std::string_view text) {
    int value = 0;
    if (!TryParseInt(text, value)) ThrowNotNumber(text, "integer value");
    return value;
}

} // namespace ombrix

#include "core/NumberFormat.h"
#include "core/NumberFormatDetail.h"

#include "core/ConvertError.h"
#include "core/FormatSettings.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
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

// The form std::to_chars gives in scientific notation with precision - 1
// decimals ("-1.2346e-06"), for up to 9 digits, or nullptr when the quick way
// cannot be sure of the rounding. The value is scaled by an exactly held power
// of ten, which rounds once (relative error at most 2^-53, below 1e-7 of a
// unit of the last digit); only a scaled value that close to a half is left to
// the exact conversion.
const char* QuickScientific(char* out, double value, int precision) {
    static constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int kExactPower = 22;
    constexpr double kUnsure = 1e-6;
    if (precision > 9 || !std::isfinite(value) || value == 0) return nullptr;
    const double magnitude = std::fabs(value);
    // The decimal exponent from the binary one (a logarithm costs more than
    // the rest together): at most one too small, which the scaling corrects.
    const int binary =
        static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7FF) - 1023;
    int exponent = static_cast<int>(std::floor(binary * 0.30102999566398120));
    const double lowest = kExactPowers[precision - 1];
    const double limit = kExactPowers[precision];
    double scaled = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int shift = precision - 1 - exponent;
        if (shift > kExactPower || shift < -kExactPower) return nullptr;
        scaled = shift >= 0 ? magnitude * kExactPowers[shift] : magnitude / kExactPowers[-shift];
        if (scaled < lowest) {
            --exponent; // log10 fell just above a power of ten
        } else if (scaled >= limit) {
            ++exponent;
        } else {
            break;
        }
    }
    if (scaled < lowest || scaled >= limit) return nullptr;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < kUnsure) return nullptr;
    auto digits = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    if (digits == static_cast<std::uint64_t>(limit)) {
        digits /= 10; // 9.9999|7 became 10.000
        ++exponent;
    }
    char significant[24];
    const char* last = std::to_chars(significant, significant + sizeof significant, digits).ptr;
    char* o = out;
    if (value < 0) *o++ = '-';
    *o++ = significant[0];
    if (last - significant > 1) {
        *o++ = '.';
        for (const char* p = significant + 1; p < last; ++p)
            *o++ = *p;
    }
    *o++ = 'e';
    *o++ = exponent < 0 ? '-' : '+';
    const int size = std::abs(exponent);
    if (size < 10) *o++ = '0';
    return std::to_chars(o, o + 4, size).ptr;
}

} // namespace

char* WriteExponent(char* out, double value, int precision, int digits, char sep) {
    precision = std::clamp(precision, 1, 17);
    digits = std::clamp(digits, 0, 4);
    if (value == 0) {
        DecimalDigits zero;
        zero.negative = std::signbit(value);
        zero.exponent = 1;
        const std::string text = Scientific(zero, std::string(precision, '0'), digits, true, sep);
        return std::copy(text.begin(), text.end(), out);
    }
    // The standard conversion already rounds to the digits wanted; only the
    // marks and the exponent's sign and width differ. Every sample and
    // spectrum line goes through here: the usual few digits take the quick
    // way first, and the text goes straight where it is wanted.
    char buffer[48];
    char* o = out;
    const char* end = QuickScientific(buffer, value, precision);
    if (!end)
        end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                            precision - 1)
                  .ptr;
    const char* e = std::find(static_cast<const char*>(buffer), end, 'e');
    for (const char* p = buffer; p < e; ++p)
        *o++ = *p == '.' ? sep : *p;
    *o++ = 'E';
    const char* exponent = e + 1;
    *o++ = *exponent == '-' ? '-' : '+';
    if (*exponent == '-' || *exponent == '+') ++exponent;
    while (exponent + 1 < end && *exponent == '0')
        ++exponent; // the standard pads to two digits
    for (auto width = static_cast<int>(end - exponent); width < digits; ++width)
        *o++ = '0';
    for (; exponent < end; ++exponent)
        *o++ = *exponent;
    return o;
}

namespace {

void AppendExponent(std::string& out, double value, int precision, int digits, char sep) {
    char text[kMaxExponentText];
    out.append(text, WriteExponent(text, value, precision, digits, sep));
}

std::string FormatExponent(double value, int precision, int digits, char sep) {
    std::string text;
    AppendExponent(text, value, precision, digits, sep);
    return text;
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

void AppendFloat(std::string& out, double value, FloatForm form, int precision, int digits,
                 char decimalSeparator) {
    if (form == FloatForm::Exponent && std::isfinite(value)) {
        AppendExponent(out, value, std::clamp(precision, 1, 17), std::clamp(digits, 0, 4),
                       decimalSeparator);
        return;
    }
    out += FormatFloat(value, form, precision, digits, decimalSeparator);
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

namespace detail {

bool TryParsePlainDecimal(std::string_view text, char decimalSeparator, double& value) {
    // Only the two marks the program knows: any other character could also be
    // a digit, a sign or an exponent letter, which the strict reader sorts out.
    if (decimalSeparator != '.' && decimalSeparator != ',') return false;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && IsBlank(*p))
        ++p;
    while (end > p && IsBlank(end[-1]))
        --end;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    std::uint64_t mantissa = 0;
    const auto digitAt = [](const char* at) {
        return static_cast<unsigned>(static_cast<unsigned char>(*at)) - unsigned{'0'};
    };
    const char* first = p;
    for (; p < end && digitAt(p) <= 9; ++p)
        mantissa = mantissa * 10 + digitAt(p);
    const std::size_t integerDigits = static_cast<std::size_t>(p - first);
    std::size_t decimals = 0;
    if (p < end && *p == decimalSeparator) {
        first = ++p;
        for (; p < end && digitAt(p) <= 9; ++p)
            mantissa = mantissa * 10 + digitAt(p);
        decimals = static_cast<std::size_t>(p - first);
    }
    // More than 19 digits may have wrapped the mantissa: not this path's case.
    const std::size_t digits = integerDigits + decimals;
    if (digits == 0 || digits > 19) return false;
    const int scale = -static_cast<int>(decimals);
    int exponent = 0;
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        bool negativeExponent = false;
        if (p < end && (*p == '+' || *p == '-')) negativeExponent = *p++ == '-';
        int exponentDigits = 0;
        for (; p < end && IsDigit(*p); ++p, ++exponentDigits)
            if (exponent < 100000) exponent = exponent * 10 + (*p - '0');
        if (exponentDigits == 0) return false;
        if (negativeExponent) exponent = -exponent;
    }
    if (p != end) return false;
    // A mantissa that a double holds exactly, scaled by a power of ten that it
    // holds exactly, is rounded once by the one multiplication or division:
    // the correctly rounded result, as the strict reader gives it.
    static constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 53;
    constexpr int kExactPower = 22;
    const int power = exponent + scale;
    if (mantissa > kExactMantissa || power < -kExactPower || power > kExactPower) return false;
    double result = static_cast<double>(mantissa);
    result = power < 0 ? result / kExactPowers[-power] : result * kExactPowers[power];
    value = negative ? -result : result;
    return true;
}

bool TryParseFloatStrict(std::string_view text, char decimalSeparator, double& value) {
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

} // namespace detail

bool TryParseFloat(std::string_view text, char decimalSeparator, double& value) {
    // Nearly every number of a transfer is a short plain decimal: read it
    // directly, everything else by the strict reader.
    return detail::TryParsePlainDecimal(text, decimalSeparator, value) ||
           detail::TryParseFloatStrict(text, decimalSeparator, value);
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
    // One to nine digits and nothing else, the sample and element numbers of a
    // transfer, cannot overflow: read directly, in one pass.
    if (!text.empty() && text.size() <= 9) {
        int parsed = 0;
        std::size_t i = 0;
        for (; i < text.size(); ++i) {
            const unsigned digit = static_cast<unsigned char>(text[i]) - unsigned{'0'};
            if (digit > 9) break;
            parsed = parsed * 10 + static_cast<int>(digit);
        }
        if (i == text.size()) {
            value = parsed;
            return true;
        }
    }
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

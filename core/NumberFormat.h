#pragma once
// The one float formatter and the one strict number parser of the program.
// Every number the program shows or writes goes through FormatFloat; every
// number it reads from text goes through ParseFloat or ParseInt. Both take the
// decimal separator explicitly; the overloads without it use the current one.

#include <cstddef>
#include <string>
#include <string_view>

namespace ombrix {

enum class FloatForm {
    // Shortest of fixed and scientific with `precision` significant digits;
    // scientific when the number needs more than `precision` integer digits or
    // is below 1e-4; `digits` is the minimum number of exponent digits (1E15,
    // 1.5E-07 with digits 2). Trailing zeros are dropped.
    General,
    // d.dddE+XX with `precision` significant digits and at least `digits`
    // exponent digits, sign always written (1.2345E+01).
    Exponent,
    // Rounded to `precision` significant digits, written with exactly `digits`
    // decimals; a number with more than `precision` integer digits falls back to
    // the scientific form of General.
    Fixed,
};

std::string FormatFloat(double value, FloatForm form, int precision, int digits,
                        char decimalSeparator);
std::string FormatFloat(double value, FloatForm form, int precision, int digits);
// FormatFloat appended to `out`, without a string of its own for the common
// forms (writers of long files append every number this way).
void AppendFloat(std::string& out, double value, FloatForm form, int precision, int digits,
                 char decimalSeparator);

// The Exponent form of a finite value written at `out`, which has room for
// kMaxExponentText characters; returns the end of the text.
constexpr std::size_t kMaxExponentText = 40;
char* WriteExponent(char* out, double value, int precision, int digits, char decimalSeparator);

// General form with 15 significant digits: the plain text of a double.
std::string FloatToStr(double value, char decimalSeparator);
std::string FloatToStr(double value);

// Strict readers: optional blanks around, an optional sign, digits with at most
// one decimal separator, an optional exponent. Anything else, an empty text or a
// value out of range throws ConvertError.
double ParseFloat(std::string_view text, char decimalSeparator);
double ParseFloat(std::string_view text);
bool TryParseFloat(std::string_view text, char decimalSeparator, double& value);
int ParseInt(std::string_view text);
bool TryParseInt(std::string_view text, int& value);

} // namespace ombrix

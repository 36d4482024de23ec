#include "core/ConvertError.h"
#include "core/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace ombrix;

namespace {

struct FormatCase {
    double value;
    FloatForm form;
    int precision;
    int digits;
    char sep;
    const char* expected;
};

TEST(NumberFormat, EveryFormTheProgramWrites) {
    const FormatCase cases[] = {
        // general: shortest text, scientific past the precision or below 1e-4
        {12.3, FloatForm::General, 5, 4, '.', "12.3"},
        {1.23456789, FloatForm::General, 5, 4, '.', "1.2346"},
        {45.678, FloatForm::General, 3, 2, '.', "45.7"},
        {100.0, FloatForm::General, 15, 0, '.', "100"},
        {0.0001, FloatForm::General, 15, 0, '.', "0.0001"},
        {0.00001, FloatForm::General, 15, 0, '.', "1E-5"},
        {1e15, FloatForm::General, 15, 0, '.', "1E15"},
        {123456.0, FloatForm::General, 5, 2, '.', "1.2346E05"},
        {99999.6, FloatForm::General, 5, 0, '.', "1E5"},
        {-2.5, FloatForm::General, 15, 0, ',', "-2,5"},
        {0.1 + 0.2, FloatForm::General, 15, 0, '.', "0.3"},
        {1.5e-7, FloatForm::General, 5, 2, '.', "1.5E-07"},
        {0.0, FloatForm::General, 15, 0, '.', "0"},
        // exponent: fixed number of digits, sign always
        {12.345, FloatForm::Exponent, 5, 2, '.', "1.2345E+01"},
        {12.345, FloatForm::Exponent, 5, 2, ',', "1,2345E+01"},
        {-0.000123456, FloatForm::Exponent, 5, 2, '.', "-1.2346E-04"},
        {0.0, FloatForm::Exponent, 5, 2, '.', "0.0000E+00"},
        {1e100, FloatForm::Exponent, 5, 2, '.', "1.0000E+100"},
        {5e-12, FloatForm::Exponent, 5, 3, '.', "5.0000E-012"},
        // fixed: rounded to the precision, then exactly `digits` decimals
        {50.0, FloatForm::Fixed, 5, 2, '.', "50.00"},
        {123.456, FloatForm::Fixed, 5, 2, '.', "123.46"},
        {3.14159265, FloatForm::Fixed, 5, 4, '.', "3.1416"},
        {12.3456789, FloatForm::Fixed, 5, 4, '.', "12.3460"},
        {1.23456, FloatForm::Fixed, 5, 2, '.', "1.23"},
        {0.006, FloatForm::Fixed, 5, 2, '.', "0.01"},
        {0.004, FloatForm::Fixed, 5, 2, '.', "0.00"},
        {-0.004, FloatForm::Fixed, 5, 2, '.', "0.00"},
        {2047.0, FloatForm::Fixed, 4, 0, '.', "2047"},
        {50.0, FloatForm::Fixed, 3, 1, ',', "50,0"},
        {1500.0, FloatForm::Fixed, 3, 1, '.', "1.5E3"},
        {0.0, FloatForm::Fixed, 5, 2, '.', "0.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFloat(c.value, c.form, c.precision, c.digits, c.sep), c.expected)
            << c.value << " form " << static_cast<int>(c.form) << " " << c.precision << "/" << c.digits;
    }
}

TEST(NumberFormat, NonFiniteValuesHaveATextAndDoNotCrash) {
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::quiet_NaN(), '.'), "NAN");
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::infinity(), '.'), "INF");
    EXPECT_EQ(FormatFloat(-std::numeric_limits<double>::infinity(), FloatForm::Exponent, 5, 2, '.'), "-INF");
}

TEST(NumberFormat, WrittenNumbersReadBackExactlyEnough) {
    for (double v : {1.2345e-7, 3.0, -9.8765e12, 0.5, 49.999999}) {
        const std::string text = FormatFloat(v, FloatForm::Exponent, 5, 2, ',');
        EXPECT_NEAR(ParseFloat(text, ','), v, std::fabs(v) * 1e-4) << text;
    }
    EXPECT_EQ(ParseFloat(FloatToStr(0.1 + 0.2, '.'), '.'), 0.3);
}

struct ParseCase {
    const char* text;
    char sep;
    bool ok;
    double value;
};

TEST(NumberFormat, StrictParserAcceptsOnlyWholeNumbers) {
    const ParseCase cases[] = {
        {"1.5", '.', true, 1.5},
        {"  -2,5  ", ',', true, -2.5},
        {"+3", '.', true, 3.0},
        {"1.2345E+01", '.', true, 12.345},
        {"1,2345e-2", ',', true, 0.012345},
        {".5", '.', true, 0.5},
        {"5.", '.', true, 5.0},
        {"1e-400", '.', true, 0.0},
        {"2,5", '.', false, 0},   // the other decimal mark
        {"1.5", ',', false, 0},
        {"1,000.5", '.', false, 0}, // no thousands separators
        {"", '.', false, 0},
        {"   ", '.', false, 0},
        {"-", '.', false, 0},
        {".", '.', false, 0},
        {"1e", '.', false, 0},
        {"1e+", '.', false, 0},
        {"abc", '.', false, 0},
        {"12abc", '.', false, 0},
        {"1.5 k", '.', false, 0},
        {"nan", '.', false, 0},
        {"inf", '.', false, 0},
        {"0x10", '.', false, 0},
        {"1e400", '.', false, 0}, // beyond a double
        {"--1", '.', false, 0},
        {"1..2", '.', false, 0},
    };
    for (const auto& c : cases) {
        double value = -1;
        EXPECT_EQ(TryParseFloat(c.text, c.sep, value), c.ok) << "'" << c.text << "'";
        if (c.ok) {
            EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        } else {
            EXPECT_THROW(ParseFloat(c.text, c.sep), ConvertError) << c.text;
        }
    }
}

TEST(NumberFormat, IntegerParser) {
    EXPECT_EQ(ParseInt(" 42 "), 42);
    EXPECT_EQ(ParseInt("-7"), -7);
    EXPECT_EQ(ParseInt("+7"), 7);
    for (const char* bad : {"", "4.2", "42x", "++1", "99999999999", "x"}) {
        EXPECT_THROW(ParseInt(bad), ConvertError) << bad;
    }
}

} // namespace

// The quick paths of reading and writing transfer text must give exactly what
// the general code gives: the same double bit for bit, the same lines, the same
// cells. Each is checked against the general code on tricky cases and on many
// generated ones.

#include "core/NumberFormat.h"
#include "core/NumberFormatDetail.h"
#include "core/SafeFile.h"
#include "datasets/TransferFields.h"
#include "datasets/TransferLines.h"
#include "export/ExportCells.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace ombrix;

namespace {

// Whatever TryParseFloat answers must be what the strict reader alone answers;
// and where the quick reader takes a text, the strict reader must agree.
void ExpectSameReading(const std::string& text, char separator) {
    double strict = 12345.0;
    const bool strictOk = detail::TryParseFloatStrict(text, separator, strict);
    double quick = 12345.0;
    const bool quickOk = detail::TryParsePlainDecimal(text, separator, quick);
    if (quickOk) {
        ASSERT_TRUE(strictOk) << "quick reader took '" << text << "' (" << separator << ")";
        EXPECT_EQ(std::bit_cast<std::uint64_t>(quick), std::bit_cast<std::uint64_t>(strict))
            << "'" << text << "' (" << separator << ")";
    } else {
        EXPECT_EQ(quick, 12345.0) << "value touched on refusal: '" << text << "'";
    }
    double combined = 12345.0;
    EXPECT_EQ(TryParseFloat(text, separator, combined), strictOk) << "'" << text << "'";
    if (strictOk)
        EXPECT_EQ(std::bit_cast<std::uint64_t>(combined), std::bit_cast<std::uint64_t>(strict))
            << "'" << text << "'";
}

TEST(FastPathEquivalence, FloatReadingOnTrickyTexts) {
    const char* texts[] = {
        // zeros and signs
        "0", "-0", "+0", "-0.0", "0.0e5", "-0e-400", "0e99999999999999999999", "+-1", "-+1",
        // the limits of the exact computation
        "9007199254740992", "9007199254740993", "9007199254740991.0", "1e22", "1e23", "1e-22",
        "1e-23", "4.7e22", "9999999999999999999", "99999999999999999999", "1234567890123456789e3",
        "0.0000000000000000000000001", "00000000000000000000001", "1.7976931348623157e308",
        "1.8e308", "4.9e-324", "2.2250738585072011e-308", "1e-400", "1e400",
        "1e0000000000000000000001", "1e-99999999999",
        // the shapes the analyser writes
        "1.2345E-06", "-1.2345E-06", "9.9999E+99", "1.0000E+00", "2.0000e-9", "12345", "5.", ".5",
        "+.5", "-.5e-3",
        // blanks, separators and garbage
        " 1.5", "1.5 ", "\t1.5\t", " ", "", "1 .5", "1. 5", "1,5", "1.5", "1..5", "1,,5", ".", "-",
        "+", "e5", ".e5", "1e", "1e+", "1e-", "1ee5", "1e5.5", "0x1p3", "inf", "nan", "1_000",
        "1\n",
        "\xB5"
        "1",
        "1.5E+06garbage"};
    for (const char* text : texts)
        for (char separator : {'.', ','})
            ExpectSameReading(text, separator);
}

TEST(FastPathEquivalence, FloatReadingOnGeneratedDecimals) {
    // Mantissas of every length up to 21 digits, marks anywhere, exponents
    // inside and outside the exact range, both marks and both letter cases.
    std::mt19937_64 random(20261211);
    const std::string digits = "0123456789";
    for (int n = 0; n < 200000; ++n) {
        std::string text;
        if (random() % 4 == 0) text += random() % 2 ? '-' : '+';
        const int length = 1 + static_cast<int>(random() % 21);
        const int mark = static_cast<int>(random() % (length + 2)) - 1;
        const char separator = random() % 2 ? '.' : ',';
        for (int i = 0; i < length; ++i) {
            if (i == mark) text += separator;
            text += digits[random() % 10];
        }
        if (mark == length) text += separator;
        if (random() % 2) {
            text += random() % 2 ? 'E' : 'e';
            const int exponent = static_cast<int>(random() % 80) - 40;
            text += std::to_string(exponent);
        }
        ExpectSameReading(text, separator);
        if (HasFailure()) return;
    }
}

TEST(FastPathEquivalence, IntegerReadingOfShortDigitRuns) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"0", true, 0},
        {"000000007", true, 7},
        {"123456789", true, 123456789},
        {"999999999", true, 999999999},
        {"1234567890", true, 1234567890},
        {"2147483647", true, 2147483647},
        {"2147483648", false, 0},
        {"-1", true, -1},
        {"+5", true, 5},
        {" 12 ", true, 12},
        {"1 2", false, 0},
        {"", false, 0},
        {"12a", false, 0},
        {"0000000000012", true, 12},
    };
    for (const Case& c : cases) {
        int value = -99;
        EXPECT_EQ(TryParseInt(c.text, value), c.ok) << "'" << c.text << "'";
        if (c.ok) EXPECT_EQ(value, c.value) << "'" << c.text << "'";
    }
}

TEST(FastPathEquivalence, AppendFloatWritesWhatFormatFloatWrites) {
    const double values[] = {0.0,     -0.0,    1.0,  -1.0,   1.23456789e-6, 9.99995e99,
                             1e-320,  1.7e308, 0.5,  123456, 2.5e-5,        -7.25e12,
                             1.0 / 3, 1e15,    1e16, 99999.5};
    for (double value : values)
        for (FloatForm form : {FloatForm::General, FloatForm::Exponent, FloatForm::Fixed})
            for (char separator : {'.', ','}) {
                std::string appended = "x";
                AppendFloat(appended, value, form, 5, 2, separator);
                EXPECT_EQ(appended, "x" + FormatFloat(value, form, 5, 2, separator)) << value;
            }
    std::string special;
    AppendFloat(special, std::numeric_limits<double>::infinity(), FloatForm::Exponent, 5, 2, '.');
    EXPECT_EQ(special, "INF");
}

// The exponent form as the standard conversion rounds it, marks and exponent
// rewritten the slow way: the reference for the text built on the stack.
std::string ReferenceExponent(double value, int precision, int digits) {
    char buffer[64];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::scientific, precision - 1)
                          .ptr;
    const std::string text(static_cast<const char*>(buffer), end);
    const auto e = text.find('e');
    std::string exponent = text.substr(e + 2);
    while (exponent.size() > 1 && exponent.front() == '0')
        exponent.erase(0, 1);
    while (static_cast<int>(exponent.size()) < digits)
        exponent.insert(0, "0");
    std::string mantissa = text.substr(0, e);
    for (char& c : mantissa)
        if (c == '.') c = ',';
    return mantissa + "E" + (text[e + 1] == '-' ? "-" : "+") + exponent;
}

TEST(FastPathEquivalence, ExponentFormIsTheRoundedTextForEveryPrecision) {
    std::vector<double> values = {
        1.0,      -1.0,    2.1234e-6,         9.99995e99, 5e-324, 1.7976931348623157e308,
        0.1,      1.0 / 3, 123456789012345.0, 1e23,       2.5,    0.125,
        -9.5e-300};
    std::mt19937_64 random(11);
    for (int n = 0; n < 20000; ++n) {
        // Values read from short texts and arbitrary bit patterns, subnormals too.
        const double shortText = static_cast<double>(random() % 100000) *
                                 std::pow(10.0, static_cast<int>(random() % 40) - 20);
        values.push_back(random() % 2 ? shortText : -shortText);
        const double any = std::bit_cast<double>(random());
        if (std::isfinite(any) && any != 0) values.push_back(any);
    }
    for (double value : values) {
        if (value == 0) continue;
        for (int precision = 1; precision <= 17; ++precision) {
            const std::string written = FormatFloat(value, FloatForm::Exponent, precision, 2, ',');
            ASSERT_EQ(written, ReferenceExponent(value, precision, 2))
                << value << " with " << precision << " digits";
        }
    }
}

// The word-at-a-time line splitter against the plain one of SafeFile, which
// documents the same rules.
TEST(FastPathEquivalence, LineSplittingMatchesThePlainSplitter) {
    std::vector<std::string> texts = {"",
                                      "\n",
                                      "\r\n",
                                      "a",
                                      "a\n",
                                      "a\r\n",
                                      "a\r\nb",
                                      "\n\n\n",
                                      "\r",
                                      "a\rb\n",
                                      "1234567\n89",
                                      "12345678\n9",
                                      "123456789\n",
                                      "\n1234567",
                                      "\xFF\x8A\x0A\x8A\n\xFF"};
    std::mt19937 random(7);
    const char alphabet[] = {
        'a', ';', ' ', '\r', '\n', '\n', static_cast<char>(0x8A), static_cast<char>(0xFF)};
    for (int n = 0; n < 2000; ++n) {
        std::string text;
        const int length = static_cast<int>(random() % 70);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % sizeof alphabet];
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        EXPECT_EQ(TransferLines::FromText(text).ToVector(), SplitLines(text)) << text;
        // Appended in two pieces, as live blocks are.
        TransferLines appended = TransferLines::FromText("head");
        appended.AppendText(text);
        std::vector<std::string> expected = SplitLines(text);
        expected.insert(expected.begin(), "head");
        EXPECT_EQ(appended.ToVector(), expected) << text;
    }
}

// CellWriter against AppendCell and StripLastSeparator, which build the
// record lines of every kind.
TEST(FastPathEquivalence, CellWriterBuildsTheLinesAppendCellBuilds) {
    struct Cell {
        std::string text;
        std::size_t width;
    };
    const std::vector<std::vector<Cell>> lines = {
        {{"0", 5}, {"1.2345E-06", 11}, {"OK", 6}},
        {{"123456", 5}, {"-1.2345E-06", 11}, {"invalid value", 6}, {"50", 10}},
        {{"", 5}, {"", 0}},
        {{std::string(150, 'x'), 5}, {"y", 200}, {"z", 3}},
        {{std::string(60, 'a'), 5}, {std::string(60, 'b'), 5}, {"c", 4}},
    };
    for (bool csv : {true, false}) {
        SetExportSeparator(csv);
        const std::string separator = GetExportSeparator();
        for (bool strip : {false, true}) {
            for (const auto& cells : lines) {
                std::string expected = "prefix";
                std::string line;
                for (const Cell& cell : cells)
                    AppendCell(line, cell.text, cell.width);
                if (strip) StripLastSeparator(line);
                expected += line;

                std::string built = "prefix";
                CellWriter writer(built, separator);
                for (const Cell& cell : cells)
                    writer.Text(cell.text, cell.width);
                if (strip) writer.StripLastSeparator();
                writer.Finish();
                EXPECT_EQ(built, expected) << "csv " << csv << " strip " << strip;
            }
        }
    }
    // The last separator may lie in the part already appended, or nowhere.
    std::string built;
    CellWriter writer(built, "|");
    writer.Text(std::string(120, 'q'), 0);
    writer.StripLastSeparator();
    writer.Text("tail", 0);
    writer.StripLastSeparator();
    writer.StripLastSeparator();
    writer.Finish();
    EXPECT_EQ(built, std::string(120, 'q') + "tail");
    SetExportSeparator(true);
}

TEST(FastPathEquivalence, NumberCellsMatchTheirTexts) {
    SetExportSeparator(true);
    const std::string separator = GetExportSeparator();
    for (char decimal : {'.', ','}) {
        std::string built;
        CellWriter writer(built, separator);
        writer.Decimal(-2147483647 - 1, 5);
        writer.Exponent(-1.23456e-7, decimal, 11);
        writer.Decimal(7, 5);
        writer.Finish();
        std::string expected;
        AppendCell(expected, DecimalText(-2147483647 - 1), 5);
        AppendCell(expected, FormatFloat(-1.23456e-7, FloatForm::Exponent, 5, 2, decimal), 11);
        AppendCell(expected, DecimalText(7), 5);
        EXPECT_EQ(built, expected);
    }
}

} // namespace

#include "TestSupport.h"

#include "core/Ombrix.h"

#include <gtest/gtest.h>

using namespace ombrix;

namespace {

class OmbrixHelpers : public test::ModelTest {};

TEST_F(OmbrixHelpers, FormatValueChoosesTheEngineeringPrefix) {
    const struct {
        double value;
        const char* unit;
        const char* expected;
    } cases[] = {
        {0.0000123, "T", "12.3 \xB5T"},
        {1234567, "Hz", "1.2346 MHz"},
        {0, "V/m", "0 V/m"},
        {45.678, "%", "45.7 %"},
        {2.5e9, "Hz", "2.5 GHz"},
        {1500, "V/m", "1.5 kV/m"},
        {1, "T", "1 T"},
        {0.2, "T", "200 mT"},
        {3e-9, "T", "3 nT"},
        {5e-12, "T", "5 pT"},
        {-0.0000123, "T", "-12.3 \xB5T"},
        {2e-13, "T", "2.0000E-13 T"},
        // The prefix follows the rounded value: a tesla value converted to gauss.
        {0.0001 * 10000, "G", "1 G"},
        {0.99999999, "G", "1 G"},
        {999.99999, "Hz", "1 kHz"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatValue(c.value, c.unit), c.expected) << c.value;

    UseFormats(test::GermanFormats());
    EXPECT_EQ(FormatValue(0.0000123, "T"), "12,3 \xB5T");
}

TEST_F(OmbrixHelpers, PrefixOfGivesFactorAndLetter) {
    std::string prefix = "x";
    EXPECT_EQ(PrefixOf(5e-12, prefix), 1e-12);
    EXPECT_EQ(prefix, "p");
    EXPECT_EQ(PrefixOf(2e-6, prefix), 1e-6);
    EXPECT_EQ(prefix, "\xB5");
    EXPECT_EQ(PrefixOf(42, prefix), 1.0);
    EXPECT_EQ(prefix, "");
    EXPECT_EQ(PrefixOf(0, prefix), 1.0);
    EXPECT_EQ(prefix, "");
    EXPECT_EQ(PrefixOf(-3e6, prefix), 1e6);
    EXPECT_EQ(prefix, "M");
}

TEST_F(OmbrixHelpers, ParseValueReadsPrefixesAndNeverFails) {
    EXPECT_DOUBLE_EQ(ParseValue("1.5 k", false), 1500);
    EXPECT_DOUBLE_EQ(ParseValue("abc", false), 0);
    EXPECT_DOUBLE_EQ(ParseValue("100 m", true), 100);
    EXPECT_DOUBLE_EQ(ParseValue("100 m", false), 0.1);
    EXPECT_DOUBLE_EQ(ParseValue("2 M", false), 2e6);
    EXPECT_DOUBLE_EQ(ParseValue("3u", false), 3e-6);
    EXPECT_DOUBLE_EQ(ParseValue("3\xB5T", false), 3e-6);
    EXPECT_DOUBLE_EQ(ParseValue("7 n", false), 7e-9);
    EXPECT_DOUBLE_EQ(ParseValue("7p", false), 7e-12);
    // Fractional prefixes give the nearest double, not a product's rounding error.
    EXPECT_EQ(ParseValue("10 \xB5T", false), 1e-5);
    EXPECT_EQ(ParseValue("3 m", false), 0.003);
    EXPECT_DOUBLE_EQ(ParseValue("  12  ", false), 12);
    EXPECT_DOUBLE_EQ(ParseValue("50 Hz", false), 50); // any other letter: factor 1
    EXPECT_DOUBLE_EQ(ParseValue("", false), 0);
    EXPECT_DOUBLE_EQ(ParseValue("1.2.3", false), 0);
    EXPECT_DOUBLE_EQ(ParseValue("1 000", false), 1000); // blanks go first
    EXPECT_DOUBLE_EQ(ParseValue("2,5m", false), 0);      // comma is no decimal mark here
    UseFormats(test::GermanFormats());
    EXPECT_DOUBLE_EQ(ParseValue("2,5m", false), 0.0025);
}

TEST_F(OmbrixHelpers, CheckRangeModesAndMessage) {
    const struct {
        const char* text;
        int mode;
        bool accepted;
    } cases[] = {
        {"10", 1, false}, {"10.001", 1, true}, {"100", 1, true},  {"100.1", 1, false},
        {"10", 2, true},  {"100", 2, false},   {"99.9", 2, true}, {"10", 0, true},
        {"100", 0, true}, {"9.99", 0, false},  {"abc", 0, false}, {"100", 3, true},
    };
    for (const auto& c : cases) {
        const auto result = CheckRangeText(c.text, 10, 100, "Hz", false, c.mode);
        EXPECT_EQ(result.accepted, c.accepted) << c.text << " mode " << c.mode;
        EXPECT_EQ(result.message.empty(), c.accepted);
    }
    EXPECT_EQ(CheckRangeText("5", 15, 2000, "Hz", false, 0).message,
              "Only values between 15 Hz and 2000 Hz are valid");
    EXPECT_EQ(CheckRangeText("40 k", 1, 32000, "Hz", true, 0).message,
              "Only values between 1 Hz and 32 kHz are valid");
    EXPECT_EQ(CheckRangeText("30", 1, 20, "", false, 0).message, "Only values between 1 and 20 are valid");
    // A field in metres: the "m" is the unit, not milli.
    EXPECT_TRUE(CheckRangeText("1.5 m", 1, 2, "m", false, 0).accepted);
}

TEST_F(OmbrixHelpers, AboutBoxVersionAndModeWord) {
    EXPECT_EQ(AboutVersionText("1.8.0.0"), "1.08");
    EXPECT_EQ(AboutVersionText(ProgramVersionInfo().productVersion), "1.08");
    EXPECT_EQ(AboutVersionText("2"), "20");
    EXPECT_EQ(ModeByteForCommandLine("remote"), eModeDatalog);
    EXPECT_EQ(ModeByteForCommandLine("DataLog"), eModeRemote);
    EXPECT_EQ(ModeByteForCommandLine(""), eModeUndecided);
    EXPECT_EQ(ModeByteForCommandLine("REMOTE "), eModeUndecided);
}

} // namespace

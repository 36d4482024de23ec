#include "TestSupport.h"

#include "config/Listendecl.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace ombrix;

namespace {

class Vocabulary : public test::ModelTest {};

// The error of a parser names its enumeration.
std::string ErrorOf(const std::function<void()>& parse) {
    try {
        parse();
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
    return "(no error)";
}

TEST_F(Vocabulary, TextsOfCodesIncludingUnknownOnes) {
    EXPECT_EQ(ProbeText(9), "INT_PRB");
    EXPECT_EQ(ProbeText(3), "invalid Value");
    EXPECT_EQ(ModeText(2), "invalid Value");
    EXPECT_EQ(MaxText(2), "invalid value");
    EXPECT_EQ(ValidText(kNotRead), "invalid value");
    EXPECT_EQ(UnitText(4, true), "[A/m]");
    EXPECT_EQ(UnitText(7, true), "[invalid Value]");
    EXPECT_EQ(RangeBText(3), "1 \xB5T");
    EXPECT_EQ(RangeEText(9), "100 kV/m");
    EXPECT_EQ(NavgText(3), "32");
    EXPECT_EQ(SpecNormText(1), "normalized");
    EXPECT_EQ(FilterTypeText(2), "Bandstop");
    EXPECT_EQ(FilterText(3, ','), "30Hz,,32KHz");
    EXPECT_EQ(FilterText(0, '.'), "5Hz..2KHz");
    EXPECT_EQ(FilterText(4, '.'), "invalid value");
    EXPECT_EQ(FRangeText(1, '.'), "40Hz..32KHz");
    EXPECT_EQ(FRangeText(2, '.'), "invalid Value");
}

TEST_F(Vocabulary, ParsersAreExactAndNameTheirEnumeration) {
    EXPECT_EQ(ParseProbe("INT_PRB"), 9);
    EXPECT_EQ(ParseOrvDataType("V"), 5);
    EXPECT_EQ(ParseUnit("[A/m]"), 4);
    EXPECT_EQ(ParseUnit("A/m"), 4);
    EXPECT_EQ(ParseUnit("[%]"), 3);
    EXPECT_EQ(ParseDetectionFFT("PEAK"), 2);
    EXPECT_EQ(ParseDetectionFIL("PEAK"), 1);
    EXPECT_EQ(ParseFilter("30Hz..32KHz"), 3);
    EXPECT_EQ(ParseFRange("40Hz..32KHz"), 1);

    EXPECT_EQ(ErrorOf([] { ParseProbe("int_prb"); }), "Probe");
    EXPECT_EQ(ErrorOf([] { ParseProbe("INT_PRB "); }), "Probe");
    EXPECT_EQ(ErrorOf([] { ParseOrvDataType("X"); }), "OrvDataType");
    EXPECT_EQ(ErrorOf([] { ParseChannel("all"); }), "Channel");
    EXPECT_EQ(ErrorOf([] { ParseMode(""); }), "Mode");
    EXPECT_EQ(ErrorOf([] { ParseUnit("[mT]"); }), "Unit");
    EXPECT_EQ(ErrorOf([] { ParseValid("?"); }), "Valid");
    EXPECT_EQ(ErrorOf([] { ParseDetectionFFT("RMS"); }), "DetectionFFT");
    EXPECT_EQ(ErrorOf([] { ParseDetectionFIL("AVG"); }), "DetectionFIL");
    EXPECT_EQ(ErrorOf([] { ParseMax("max"); }), "Max");
    EXPECT_EQ(ErrorOf([] { ParseFRange("5Hz..32KHz"); }), "FRange");

    UseFormats(test::GermanFormats());
    EXPECT_EQ(ErrorOf([] { ParseFilter("5Hz..2KHz"); }), "Filter");
    EXPECT_EQ(ParseFilter("5Hz,,2KHz"), 0);
}

TEST_F(Vocabulary, ShortFilterForm) {
    EXPECT_EQ(ParseFilterShort("BP"), 1);
    EXPECT_EQ(ParseFilterShort("BS"), 2);
    EXPECT_EQ(ParseFilterShort("5Hz..2KHz"), 0);
    EXPECT_EQ(ParseFilterShort(""), 0);
}

TEST_F(Vocabulary, SplitTokenTakesFieldsOffTheFront) {
    std::string rest = "MEM#  D PROBE";
    EXPECT_EQ(SplitToken(rest, ' '), "MEM#");
    EXPECT_EQ(rest, "D PROBE");

    rest = "VALUE";
    EXPECT_EQ(SplitToken(rest, ' '), "VALUE");
    EXPECT_EQ(rest, "VALUE");
    EXPECT_EQ(SplitToken(rest, ' '), "VALUE");

    rest = " 12 ;  N;";
    EXPECT_EQ(SplitToken(rest, ';'), "12");
    EXPECT_EQ(rest, "N;");
    EXPECT_EQ(SplitToken(rest, ';'), "N");
    EXPECT_EQ(rest, "");
    EXPECT_EQ(SplitToken(rest, ';'), "");
    EXPECT_EQ(rest, "");
}

} // namespace

// The configuration page's rules without a screen: what each measurement mode
// shows and enables, the spectrum choice, the fill order, the B-range texts in
// each unit and the frequency lists of the drop-downs.

#include "mainwindow/ConfigPageRules.h"
#include "config/Listendecl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ombrix {
namespace {

using C = ConfigControl;

struct ModeCase {
    int mode;
    bool eProbe;
    bool has32k;
    // visible / enabled of the controls that change with the mode
    bool eRange[2], bRange[2], unit[2], fstDet[2], fftDet[2], harDet[2];
    bool filterGroup, filterControls, fftFilter[2], normalized[2], navg, fund, standard;
};

TEST(ConfigPageRules, EachModeShowsAndEnablesItsControls) {
    const ModeCase cases[] = {
        // mode  eProbe 32k  eRange         bRange        unit           fstDet         fftDet
        // harDet          fGrp   fCtl   fftFilter       normalized      navg   fund   std
        {eFST,
         false,
         true,
         {false, true},
         {true, true},
         {true, true},
         {true, true},
         {false, false},
         {false, false},
         true,
         true,
         {false, false},
         {false, false},
         false,
         false,
         false},
        {eSTD,
         false,
         true,
         {false, false},
         {true, false},
         {true, false},
         {false, false},
         {false, false},
         {false, false},
         true,
         false,
         {false, false},
         {false, false},
         false,
         false,
         true},
        {eFFT,
         false,
         true,
         {false, true},
         {true, true},
         {true, true},
         {false, false},
         {true, true},
         {false, false},
         false,
         false,
         {true, true},
         {true, true},
         true,
         false,
         true},
        {eFFT,
         false,
         false,
         {false, true},
         {true, true},
         {true, true},
         {false, false},
         {true, true},
         {false, false},
         false,
         false,
         {true, false},
         {true, true},
         true,
         false,
         true},
        {eHAR,
         false,
         true,
         {false, true},
         {true, true},
         {true, true},
         {false, false},
         {false, false},
         {true, true},
         false,
         false,
         {true, false},
         {true, false},
         true,
         true,
         false},
        {eFST,
         true,
         true,
         {true, true},
         {false, true},
         {true, false},
         {true, true},
         {false, false},
         {false, false},
         true,
         true,
         {false, false},
         {false, false},
         false,
         false,
         false},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + (c.eProbe ? " E probe" : "") +
                     (c.has32k ? "" : " without 32 kHz"));
        const ConfigPageStates s = ConfigPageStatesFor(c.mode, c.eProbe, c.has32k);
        auto expect = [&](C control, const bool(&state)[2], const char* name) {
            EXPECT_EQ(s[control].visible, state[0]) << name << " visible";
            EXPECT_EQ(s[control].enabled, state[1]) << name << " enabled";
        };
        expect(C::EMeasRange, c.eRange, "E range");
        expect(C::BMeasRange, c.bRange, "B range");
        expect(C::Unit, c.unit, "unit");
        expect(C::FSTDetection, c.fstDet, "FST detection");
        expect(C::FFTDetection, c.fftDet, "FFT detection");
        expect(C::HarmonicsDetection, c.harDet, "harmonics detection");
        expect(C::FFTFilter, c.fftFilter, "FFT filter");
        expect(C::Normalized, c.normalized, "spectrum");
        EXPECT_EQ(s[C::FSTFilterGroup].visible, c.filterGroup);
        EXPECT_EQ(s[C::FSTFilterControls].enabled, c.filterControls);
        EXPECT_EQ(s[C::NAVG].enabled, c.navg);
        EXPECT_EQ(s[C::Fund].enabled, c.fund);
        EXPECT_EQ(s[C::Standard].enabled, c.standard);
        for (C always : {C::Display, C::Channel}) {
            EXPECT_TRUE(s[always].visible);
            EXPECT_TRUE(s[always].enabled);
        }
    }
}

TEST(ConfigPageRules, NormalisedSpectrumTradesRangeAndUnitForTheStandard) {
    struct Case {
        int mode;
        bool eProbe, normalized;
        bool range, unit, standard;
    } cases[] = {
        {eFFT, false, false, true, true, false},  {eFFT, false, true, false, false, true},
        {eFFT, true, false, true, false, true},   {eHAR, false, true, true, true, false},
        {eSTD, false, false, false, false, true}, {eFST, false, true, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + (c.eProbe ? " E" : " B") +
                     (c.normalized ? " normalized" : " absolute"));
        const SpectrumDependentStates s = NormalizedStates(c.mode, c.eProbe, c.normalized);
        EXPECT_EQ(s.rangeEnabled, c.range);
        EXPECT_EQ(s.unitEnabled, c.unit);
        EXPECT_EQ(s.standardEnabled, c.standard);
    }
}

TEST(ConfigPageRules, FillsOnlyWhatTheModeOffersInTheGivenOrder) {
    EXPECT_EQ(FillSequence(ConfigPageStatesFor(eFST, false, true)),
              (std::vector<C>{C::Display, C::BMeasRange, C::Unit, C::FSTDetection, C::Channel,
                              C::FSTFilterGroup}));
    EXPECT_EQ(FillSequence(ConfigPageStatesFor(eHAR, false, true)),
              (std::vector<C>{C::Display, C::BMeasRange, C::Unit, C::HarmonicsDetection, C::Channel,
                              C::NAVG, C::Fund}));
    // The spectrum comes before the standard, whose enabling it decides.
    EXPECT_EQ(FillSequence(ConfigPageStatesFor(eFFT, true, true)),
              (std::vector<C>{C::Display, C::EMeasRange, C::FFTDetection, C::Channel, C::NAVG,
                              C::FFTFilter, C::Normalized, C::Standard}));
}

TEST(ConfigPageRules, BRangesAreWrittenInThePresentedUnit) {
    const std::vector<std::string> tesla = BRangeTexts(eUnitT);
    ASSERT_EQ(tesla.size(), 13u);
    EXPECT_EQ(tesla[0], "AUTO");
    // The tesla texts are the analyser's own range names.
    for (Code code = 1; code <= 12; ++code)
        EXPECT_EQ(tesla[code], RangeBText(code)) << int(code);

    const std::vector<std::string> gauss = BRangeTexts(eUnitG);
    EXPECT_EQ(gauss[1], "1 mG");
    EXPECT_EQ(gauss[12], "316 G");
    const std::vector<std::string> am = BRangeTexts(eUnitAm);
    EXPECT_EQ(am[1], "79.577 mA/m");
    EXPECT_EQ(am[12], "25.146 kA/m");
}

TEST(ConfigPageRules, FrequencyListsKnowTheirLimitsAndEntries) {
    EXPECT_EQ(FrequencyLimitsOf(ConfigItem::BPFRQ).min, 15);
    EXPECT_EQ(FrequencyLimitsOf(ConfigItem::BSFRQ).max, 2000);
    EXPECT_EQ(FrequencyLimitsOf(ConfigItem::FUNDFRQ).min, 10);
    EXPECT_EQ(FrequencyLimitsOf(ConfigItem::FUNDFRQ).max, 10000);
    EXPECT_EQ(IndexItemOf(ConfigItem::BSFRQ), ConfigItem::BSINDEX);

    const FrequencyList list = {16.7, 50, 60, 50, 180, 100};
    EXPECT_EQ(LastEntryOf(list, 50), 3); // the last of equal entries
    EXPECT_EQ(LastEntryOf(list, 16.7), 0);
    EXPECT_FALSE(LastEntryOf(list, 55).has_value());
    EXPECT_EQ(FrequencyItemText(50), "50 Hz");
    EXPECT_EQ(FrequencyItemText(1500), "1.5 kHz");
}

} // namespace
} // namespace ombrix

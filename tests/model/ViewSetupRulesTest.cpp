// The view setup dialog without its widgets: loading and storing each sheet in
// the quantity of the dataset shown, the bounds of the edit fields, the
// enabling rules, the colour buttons and the shift of the current curves.

#include "TestSupport.h"

#include "core/DateTime.h"
#include "presentation/ViewSetupRules.h"
#include "presentation/ViewSetupStruct.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace ombrix {
namespace {

class ViewSetupRulesTest : public test::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        UseFormats(test::EnglishFormats());
        m_Setup.SetDefaults();
    }

    static SetupDataset Shown(ValueClass valueClass, const char* unit) {
        SetupDataset dataset;
        dataset.valueClass = valueClass;
        dataset.unit = unit;
        return dataset;
    }

    ViewSetupStruct m_Setup;
};

TEST_F(ViewSetupRulesTest, SpectrumInGaussShowsAndStoresMagneticSettingsInGauss) {
    m_Setup.SetThreshold(eTesla, 0.00001);
    m_Setup.SetYMax(eTesla, 0.0001);
    const SetupDataset gauss = Shown(eGauss, "G");

    SheetControls fft = LoadSheet(eSetupFFT, m_Setup, gauss);
    EXPECT_EQ(fft.texts.at("EditFFTThreshold"), "100 mG");
    EXPECT_EQ(fft.texts.at("EditFFTYMax"), "1 G");
    EXPECT_EQ(fft.texts.at("EditFFTXMax"), "2 kHz");

    fft.texts["EditFFTThreshold"] = "2 G";
    SaveSheet(eSetupFFT, fft, m_Setup, gauss);
    EXPECT_DOUBLE_EQ(m_Setup.GetThreshold(eTesla), 0.0002);
    // The electric threshold is another quantity and stays.
    EXPECT_DOUBLE_EQ(m_Setup.GetThreshold(eEField), 50.0);
}

TEST_F(ViewSetupRulesTest, StoringUnchangedSheetsLeavesTheRecordAsItWas) {
    struct Shown {
        ValueClass valueClass;
        const char* unit;
    };
    for (const Shown& shown :
         {Shown{eTesla, "T"}, Shown{eGauss, "G"}, Shown{eEField, "V/m"}, Shown{ePercent, "%"}}) {
        const SetupDataset dataset = this->Shown(shown.valueClass, shown.unit);
        for (int sheet = 0; sheet < kSetupSheetCount; ++sheet) {
            const ViewSetupStruct::Image before = m_Setup.GetImage();
            const SheetControls loaded = LoadSheet(sheet, m_Setup, dataset);
            SaveSheet(sheet, loaded, m_Setup, dataset);
            const SheetControls again = LoadSheet(sheet, m_Setup, dataset);
            // The same values, though not always the same texts: 0.9999999999 G reads "1000 mG".
            for (const auto& [field, text] : loaded.texts) {
                const bool metres = field.find("Offset") != std::string::npos &&
                                        field.find("Graph") == std::string::npos ||
                                    field.find("Distance") != std::string::npos;
                const double value = ParseValue(text, metres);
                EXPECT_NEAR(ParseValue(again.texts.at(field), metres), value,
                            std::abs(value) * 1e-9)
                    << field << " sheet " << sheet << " " << shown.unit;
            }
            EXPECT_EQ(loaded.checks, again.checks) << "sheet " << sheet << " " << shown.unit;
            EXPECT_EQ(loaded.colors, again.colors) << "sheet " << sheet << " " << shown.unit;
            // Values without a prefix come back bit for bit.
            if (shown.valueClass == eEField || shown.valueClass == ePercent)
                EXPECT_TRUE(before == m_Setup.GetImage()) << "sheet " << sheet << " " << shown.unit;
        }
    }
}

TEST_F(ViewSetupRulesTest, SheetsWithoutSettingsLoadNothing) {
    for (const int sheet : {int(eSetupValue), int(eSetupStatistic), 9, -1}) {
        const SheetControls controls = LoadSheet(sheet, m_Setup, {});
        EXPECT_TRUE(controls.texts.empty() && controls.checks.empty() && controls.colors.empty())
            << sheet;
        EXPECT_FALSE(SheetHasSettings(sheet));
    }
    EXPECT_STREQ(SetupSheetOf(eSetupPeakList)->objectName, "TabSheetPeekList");
    EXPECT_EQ(SetupSheetOf(eSetupFFT)->helpContext, 35);
    EXPECT_EQ(SetupSheetOf(eSetupStatistic)->helpContext, 0);
    EXPECT_EQ(SetupSheetOf(9), nullptr);
}

TEST_F(ViewSetupRulesTest, TypedTextsAreStoredAsTheirFieldsRead) {
    struct Case {
        int sheet;
        const char* field;
        const char* text;
        double (*stored)(const ViewSetupStruct&);
        double expected;
    };
    const Case cases[] = {
        {eSetupPeakList, "EditPeakList", "12",
         [](const ViewSetupStruct& s) { return double(s.GetPeakCount()); }, 12},
        {eSetupPeakList, "EditPeakList", "abc",
         [](const ViewSetupStruct& s) { return double(s.GetPeakCount()); }, 9},
        {eSetupPeakList, "EditPeakList", "1.5",
         [](const ViewSetupStruct& s) { return double(s.GetPeakCount()); }, 9},
        {eSetupPeakList, "EditPeakList", "",
         [](const ViewSetupStruct& s) { return double(s.GetPeakCount()); }, 9},
        {eSetupGraph, "EditGraphXLength", "12.7 s",
         [](const ViewSetupStruct& s) { return double(s.GetGraphXLength()); }, 12},
        {eSetupGraph, "EditGraphXLength", "2k",
         [](const ViewSetupStruct& s) { return double(s.GetGraphXLength()); }, 2000},
        // Far beyond any integer of the record: kept at its end, not overflowed.
        {eSetupGraph, "EditGraphXOffset", "1E30",
         [](const ViewSetupStruct& s) { return double(s.GetGraphXOffset()); }, 2147483647.0},
        {eSetupGraph, "EditGraphCurrentOffset", "-1.5",
         [](const ViewSetupStruct& s) { return s.GetCurrentOffset(); }, -1.5},
        {eSetupGraph, "EditGraphLineDot", "4",
         [](const ViewSetupStruct& s) { return double(s.GetLineWidth(eWidthGraphLine)); }, 4},
        {eSetupAxis, "EditAxisYOffset", "500 mm",
         [](const ViewSetupStruct& s) { return s.GetIndexOffset(1); }, 0.5},
        {eSetupPlane, "EditPlaneZDistance", "2 m",
         [](const ViewSetupStruct& s) { return s.GetIndexDistance(2); }, 2.0},
        {eSetupPlane, "EditPlaneScale3", "7.5",
         [](const ViewSetupStruct& s) { return s.GetPlaneScale(eTesla, 2); }, 7.5},
        {eSetupPlane, "EditPlaneBubbleSize", "no number",
         [](const ViewSetupStruct& s) { return s.GetBubbleSize(); }, 0},
        {eSetupHistogram, "EditHistogramRef", "20 \xB5T",
         [](const ViewSetupStruct& s) { return s.GetHistogramRef(eTesla); }, 20e-6},
        {eSetupHarmonics, "EditHarmonicsBarDot", "7",
         [](const ViewSetupStruct& s) { return double(s.GetBarWidth(1)); }, 7},
    };
    const SetupDataset tesla = Shown(eTesla, "T");
    for (const Case& c : cases) {
        SheetControls controls = LoadSheet(c.sheet, m_Setup, tesla);
        ASSERT_TRUE(controls.texts.count(c.field)) << c.field;
        controls.texts[c.field] = c.text;
        SaveSheet(c.sheet, controls, m_Setup, tesla);
        EXPECT_DOUBLE_EQ(c.stored(m_Setup), c.expected) << c.field << " <- \"" << c.text << "\"";
    }
}

TEST_F(ViewSetupRulesTest, PlaneLimitsBelongToTheValueClassShown) {
    SheetControls plane = LoadSheet(eSetupPlane, m_Setup, Shown(eGauss, "G"));
    plane.texts["EditPlaneScale1"] = "3";
    SaveSheet(eSetupPlane, plane, m_Setup, Shown(eGauss, "G"));
    EXPECT_DOUBLE_EQ(m_Setup.GetPlaneScale(eGauss, 0), 3.0);
    EXPECT_DOUBLE_EQ(m_Setup.GetPlaneScale(eTesla, 0), 0.0);
}

TEST_F(ViewSetupRulesTest, StandardSelectionIsShownOnlyWhenTheStandardExists) {
    m_Setup.Standards().push_back(std::make_unique<OrvStandard>("Limit A"));
    m_Setup.Standards().push_back(std::make_unique<OrvStandard>("Limit B"));
    m_Setup.SetStandardIndex(1);
    SheetControls fft = LoadSheet(eSetupFFT, m_Setup, {});
    EXPECT_EQ(fft.standardNames, (std::vector<std::string>{"Limit A", "Limit B"}));
    EXPECT_EQ(fft.standardIndex, 1);

    m_Setup.SetStandardIndex(5);
    EXPECT_EQ(LoadSheet(eSetupFFT, m_Setup, {}).standardIndex, -1);

    fft.standardIndex = -1;
    SaveSheet(eSetupFFT, fft, m_Setup, {});
    EXPECT_EQ(m_Setup.GetStandardIndex(), -1);
}

TEST_F(ViewSetupRulesTest, BoundsOfTheCheckedFields) {
    struct Case {
        const char* field;
        ValueClass valueClass;
        const char* unit;
        const char* partner;
        FieldBounds expected;
    };
    const Case cases[] = {
        {"EditPeakList", eTesla, "T", "", {1, 20, "", false, 0}},
        {"EditGraphXLength", eTesla, "T", "", {0, 1000000, "s", false, 0}},
        {"EditGraphXOffset", eTesla, "T", "", {0, 1000000, "s", false, 0}},
        {"EditFFTStandardDot", eTesla, "T", "", {1, 5, "", false, 0}},
        {"EditGraphCurrentDot", eTesla, "T", "", {1, 5, "", false, 0}},
        {"EditHistogramBarDot", eTesla, "T", "", {1, 10, "", false, 0}},
        {"EditGraphYMin", eTesla, "T", "100 \xB5T", {0, 100e-6, "T", true, 2}},
        {"EditAxisYMax", eGauss, "G", "5 G", {5, 316, "G", true, 1}},
        {"EditFFTYMax", eEField, "V/m", "1 V/m", {1, 100000, "V/m", true, 1}},
        {"EditFFTXMin", eTesla, "T", "2 kHz", {0, 2000, "Hz", true, 2}},
        {"EditFFTXMax", eTesla, "T", "5 Hz", {5, 32000, "Hz", true, 1}},
        {"EditGraphThreshold", eBField, "T", "", {0, 0.0316, "T", true, 0}},
        {"EditPlaneScale3", ePercent, "%", "", {0, 200, "%", true, 0}},
        {"EditHistogramRef", eAmperePerMetre, "A/m", "", {0, 25146.48368, "A/m", true, 0}},
        {"EditPlaneZDistance", eTesla, "T", "", {0, 10, "m", true, 0}},
        {"EditAxisXOffset", eTesla, "T", "", {0, 10, "m", true, 0}},
        {"EditPlaneBubbleSize", eTesla, "T", "", {0, 1, "", false, 0}},
    };
    for (const Case& c : cases) {
        const FieldBounds b = BoundsOf(c.field, Shown(c.valueClass, c.unit), c.partner);
        EXPECT_DOUBLE_EQ(b.min, c.expected.min) << c.field;
        EXPECT_DOUBLE_EQ(b.max, c.expected.max) << c.field;
        EXPECT_EQ(b.unit, c.expected.unit) << c.field;
        EXPECT_EQ(b.prefixed, c.expected.prefixed) << c.field;
        EXPECT_EQ(b.mode, c.expected.mode) << c.field;
    }
    EXPECT_FALSE(IsCheckedField("EditGraphCurrentOffset"));
    EXPECT_FALSE(IsCheckedField("EditPlaneBGImage"));
}

TEST_F(ViewSetupRulesTest, RangeMessagesNameTheBoundsInTheirUnits) {
    const SetupDataset tesla = Shown(eTesla, "T");
    const RangeCheckResult tooHigh = CheckSetupField("EditFFTXMax", "40 kHz", "10 Hz", tesla);
    EXPECT_FALSE(tooHigh.accepted);
    EXPECT_EQ(tooHigh.message, "Only values between 10 Hz and 32 kHz are valid");
    EXPECT_TRUE(CheckSetupField("EditFFTXMax", "32 kHz", "10 Hz", tesla).accepted);

    // The limits next to each other are exclusive: a Y minimum equal to the
    // maximum, or a maximum equal to the minimum, is refused.
    EXPECT_FALSE(CheckSetupField("EditGraphYMin", "100 \xB5T", "100 \xB5T", tesla).accepted);
    EXPECT_FALSE(CheckSetupField("EditGraphYMax", "abc", "0 T", tesla).accepted);
    EXPECT_EQ(CheckSetupField("EditGraphYMax", "40 mT", "0 T", tesla).message,
              "Only values between 0 T and 31.6 mT are valid");
    EXPECT_EQ(CheckSetupField("EditAxisZDistance", "12 m", "", tesla).message,
              "Only values between 0 m and 10 m are valid");
    EXPECT_TRUE(CheckSetupField("EditAxisZDistance", "500 mm", "", tesla).accepted);
}

TEST_F(ViewSetupRulesTest, TypingLimits) {
    for (const char* field :
         {"EditGraphXLength", "EditGraphXOffset", "EditGraphYMin", "EditGraphYMax"})
        EXPECT_EQ(MaxTextLength(field), 8) << field;
    EXPECT_EQ(MaxTextLength("EditPeakList"), 2);
    for (const char* field :
         {"EditGraphLineDot", "EditGraphThresholdDot", "EditGraphCurrentDot", "EditFFTLineDot",
          "EditFFTThresholdDot", "EditFFTStandardDot", "EditAxisLineDot", "EditAxisThresholdDot",
          "EditHistogramBarDot", "EditHarmonicsBarDot"})
        EXPECT_EQ(MaxTextLength(field), 1) << field;
    for (const char* field :
         {"EditFFTXMax", "EditAxisYMin", "EditPlaneScale1", "EditGraphCurrentOffset"})
        EXPECT_EQ(MaxTextLength(field), 0) << field;
}

TEST_F(ViewSetupRulesTest, AutoScaleOfThePlaneDisablesTheNineLimitsButNotAllOthers) {
    const auto ticked = EnabledControls({{"CheckBoxPlaneAutoScale", true}});
    for (int k = 1; k <= 9; ++k) {
        EXPECT_FALSE(ticked.at("EditPlaneScale" + std::to_string(k)));
        EXPECT_FALSE(ticked.at("ButtonPlaneScale" + std::to_string(k)));
    }
    EXPECT_EQ(ticked.count("ButtonPlaneScale10"), 0u);
    const auto cleared = EnabledControls({{"CheckBoxPlaneAutoScale", false}});
    EXPECT_TRUE(cleared.at("EditPlaneScale9"));

    const auto logarithmic =
        EnabledControls({{"CheckBoxFFTYLog", true}, {"CheckBoxGraphTreshold", false}});
    EXPECT_TRUE(logarithmic.at("ComboBoxFFTStandard"));
    EXPECT_TRUE(logarithmic.at("ButtonAddStandard"));
    EXPECT_FALSE(logarithmic.at("ButtonGraphThresholdColor"));
    // The graph's threshold value stays editable; only its line follows the tick.
    EXPECT_EQ(logarithmic.count("EditGraphThreshold"), 0u);
}

// Every name in the rule tables is a control that some sheet loads, so a
// misspelt name cannot silently leave a control out.
TEST_F(ViewSetupRulesTest, RuleTablesNameControlsOfTheSheets) {
    std::set<std::string> loaded;
    for (int sheet = 0; sheet < kSetupSheetCount; ++sheet) {
        const SheetControls c = LoadSheet(sheet, m_Setup, {});
        for (const auto& e : c.texts)
            loaded.insert(e.first);
        for (const auto& e : c.checks)
            loaded.insert(e.first);
        for (const auto& e : c.colors)
            loaded.insert(e.first);
        for (const std::string& button : ColorButtonsOf(sheet)) {
            EXPECT_TRUE(c.colors.count(ShapeOfColorButton(button))) << button;
            loaded.insert(button);
        }
        for (const std::string& field : CheckedFieldsOf(sheet))
            EXPECT_TRUE(c.texts.count(field)) << field;
    }
    const std::set<std::string> notLoaded = {
        "ComboBoxFFTStandard",     "ButtonAddStandard", "ButtonGraphImportCurrentData",
        "ButtonPlaneScaleBGImage", "EditPlaneBGImage",  "ButtonPlaneLoadBGImage"};
    for (const EnablingRule& rule : EnablingRules()) {
        EXPECT_TRUE(loaded.count(rule.checkBox)) << rule.checkBox;
        for (const char* control : rule.controls)
            EXPECT_TRUE(loaded.count(control) || notLoaded.count(control)) << control;
    }
    for (const char* control : LiveDisabledControls())
        EXPECT_TRUE(loaded.count(control) || notLoaded.count(control)) << control;
}

TEST_F(ViewSetupRulesTest, ThresholdColourButtonOfTheAxisSheetEditsTheThresholdColour) {
    EXPECT_EQ(ShapeOfColorButton("ButtonAxisThresholdColor"), "ShapeAxisThresholdColor");
    EXPECT_EQ(ShapeOfColorButton("ButtonAxisLineColor"), "ShapeAxisLineColor");
    EXPECT_EQ(ShapeOfColorButton("ButtonPlaneScale10"), "ShapePlaneScaleX");
    EXPECT_EQ(ShapeOfColorButton("ButtonPlaneThresholdSmallerrColor"),
              "ShapePlaneThresholdSmallerColor");
    EXPECT_EQ(ShapeOfColorButton("EditAxisLineDot"), "");
}

TEST_F(ViewSetupRulesTest, DefaultColourScaleCoversTheElevenScaleShapesOnly) {
    m_Setup.SetColors(eColorPlaneLimit1, RgbColor(1, 2, 3));
    const auto shapes = DefaultPlaneScaleShapes();
    EXPECT_EQ(shapes.size(), 11u);
    EXPECT_EQ(shapes.at("ShapePlaneScale0"), RgbColor(255, 255, 255));
    EXPECT_EQ(shapes.at("ShapePlaneScale1"), RgbColor(255, 255, 128));
    EXPECT_EQ(shapes.at("ShapePlaneScaleX"), RgbColor(0, 0, 0));
    EXPECT_EQ(shapes.count("ShapePlaneThresholdSmallerColor"), 0u);
    EXPECT_EQ(m_Setup.GetColors(eColorPlaneLimit1), RgbColor(1, 2, 3));
}

TEST_F(ViewSetupRulesTest, CurrentTimesFollowTheOffsetChange) {
    const DateTime t = 45000.5;
    const double hour = 1.0 / 24;
    EXPECT_DOUBLE_EQ(ShiftedCurrentTime(t, 0, 3600), t + hour);
    EXPECT_DOUBLE_EQ(ShiftedCurrentTime(t, 3600, 0), t - hour);
    EXPECT_NEAR(ShiftedCurrentTime(ShiftedCurrentTime(t, 0, 90), 90, -30), t - 30.0 / 86400, 1e-9);
    EXPECT_EQ(ShiftedCurrentTime(t, 0, 0), t);
}

TEST_F(ViewSetupRulesTest, WithoutADatasetMagneticValuesAreShownInTesla) {
    const SetupDataset none = SetupDatasetOf(nullptr, false);
    EXPECT_EQ(none.valueClass, eTesla);
    EXPECT_EQ(none.unit, "T");
    EXPECT_DOUBLE_EQ(QuantityMaximum(eGauss), 316.0);
}

} // namespace
} // namespace ombrix

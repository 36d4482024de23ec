// The main window's decisions without a window: pages by kind and the page
// that comes forward, the value page's texts and scale, the activity
// indicator, the empty panel's prompt and the mode tabs.

#include "UiTestSupport.h"

#include "datasets/OrvAutoDataset.h"
#include "datasets/OrvDataList.h"
#include "mainwindow/MainWindowRules.h"
#include "mainwindow/ValueDisplay.h"

#include <gtest/gtest.h>

using namespace ombrix;

namespace {

PageVisibility Only(std::initializer_list<int> sheets) {
    PageVisibility shown{};
    for (int sheet : sheets)
        shown[static_cast<std::size_t>(sheet)] = true;
    return shown;
}

TEST(MainWindowRules, PagesOfEachKind) {
    EXPECT_EQ(PagesForKind(eNormal, false), Only({eSheetValue}));
    EXPECT_EQ(PagesForKind(eAuto, false), Only({eSheetGraph, eSheetStatistic, eSheetHistogram}));
    EXPECT_EQ(PagesForKind(eAuto, true),
              Only({eSheetValue, eSheetGraph, eSheetStatistic, eSheetHistogram}));
    EXPECT_EQ(PagesForKind(eMatrix, false),
              Only({eSheetAxis, eSheetPlane, eSheetStatistic, eSheetHistogram}));
    EXPECT_EQ(PagesForKind(eList, false), Only({eSheetHarmonics}));
    EXPECT_EQ(PagesForKind(eVector, false), Only({eSheetFFT, eSheetPeakList}));
    EXPECT_EQ(PagesForKind(0, false), PageVisibility{});
}

TEST(MainWindowRules, MainPageComesForwardOnlyWhenTheKindChanges) {
    const PageVisibility normal = PagesForKind(eNormal, false);
    const PageVisibility spectrum = PagesForKind(eVector, false);
    EXPECT_EQ(PageForNewKind(eVector, normal, spectrum), eSheetFFT);
    EXPECT_EQ(PageForNewKind(eVector, spectrum, spectrum), std::nullopt);
    // The live series comes up on its value, a stored one on its graph.
    EXPECT_EQ(PageForNewKind(eAuto, normal, PagesForKind(eAuto, true)), eSheetValue);
    EXPECT_EQ(PageForNewKind(eAuto, normal, PagesForKind(eAuto, false)), eSheetGraph);
    EXPECT_EQ(PageForNewKind(eMatrix, spectrum, PagesForKind(eMatrix, false)), eSheetAxis);
    EXPECT_EQ(PageForNewKind(eNormal, spectrum, normal), std::nullopt);

    EXPECT_EQ(SettledPage(eSheetPlane, PagesForKind(eMatrix, false)), eSheetPlane);
    EXPECT_EQ(SettledPage(eSheetFFT, PagesForKind(eMatrix, false)), eSheetAxis);
    EXPECT_EQ(SettledPage(eSheetViewError, PagesForKind(eList, false)), eSheetHarmonics);
    EXPECT_EQ(SettledPage(eSheetValue, PageVisibility{}), eSheetViewError);
}

TEST(MainWindowRules, TabOrderAndNamesOfTheViewPages) {
    EXPECT_STREQ(ViewSheetNamesOf(eSheetPeakList).objectName, "TabSheetPeekList");
    EXPECT_STREQ(ViewSheetNamesOf(eSheetPeakList).caption, "Peak List");
    EXPECT_STREQ(ViewSheetNamesOf(eSheetViewError).caption, "ViewError");
    EXPECT_EQ(kViewTabOrder[6], eSheetHarmonics);
    EXPECT_EQ(kViewTabOrder[9], eSheetViewError);
}

TEST(MainWindowRules, ValueTextsNameTheValidityInsteadOfTheNumber) {
    auto list = uitest::MakeDataList({{1, 'N'}, {2, 'A'}});
    auto& single = static_cast<OrvNormalDataset&>(*list->GetDataset(0));
    single.SetUnit(eUnitT);
    single.SetValueFields(0.0000123, eValidOK, 50);
    ValueTexts texts = ValueTextsOf(single);
    EXPECT_EQ(texts.fieldType, "B");
    EXPECT_EQ(texts.value, "12.3 \xB5T");
    EXPECT_TRUE(texts.showFrequency);
    EXPECT_EQ(texts.frequency, "50 Hz");

    single.SetValueFields(0.0000123, eValidOverdrive, -1);
    texts = ValueTextsOf(single);
    EXPECT_EQ(texts.value, "Overdrive");
    EXPECT_FALSE(texts.showFrequency);
    single.SetValueFields(0.0000123, eValidNotReady, -1);
    EXPECT_EQ(ValueTextsOf(single).value, "Not ready");

    // A series names the validity of its newest sample only: an earlier
    // overdrive leaves the number standing.
    auto& series = static_cast<OrvAutoDataset&>(*list->GetDataset(1));
    series.SetUnit(eUnitT);
    OrvDataset::SetTransferSeparator(';');
    TransferLines samples = TransferLines::FromText("1;3.0E-06;!O;50\r\n2;3.0E-06;OK;50\r\n");
    ASSERT_TRUE(series.AppendSamples(samples));
    EXPECT_EQ(ValueTextsOf(series).value, "3 \xB5T");
    TransferLines overdriven = TransferLines::FromText("3;4.0E-06;!O;50\r\n");
    ASSERT_TRUE(series.AppendSamples(overdriven));
    EXPECT_EQ(ValueTextsOf(series).value, "Overdrive");
}

// The STD range 0.2 .. 200 spans three decades, each from 2 to 20 times its
// unit, with long ticks and labels at 1, 10 and 100.
TEST(MainWindowRules, ValueScaleOfThreeDecades) {
    const ValueScaleDrawing scale = ValueScaleFor(0.2, 200, 2, 301);
    EXPECT_EQ(scale.barMaximum, 300);
    EXPECT_EQ(scale.barPosition, 100);
    std::vector<std::string> labels;
    for (const ScaleTick& tick : scale.ticks) {
        if (tick.longTick) labels.push_back(tick.label);
        EXPECT_GE(tick.x, 1);
        EXPECT_LE(tick.x, 301);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"1 ", "10 ", "100 "}));
    EXPECT_EQ(scale.ticks.size(), 33u); // eleven steps per decade
    EXPECT_EQ(scale.ticks.front().x, 1);

    EXPECT_EQ(ValueScaleFor(0.2, 200, 0, 301).barPosition, 0);
    // A value above the range fills the bar instead of leaving it unchanged.
    EXPECT_EQ(ValueScaleFor(0.2, 200, 5000, 301).barPosition, 300);
    EXPECT_EQ(ValueScaleFor(0.2, 200, 0.01, 301).barPosition, 0);
}

TEST(MainWindowRules, ValueScaleOfARangeWithoutDecadesDrawsNothing) {
    for (auto [min, max] : {std::pair{0.0, 100.0}, {-1.0, 10.0}, {5.0, 5.0}, {10.0, 12.0}}) {
        const ValueScaleDrawing scale = ValueScaleFor(min, max, 3, 301);
        EXPECT_TRUE(scale.ticks.empty()) << min << ".." << max;
        EXPECT_EQ(scale.barMaximum, 0);
        EXPECT_EQ(scale.barPosition, 0);
    }
    // A leading digit that is not exactly representable still starts its decade.
    const ValueScaleDrawing scale = ValueScaleFor(0.3, 300, 3, 301);
    EXPECT_EQ(scale.ticks.size(), 33u);
    EXPECT_EQ(scale.ticks.front().x, 1);
}

TEST(MainWindowRules, ActivityIndicatorFromTheStatusTag) {
    EXPECT_EQ(IndicatorFor(1000, 90).fill, ActivityIndicator::Alarm);
    const ActivityIndicator outgrown = IndicatorFor(91, 90);
    EXPECT_EQ(outgrown.fill, ActivityIndicator::Nothing);
    EXPECT_EQ(outgrown.tag, 1);
    const ActivityIndicator active = IndicatorFor(30, 90);
    EXPECT_EQ(active.fill, ActivityIndicator::Activity);
    EXPECT_EQ(active.litWidth, 30);
    EXPECT_EQ(IndicatorFor(90, 90).fill, ActivityIndicator::Activity);
    EXPECT_EQ(IndicatorFor(0, 90).fill, ActivityIndicator::Offline);
}

TEST(MainWindowRules, EmptyPanelPromptAndSpectrumHint) {
    EXPECT_EQ(EmptyViewPrompt(true, eFFT, eFftIdle), "");
    EXPECT_EQ(EmptyViewPrompt(false, eFST, eFftIdle), "");
    EXPECT_EQ(EmptyViewPrompt(false, eFFT, eFftIdle),
              "Press green \"Play-Button\" (left upper corner) to request a spectrum or harmonic "
              "list");
    EXPECT_EQ(EmptyViewPrompt(false, eHAR, eFftProcessing), "Data processing ... please wait");
    EXPECT_EQ(EmptyViewPrompt(false, eFFT, eFftOverdrive),
              "Press green \"Play-Button\" (left upper corner) to request a spectrum or harmonic "
              "list. Attention: Current measured field strength overdrives the Field Analyzer "
              "input!");
    EXPECT_EQ(LoadSpectrumHint(eFftIdle), "Transmit spectrum from field analyser");
    EXPECT_EQ(LoadSpectrumHint(eFftProcessing), "Data processing ... please wait");
    EXPECT_EQ(LoadSpectrumHint(eFftOverdrive),
              "Transmit spectrum from field analyser. Attention: Current measured field strength "
              "overdrives the Field Analyzer input!");
}

TEST(MainWindowRules, ModeTabsRefuseModesWithoutTheirOption) {
    EXPECT_EQ(FunctionModeOfTab(0, false, false), eFST);
    EXPECT_EQ(FunctionModeOfTab(1, false, true), std::nullopt);
    EXPECT_EQ(FunctionModeOfTab(1, true, false), eSTD);
    EXPECT_EQ(FunctionModeOfTab(2, true, false), std::nullopt);
    EXPECT_EQ(FunctionModeOfTab(3, false, true), eHAR);
    EXPECT_EQ(FunctionModeOfTab(kDatabaseTab, true, true), std::nullopt);
    for (int mode : {eFST, eSTD, eFFT, eHAR})
        EXPECT_EQ(FunctionModeOfTab(ModeTabOf(mode), true, true), mode);
}

TEST(MainWindowRules, SortKeysCompareAscending) {
    auto list = uitest::MakeDataList({{10, 'V'}, {2, 'A'}});
    OrvDataset& spectrum = *list->GetDataset(0);
    OrvDataset& series = *list->GetDataset(1);
    spectrum.SetMode(eFFT);
    EXPECT_GT(CompareForSort(TreeSortKey::Index, spectrum, series), 0);
    EXPECT_GT(CompareForSort(TreeSortKey::Type, spectrum, series), 0);
    EXPECT_LT(CompareForSort(TreeSortKey::Mode, spectrum, series), 0);
    EXPECT_LT(CompareForSort(TreeSortKey::DateAndTime, spectrum, series), 0);
    EXPECT_EQ(CompareForSort(TreeSortKey::Type, series, series), 0);
}

} // namespace

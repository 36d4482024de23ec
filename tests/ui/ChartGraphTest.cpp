// The time graph page: the shown time window of stored and live series, the
// colours of flagged samples, the legend that explains them, and a live
// refresh that appends.

#include "TimeChartFixture.h"

#include "mainwindow/ValidityColors.h"
#include "presentation/CurrentCurves.h"

using namespace ombrix;

namespace {

class ChartGraphUi : public uitest::TimeChartFixture {
protected:
    void SetUp() override {
        TimeChartFixture::SetUp();
        Start();
    }
    void FixedWindow(int offset, int length) {
        ViewSetup().SetXAutoScale(0, false);
        ViewSetup().SetGraphXOffset(offset);
        ViewSetup().SetGraphXLength(length);
        Form().ApplyViewSettings();
    }
    double SeriesStart() const { return EncodeDate(2024, 3, 15) + EncodeTime(10, 0, 0, 0); }
};

TEST_F(ChartGraphUi, StoredSeriesShowsItsWindowAndLiveSeriesFollowsTheNewestSample) {
    ShowSeries(MakeSeries(Rising(120)));
    FixedWindow(30, 60);
    ChartGraph* chart = Graph();
    ASSERT_NE(chart, nullptr);
    EXPECT_NEAR(chart->xAxis->range().lower, SeriesStart() + 30 * kSecond, 1e-3 * kSecond);
    EXPECT_NEAR(chart->xAxis->range().upper, SeriesStart() + 90 * kSecond, 1e-3 * kSecond);
    EXPECT_EQ(chart->SeriesGraph()->dataCount(), 120);

    // The same series as the live one: the last 60 s up to sample 120.
    auto live = MakeSeries(Rising(120));
    ChartGraph standalone(Form().Zoom());
    standalone.ApplyGraphSettings(ViewSetup());
    standalone.ShowGraph(*live, ViewSetup(), true);
    EXPECT_NEAR(standalone.xAxis->range().lower, SeriesStart() + 59 * kSecond, 1e-3 * kSecond);
    EXPECT_NEAR(standalone.xAxis->range().upper, SeriesStart() + 119 * kSecond, 1e-3 * kSecond);
}

TEST_F(ChartGraphUi, FlaggedSamplesAreMarkedOnBothSidesInTheirColours) {
    ViewSetup().SetColors(eColorGraphLine, 0xFF0000); // pure blue
    Form().ApplyViewSettings();
    ShowSeries(MakeSeries(Rising(40, {{10, "!A"}, {20, "!O"}})));
    ChartGraph* chart = Graph();

    // Pure blue as the series colour: not ready turns light blue.
    EXPECT_EQ(chart->NotReadySegments()->pen().color(), QColor(128, 128, 255));
    EXPECT_EQ(chart->OverdriveSegments()->pen().color(), QColor(255, 0, 0));
    EXPECT_EQ(chart->SeriesGraph()->pen().color(), QColor(0, 0, 255));

    // The segments arriving at and leaving each flagged sample, and no other.
    auto keysOf = [](QCPGraph* graph) {
        std::vector<long> seconds;
        for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it)
            if (!std::isnan(it->value))
                seconds.push_back(std::lround(
                    (it->key - (EncodeDate(2024, 3, 15) + EncodeTime(10, 0, 0, 0))) / kSecond));
        return seconds;
    };
    EXPECT_EQ(keysOf(chart->NotReadySegments()), (std::vector<long>{9, 10, 10, 11}));
    EXPECT_EQ(keysOf(chart->OverdriveSegments()), (std::vector<long>{19, 20, 20, 21}));
}

TEST_F(ChartGraphUi, LegendShowsOnlyWhileAFlaggedSampleIsInTheShownRange) {
    ShowSeries(MakeSeries(Rising(120, {{10, "!A"}})));
    struct Case {
        int offset;
        int length;
        bool legend;
    };
    for (const Case c :
         {Case{0, 60, true}, Case{30, 60, false}, Case{10, 5, true}, Case{11, 100, false}}) {
        FixedWindow(c.offset, c.length);
        EXPECT_EQ(Graph()->LegendShown(), c.legend) << c.offset << " + " << c.length;
    }
    ASSERT_EQ(Graph()->legend->itemCount(), 3);
    QStringList texts;
    for (int i = 0; i < 3; ++i)
        texts
            << static_cast<QCPPlottableLegendItem*>(Graph()->legend->item(i))->plottable()->name();
    EXPECT_EQ(texts, (QStringList{"Value", "Not-Ready", "Overdrive"}));
}

TEST_F(ChartGraphUi, LiveRefreshAppendsTheNewSampleOnly) {
    auto live = MakeSeries(Rising(1000));
    ChartGraph chart(Form().Zoom());
    chart.ShowGraph(*live, ViewSetup(), true);
    const QCPGraphData* firstBefore = &*chart.SeriesGraph()->data()->constBegin();
    const double firstKey = firstBefore->key;

    ASSERT_TRUE(live->AppendSamples({"1001;0.000001;!O;50"}));
    chart.ShowGraph(*live, ViewSetup(), true);
    EXPECT_EQ(chart.SeriesGraph()->dataCount(), 1001);
    EXPECT_EQ(chart.SeriesGraph()->data()->constBegin()->key, firstKey);
    // The overdrive sample got its arriving segment; the earlier points stayed.
    EXPECT_EQ(chart.OverdriveSegments()->dataCount(), 3);
}

TEST_F(ChartGraphUi, AnEmptySeriesDrawsNothingAndStaysOnTheGraph) {
    ShowSeries(MakeSeries(Rising(5)));
    EXPECT_EQ(Form().ViewSheet(), eSheetGraph);
    EXPECT_EQ(Graph()->SeriesGraph()->dataCount(), 5);
    // An empty series draws nothing and fails nothing.
    ShowSeries(MakeSeries({}));
    EXPECT_EQ(Form().ViewSheet(), eSheetGraph);
    EXPECT_EQ(Graph()->SeriesGraph()->dataCount(), 0);
}

TEST_F(ChartGraphUi, SamplesAreMarkedOnlyWhileTheyStandApart) {
    ShowSeries(MakeSeries(Rising(20)));
    const auto shape = [this] { return Graph()->SeriesGraph()->scatterStyle().shape(); };
    EXPECT_EQ(shape(), QCPScatterStyle::ssDot);
    ShowSeries(MakeSeries(Rising(5000)));
    EXPECT_EQ(shape(), QCPScatterStyle::ssNone);
    // A window of 20 seconds spreads the samples again.
    FixedWindow(0, 20);
    EXPECT_EQ(shape(), QCPScatterStyle::ssDot);
}

TEST_F(ChartGraphUi, ImportedCurrentsAccompanyStoredSeriesOnlyWhileVisible) {
    CurrentCurves& currents = PhaseCurrents();
    std::array<CurrentCurves::Curve, CurrentCurves::kPhaseCount> curves;
    for (int i = 0; i < 10; ++i)
        curves[ePhaseL2].push_back({SeriesStart() + i * 10 * kSecond, 100.0 + i});
    currents.Replace(curves);

    ViewSetup().SetCurrentVisible(true);
    Form().ApplyViewSettings();
    ShowSeries(MakeSeries(Rising(120)));
    ChartGraph* chart = Graph();
    EXPECT_TRUE(chart->CurrentSeries(ePhaseL2)->visible());
    EXPECT_EQ(chart->CurrentSeries(ePhaseL2)->dataCount(), 10);
    EXPECT_EQ(chart->CurrentSeries(ePhaseL1)->dataCount(), 0);
    EXPECT_EQ(chart->yAxis2->label(), QStringLiteral("Current [A]"));

    // A shift of the current offset is drawn at the next refresh.
    currents.ShiftTime(5 * kSecond);
    Form().RefreshView();
    EXPECT_NEAR(chart->CurrentSeries(ePhaseL2)->data()->constBegin()->key,
                SeriesStart() + 5 * kSecond, 1e-3 * kSecond);

    // The live series never carries currents.
    auto live = MakeSeries(Rising(10));
    ChartGraph standalone(Form().Zoom());
    standalone.ApplyGraphSettings(ViewSetup());
    standalone.ShowGraph(*live, ViewSetup(), true);
    EXPECT_FALSE(standalone.CurrentSeries(ePhaseL2)->visible());

    ViewSetup().SetCurrentVisible(false);
    Form().ApplyViewSettings();
    EXPECT_FALSE(chart->CurrentSeries(ePhaseL2)->visible());
    currents.Clear();
}

} // namespace

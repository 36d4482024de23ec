#include "ViewFixtures.h"

#include "mainwindow/TimeGraphView.h"

#include <gtest/gtest.h>

using namespace ombrix;
using namespace ombrix::test;

namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr ChartColor kGreen = RgbColor(0, 128, 0);
constexpr ChartColor kBlue = RgbColor(0, 0, 255);
constexpr ChartColor kLightBlue = RgbColor(128, 128, 255);
constexpr ChartColor kRed = RgbColor(255, 0, 0);
constexpr ChartColor kLightRed = RgbColor(255, 128, 128);

std::vector<Sample> Steady(int count, double value = 2e-6) {
    return std::vector<Sample>(count, Sample{value});
}

class TimeGraph : public ViewTest {
protected:
    GraphRefresh Draw(OrvAutoDataset& series, bool live = false) {
        return m_view.Refresh(series, Settings(), GraphContext{live, std::nullopt});
    }
    TimeGraphView m_view;
};

TEST_F(TimeGraph, StoredWindowFromOffsetAndLiveWindowFollowingTheNewestSample) {
    Settings().SetXAutoScale(0, false);
    Settings().SetGraphXLength(60);
    Settings().SetGraphXOffset(30);
    auto series = MakeSeries(Steady(120));
    const DateTime start = series->GetDateTime();

    Draw(*series);
    ASSERT_TRUE(m_view.TimeRange());
    EXPECT_NEAR(m_view.TimeRange()->min, start + 30 * kSecond, 1e-9);
    EXPECT_NEAR(m_view.TimeRange()->max, start + 90 * kSecond, 1e-9);

    Draw(*series, true);
    EXPECT_NEAR(m_view.TimeRange()->min, start + 59 * kSecond, 1e-9);
    EXPECT_NEAR(m_view.TimeRange()->max, start + 119 * kSecond, 1e-9);

    Settings().SetXAutoScale(0, true);
    Draw(*series);
    EXPECT_NEAR(m_view.TimeRange()->min, start, 1e-9);
    EXPECT_NEAR(m_view.TimeRange()->max, start + 119 * kSecond, 1e-9);
    EXPECT_EQ(m_view.Points().size(), 120u);
    EXPECT_NEAR(m_view.Points()[119].x, start + 119 * kSecond, 1e-9);
}

TEST_F(TimeGraph, FlaggedSamplesAndTheLinesLeavingThemKeepTheirColour) {
    struct Case {
        ChartColor seriesColor;
        ChartColor notReady;
        ChartColor overdrive;
    };
    for (const Case& c :
         {Case{kGreen, kBlue, kRed}, Case{kBlue, kLightBlue, kRed}, Case{kRed, kBlue, kLightRed},
          Case{RgbColor(210, 14, 14), kBlue, kLightRed}, Case{RgbColor(208, 0, 0), kBlue, kRed}}) {
        SCOPED_TRACE(c.seriesColor);
        Settings().SetColors(eColorGraphLine, c.seriesColor);
        auto series =
            MakeSeries({{1e-6}, {1e-6, "!A"}, {1e-6}, {1e-6, "!O"}, {1e-6, "!A"}, {1e-6}});
        TimeGraphView view;
        view.Refresh(*series, Settings(), {});
        const auto& p = view.Points();
        ASSERT_EQ(p.size(), 6u);
        const std::vector<ChartColor> dots{c.seriesColor, c.notReady, c.seriesColor,
                                           c.overdrive,   c.notReady, c.seriesColor};
        // Into a flagged sample in its colour, out of it still in its colour.
        const std::vector<ChartColor> lines{c.seriesColor, c.notReady,  c.notReady,
                                            c.overdrive,   c.overdrive, c.notReady};
        for (std::size_t i = 0; i < p.size(); ++i) {
            EXPECT_EQ(p[i].color, dots[i]) << i;
            EXPECT_EQ(p[i].lineColor, lines[i]) << i;
        }
        EXPECT_EQ(view.Legend()[0].color, c.seriesColor);
        EXPECT_EQ(view.Legend()[1].color, c.notReady);
        EXPECT_EQ(view.Legend()[2].color, c.overdrive);
    }
}

TEST_F(TimeGraph, LegendOnlyWhileAFlaggedSampleIsInTheShownRange) {
    std::vector<Sample> samples = Steady(120);
    samples[10].valid = "!A";
    auto series = MakeSeries(samples);
    Settings().SetXAutoScale(0, false);
    Settings().SetGraphXLength(60);

    struct Case {
        int offset;
        bool live;
        bool legend;
    };
    for (const Case& c : {Case{30, false, false}, Case{0, false, true}, Case{10, false, true},
                          Case{11, false, false}, Case{0, true, false}}) {
        SCOPED_TRACE(c.offset);
        Settings().SetGraphXOffset(c.offset);
        Draw(*series, c.live);
        EXPECT_EQ(m_view.LegendVisible(), c.legend);
    }
    // A flagged sample arriving in the live window brings the legend.
    series->AppendSamples({"121;3e-6;!O;50"});
    Draw(*series, true);
    EXPECT_TRUE(m_view.LegendVisible());

    EXPECT_EQ(TimeGraphView::LegendText(0), "Value");
    EXPECT_EQ(TimeGraphView::LegendText(1), "Not-Ready");
    EXPECT_EQ(TimeGraphView::LegendText(2), "Overdrive");
    EXPECT_EQ(TimeGraphView::LegendText(3), "");
}

TEST_F(TimeGraph, ValuesDrawnInTheirPrefixWithTitlesAndFixedRange) {
    auto series = MakeSeries(Values({1e-6, 4e-6, 2.5e-6}));
    Draw(*series);
    EXPECT_EQ(m_view.ValueAxisTitle(), "Magnetic Induction [\xB5T]");
    EXPECT_EQ(m_view.Title(), "Magnetic Induction");
    EXPECT_DOUBLE_EQ(m_view.Scale().factor, 1e-6);
    EXPECT_NEAR(m_view.Points()[1].y, 4.0, 1e-12);
    EXPECT_NEAR(m_view.ThresholdPoints()[0].y, 10.0, 1e-9); // 0.00001 T
    EXPECT_TRUE(m_view.ValueAxisAutomatic());
    EXPECT_FALSE(m_view.ValueRange());

    // Fixed axis: the settings' 0 .. 100 µT; logarithmic it cannot start at 0.
    Settings().SetYAutoScale(false);
    Draw(*series);
    EXPECT_DOUBLE_EQ(m_view.Scale().factor, 1e-6);
    ASSERT_TRUE(m_view.ValueRange());
    EXPECT_NEAR(m_view.ValueRange()->min, 0, 1e-12);
    EXPECT_NEAR(m_view.ValueRange()->max, 100, 1e-9);
    Settings().SetYLog(true);
    Draw(*series);
    EXPECT_NEAR(m_view.ValueRange()->min, 0.1, 1e-12);

    auto electric = MakeSeries(Values({150, 170}), 1, "V/m");
    Settings().SetYAutoScale(true);
    Draw(*electric);
    EXPECT_EQ(m_view.ValueAxisTitle(), "Electric field strength [V/m]");
    EXPECT_DOUBLE_EQ(m_view.Points()[1].y, 170);
}

TEST_F(TimeGraph, LiveRefreshAppendsOnlyTheNewSamples) {
    auto series = MakeSeries(Steady(1000));
    GraphRefresh r = Draw(*series, true);
    EXPECT_TRUE(r.rebuilt);
    EXPECT_EQ(r.firstNewPoint, 0u);
    const GraphPoint first = m_view.Points()[0];

    // Values in µT: the factor stays 1e-6 from refresh to refresh.
    series->AppendSamples({"1001;2e-6;OK;50"});
    r = Draw(*series, true);
    EXPECT_FALSE(r.rebuilt);
    EXPECT_FALSE(r.thresholdRebuilt);
    EXPECT_EQ(r.firstNewPoint, 1000u);
    EXPECT_EQ(r.firstNewThresholdPoint, 1000u);
    EXPECT_EQ(m_view.Points().size(), 1001u);
    EXPECT_EQ(m_view.Points()[0].x, first.x);

    r = Draw(*series, true);
    EXPECT_FALSE(r.rebuilt);
    EXPECT_EQ(r.firstNewPoint, 1001u);

    // A new threshold redraws the threshold line only.
    Settings().SetThreshold(eTesla, 3e-6);
    r = Draw(*series, true);
    EXPECT_FALSE(r.rebuilt);
    EXPECT_TRUE(r.thresholdRebuilt);
    EXPECT_EQ(m_view.ThresholdPoints().size(), 1001u);
    EXPECT_NEAR(m_view.ThresholdPoints().back().y, 3.0, 1e-9);
}

TEST_F(TimeGraph, RedrawnWhenSeriesPrefixOrColourChange) {
    auto series = MakeSeries(Steady(10));
    Draw(*series);

    // A value of 2 mT moves the drawing from µT to mT.
    series->AppendSamples({"11;2e-3;OK;50"});
    GraphRefresh r = Draw(*series);
    EXPECT_TRUE(r.rebuilt);
    EXPECT_EQ(r.firstNewPoint, 0u);
    EXPECT_EQ(m_view.Scale().unitText, "mT");
    EXPECT_NEAR(m_view.Points()[0].y, 0.002, 1e-12);

    Settings().SetColors(eColorGraphLine, kBlue);
    r = Draw(*series);
    EXPECT_TRUE(r.rebuilt);
    EXPECT_EQ(m_view.Points()[0].color, kBlue);

    auto other = MakeSeries(Steady(5));
    r = Draw(*other);
    EXPECT_TRUE(r.rebuilt);
    EXPECT_EQ(m_view.Points().size(), 5u);

    // The live series emptied and refilled by fewer samples than drawn.
    auto shorter = MakeSeries(Steady(3));
    r = m_view.Refresh(*shorter, Settings(), {});
    EXPECT_TRUE(r.rebuilt);
    EXPECT_EQ(m_view.Points().size(), 3u);
}

TEST_F(TimeGraph, ZoomedGraphKeepsItsRangesAndTakesTheLegendFromThem) {
    std::vector<Sample> samples = Steady(120);
    samples[100].valid = "!O";
    auto series = MakeSeries(samples);
    const DateTime start = series->GetDateTime();
    Settings().SetYAutoScale(false);
    Settings().SetXAutoScale(0, false);

    m_view.Refresh(*series, Settings(),
                   GraphContext{false, AxisRange{start + 95 * kSecond, start + 105 * kSecond}});
    EXPECT_FALSE(m_view.TimeRange());
    EXPECT_FALSE(m_view.ValueRange());
    EXPECT_TRUE(m_view.LegendVisible());

    m_view.Refresh(*series, Settings(),
                   GraphContext{false, AxisRange{start, start + 50 * kSecond}});
    EXPECT_FALSE(m_view.LegendVisible());
}

TEST_F(TimeGraph, CurrentsAccompanyStoredSeriesOnly) {
    auto series = MakeSeries(Steady(3));
    Settings().SetCurrentVisible(true);
    Draw(*series);
    EXPECT_TRUE(m_view.CurrentsVisible());
    Draw(*series, true);
    EXPECT_FALSE(m_view.CurrentsVisible());
    EXPECT_EQ(GraphStyle(Settings()).currentAxisTitle, "Current [A]");
    Settings().SetCurrentVisible(false);
    Draw(*series);
    EXPECT_FALSE(m_view.CurrentsVisible());
    EXPECT_EQ(GraphStyle(Settings()).currentAxisTitle, "");
}

TEST_F(TimeGraph, EmptySeriesDrawsNothing) {
    OrvAutoDataset series(7, eIntProbe, 0, eFST, 0);
    Draw(series);
    EXPECT_TRUE(m_view.Points().empty());
    EXPECT_FALSE(m_view.LegendVisible());
    EXPECT_EQ(TimeGraphView::TimeAxisLabel(EncodeTime(10, 1, 1, 0)), "10:01:01");
}

} // namespace

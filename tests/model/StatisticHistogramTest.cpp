#include "ViewFixtures.h"

#include "mainwindow/HistogramView.h"
#include "mainwindow/MatrixSelection.h"
#include "mainwindow/StatisticView.h"

#include <gtest/gtest.h>

using namespace ombrix;
using namespace ombrix::test;

namespace {

class Statistic : public ViewTest {
protected:
    MatrixSelection m_selection;
};

TEST_F(Statistic, FiguresOfASeriesInVm) {
    struct Case {
        std::vector<double> values;
        const char* minimum;
        const char* maximum;
        const char* mean;
        const char* variance;
        const char* deviation;
    };
    const Case cases[] = {
        {{1, 2, 3}, "1 V/m", "3 V/m", "2 V/m", "1 V/m", "1 V/m"},
        {{7}, "7 V/m", "7 V/m", "7 V/m", "?", "?"},
        {{4, 4}, "4 V/m", "4 V/m", "4 V/m", "?", "?"},
        // Zeros do not hold the minimum once a later value arrives.
        {{0, 5, 3}, "3 V/m", "5 V/m", "2.6667 V/m", "6.3333 V/m", "2.5166 V/m"},
        {{5, 0}, "0 V/m", "5 V/m", "2.5 V/m", "12.5 V/m", "3.5355 V/m"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.values.size());
        auto series = MakeSeries(Values(c.values), 1, "V/m");
        const auto page = ShowStatistic(*series, m_selection, Settings());
        ASSERT_TRUE(page);
        EXPECT_EQ(page->count, std::to_string(c.values.size()));
        EXPECT_EQ(page->minimum, c.minimum);
        EXPECT_EQ(page->maximum, c.maximum);
        EXPECT_EQ(page->mean, c.mean);
        EXPECT_EQ(page->variance, c.variance);
        EXPECT_EQ(page->standardDeviation, c.deviation);
        EXPECT_FALSE(page->flaggedNoteVisible);
    }
}

TEST_F(Statistic, FlaggedSamplesAreCountedButLeftOutOfTheFigures) {
    // Threshold 50 V/m by default; 50 itself is not over it.
    auto series = MakeSeries({{10}, {50}, {1000, "!O"}, {60}, {20, "!A"}, {70}}, 10, "V/m");
    const auto page = ShowStatistic(*series, m_selection, Settings());
    ASSERT_TRUE(page);
    EXPECT_EQ(page->count, "6");
    EXPECT_EQ(page->figures.valueCount, 4);
    EXPECT_EQ(page->maximum, "70 V/m");
    EXPECT_EQ(page->mean, "47.5 V/m");
    EXPECT_EQ(page->overThreshold, "2");
    EXPECT_EQ(page->thresholdText, "50 V/m");
    EXPECT_TRUE(page->flaggedNoteVisible);
    EXPECT_TRUE(page->timeGroupVisible);
    EXPECT_EQ(page->startTime, "10:00:00");
    EXPECT_EQ(page->stopTime, "10:01:00");
    EXPECT_EQ(page->interval, "00:00:10");
    EXPECT_EQ(page->measuringLength, "00:01:00");
}

TEST_F(Statistic, GridTakesTheChosenLineOrPlane) {
    auto grid = MakeGrid({{1, 1, 1, 10},
                          {2, 1, 1, 20},
                          {1, 2, 1, 30},
                          {2, 2, 1, 40},
                          {3, 2, 1, 50, "!O"},
                          {1, 2, 2, 60},
                          {2, 2, 2, 70}});
    struct Case {
        const char* what;
        std::vector<double> values;
    };
    MatrixSelection line;
    line.SelectAxis(GridAxis::X);
    line.SetAxisText(GridAxis::Y, "2");
    line.SetAxisText(GridAxis::Z, "1");
    MatrixSelection plane;
    plane.SelectPlane(GridPlane::XZ);
    plane.SetPlaneText(GridPlane::XZ, "2");
    MatrixSelection all;
    all.SelectNothing();
    MatrixSelection garbled = plane;
    garbled.SetPlaneText(GridPlane::XZ, "two"); // counts as index 0: no point there
    for (const auto& [selection, values] :
         std::vector<std::pair<MatrixSelection, std::vector<double>>>{
             {line, {30, 40, 50}},
             {plane, {30, 60, 40, 70, 50}},
             {all, {10, 30, 60, 20, 40, 70, 50}},
             {garbled, {}}}) {
        EXPECT_EQ(SelectionValues(*grid, selection), values);
        const auto page = ShowStatistic(*grid, selection, Settings());
        ASSERT_TRUE(page);
        EXPECT_EQ(page->count, std::to_string(values.size()));
        EXPECT_FALSE(page->flaggedNoteVisible); // grids do not say so
        EXPECT_FALSE(page->timeGroupVisible);
    }
    // A line without measured points.
    const auto empty = ShowStatistic(*grid, garbled, Settings());
    EXPECT_EQ(empty->minimum, "0 V/m");
    EXPECT_EQ(empty->maximum, "0 V/m");
    EXPECT_EQ(empty->mean, "0 V/m");
    EXPECT_EQ(empty->variance, "?");
    EXPECT_EQ(empty->standardDeviation, "?");
    auto spectrum = MakeSpectrum({1e-6, 2e-6, 3e-6, 4e-6, 5e-6, 6e-6}, 1);
    EXPECT_FALSE(ShowStatistic(*spectrum, line, Settings()));
}

TEST_F(Statistic, ThresholdTypedOnThePage) {
    auto gauss = MakeSeries(Values({1, 2}), 1, "G");
    RangeCheckResult r = EnterStatisticThreshold("2", *gauss, Settings());
    EXPECT_TRUE(r.accepted);
    EXPECT_NEAR(Settings().GetThreshold(eTesla), 0.0002, 1e-15);

    r = EnterStatisticThreshold("400", *gauss, Settings());
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.message, "Only values between 0 G and 316 G are valid");
    EXPECT_NEAR(Settings().GetThreshold(eTesla), 0.0002, 1e-15);

    auto electric = MakeSeries(Values({1}), 1, "V/m");
    EXPECT_TRUE(EnterStatisticThreshold("100k", *electric, Settings()).accepted);
    EXPECT_FALSE(EnterStatisticThreshold("-1", *electric, Settings()).accepted);
    EXPECT_DOUBLE_EQ(Settings().GetThreshold(eEField), 100000);

    EXPECT_DOUBLE_EQ(StatisticThresholdLimit(ePercent), 200);
    EXPECT_DOUBLE_EQ(StatisticThresholdLimit(eAmperePerMetre), 25146.48368);
    EXPECT_DOUBLE_EQ(StatisticThresholdLimit(eBField), 0.0316);
}

class Histogram : public ViewTest {
protected:
    MatrixSelection m_selection;
};

TEST_F(Histogram, ClassesRelativeToAFixedReference) {
    Settings().SetHistogramRefAuto(false);
    Settings().SetHistogramRef(eEField, 10);
    auto series = MakeSeries(Values({0.5, 9.99, 10, 12}), 1, "V/m");
    const auto chart = ShowHistogram(*series, m_selection, Settings(), std::nullopt);
    ASSERT_TRUE(chart);
    EXPECT_DOUBLE_EQ(chart->reference, 10);
    const std::array<int, 11> counts{1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2};
    EXPECT_EQ(chart->classCounts, counts);
    ASSERT_EQ(chart->bars.size(), 11u);
    EXPECT_DOUBLE_EQ(chart->bars[0].height, 25);
    EXPECT_DOUBLE_EQ(chart->bars[9].height, 25);
    EXPECT_DOUBLE_EQ(chart->bars[10].height, 50);
    EXPECT_NEAR(chart->bars[10].x, 1.05, 1e-12);
    EXPECT_NEAR(chart->bars[0].x, 0.05, 1e-12);
    EXPECT_EQ(chart->bars[10].mark, "50%");
    EXPECT_EQ(chart->bars[1].mark, "0%");
    EXPECT_EQ(chart->title, "Histogram (Ref display X-Axis: 10 V/m)");
    EXPECT_EQ(chart->valueAxisTitle, "Electric field strength [V/m]");
    EXPECT_EQ(chart->percentAxisTitle, "% of measurement values");
    EXPECT_EQ(chart->foot, "No. of values: 4, Max value: 12 V/m, Mean value: 8.1225 V/m");
}

TEST_F(Histogram, ClassOfAValue) {
    struct Case {
        double value, reference;
        int expected;
    };
    for (const Case& c : {Case{0, 10, 0}, Case{0.999, 10, 0}, Case{1, 10, 1}, Case{9.99, 10, 9},
                          Case{10, 10, 10}, Case{12, 10, 10}, Case{5, 0, 10}, Case{0, 0, 10},
                          // Outside the tenths: kept in range instead of written past the classes.
                          Case{-1, 10, 0}, Case{-5, -1, 0}, Case{-0.5, 0, 0}}) {
        EXPECT_EQ(HistogramClass(c.value, c.reference), c.expected)
            << c.value << " / " << c.reference;
    }
}

TEST_F(Histogram, ReferenceChoice) {
    struct Case {
        bool automatic;
        std::optional<double> liveTop;
        double expected;
    };
    Settings().SetHistogramRef(eEField, 40);
    for (const Case& c : {Case{true, std::nullopt, 12}, Case{true, 100.0, 100},
                          Case{false, std::nullopt, 40}, Case{false, 100.0, 40}}) {
        Settings().SetHistogramRefAuto(c.automatic);
        EXPECT_DOUBLE_EQ(HistogramReference(12, c.liveTop, Settings(), eEField), c.expected);
    }
}

TEST_F(Histogram, SeriesInMicroteslaWithFlaggedSamples) {
    auto series = MakeSeries({{1e-6}, {2e-6}, {9e-6, "!O"}, {4e-6}});
    const auto chart = ShowHistogram(*series, m_selection, Settings(), std::nullopt);
    ASSERT_TRUE(chart);
    EXPECT_DOUBLE_EQ(chart->reference, 4e-6);
    EXPECT_EQ(chart->valueCount, 3);
    EXPECT_EQ(chart->classCounts[2], 1);
    EXPECT_EQ(chart->classCounts[5], 1);
    EXPECT_EQ(chart->classCounts[10], 1);
    EXPECT_EQ(chart->title, "Histogram (Ref display X-Axis: 4 \xB5T)");
    EXPECT_EQ(chart->valueAxisTitle, "Magnetic Induction [\xB5T]");
    EXPECT_EQ(chart->foot,
              "No. of values: 3, Max value: 4 \xB5T, Mean value: 2.3333 \xB5T\n"
              "Overdrive values and values during Not-Ready periods of the analyzer are not "
              "considered for histogram results");
}

TEST_F(Histogram, NoValuesNoBars) {
    OrvAutoDataset empty(7, eIntProbe, 0, eFST, 0);
    const auto chart = ShowHistogram(empty, m_selection, Settings(), std::nullopt);
    ASSERT_TRUE(chart);
    EXPECT_TRUE(chart->bars.empty());
    EXPECT_EQ(chart->foot.rfind("No. of values: 0,", 0), 0u);
}

TEST_F(Histogram, BottomAxisReadsInThePrefixedUnit) {
    struct Case {
        double u, reference;
        const char* label;
    };
    for (const Case& c :
         {Case{0, 10, "0"}, Case{0.3, 10, "3"}, Case{1, 10, "10"}, Case{0.5, 2e-6, "1"},
          Case{1.05, 2.5e-6, "2.625"}, Case{0.1, 3.3333333e-6, "0.33333"}, Case{0.5, 0, "0"}}) {
        EXPECT_EQ(HistogramAxisLabel(c.u, c.reference), c.label) << c.u << " x " << c.reference;
    }
}

} // namespace

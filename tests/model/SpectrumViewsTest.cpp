#include "ViewFixtures.h"

#include "core/Ombrix.h"
#include "mainwindow/HarmonicsView.h"
#include "mainwindow/LogAxisTicks.h"
#include "mainwindow/PeakListView.h"
#include "mainwindow/SpectrumView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace ombrix;
using namespace ombrix::test;

namespace {

constexpr ChartColor kRed = RgbColor(255, 0, 0);
constexpr ChartColor kLightRed = RgbColor(255, 128, 128);

// 100 lines of 10 nT with peaks of 1 µT at line 50, 0.5 µT at 30 and 0.2 µT at 70.
std::vector<double> ThreePeaks() {
    std::vector<double> values(100, 1e-8);
    values[49] = values[51] = 2e-7;
    values[50] = 1e-6;
    values[30] = 5e-7;
    values[70] = 2e-7;
    return values;
}

class Spectrum : public ViewTest {
protected:
    void TearDown() override {
        Settings().Standards().clear();
        ViewTest::TearDown();
    }
    SpectrumView m_view;
};

TEST_F(Spectrum, CurveStartsAboveTheLowestLines) {
    struct Case {
        int df;
        double firstHz;
    };
    for (const Case& c : {Case{1, 5}, Case{10, 40}, Case{40, 160}}) {
        SCOPED_TRACE(c.df);
        std::vector<double> rising(64);
        for (std::size_t i = 0; i < rising.size(); ++i)
            rising[i] = 1e-6 * static_cast<double>(i + 1);
        auto spectrum = MakeSpectrum(rising, c.df);
        SpectrumView view;
        ASSERT_TRUE(view.Refresh(*spectrum, Settings()));
        EXPECT_DOUBLE_EQ(view.Points().front().x, c.firstHz);
        EXPECT_DOUBLE_EQ(view.Points().back().x, 63.0 * c.df);
        EXPECT_EQ(view.ThresholdPoints().size(),
                  view.Points().size()); // a rising spectrum has no peak
        EXPECT_DOUBLE_EQ(view.ThresholdPoints().front().x, c.firstHz);
    }
}

TEST_F(Spectrum, PeakTopsMergedIntoTheCurveInFrequencyOrder) {
    auto spectrum = MakeSpectrum(ThreePeaks(), 1);
    ASSERT_TRUE(m_view.Refresh(*spectrum, Settings()));
    EXPECT_DOUBLE_EQ(m_view.Factor(), 1e-6);
    EXPECT_EQ(m_view.ValueAxisTitle(), "Magnetic Induction [\xB5T]");
    const auto& points = m_view.Points();
    const auto& peaks = spectrum->FindPeaks();
    ASSERT_FALSE(peaks.empty());
    EXPECT_EQ(points.size(), 95u + peaks.size());
    EXPECT_TRUE(std::is_sorted(points.begin(), points.end(),
                               [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; }));
    for (const VectorPeak& peak : peaks) {
        const bool found = std::any_of(points.begin(), points.end(), [&](const ChartPoint& p) {
            return p.x == peak.m_dFrequency && std::fabs(p.y - peak.m_dPeakValue * 1e6) < 1e-9;
        });
        EXPECT_TRUE(found) << peak.m_dFrequency;
    }
    EXPECT_NEAR(m_view.ThresholdPoints().front().y, 10.0, 1e-9);
    EXPECT_FALSE(m_view.InLegend());
    EXPECT_EQ(m_view.LineColor(), Settings().GetColors(eColorSpectrumLine));
}

TEST_F(Spectrum, DrawnOnceUntilTheSettingsChange) {
    auto spectrum = MakeSpectrum(ThreePeaks(), 1);
    EXPECT_TRUE(m_view.Refresh(*spectrum, Settings()));
    EXPECT_FALSE(m_view.Refresh(*spectrum, Settings()));
    auto other = MakeSpectrum(ThreePeaks(), 1);
    EXPECT_TRUE(m_view.Refresh(*other, Settings()));
    m_view.Invalidate();
    EXPECT_TRUE(m_view.Refresh(*other, Settings()));
    // The same object read again at another time is another spectrum.
    other->SetDateTime(other->GetDateTime() + 2.0 / 86400);
    EXPECT_TRUE(m_view.Refresh(*other, Settings()));
}

TEST_F(Spectrum, OverdrivenSpectrumIsRedAndInTheLegend) {
    auto spectrum = MakeSpectrum(ThreePeaks(), 1, "!O");
    m_view.Refresh(*spectrum, Settings());
    EXPECT_TRUE(m_view.InLegend());
    EXPECT_EQ(m_view.LineColor(), kRed);
    Settings().SetColors(eColorSpectrumLine, kRed);
    m_view.Invalidate();
    m_view.Refresh(*spectrum, Settings());
    EXPECT_EQ(m_view.LineColor(), kLightRed);
    EXPECT_STREQ(SpectrumView::kLegendText, "Overdrive");
}

TEST_F(Spectrum, FixedValueAxis) {
    Settings().SetYAutoScale(false);
    Settings().SetYMax(eTesla, 2e-3);
    Settings().SetYLog(true);
    auto spectrum = MakeSpectrum(ThreePeaks(), 1);
    m_view.Refresh(*spectrum, Settings());
    EXPECT_EQ(m_view.Scale().unitText, "mT");
    EXPECT_FALSE(m_view.ValueAxisSetting().automatic);
    EXPECT_NEAR(m_view.ValueAxisSetting().range.max, 2, 1e-12);
    EXPECT_NEAR(m_view.ValueAxisSetting().range.min, 0.002, 1e-12);
    Settings().SetFFTXMin(0);
    Settings().SetFFTXMax(2000);
    Settings().SetXAutoScale(1, false);
    const SpectrumStyle style = SpectrumStyleOf(Settings());
    EXPECT_FALSE(style.frequencyAutomatic);
    EXPECT_DOUBLE_EQ(style.frequencyRange.min, 2);
    EXPECT_DOUBLE_EQ(style.frequencyRange.max, 2000);
}

TEST_F(Spectrum, StandardCurveOnlyForAbsoluteSpectraOnLogLogAxes) {
    auto standard = std::make_unique<OrvStandard>("Limits");
    standard->AddPoint({1, 4e-2, 5000});
    standard->AddPoint({50, 2e-4, 5000});
    Settings().Standards().push_back(std::move(standard));
    Settings().SetStandardIndex(0);

    struct Case {
        bool xLog, yLog;
        const char* unit;
        int index;
        bool drawn;
    };
    for (const Case& c : {Case{true, true, "T", 0, true}, Case{true, false, "T", 0, false},
                          Case{false, true, "T", 0, false}, Case{true, true, "%", 0, false},
                          Case{true, true, "T", 1, false}}) {
        SCOPED_TRACE(std::string(c.unit) + std::to_string(c.xLog) + std::to_string(c.yLog) +
                     std::to_string(c.index));
        Settings().SetFFTXLog(c.xLog);
        Settings().SetYLog(c.yLog);
        Settings().SetStandardIndex(c.index);
        auto spectrum = MakeSpectrum(ThreePeaks(), 1, "OK", c.unit);
        SpectrumView view;
        view.Refresh(*spectrum, Settings());
        ASSERT_EQ(view.StandardPoints().size(), c.drawn ? 2u : 0u);
        if (c.drawn) {
            // In the spectrum's prefix (µT): 200 µT at 50 Hz.
            EXPECT_DOUBLE_EQ(view.StandardPoints()[1].x, 50);
            EXPECT_NEAR(view.StandardPoints()[1].y, 200, 1e-9);
        }
    }
}

TEST_F(Spectrum, PeakListRowsForPeakCount) {
    const PeakListLayout layout = PeakListLayoutFor(9);
    EXPECT_EQ(layout.rowCount, 10);
    EXPECT_EQ(layout.header, (std::vector<std::string>{"Peaks", "Frequence", ""}));
    ASSERT_EQ(layout.rowTitles.size(), 9u);
    EXPECT_EQ(layout.rowTitles.front(), "Peak 1:");
    EXPECT_EQ(layout.rowTitles.back(), "Peak 9:");
    EXPECT_EQ(PeakListLayoutFor(-3).rowCount, 1);

    auto spectrum = MakeSpectrum(ThreePeaks(), 1);
    const auto& peaks = spectrum->FindPeaks();
    const auto rows = PeakListRows(*spectrum, layout.rowCount);
    ASSERT_EQ(rows.size(), peaks.size()); // fewer peaks than rows: the rest keep their texts
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].frequencyText, FormatValue(peaks[i].m_dFrequency, "Hz"));
        EXPECT_EQ(rows[i].valueText, FormatValue(peaks[i].m_dPeakValue, "T"));
    }
    EXPECT_EQ(rows.front().frequencyText.substr(0, 2), "50");
    EXPECT_EQ(PeakListRows(*spectrum, 3).size(), 2u);

    auto flat = MakeSpectrum(std::vector<double>(64, 1e-6), 1);
    EXPECT_TRUE(PeakListRows(*flat, 10).empty());
}

TEST_F(Spectrum, HarmonicsBarsTitleAndFoot) {
    auto list = MakeHarmonics("OK");
    const HarmonicsChart chart = ShowHarmonics(*list, Settings());
    ASSERT_EQ(chart.bars.size(), 9u);
    EXPECT_DOUBLE_EQ(chart.bars[0].x, 1);
    EXPECT_DOUBLE_EQ(chart.bars[0].height, 100);
    EXPECT_EQ(chart.bars[0].mark, "100%");
    EXPECT_DOUBLE_EQ(chart.bars[1].x, 2);
    EXPECT_EQ(chart.bars[1].mark, "12.346%");
    EXPECT_EQ(chart.bars[2].mark, "0.5%");
    EXPECT_DOUBLE_EQ(chart.bars[8].x, 9);
    EXPECT_DOUBLE_EQ(chart.bars[8].height, 0.9);
    EXPECT_EQ(chart.title, "Magnetic Induction");
    EXPECT_EQ(chart.foot, "Detected fundamental: 50.02 Hz / 12.345 \xB5T, KT: " +
                              list->FormatKT(0) + "%, KN: " + list->FormatKN(0) + "%");
    EXPECT_FALSE(chart.inLegend);
    EXPECT_EQ(chart.barColor, Settings().GetColors(eColorHarmonicsBars));
    EXPECT_EQ(HarmonicsAxisLabel(3), "K3");

    auto overdriven = MakeHarmonics("!O");
    const HarmonicsChart red = ShowHarmonics(*overdriven, Settings());
    EXPECT_TRUE(red.inLegend);
    EXPECT_EQ(red.barColor, kRed);
}

std::vector<double> TickValues(AxisRange range, double pixels, double labelExtent) {
    std::vector<double> values;
    for (const AxisTick& t :
         LogAxisTicks(range, pixels, [&](const std::string&) { return labelExtent; }))
        values.push_back(t.value);
    return values;
}

TEST_F(Spectrum, LogarithmicAxisLabelsLeaveRoomBetweenThem) {
    const auto near = [](const std::vector<double>& actual, const std::vector<double>& expected) {
        if (actual.size() != expected.size()) return false;
        for (std::size_t i = 0; i < actual.size(); ++i)
            if (std::fabs(actual[i] - expected[i]) > 1e-9 * expected[i]) return false;
        return true;
    };
    // 100 px a decade, labels 20 px: a label needs 26 px after the one before.
    EXPECT_TRUE(near(TickValues({1, 1000}, 300, 20), {1, 2, 4, 10, 20, 40, 100, 200, 400, 1000}));
    // Room for all of them; with the finest step at the first label there is
    // room even for 1.1.
    EXPECT_TRUE(near(TickValues({1, 1000}, 3000, 20),
                     {1,  1.1, 2,  3,   4,   5,   6,   7,   10,  20,  30,  40,
                      50, 60,  70, 100, 200, 300, 400, 500, 600, 700, 1000}));
    // Crowded: one label a decade; more crowded, a label where the room ends.
    EXPECT_TRUE(near(TickValues({1, 1000}, 90, 20), {1, 10, 100, 1000}));
    EXPECT_TRUE(near(TickValues({1, 1000}, 60, 20), {1, 20, 400}));
    // The labels start at the power of ten below the range but show inside it only.
    EXPECT_TRUE(
        near(TickValues({2.5, 100}, 3000, 20), {3, 4, 5, 6, 7, 10, 20, 30, 40, 50, 60, 70, 100}));
    EXPECT_TRUE(near(TickValues({0.01, 0.1}, 1000, 20),
                     {0.01, 0.011, 0.02, 0.03, 0.04, 0.05, 0.06, 0.07, 0.1}));
    EXPECT_TRUE(TickValues({0, 100}, 300, 20).empty());
    EXPECT_TRUE(TickValues({100, 10}, 300, 20).empty());

    const auto ticks =
        LogAxisTicks({1, 10000}, 4000, [](const std::string& s) { return 8.0 * s.size(); });
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.back().label, "10,000");
    EXPECT_EQ(ticks.front().label, "1");
}

} // namespace

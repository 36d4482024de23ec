#pragma once
// The time graph of a timed series: the samples against time with their
// validity colours, the threshold line, the scaling into an engineering prefix,
// the shown time window and the legend that explains the colours. It keeps its
// points between refreshes, so that a live series growing by one sample a
// second costs one new point per refresh and not a redraw.

#include "core/DateTime.h"
#include "mainwindow/ChartTypes.h"
#include "mainwindow/ValueScale.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ombrix {

class OrvAutoDataset;
class ViewSetupStruct;

struct GraphPoint {
    DateTime x = 0; // when the sample was taken
    double y = 0;   // the value in the drawn prefix
    ChartColor color = 0;
    // The line arriving from the previous sample: it keeps the colour of a
    // flagged sample it leaves, so a flagged sample is marked on both sides.
    ChartColor lineColor = 0;
};

struct GraphContext {
    // The current data list's live series: the window follows the newest sample
    // and no phase currents are drawn over it.
    bool isLive = false;
    // While the user has zoomed the graph, the chart's own time range; the
    // refresh then leaves both axes as they are.
    std::optional<AxisRange> zoomedTimeRange;
};

// What a refresh changed. A chart applies it to its own series: when rebuilt,
// drop the points and take them all; else append those from firstNew on.
struct GraphRefresh {
    bool rebuilt = false;
    std::size_t firstNewPoint = 0;
    bool thresholdRebuilt = false;
    std::size_t firstNewThresholdPoint = 0;
};

// The graph's fixed presentation, applied when the settings change.
struct TimeGraphStyle {
    bool timeAutomatic = true;
    bool valueAutomatic = true;
    bool valueLogarithmic = false;
    ChartColor lineColor = 0;
    int lineWidth = 2;
    bool thresholdVisible = false;
    ChartColor thresholdColor = 0;
    int thresholdWidth = 2;
    bool currentsVisible = false;
    std::string currentAxisTitle;              // "Current [A]" with the currents, else empty
    std::array<ChartColor, 4> currentColors{}; // N, L1, L2, L3
    int currentWidth = 2;
};

TimeGraphStyle GraphStyle(const ViewSetupStruct& setup);

class TimeGraphView {
public:
    static constexpr int kLegendEntries = 3;

    GraphRefresh Refresh(OrvAutoDataset& series, const ViewSetupStruct& setup,
                         const GraphContext& context);
    // The next refresh starts from nothing.
    void Clear();

    const std::vector<GraphPoint>& Points() const { return m_points; }
    const std::vector<ChartPoint>& ThresholdPoints() const { return m_thresholdPoints; }
    const ValueScale& Scale() const { return m_scale; }
    const std::string& Title() const { return m_title; }
    const std::string& ValueAxisTitle() const { return m_valueTitle; }
    static const char* TimeAxisTitle() { return "Time"; }

    // The value axis: automatic, fixed to a range, or left alone while zoomed.
    bool ValueAxisAutomatic() const { return m_valueAutomatic; }
    const std::optional<AxisRange>& ValueRange() const { return m_valueRange; }
    // The time range to set (none while zoomed) and the one on screen.
    const std::optional<AxisRange>& TimeRange() const { return m_timeRange; }
    const AxisRange& ShownTimeRange() const { return m_shownTimeRange; }

    // Shown exactly while a flagged sample lies in the shown time range.
    bool LegendVisible() const { return m_legendVisible; }
    const std::array<LegendEntry, kLegendEntries>& Legend() const { return m_legend; }
    // "Value", "Not-Ready", "Overdrive"; any other entry is empty.
    static std::string LegendText(int entry);

    bool CurrentsVisible() const { return m_currentsVisible; }

    // "hh:mm:ss" of a point of the time axis.
    static std::string TimeAxisLabel(DateTime x);

private:
    DateTime SampleTime(std::size_t i) const;
    void ForgetSeries(const OrvAutoDataset& series);
    double LargestSample(const OrvAutoDataset& series);
    void CollectFlagged(const OrvAutoDataset& series);
    bool FlaggedBetween(const OrvAutoDataset& series, DateTime from, DateTime to) const;
    AxisRange WindowOf(const OrvAutoDataset& series, const ViewSetupStruct& setup,
                       bool isLive) const;

    const OrvAutoDataset* m_pSeries = nullptr;
    DateTime m_start = 0;
    DateTime m_step = 0;
    std::vector<GraphPoint> m_points;
    std::vector<ChartPoint> m_thresholdPoints;
    std::optional<double> m_threshold;
    std::optional<ChartColor> m_seriesColor;
    ValueScale m_scale;
    bool m_scaleKnown = false;

    // Kept over the samples seen so far, so that a refresh reads new samples only.
    std::size_t m_samplesMeasured = 0;
    double m_largestSample = 0;
    std::size_t m_samplesScanned = 0;
    std::vector<std::size_t> m_flagged; // indices of samples not "OK", ascending

    std::string m_title;
    std::string m_valueTitle;
    bool m_valueAutomatic = true;
    std::optional<AxisRange> m_valueRange;
    std::optional<AxisRange> m_timeRange;
    AxisRange m_shownTimeRange;
    bool m_legendVisible = false;
    std::array<LegendEntry, kLegendEntries> m_legend;
    bool m_currentsVisible = false;
};

} // namespace ombrix

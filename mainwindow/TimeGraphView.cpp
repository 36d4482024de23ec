#include "mainwindow/TimeGraphView.h"

#include "config/Listendecl.h"
#include "datasets/OrvAutoDataset.h"
#include "mainwindow/ValidityColors.h"
#include "presentation/ViewSetupStruct.h"

#include <algorithm>

namespace ombrix {

namespace {

constexpr double kSecondsPerDay = 86400.0;
// Sample times and window ends are sums of day fractions that may differ in
// their last digit; a sample on the edge of the window is shown in it.
constexpr double kEdgeTolerance = 0.0005 / kSecondsPerDay;

DateTime Seconds(double seconds) {
    return seconds / kSecondsPerDay;
}

bool Flagged(Code validity) {
    return validity != eValidOK;
}

} // namespace

TimeGraphStyle GraphStyle(const ViewSetupStruct& setup) {
    TimeGraphStyle style;
    style.timeAutomatic = setup.GetXAutoScale(0);
    style.valueAutomatic = setup.GetYAutoScale();
    style.valueLogarithmic = setup.GetYLog();
    style.lineColor = setup.GetColors(eColorGraphLine);
    style.lineWidth = setup.GetLineWidth(eWidthGraphLine);
    style.thresholdVisible = setup.GetThresholdVisible();
    style.thresholdColor = setup.GetColors(eColorThreshold);
    style.thresholdWidth = setup.GetLineWidth(eWidthThreshold);
    style.currentsVisible = setup.GetCurrentVisible();
    style.currentAxisTitle = style.currentsVisible ? "Current [A]" : "";
    style.currentColors = {setup.GetColors(eColorCurrentN), setup.GetColors(eColorCurrentL1),
                           setup.GetColors(eColorCurrentL2), setup.GetColors(eColorCurrentL3)};
    style.currentWidth = setup.GetLineWidth(eWidthCurrent);
    return style;
}

void TimeGraphView::Clear() {
    m_pSeries = nullptr;
    m_points.clear();
    m_thresholdPoints.clear();
    m_threshold.reset();
    m_seriesColor.reset();
    m_scaleKnown = false;
    m_samplesMeasured = 0;
    m_largestSample = 0;
    m_samplesScanned = 0;
    m_flagged.clear();
}

DateTime TimeGraphView::SampleTime(std::size_t i) const {
    // The same expression as the series' own range test, so that both agree on
    // a sample lying exactly on a range end.
    return m_start + static_cast<double>(i) * m_step;
}

void TimeGraphView::ForgetSeries(const OrvAutoDataset& series) {
    Clear();
    m_pSeries = &series;
    m_start = series.GetDateTime();
    m_step = series.GetStep();
}

double TimeGraphView::LargestSample(const OrvAutoDataset& series) {
    const auto count = static_cast<std::size_t>(series.GetSampleCount());
    for (; m_samplesMeasured < count; ++m_samplesMeasured)
        m_largestSample =
            std::max(m_largestSample, series.GetSampleValue(static_cast<int>(m_samplesMeasured)));
    return m_largestSample;
}

void TimeGraphView::CollectFlagged(const OrvAutoDataset& series) {
    const auto count = static_cast<std::size_t>(series.GetSampleCount());
    for (; m_samplesScanned < count; ++m_samplesScanned)
        if (Flagged(series.GetSampleValid(static_cast<int>(m_samplesScanned))))
            m_flagged.push_back(m_samplesScanned);
}

bool TimeGraphView::FlaggedBetween(const OrvAutoDataset& series, DateTime from, DateTime to) const {
    // A series whose time runs backwards cannot be searched by halving.
    from -= kEdgeTolerance;
    to += kEdgeTolerance;
    if (m_step < 0) return series.FirstInvalidInRange(from, to) != eValidOK;
    from = std::max(from, m_start);
    const auto first = std::partition_point(m_flagged.begin(), m_flagged.end(),
                                            [&](std::size_t i) { return SampleTime(i) < from; });
    return first != m_flagged.end() && SampleTime(*first) <= to;
}

AxisRange TimeGraphView::WindowOf(const OrvAutoDataset& series, const ViewSetupStruct& setup,
                                  bool isLive) const {
    const std::size_t count = static_cast<std::size_t>(series.GetSampleCount());
    const DateTime first = m_start;
    const DateTime last = count > 0 ? SampleTime(count - 1) : m_start;
    if (setup.GetXAutoScale(0)) return {first, last};
    const double length = setup.GetGraphXLength();
    if (isLive) return {last - Seconds(length), last};
    const double offset = setup.GetGraphXOffset();
    return {first + Seconds(offset), first + Seconds(offset + length)};
}

GraphRefresh TimeGraphView::Refresh(OrvAutoDataset& series, const ViewSetupStruct& setup,
                                    const GraphContext& context) {
    GraphRefresh refresh;
    const auto count = static_cast<std::size_t>(series.GetSampleCount());
    // A new series, or the same object refilled (the live series after a reset).
    if (&series != m_pSeries || series.GetDateTime() != m_start || series.GetStep() != m_step ||
        m_points.size() > count) {
        ForgetSeries(series);
        refresh.rebuilt = refresh.thresholdRebuilt = true;
    }

    const ValueClass valueClass = series.GetValueClass();
    const ChartColor seriesColor = setup.GetColors(eColorGraphLine);
    if (m_seriesColor != seriesColor) {
        m_seriesColor = seriesColor;
        m_points.clear();
        refresh.rebuilt = true;
    }
    const double threshold = setup.GetThreshold(valueClass);
    if (m_threshold != threshold) {
        m_threshold = threshold;
        m_thresholdPoints.clear();
        refresh.thresholdRebuilt = true;
    }

    const double magnitude =
        setup.GetYAutoScale() ? LargestSample(series) : setup.GetYMax(valueClass);
    const ValueScale scale = ScaleForMagnitude(magnitude, series.GetUnitText());
    if (!m_scaleKnown || scale.factor != m_scale.factor) {
        m_points.clear();
        m_thresholdPoints.clear();
        refresh.rebuilt = refresh.thresholdRebuilt = true;
    }
    m_scale = scale;
    m_scaleKnown = true;
    const double k = scale.Multiplier();

    refresh.firstNewPoint = m_points.size();
    refresh.firstNewThresholdPoint = m_thresholdPoints.size();
    // Reserving on every refresh would reallocate the whole series each second.
    if (m_points.empty()) m_points.reserve(count);
    for (std::size_t i = m_points.size(); i < count; ++i) {
        const int sample = static_cast<int>(i);
        GraphPoint point;
        point.x = SampleTime(i);
        point.y = series.GetSampleValue(sample) * k;
        point.color = ValidityColor(seriesColor, series.GetSampleValid(sample));
        point.lineColor = i > 0 && Flagged(series.GetSampleValid(sample - 1))
                              ? m_points[i - 1].color
                              : point.color;
        m_points.push_back(point);
    }
    if (m_thresholdPoints.empty()) m_thresholdPoints.reserve(count);
    for (std::size_t i = m_thresholdPoints.size(); i < count; ++i)
        m_thresholdPoints.push_back({SampleTime(i), threshold * k});

    const bool zoomed = context.zoomedTimeRange.has_value();
    m_title = series.QuantityName();
    m_valueTitle = ombrix::ValueAxisTitle(m_title, scale);
    const ValueAxis valueAxis = SettingsValueAxis(setup, valueClass, k);
    m_valueAutomatic = valueAxis.automatic;
    m_valueRange.reset();
    if (!valueAxis.automatic && !zoomed) m_valueRange = valueAxis.range;

    if (zoomed) {
        m_timeRange.reset();
        m_shownTimeRange = *context.zoomedTimeRange;
    } else {
        m_timeRange = WindowOf(series, setup, context.isLive);
        m_shownTimeRange = *m_timeRange;
    }

    CollectFlagged(series);
    m_legendVisible = FlaggedBetween(series, m_shownTimeRange.min, m_shownTimeRange.max);
    m_legend = {LegendEntry{LegendText(0), seriesColor},
                LegendEntry{LegendText(1), NotReadyColor(seriesColor)},
                LegendEntry{LegendText(2), OverdriveColor(seriesColor)}};
    m_currentsVisible = !context.isLive && setup.GetCurrentVisible();
    return refresh;
}

std::string TimeGraphView::LegendText(int entry) {
    switch (entry) {
    case 0:
        return "Value";
    case 1:
        return "Not-Ready";
    case 2:
        return "Overdrive";
    default:
        return {};
    }
}

std::string TimeGraphView::TimeAxisLabel(DateTime x) {
    return FormatDateTime("hh:nn:ss", x);
}

} // namespace ombrix

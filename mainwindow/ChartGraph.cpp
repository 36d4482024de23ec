#include "mainwindow/ChartGraph.h"

#include "datasets/OrvAutoDataset.h"
#include "mainwindow/DenseLineGraph.h"
#include "mainwindow/LogAxisTicker.h"
#include "mainwindow/OrvChartTickers.h"
#include "presentation/CurrentCurves.h"
#include "presentation/ViewSetupStruct.h"

#include <cmath>
#include <limits>

namespace ombrix {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr int kTimeLabelSeparation = 50;
constexpr int kLegendBoxWidth = 50;
constexpr int kLegendPenWidth = 4;
// Below this spacing the marks on the samples merge into the line.
constexpr int kMinPixelsPerSampleMark = 3;
constexpr const char* kCurrentNames[] = {"SeriesGraphN", "SeriesGraphL1", "SeriesGraphL2",
                                         "SeriesGraphL3"};

// Series that may grow long are dense-line graphs; the threshold and the
// legend's stand-ins are plain ones.
template <class Graph = QCPGraph>
Graph* NewGraph(QCustomPlot* plot, QCPAxis* valueAxis, const char* name) {
    auto* graph = new Graph(plot->xAxis, valueAxis);
    graph->setName(QString::fromLatin1(name));
    graph->setObjectName(QString::fromLatin1(name));
    graph->removeFromLegend();
    graph->setAdaptiveSampling(true);
    return graph;
}

QPen LinePen(ChartColor color, int width) {
    return QPen(ToQColor(color), std::max(1, width));
}

} // namespace

ChartGraph::ChartGraph(ZoomState& zoom, QWidget* parent)
    : OrvChart(zoom, ZoomableChart::Graph, "ChartGraph", "ScrollBarGraphH", "ScrollBarGraphV",
               parent),
      m_pNumberTicker(QSharedPointer<NumberAxisTicker>::create()) {
    TitleElement()->setFont(QFont(QStringLiteral("Arial"), -1, QFont::Bold));
    QFont titleFont = TitleElement()->font();
    titleFont.setPixelSize(16);
    TitleElement()->setFont(titleFont);
    TitleElement()->setTextColor(Qt::blue);
    QFont footFont(QStringLiteral("Arial"));
    footFont.setPixelSize(13);
    footFont.setItalic(true);
    FootElement()->setFont(footFont);
    FootElement()->setTextColor(Qt::red);

    xAxis->setTicker(QSharedPointer<TimeAxisTicker>::create(xAxis, kTimeLabelSeparation));
    xAxis->setLabel(QString::fromLatin1(TimeGraphView::TimeAxisTitle()));
    yAxis->setTicker(m_pNumberTicker);
    yAxis2->setTicker(QSharedPointer<NumberAxisTicker>::create());

    m_pSeriesGraph = NewGraph<DenseLineGraph>(this, yAxis, "SeriesGraph");
    connect(xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
            [this] { UpdateSampleMarks(); });
    m_pSeriesGraphThreshold = NewGraph(this, yAxis, "SeriesGraphThreshold");
    m_pNotReady = NewGraph<DenseLineGraph>(this, yAxis, "SeriesGraphNotReady");
    m_pOverdrive = NewGraph<DenseLineGraph>(this, yAxis, "SeriesGraphOverdrive");
    for (int phase = 0; phase < kCurrentSeries; ++phase) {
        m_CurrentSeries[static_cast<std::size_t>(phase)] =
            NewGraph<DenseLineGraph>(this, yAxis2, kCurrentNames[phase]);
        m_CurrentSeries[static_cast<std::size_t>(phase)]->setVisible(false);
    }
    for (int entry = 0; entry < TimeGraphView::kLegendEntries; ++entry) {
        QCPGraph* graph = NewGraph(this, yAxis, "Series1");
        graph->setName(QString::fromLatin1(TimeGraphView::LegendText(entry)));
        graph->addToLegend();
        m_LegendSeries[static_cast<std::size_t>(entry)] = graph;
    }
    PlaceLegendBelow();
    legend->setIconSize(kLegendBoxWidth, 10);
    legend->setVisible(false);
    EnableMarker(true);
    ApplyGraphSettings(ViewSetup());
}

void ChartGraph::ApplyGraphSettings(const ViewSetupStruct& setup) {
    m_Style = GraphStyle(setup);
    if (Zoomed()) UndoZoom();
    SetAxisAutomatic(xAxis, m_Style.timeAutomatic);
    SetAxisAutomatic(yAxis, m_Style.valueAutomatic);
    LogAxisTicker::SetLogarithmic(yAxis, m_Style.valueLogarithmic, m_pNumberTicker);

    m_pSeriesGraph->setPen(LinePen(m_Style.lineColor, m_Style.lineWidth));
    m_pSeriesGraphThreshold->setVisible(m_Style.thresholdVisible);
    m_pSeriesGraphThreshold->setPen(LinePen(m_Style.thresholdColor, m_Style.thresholdWidth));
    for (int phase = 0; phase < kCurrentSeries; ++phase)
        m_CurrentSeries[static_cast<std::size_t>(phase)]->setPen(
            LinePen(m_Style.currentColors[static_cast<std::size_t>(phase)], m_Style.currentWidth));
    yAxis2->setLabel(QString::fromLatin1(m_Style.currentAxisTitle));
    m_bSyncPending = true;
}

void ChartGraph::ShowGraph(OrvAutoDataset& series, const ViewSetupStruct& setup, bool isLive) {
    m_pShown = &series;
    GraphContext context;
    context.isLive = isLive;
    if (Zoomed()) context.zoomedTimeRange = AxisRange{xAxis->range().lower, xAxis->range().upper};
    const GraphRefresh refresh = m_View.Refresh(series, setup, context);
    AppendPoints(refresh);

    const std::array<LegendEntry, TimeGraphView::kLegendEntries>& entries = m_View.Legend();
    const int width = m_Style.lineWidth;
    m_pSeriesGraph->setPen(LinePen(entries[0].color, width));
    m_pNotReady->setPen(LinePen(entries[1].color, width));
    m_pOverdrive->setPen(LinePen(entries[2].color, width));

    const bool currents = m_View.CurrentsVisible() && m_Style.currentsVisible;
    if (currents) FillCurrents(PhaseCurrents());
    for (QCPGraph* current : m_CurrentSeries)
        current->setVisible(currents);
    yAxis2->setVisible(currents);

    SetTitle(QString::fromLatin1(m_View.Title()));
    yAxis->setLabel(QString::fromLatin1(m_View.ValueAxisTitle()));
    ApplyRanges(m_Style);
    ShowLegend();
    if (m_bSyncPending || refresh.rebuilt) SyncScrollBars();
    m_bSyncPending = false;
    UpdateSampleMarks();
    replot();
}

void ChartGraph::UpdateSampleMarks() {
    // A mark on every sample shows where the samples lie while they stand
    // apart; packed closer they add nothing but drawing time, which would then
    // grow with the length of the series at every live refresh.
    const QCPRange keys = xAxis->range();
    const auto data = m_pSeriesGraph->data();
    const auto shown = data->findEnd(keys.upper) - data->findBegin(keys.lower);
    const bool marks = shown * kMinPixelsPerSampleMark <= axisRect()->width();
    if (marks == (m_pSeriesGraph->scatterStyle().shape() != QCPScatterStyle::ssNone)) return;
    m_pSeriesGraph->setScatterStyle(marks ? QCPScatterStyle(QCPScatterStyle::ssDot)
                                          : QCPScatterStyle(QCPScatterStyle::ssNone));
}

void ChartGraph::FillCurrents(const CurrentCurves& curves) {
    // The curves change only by an import or a shift of the current offset.
    if (m_bCurrentsFilled && curves.Revision() == m_nCurrentsRevision) return;
    m_bCurrentsFilled = true;
    m_nCurrentsRevision = curves.Revision();
    for (int phase = 0; phase < kCurrentSeries; ++phase) {
        const CurrentCurves::Curve& points = curves.Points(phase);
        QVector<QCPGraphData> data;
        data.reserve(static_cast<qsizetype>(points.size()));
        for (const CurrentPoint& point : points)
            data.append(QCPGraphData(point.time, point.ampere));
        m_CurrentSeries[static_cast<std::size_t>(phase)]->SetPoints(data);
    }
    yAxis2->rescale(false);
}

void ChartGraph::AppendPoints(const GraphRefresh& refresh) {
    const std::vector<GraphPoint>& points = m_View.Points();
    if (refresh.rebuilt) {
        m_pSeriesGraph->ClearPoints();
        m_pNotReady->ClearPoints();
        m_pOverdrive->ClearPoints();
    }
    const std::size_t from = refresh.rebuilt ? 0 : refresh.firstNewPoint;
    if (from < points.size()) {
        QVector<QCPGraphData> added;
        added.reserve(static_cast<qsizetype>(points.size() - from));
        for (std::size_t i = from; i < points.size(); ++i)
            added.append(QCPGraphData(points[i].x, points[i].y));
        m_pSeriesGraph->AppendPoints(added);
        const ChartColor notReady = m_View.Legend()[1].color;
        const ChartColor normal = m_View.Legend()[0].color;
        for (std::size_t i = std::max<std::size_t>(from, 1); i < points.size(); ++i) {
            const ChartColor line = points[i].lineColor;
            if (line == normal) continue;
            AppendSegment(line == notReady ? m_pNotReady : m_pOverdrive, i);
        }
    }

    // The threshold is a straight line: its first and its newest point carry
    // it, however long the series grows.
    const std::vector<ChartPoint>& threshold = m_View.ThresholdPoints();
    if (refresh.thresholdRebuilt || threshold.size() != m_nThresholdShown) {
        m_pSeriesGraphThreshold->data()->clear();
        if (!threshold.empty()) {
            m_pSeriesGraphThreshold->addData(threshold.front().x, threshold.front().y);
            if (threshold.size() > 1)
                m_pSeriesGraphThreshold->addData(threshold.back().x, threshold.back().y);
        }
        m_nThresholdShown = threshold.size();
    }
}

void ChartGraph::AppendSegment(DenseLineGraph* segments, std::size_t i) {
    // The segment arriving at point i, then a gap, so that the flagged stretches
    // stay apart.
    const std::vector<GraphPoint>& points = m_View.Points();
    segments->AppendPoints({QCPGraphData(points[i - 1].x, points[i - 1].y),
                            QCPGraphData(points[i].x, points[i].y),
                            QCPGraphData(points[i].x, std::numeric_limits<double>::quiet_NaN())});
}

void ChartGraph::ApplyRanges(const TimeGraphStyle& style) {
    (void)style;
    if (const std::optional<AxisRange>& time = m_View.TimeRange()) {
        double min = time->min;
        double max = time->max;
        if (!(max > min)) {
            // A single sample: a second either side.
            min -= 1.0 / kSecondsPerDay;
            max += 1.0 / kSecondsPerDay;
        }
        xAxis->setRange(min, max);
    }
    if (Zoomed()) return;
    if (const std::optional<AxisRange>& value = m_View.ValueRange())
        ApplyValueAxis(yAxis, false, value->min, value->max);
    else
        SetAxisAutomatic(yAxis, m_View.ValueAxisAutomatic());
    RescaleValueAxes();
}

void ChartGraph::ShowLegend() {
    const std::array<LegendEntry, TimeGraphView::kLegendEntries>& entries = m_View.Legend();
    for (std::size_t entry = 0; entry < entries.size(); ++entry) {
        QCPGraph* graph = m_LegendSeries[entry];
        graph->setPen(LinePen(entries[entry].color, kLegendPenWidth));
        graph->setBrush(ToQColor(entries[entry].color));
    }
    legend->setVisible(m_View.LegendVisible());
}

bool ChartGraph::LegendShown() const {
    return legend->visible();
}

OrvAutoDataset* ChartGraph::MarkedSeries() const {
    OrvDataset* current = CurrentDataset();
    return current && current == m_pShown ? m_pShown : nullptr;
}

std::optional<QPointF> ChartGraph::MarkerPixel() {
    OrvAutoDataset* series = MarkedSeries();
    if (!series) return std::nullopt;
    const std::vector<GraphPoint>& points = m_View.Points();
    const int cursor = series->GetCursor();
    if (cursor < 0 || static_cast<std::size_t>(cursor) >= points.size()) return std::nullopt;
    const GraphPoint& point = points[static_cast<std::size_t>(cursor)];
    return QPointF(xAxis->coordToPixel(point.x), yAxis->coordToPixel(point.y));
}

bool ChartGraph::MoveMarkerTo(const QPointF& mouse) {
    OrvAutoDataset* series = MarkedSeries();
    if (!series) return false;
    const std::vector<GraphPoint>& points = m_View.Points();
    const int cursor = series->GetCursor();
    const int candidate = NearestPointByX(
        static_cast<int>(points.size()),
        [&](int i) { return xAxis->coordToPixel(points[static_cast<std::size_t>(i)].x); }, cursor,
        mouse.x());
    if (candidate == cursor) return false;
    series->SetCursor(candidate);
    return true;
}

} // namespace ombrix

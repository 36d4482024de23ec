#pragma once
// The time graph chart: a timed series against time with its flagged samples
// in their own colours, the threshold line, the phase currents on the right
// axis and the legend that explains the colours. It renders what TimeGraphView
// decides and appends only the points a refresh added.

#include "mainwindow/DenseLineGraph.h"
#include "mainwindow/OrvChart.h"
#include "mainwindow/TimeGraphView.h"

#include <array>
#include <cstdint>

namespace ombrix {

class CurrentCurves;
class OrvAutoDataset;
class ViewSetupStruct;

class ChartGraph : public OrvChart {
    Q_OBJECT
public:
    static constexpr int kCurrentSeries = 4; // N, L1, L2, L3

    explicit ChartGraph(ZoomState& zoom, QWidget* parent = nullptr);

    void ApplyGraphSettings(const ViewSetupStruct& setup);
    // Draws `series`; `isLive` when it is the current data list's live series.
    void ShowGraph(OrvAutoDataset& series, const ViewSetupStruct& setup, bool isLive);

    const TimeGraphView& View() const { return m_View; }
    DenseLineGraph* SeriesGraph() const { return m_pSeriesGraph; }
    QCPGraph* SeriesGraphThreshold() const { return m_pSeriesGraphThreshold; }
    // The segments drawn in the not-ready and the overdrive colour.
    DenseLineGraph* NotReadySegments() const { return m_pNotReady; }
    DenseLineGraph* OverdriveSegments() const { return m_pOverdrive; }
    // The phase currents, filled by the current import.
    DenseLineGraph* CurrentSeries(int phase) const { return m_CurrentSeries.at(phase); }
    bool LegendShown() const;

protected:
    std::optional<QPointF> MarkerPixel() override;
    bool MoveMarkerTo(const QPointF& mouse) override;

private:
    // The series the marker belongs to: the one drawn, when it is current.
    OrvAutoDataset* MarkedSeries() const;
    void AppendPoints(const GraphRefresh& refresh);
    // Marks the samples with dots while they are far enough apart to be seen.
    void UpdateSampleMarks();
    // Draws the imported phase currents, anew only after they changed.
    void FillCurrents(const CurrentCurves& curves);
    void AppendSegment(DenseLineGraph* segments, std::size_t i);
    void ApplyRanges(const TimeGraphStyle& style);
    void ShowLegend();

    TimeGraphView m_View;
    TimeGraphStyle m_Style;
    OrvAutoDataset* m_pShown = nullptr;
    // The scroll bars follow the axes after new settings and after a redraw
    // from scratch; an appending refresh leaves them, as it costs a pass over
    // all data.
    bool m_bSyncPending = true;
    std::size_t m_nThresholdShown = 0; // threshold points the line reaches
    DenseLineGraph* m_pSeriesGraph;
    QCPGraph* m_pSeriesGraphThreshold;
    DenseLineGraph* m_pNotReady;
    DenseLineGraph* m_pOverdrive;
    std::array<DenseLineGraph*, kCurrentSeries> m_CurrentSeries{};
    bool m_bCurrentsFilled = false;
    std::uint64_t m_nCurrentsRevision = 0;
    // "Series1": three empty series that give the legend its three entries.
    std::array<QCPGraph*, TimeGraphView::kLegendEntries> m_LegendSeries{};
    QSharedPointer<QCPAxisTicker> m_pNumberTicker;
};

} // namespace ombrix

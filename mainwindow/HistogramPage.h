#pragma once
// The page "Histogram": the values of a timed series, or of the chosen line or
// plane of a grid, in eleven classes relative to a reference value, as bars in
// per cent of the values.

#include "mainwindow/HistogramView.h"
#include "mainwindow/ViewPage.h"

#include <functional>
#include <optional>
#include <vector>

#include <QSharedPointer>

class QCPAxisTicker;
class QCPBars;
class QCPItemText;

namespace ombrix {

class MatrixSelection;
class OrvChart;
class ZoomState;

class HistogramPage : public ViewPage {
public:
    using SelectionSource = std::function<const MatrixSelection&()>;
    // The top of the analyser's current measuring range, for the live series.
    using RangeTop = std::function<double()>;
    HistogramPage(ZoomState& zoom, SelectionSource selection, RangeTop rangeTop);

    QWidget* Widget() override;
    void Fill(OrvDataList& list, OrvDataset& dataset) override;
    void ApplyViewSettings() override;
    QWidget* PictureSource() override;

    OrvChart& Chart() const { return *m_pChart; }
    QCPBars* Bars() const { return m_pBars; }
    // The histogram drawn last (none before the first).
    const std::optional<HistogramChart>& Shown() const { return m_Shown; }

private:
    void ShowMarks();

    SelectionSource m_Selection;
    RangeTop m_RangeTop;
    OrvChart* m_pChart;
    QCPBars* m_pBars;
    std::vector<QCPItemText*> m_Marks; // one per class
    HistogramStyle m_Style;
    std::optional<HistogramChart> m_Shown;
    // Writes the bottom axis labels in the reference's unit.
    QSharedPointer<QCPAxisTicker> m_pAxisTicker;
};

} // namespace ombrix

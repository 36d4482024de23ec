#pragma once
// The axis page: the values of a spatial measurement along one grid line with
// the threshold line. The marker is the grid's marker, dragged along the line.
// Also the axis labels both grid charts share: indices, or metres where the
// grid has a spacing.

#include "mainwindow/AxisLineView.h"
#include "mainwindow/OrvChart.h"
#include "mainwindow/ViewPage.h"

namespace ombrix {

class OrvMatrixDataset;
class SelectionGroupsWidget;
class TOrvMainForm;

// Ticks at whole grid indices, labelled by the axis's grid spacing: the length
// in metres where the axis title names a grid axis that has one, else the index.
class GridAxisTicker : public QCPAxisTicker {
public:
    explicit GridAxisTicker(QCPAxis* axis) : m_pAxis(axis) {}

protected:
    double getTickStep(const QCPRange& range) override;
    int getSubTickCount(double tickStep) override;
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;

private:
    QCPAxis* m_pAxis;
};

class ChartAxis : public OrvChart {
public:
    ChartAxis(ZoomState& zoom, const MatrixSelection& selection, QWidget* parent = nullptr);

    QCPGraph* SeriesAxis() const { return m_pSeriesAxis; }
    QCPGraph* ThresholdAxis() const { return m_pThresholdAxis; }
    // The line drawn last, whose points the marker moves along.
    void SetLine(const AxisLineChart& line) { m_Line = line; }
    const AxisLineChart& Line() const { return m_Line; }

protected:
    std::optional<QPointF> MarkerPixel() override;
    bool MoveMarkerTo(const QPointF& mouse) override;

private:
    OrvMatrixDataset* ShownGrid() const;
    // The point of the line that shows the grid's marker, if it is on the line.
    std::optional<int> MarkerPoint(const OrvMatrixDataset& grid) const;

    const MatrixSelection& m_Selection;
    QCPGraph* m_pSeriesAxis;
    QCPGraph* m_pThresholdAxis;
    AxisLineChart m_Line;
};

class ChartAxisPage : public ViewPage {
public:
    ChartAxisPage(TOrvMainForm& form, SelectionGroupsWidget& groups);

    QWidget* Widget() override;
    QWidget* PictureSource() override { return m_pChartAxis; }
    void Fill(OrvDataList& list, OrvDataset& dataset) override;
    void ApplyViewSettings() override { ApplyAxisSettings(); }
    void Activated() override;
    void ZoomOut() override;

    void ApplyAxisSettings();
    void ShowAxis(OrvMatrixDataset& grid);

    ChartAxis* Chart() const { return m_pChartAxis; }

private:
    void Render(const AxisLineChart& line);

    TOrvMainForm& m_Form;
    SelectionGroupsWidget& m_Groups;
    QWidget* m_pPanel;
    ChartAxis* m_pChartAxis;
};

} // namespace ombrix

#pragma once
// The plane page: one grid plane of a spatial measurement as a field of
// bubbles coloured by the class of their value, with the colour legend beside
// it, optionally over a background picture (a plan of the site). The axes keep
// the grid's true proportions. The marker is the grid's marker, moved by
// dragging it onto another bubble.

#include "mainwindow/OrvChart.h"
#include "mainwindow/PlaneView.h"
#include "mainwindow/ViewPage.h"

#include <QImage>

#include <functional>
#include <vector>

namespace ombrix {

class OrvMatrixDataset;
class SelectionGroupsWidget;
class TOrvMainForm;

class ChartPlane : public OrvChart {
public:
    ChartPlane(ZoomState& zoom, const MatrixSelection& selection, QWidget* parent = nullptr);

    // The picture drawn under the bubbles, stretched over the plot while the
    // view settings show it; a null image removes it.
    void SetBackgroundPicture(const QImage& picture);
    const QImage& BackgroundPicture() const { return m_BackgroundPicture; }
    void ShowBackground(bool visible);

    // The legend entries of one mode: their texts and colours.
    void SetLegend(const std::vector<LegendEntry>& entries);
    // The bubbles, radius in units of the vertical axis.
    void SetBubbles(const PlaneChart& plane);
    const PlaneChart& Plane() const { return m_Plane; }

    // The plot rectangle as laid out now (0 before the chart has a size).
    PlotArea CurrentPlotArea();
    // Runs after the chart's size changed: the ranges follow the new proportions.
    void SetResized(std::function<void()> resized) { m_Resized = std::move(resized); }

    // The legend series: one empty series per colour class, named by its text.
    const std::vector<QCPGraph*>& LegendSeries() const { return m_LegendSeries; }
    // The bubbles of each colour class.
    const std::vector<QCPGraph*>& BubbleSeries() const { return m_BubbleSeries; }

protected:
    std::optional<QPointF> MarkerPixel() override;
    std::optional<QPointF> MarkerGrabPoint(double mouseY) override;
    bool MoveMarkerTo(const QPointF& mouse) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    OrvMatrixDataset* ShownGrid() const;
    void UpdateBubbleSize();
    void ApplyBackground();

    const MatrixSelection& m_Selection;
    PlaneChart m_Plane;
    std::vector<QCPGraph*> m_LegendSeries;
    std::vector<QCPGraph*> m_BubbleSeries;
    QImage m_BackgroundPicture;
    bool m_bBackgroundVisible = false;
    std::function<void()> m_Resized;
};

class ChartPlanePage : public ViewPage {
public:
    ChartPlanePage(TOrvMainForm& form, SelectionGroupsWidget& groups);

    QWidget* Widget() override;
    QWidget* PictureSource() override { return m_pChartPlane; }
    void Fill(OrvDataList& list, OrvDataset& dataset) override;
    void ApplyViewSettings() override { ApplyPlaneLegendSettings(); }
    void Activated() override;

    void ApplyPlaneLegendSettings();
    void ShowPlane(OrvMatrixDataset& grid);

    ChartPlane* Chart() const { return m_pChartPlane; }

private:
    void Render(const PlaneChart& plane);
    void RedrawCurrent();

    TOrvMainForm& m_Form;
    SelectionGroupsWidget& m_Groups;
    QWidget* m_pPanel;
    ChartPlane* m_pChartPlane;
    PlaneView m_View;
};

} // namespace ombrix

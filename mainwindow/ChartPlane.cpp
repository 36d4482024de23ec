#include "mainwindow/ChartPlane.h"

#include "core/OrvMainObject.h"
#include "datasets/OrvMatrixDataset.h"
#include "mainwindow/ChartAxis.h"
#include "mainwindow/SelectionGroupsWidget.h"
#include "mainwindow/TOrvMainForm.h"
#include "presentation/ViewSetupStruct.h"

#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace ombrix {

namespace {

// Eleven classes in scale mode, three in threshold mode.
constexpr int kMostClasses = ViewSetupStruct::kPlaneLimitCount + 2;
constexpr int kLegendBoxSize = 14;
constexpr int kLegendBoxWidth = 20;

OrvMatrixDataset* CurrentGrid(OrvDataset* dataset) {
    return dynamic_cast<OrvMatrixDataset*>(dataset);
}

// A filled circle without outline.
QCPScatterStyle Disc(const QColor& color, double diameter) {
    return QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Qt::NoPen), QBrush(color), diameter);
}

} // namespace

// ---- the chart --------------------------------------------------------------------------------

ChartPlane::ChartPlane(ZoomState& zoom, const MatrixSelection& selection, QWidget* parent)
    : OrvChart(zoom, std::nullopt, "ChartPlane", nullptr, nullptr, parent), m_Selection(selection) {
    for (QCPAxis* axis : {xAxis, yAxis})
        axis->setTicker(QSharedPointer<GridAxisTicker>::create(axis));
    SetAxisAutomatic(xAxis, false);
    SetAxisAutomatic(yAxis, false);

    // The legend stands beside the plot, one entry under the other.
    auto* plotAndLegend = new QCPLayoutGrid;
    QCPAxisRect* rect = axisRect();
    int row = 0;
    for (int r = 0; r < plotLayout()->rowCount(); ++r)
        if (plotLayout()->element(r, 0) == rect) row = r;
    plotLayout()->take(rect);
    plotLayout()->addElement(row, 0, plotAndLegend);
    plotAndLegend->addElement(0, 0, rect);
    rect->insetLayout()->take(legend);
    plotAndLegend->addElement(0, 1, legend);
    plotAndLegend->setColumnStretchFactor(1, 0.001);
    legend->setIconSize(kLegendBoxWidth, kLegendBoxSize);
    legend->setBorderPen(Qt::NoPen);
    legend->setVisible(true);

    for (int entry = 0; entry < kMostClasses; ++entry) {
        QCPGraph* bubbles = addGraph(xAxis, yAxis);
        bubbles->setObjectName(QStringLiteral("SeriesPlane"));
        bubbles->setLineStyle(QCPGraph::lsNone);
        bubbles->setPen(Qt::NoPen);
        bubbles->removeFromLegend();
        m_BubbleSeries.push_back(bubbles);
    }
    connect(this, &QCustomPlot::beforeReplot, this, [this] { UpdateBubbleSize(); });
    EnableMarker(true);
}

void ChartPlane::SetLegend(const std::vector<LegendEntry>& entries) {
    for (QCPGraph* series : m_LegendSeries)
        removeGraph(series);
    m_LegendSeries.clear();
    for (const LegendEntry& entry : entries) {
        QCPGraph* series = addGraph(xAxis, yAxis);
        series->setObjectName(QStringLiteral("SeriesPlaneLegend"));
        series->setName(QString::fromLatin1(entry.text));
        series->setLineStyle(QCPGraph::lsNone);
        QCPScatterStyle box(QCPScatterStyle::ssSquare, ToQColor(entry.color), ToQColor(entry.color),
                            kLegendBoxSize);
        box.setPen(QPen(Qt::black));
        series->setScatterStyle(box);
        m_LegendSeries.push_back(series);
    }
}

void ChartPlane::SetBubbles(const PlaneChart& plane) {
    m_Plane = plane;
    std::vector<QVector<QCPGraphData>> classes(m_BubbleSeries.size());
    for (const PlaneBubble& bubble : plane.bubbles) {
        const auto entry = static_cast<std::size_t>(
            std::clamp(bubble.legendEntry, 0, static_cast<int>(classes.size()) - 1));
        classes[entry].push_back(QCPGraphData(bubble.h, bubble.w));
    }
    for (std::size_t entry = 0; entry < m_BubbleSeries.size(); ++entry) {
        QCPGraph* series = m_BubbleSeries[entry];
        const QColor color =
            entry < plane.legend.size() ? ToQColor(plane.legend[entry].color) : QColor(Qt::black);
        series->setScatterStyle(Disc(color, 1));
        // Bubbles are not ordered by their horizontal index within one class.
        series->data()->set(classes[entry], false);
    }
    UpdateBubbleSize();
}

void ChartPlane::UpdateBubbleSize() {
    // The radius counts in units of the vertical axis, like the grid.
    const double pixelsPerUnit = std::fabs(yAxis->coordToPixel(1.0) - yAxis->coordToPixel(0.0));
    const double diameter = std::max(2.0, 2 * m_Plane.bubbleSize * pixelsPerUnit);
    for (QCPGraph* series : m_BubbleSeries) {
        QCPScatterStyle style = series->scatterStyle();
        if (style.size() == diameter) continue;
        style.setSize(diameter);
        series->setScatterStyle(style);
    }
}

void ChartPlane::SetBackgroundPicture(const QImage& picture) {
    m_BackgroundPicture = picture;
    ApplyBackground();
    replot();
}

void ChartPlane::ShowBackground(bool visible) {
    if (visible == m_bBackgroundVisible) return;
    m_bBackgroundVisible = visible;
    ApplyBackground();
}

void ChartPlane::ApplyBackground() {
    if (m_bBackgroundVisible && !m_BackgroundPicture.isNull())
        axisRect()->setBackground(QPixmap::fromImage(m_BackgroundPicture), true,
                                  Qt::IgnoreAspectRatio);
    else
        axisRect()->setBackground(QPixmap());
}

PlotArea ChartPlane::CurrentPlotArea() {
    if (width() <= 0 || height() <= 0) return {};
    updateLayout();
    return {static_cast<double>(axisRect()->width()), static_cast<double>(axisRect()->height())};
}

void ChartPlane::resizeEvent(QResizeEvent* event) {
    OrvChart::resizeEvent(event);
    if (m_Resized) m_Resized();
}

OrvMatrixDataset* ChartPlane::ShownGrid() const {
    return CurrentGrid(CurrentDataset());
}

std::optional<QPointF> ChartPlane::MarkerPixel() {
    OrvMatrixDataset* grid = ShownGrid();
    if (!grid || !m_Selection.Plane()) return std::nullopt;
    GridPosition marker{};
    grid->GetMarker(marker[0], marker[1], marker[2]);
    const std::optional<ChartPoint> centre =
        PlaneMarkerPoint(m_Plane.bubbles, marker[static_cast<std::size_t>(m_Plane.horizontal)],
                         marker[static_cast<std::size_t>(m_Plane.vertical)]);
    if (!centre) return std::nullopt;
    return QPointF(xAxis->coordToPixel(centre->x), yAxis->coordToPixel(centre->y));
}

std::optional<QPointF> ChartPlane::MarkerGrabPoint(double) {
    // A bubble is grabbed at its centre, not anywhere along a line.
    return MarkerPixel();
}

bool ChartPlane::MoveMarkerTo(const QPointF& mouse) {
    OrvMatrixDataset* grid = ShownGrid();
    if (!grid || m_Plane.bubbles.empty()) return false;
    const int h = static_cast<int>(std::lround(xAxis->pixelToCoord(mouse.x())));
    const int w = static_cast<int>(std::lround(yAxis->pixelToCoord(mouse.y())));
    // The bubbles run by horizontal index, then vertical index.
    const auto found =
        std::lower_bound(m_Plane.bubbles.begin(), m_Plane.bubbles.end(), std::pair(h, w),
                         [](const PlaneBubble& b, const std::pair<int, int>& at) {
                             return std::pair(b.h, b.w) < at;
                         });
    if (found == m_Plane.bubbles.end() || found->h != h || found->w != w) return false;
    const QPointF centre(xAxis->coordToPixel(h), yAxis->coordToPixel(w));
    const double radius = std::max(
        1.0, std::fabs(yAxis->coordToPixel(m_Plane.bubbleSize) - yAxis->coordToPixel(0.0)));
    if (std::hypot(mouse.x() - centre.x(), mouse.y() - centre.y()) > radius) return false;
    GridPosition marker{};
    grid->GetMarker(marker[0], marker[1], marker[2]);
    const GridPosition target = PlaneGridPoint(m_Plane.plane, h, w, m_Plane.fixedIndex);
    if (target == marker) return false;
    grid->MoveMarker(target[0], target[1], target[2]);
    return true;
}

// ---- the page ---------------------------------------------------------------------------------

ChartPlanePage::ChartPlanePage(TOrvMainForm& form, SelectionGroupsWidget& groups)
    : m_Form(form), m_Groups(groups) {
    m_pPanel = new QWidget;
    m_pPanel->setObjectName(QStringLiteral("PanelPlane"));
    m_pChartPlane = new ChartPlane(form.Zoom(), groups.Selection(), m_pPanel);
    auto* layout = new QVBoxLayout(m_pPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pChartPlane);
    m_pChartPlane->SetResized([this] { RedrawCurrent(); });
    ApplyPlaneLegendSettings();
}

QWidget* ChartPlanePage::Widget() {
    return m_pPanel;
}

void ChartPlanePage::ApplyPlaneLegendSettings() {
    const ViewSetupStruct& setup = ViewSetup();
    std::vector<LegendEntry> entries;
    if (setup.GetPlaneThresholdVisible()) {
        for (const int color :
             {eColorPlaneEmpty, eColorPlaneBelowThreshold, eColorPlaneAboveThreshold})
            entries.push_back({{}, setup.GetColors(color)});
    } else {
        for (int entry = 0; entry < kMostClasses; ++entry)
            entries.push_back({{}, setup.GetColors(eColorPlaneEmpty + entry)});
    }
    m_pChartPlane->SetLegend(entries);
}

void ChartPlanePage::Fill(OrvDataList&, OrvDataset& dataset) {
    // The line and the plane share one choice: only the page in front may make it.
    if (m_Form.ViewSheet() != eSheetPlane) return;
    if (OrvMatrixDataset* grid = CurrentGrid(&dataset)) ShowPlane(*grid);
}

void ChartPlanePage::Activated() {
    // Coming to this page chooses a plane again (the axis page chose a line).
    MatrixSelection& selection = m_Groups.Selection();
    if (!selection.Plane()) selection.SelectPlane(GridPlane::XY);
    m_Groups.ShowSelection();
    RedrawCurrent();
}

void ChartPlanePage::RedrawCurrent() {
    if (m_Form.ViewSheet() != eSheetPlane) return;
    const OrvMainObject* main = MainObject();
    if (OrvMatrixDataset* grid = CurrentGrid(main ? main->CurrentDataset() : nullptr))
        ShowPlane(*grid);
}

void ChartPlanePage::ShowPlane(OrvMatrixDataset& grid) {
    m_pChartPlane->ShowBackground(ViewSetup().GetBGVisible());
    m_Groups.SetExtent(ExtentOf(grid));
    const PlaneChart& plane =
        m_View.Show(grid, m_Groups.Selection(), ViewSetup(), m_pChartPlane->CurrentPlotArea());
    m_Groups.ShowSelection();
    Render(plane);
}

void ChartPlanePage::Render(const PlaneChart& plane) {
    ChartPlane* chart = m_pChartPlane;
    chart->SetLegend(plane.legend);
    chart->SetBubbles(plane);
    chart->SetTitle(QString::fromLatin1(plane.title));
    chart->xAxis->setLabel(QString::fromLatin1(plane.horizontalTitle));
    chart->yAxis->setLabel(QString::fromLatin1(plane.verticalTitle));
    chart->xAxis->setRange(plane.horizontalRange.min, plane.horizontalRange.max);
    chart->yAxis->setRange(plane.verticalRange.min, plane.verticalRange.max);
    chart->replot();
}

} // namespace ombrix

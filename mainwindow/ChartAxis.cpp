#include "mainwindow/ChartAxis.h"

#include "core/OrvMainObject.h"
#include "datasets/OrvMatrixDataset.h"
#include "mainwindow/AxisNumberFormat.h"
#include "mainwindow/ChartSeries.h"
#include "mainwindow/LogAxisTicker.h"
#include "mainwindow/OrvChartTickers.h"
#include "mainwindow/PlaneView.h"
#include "mainwindow/SelectionGroupsWidget.h"
#include "mainwindow/TOrvMainForm.h"
#include "presentation/ViewSetupStruct.h"

#include <QVBoxLayout>

#include <cmath>

namespace ombrix {

namespace {

constexpr double kDotSize = 3;
// Whole indices as long as they keep this many pixels apart.
constexpr double kMinTickPixels = 40;

OrvMatrixDataset* CurrentGrid(OrvDataset* dataset) {
    return dynamic_cast<OrvMatrixDataset*>(dataset);
}

} // namespace

// ---- grid axis labels -------------------------------------------------------------------------

double GridAxisTicker::getTickStep(const QCPRange& range) {
    const double length = m_pAxis->orientation() == Qt::Vertical ? m_pAxis->axisRect()->height()
                                                                 : m_pAxis->axisRect()->width();
    // Every index while the labels have room, else every 2nd, 5th, 10th, 20th, ...
    double step = 1;
    for (int i = 0; length > 0 && range.size() / step * kMinTickPixels > length; ++i)
        step *= i % 3 == 1 ? 2.5 : 2;
    return step;
}

int GridAxisTicker::getSubTickCount(double) {
    return 4;
}

QString GridAxisTicker::getTickLabel(double tick, const QLocale&, QChar, int) {
    const std::string title = m_pAxis ? m_pAxis->label().toStdString() : std::string();
    if (const std::optional<std::string> metres = MatrixAxisLabel(title, tick, ViewSetup()))
        return QString::fromLatin1(*metres);
    return QString::fromLatin1(FormatAxisNumber(tick));
}

// ---- the chart --------------------------------------------------------------------------------

ChartAxis::ChartAxis(ZoomState& zoom, const MatrixSelection& selection, QWidget* parent)
    : OrvChart(zoom, ZoomableChart::Axis, "ChartAxis", "ScrollBarAxisH", "ScrollBarAxisV", parent),
      m_Selection(selection) {
    xAxis->setTicker(QSharedPointer<GridAxisTicker>::create(xAxis));
    m_pThresholdAxis = AddLineSeries(this, "ThresholdAxis", kDotSize);
    m_pSeriesAxis = AddLineSeries(this, "SeriesAxis", kDotSize);
    EnableMarker(true);
}

OrvMatrixDataset* ChartAxis::ShownGrid() const {
    return CurrentGrid(CurrentDataset());
}

std::optional<int> ChartAxis::MarkerPoint(const OrvMatrixDataset& grid) const {
    GridPosition marker{};
    grid.GetMarker(marker[0], marker[1], marker[2]);
    return AxisMarkerPoint(m_Line.runningIndices, marker[static_cast<std::size_t>(m_Line.axis)]);
}

std::optional<QPointF> ChartAxis::MarkerPixel() {
    OrvMatrixDataset* grid = ShownGrid();
    if (!grid || !m_Selection.Axis()) return std::nullopt;
    const std::optional<int> point = MarkerPoint(*grid);
    if (!point) return std::nullopt;
    const ChartPoint& p = m_Line.points[static_cast<std::size_t>(*point)];
    return QPointF(xAxis->coordToPixel(p.x), yAxis->coordToPixel(p.y));
}

bool ChartAxis::MoveMarkerTo(const QPointF& mouse) {
    OrvMatrixDataset* grid = ShownGrid();
    if (!grid || m_Line.points.empty() || !m_Selection.Axis()) return false;
    const int start = MarkerPoint(*grid).value_or(0);
    const auto pixelXOf = [this](int i) {
        return xAxis->coordToPixel(m_Line.points[static_cast<std::size_t>(i)].x);
    };
    const int nearest =
        NearestPointByX(static_cast<int>(m_Line.points.size()), pixelXOf, start, mouse.x());
    if (nearest == start && MarkerPoint(*grid)) return false;
    const GridPosition p = AxisGridPoint(
        m_Line.axis, m_Line.runningIndices[static_cast<std::size_t>(nearest)], m_Selection);
    grid->MoveMarker(p[0], p[1], p[2]);
    return true;
}

// ---- the page ---------------------------------------------------------------------------------

ChartAxisPage::ChartAxisPage(TOrvMainForm& form, SelectionGroupsWidget& groups)
    : m_Form(form), m_Groups(groups) {
    m_pPanel = new QWidget;
    m_pPanel->setObjectName(QStringLiteral("PanelAxis"));
    m_pChartAxis = new ChartAxis(form.Zoom(), groups.Selection(), m_pPanel);
    auto* layout = new QVBoxLayout(m_pPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pChartAxis);
    ApplyAxisSettings();
}

QWidget* ChartAxisPage::Widget() {
    return m_pPanel;
}

void ChartAxisPage::ApplyAxisSettings() {
    const AxisLineStyle style = AxisLineStyleOf(ViewSetup());
    ChartAxis* chart = m_pChartAxis;
    chart->SetAxisAutomatic(chart->xAxis, true);
    LogAxisTicker::SetLogarithmic(chart->yAxis, style.valueLogarithmic,
                                  QSharedPointer<NumberAxisTicker>::create());
    chart->SetAxisAutomatic(chart->yAxis, style.valueAutomatic);
    SetSeriesPen(chart->SeriesAxis(), style.lineColor, style.lineWidth);
    SetSeriesPen(chart->ThresholdAxis(), style.thresholdColor, style.thresholdWidth);
    chart->ThresholdAxis()->setVisible(style.thresholdVisible);
    chart->SyncScrollBars();
}

void ChartAxisPage::Fill(OrvDataList&, OrvDataset& dataset) {
    // The line and the plane share one choice: only the page in front may make it.
    if (m_Form.ViewSheet() != eSheetAxis) return;
    if (OrvMatrixDataset* grid = CurrentGrid(&dataset)) ShowAxis(*grid);
}

void ChartAxisPage::Activated() {
    // Coming to this page chooses a line again (the plane page chose a plane).
    MatrixSelection& selection = m_Groups.Selection();
    if (!selection.Axis()) selection.SelectAxis(GridAxis::X);
    m_Groups.ShowSelection();
    const OrvMainObject* main = MainObject();
    if (OrvMatrixDataset* grid = CurrentGrid(main ? main->CurrentDataset() : nullptr))
        ShowAxis(*grid);
}

void ChartAxisPage::ShowAxis(OrvMatrixDataset& grid) {
    m_Groups.SetExtent(ExtentOf(grid));
    const AxisLineChart line = ombrix::ShowAxis(grid, m_Groups.Selection(), ViewSetup());
    m_Groups.ShowSelection();
    Render(line);
}

void ChartAxisPage::Render(const AxisLineChart& line) {
    ChartAxis* chart = m_pChartAxis;
    chart->SetLine(line);
    chart->SetTitle(QString::fromLatin1(line.title));
    chart->xAxis->setLabel(QString::fromLatin1(line.indexAxisTitle));
    chart->yAxis->setLabel(QString::fromLatin1(line.valueAxisTitle));
    chart->ApplyValueAxis(chart->yAxis, line.valueAxis.automatic, line.valueAxis.range.min,
                          line.valueAxis.range.max);
    chart->SeriesAxis()->data()->set(GraphData(line.points), true);
    chart->ThresholdAxis()->data()->set(GraphData(line.thresholdPoints), true);
    chart->RescaleAutomaticAxes();
    if (!static_cast<const OrvChart*>(chart)->Zoomed() && line.points.size() == 1) {
        // One point: give it room on both sides.
        const double x = line.points.front().x;
        chart->xAxis->setRange(x - 1, x + 1);
    }
    chart->SyncScrollBars();
    chart->replot();
}

void ChartAxisPage::ZoomOut() {
    m_pChartAxis->UndoZoom();
}

} // namespace ombrix

#include "mainwindow/ChartFFT.h"

#include "datasets/OrvVectorDataset.h"
#include "mainwindow/ChartSeries.h"
#include "mainwindow/LogAxisTicker.h"
#include "mainwindow/OrvChartTickers.h"
#include "presentation/ViewSetupStruct.h"

#include <QPainter>
#include <QVBoxLayout>

namespace ombrix {

namespace {

constexpr int kPeakCrossHalf = 5;
constexpr double kDotSize = 2;

void SetLogarithmic(QCPAxis* axis, bool logarithmic) {
    LogAxisTicker::SetLogarithmic(axis, logarithmic, QSharedPointer<NumberAxisTicker>::create());
}

} // namespace

// ---- the chart --------------------------------------------------------------------------------

ChartFFT::ChartFFT(ZoomState& zoom, QWidget* parent)
    : OrvChart(zoom, ZoomableChart::Spectrum, "ChartFFT", "ScrollBarFFTH", "ScrollBarFFTV",
               parent) {
    SetTitle(QString::fromLatin1(SpectrumView::kTitle));
    xAxis->setLabel(QString::fromLatin1(SpectrumView::kFrequencyAxisTitle));
    // The threshold and the limit curve lie under the spectrum.
    m_pFFTThresholdSeries = AddLineSeries(this, "FFTThresholdSeries", kDotSize);
    m_pStandardSeries = AddLineSeries(this, "StandardSeries", kDotSize);
    m_pFFTSeries = AddLineSeries(this, "FFTSeries", kDotSize);
    m_pFFTSeries->setName(QString::fromLatin1(SpectrumView::kLegendText));
    ShowLegendRow(false);
    EnableMarker(true);
}

OrvVectorDataset* ChartFFT::ShownSpectrum() const {
    auto* spectrum = dynamic_cast<OrvVectorDataset*>(CurrentDataset());
    return spectrum && spectrum->GetElementCount() > 0 ? spectrum : nullptr;
}

std::optional<QPointF> ChartFFT::MarkerPixel() {
    OrvVectorDataset* spectrum = ShownSpectrum();
    if (!spectrum || m_pFFTSeries->dataCount() == 0) return std::nullopt;
    const SpectrumMarker marker = SpectrumMarkerOf(*spectrum, m_dSpectrumFactor);
    return QPointF(xAxis->coordToPixel(marker.marker.x), yAxis->coordToPixel(marker.marker.y));
}

bool ChartFFT::MoveMarkerTo(const QPointF& mouse) {
    OrvVectorDataset* spectrum = ShownSpectrum();
    if (!spectrum) return false;
    const double frequency = xAxis->pixelToCoord(mouse.x());
    const int line = spectrum->FrequencyToIndex(frequency);
    if (line == spectrum->GetCursor()) return false;
    spectrum->SetCursor(line);
    return true;
}

void ChartFFT::DrawMarkerExtras(QPainter& painter) {
    OrvVectorDataset* spectrum = ShownSpectrum();
    if (!spectrum) return;
    const SpectrumMarker marker = SpectrumMarkerOf(*spectrum, m_dSpectrumFactor);
    if (!marker.peak) return;
    const QPointF at(xAxis->coordToPixel(marker.peak->x), yAxis->coordToPixel(marker.peak->y));
    painter.drawLine(at + QPointF(-kPeakCrossHalf, -kPeakCrossHalf),
                     at + QPointF(kPeakCrossHalf, kPeakCrossHalf));
    painter.drawLine(at + QPointF(-kPeakCrossHalf, kPeakCrossHalf),
                     at + QPointF(kPeakCrossHalf, -kPeakCrossHalf));
}

// ---- the page ---------------------------------------------------------------------------------

ChartFFTPage::ChartFFTPage(ZoomState& zoom) {
    m_pPanel = new QWidget;
    m_pPanel->setObjectName(QStringLiteral("PanelFFT"));
    m_pChartFFT = new ChartFFT(zoom, m_pPanel);
    auto* layout = new QVBoxLayout(m_pPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pChartFFT);
    ApplySpectrumSettings();
}

QWidget* ChartFFTPage::Widget() {
    return m_pPanel;
}

void ChartFFTPage::ApplySpectrumSettings() {
    m_View.Invalidate();
    m_Style = SpectrumStyleOf(ViewSetup());
    ChartFFT* chart = m_pChartFFT;
    SetLogarithmic(chart->xAxis, m_Style.frequencyLogarithmic);
    chart->ApplyValueAxis(chart->xAxis, m_Style.frequencyAutomatic, m_Style.frequencyRange.min,
                          m_Style.frequencyRange.max);
    SetLogarithmic(chart->yAxis, m_Style.valueLogarithmic);
    chart->SetAxisAutomatic(chart->yAxis, m_Style.valueAutomatic);

    SetSeriesPen(chart->FFTSeries(), m_Style.lineColor, m_Style.lineWidth);
    SetSeriesPen(chart->FFTThresholdSeries(), m_Style.thresholdColor, m_Style.thresholdWidth);
    chart->FFTThresholdSeries()->setVisible(m_Style.thresholdVisible);
    SetSeriesPen(chart->StandardSeries(), m_Style.standardColor, m_Style.standardWidth);
    chart->StandardSeries()->setVisible(m_Style.standardVisible);
    chart->SyncScrollBars();
}

void ChartFFTPage::Fill(OrvDataList&, OrvDataset& dataset) {
    if (auto* spectrum = dynamic_cast<OrvVectorDataset*>(&dataset)) ShowSpectrum(*spectrum);
}

void ChartFFTPage::ShowSpectrum(OrvVectorDataset& spectrum) {
    ChartFFT* chart = m_pChartFFT;
    if (!m_View.Refresh(spectrum, ViewSetup())) {
        // The same spectrum: only the marker may have moved.
        chart->replot();
        return;
    }
    chart->SetSpectrumFactor(m_View.Factor());
    chart->yAxis->setLabel(QString::fromLatin1(m_View.ValueAxisTitle()));
    const ValueAxis& valueAxis = m_View.ValueAxisSetting();
    chart->ApplyValueAxis(chart->yAxis, valueAxis.automatic, valueAxis.range.min,
                          valueAxis.range.max);

    QPen pen = chart->FFTSeries()->pen();
    pen.setColor(ToQColor(m_View.LineColor()));
    chart->FFTSeries()->setPen(pen);
    if (m_View.InLegend())
        chart->FFTSeries()->addToLegend();
    else
        chart->FFTSeries()->removeFromLegend();
    chart->ShowLegendRow(m_View.InLegend());

    chart->FFTSeries()->data()->set(GraphData(m_View.Points()), true);
    chart->FFTThresholdSeries()->data()->set(GraphData(m_View.ThresholdPoints()), true);
    chart->StandardSeries()->data()->set(GraphData(m_View.StandardPoints()), true);
    RescaleToSpectrum();
    chart->SyncScrollBars();
    chart->replot();
}

void ChartFFTPage::RescaleToSpectrum() {
    // An automatic frequency axis spans the spectrum; the limit curve, often
    // given far beyond it, must not squeeze it. The value axis does take the
    // curve in (where it passes over the spectrum), so that the distance to
    // the limit shows.
    ChartFFT* chart = m_pChartFFT;
    QCPGraph* standard = chart->StandardSeries();
    const bool standardShown = standard->visible();
    standard->setVisible(false);
    chart->RescaleAutomaticAxes();
    standard->setVisible(standardShown);
    if (!standardShown || standard->dataCount() == 0 || !chart->AxisAutomatic(chart->yAxis)) return;
    const bool frequencyAutomatic = chart->AxisAutomatic(chart->xAxis);
    chart->SetAxisAutomatic(chart->xAxis, false);
    chart->RescaleAutomaticAxes();
    chart->SetAxisAutomatic(chart->xAxis, frequencyAutomatic);
}

void ChartFFTPage::ZoomOut() {
    m_pChartFFT->UndoZoom();
}

} // namespace ombrix

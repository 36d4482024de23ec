#include "mainwindow/HarmonicsChartPage.h"

#include "datasets/OrvListDataset.h"
#include "mainwindow/HarmonicsView.h"
#include "mainwindow/OrvChart.h"
#include "presentation/ViewSetupStruct.h"

namespace ombrix {

namespace {

constexpr int kHarmonicOrders = 9;
// Half a bar's room beyond K1 and K9, so that both bars show whole.
constexpr double kOrderMargin = 0.5;
constexpr double kPercentMax = 100.0;
constexpr int kMarkPixelSize = 11;

} // namespace

HarmonicsChartPage::HarmonicsChartPage(ZoomState& zoom) {
    m_pChartHarmonics = new OrvChart(zoom, std::nullopt, "ChartHarmonics");
    OrvChart* chart = m_pChartHarmonics;

    auto orders = QSharedPointer<QCPAxisTickerText>::create();
    for (int order = 1; order <= kHarmonicOrders; ++order)
        orders->addTick(order, QString::fromStdString(HarmonicsAxisLabel(order)));
    chart->xAxis->setTicker(orders);
    chart->xAxis->setSubTicks(false);
    chart->xAxis->setRange(1 - kOrderMargin, kHarmonicOrders + kOrderMargin);
    chart->xAxis->setLabel(QString::fromLatin1(HarmonicsChart::kBottomTitle));
    chart->yAxis->setRange(0, kPercentMax);
    chart->yAxis->setNumberFormat(QStringLiteral("f"));
    chart->yAxis->setNumberPrecision(0);
    chart->yAxis->setLabel(QString::fromLatin1(HarmonicsChart::kLeftTitle));
    chart->SetAxisAutomatic(chart->xAxis, false);
    chart->SetAxisAutomatic(chart->yAxis, false);

    m_pHarmonicsBarSeries = new QCPBars(chart->xAxis, chart->yAxis);
    m_pHarmonicsBarSeries->setObjectName(QStringLiteral("HarmonicsBarSeries"));
    m_pHarmonicsBarSeries->setName(QString::fromLatin1(HarmonicsChart::kLegendText));
    m_pHarmonicsBarSeries->removeFromLegend();
    chart->ShowLegendRow(false);
    ApplyHarmonicsSettings();
}

QWidget* HarmonicsChartPage::Widget() {
    return m_pChartHarmonics;
}

QWidget* HarmonicsChartPage::PictureSource() {
    return m_pChartHarmonics;
}

void HarmonicsChartPage::ApplyHarmonicsSettings() {
    const ViewSetupStruct& setup = ViewSetup();
    const HarmonicsStyle style = HarmonicsStyleOf(setup);
    const QColor color = ToQColor(setup.GetColors(eColorHarmonicsBars));
    m_pHarmonicsBarSeries->setBrush(color);
    m_pHarmonicsBarSeries->setPen(QPen(color.darker(150)));
    m_pHarmonicsBarSeries->setWidth(style.barWidthPercent / 100.0);
    m_bShowValues = style.showValues;
}

void HarmonicsChartPage::Fill(OrvDataList&, OrvDataset& dataset) {
    if (auto* list = dynamic_cast<OrvListDataset*>(&dataset)) ShowHarmonics(*list);
}

void HarmonicsChartPage::ShowHarmonics(OrvListDataset& list) {
    const HarmonicsChart harmonics = ombrix::ShowHarmonics(list, ViewSetup());
    OrvChart* chart = m_pChartHarmonics;

    const QColor color = ToQColor(harmonics.barColor);
    m_pHarmonicsBarSeries->setBrush(color);
    m_pHarmonicsBarSeries->setPen(QPen(color.darker(150)));
    if (harmonics.inLegend)
        m_pHarmonicsBarSeries->addToLegend();
    else
        m_pHarmonicsBarSeries->removeFromLegend();
    chart->ShowLegendRow(harmonics.inLegend);

    QVector<double> orders;
    QVector<double> heights;
    chart->clearItems();
    for (const ChartBar& bar : harmonics.bars) {
        orders.push_back(bar.x);
        heights.push_back(bar.height);
        if (!m_bShowValues) continue;
        auto* mark = new QCPItemText(chart);
        mark->setObjectName(QStringLiteral("HarmonicsValueMark"));
        mark->setClipToAxisRect(false);
        mark->position->setCoords(bar.x, std::min(bar.height, kPercentMax));
        mark->setPositionAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        mark->setText(QString::fromLatin1(bar.mark));
        QFont font = mark->font();
        font.setPixelSize(kMarkPixelSize);
        mark->setFont(font);
        mark->setPadding(QMargins(2, 0, 2, 2));
    }
    m_pHarmonicsBarSeries->setData(orders, heights, true);

    chart->SetTitle(QString::fromLatin1(harmonics.title));
    chart->SetFootText(QString::fromLatin1(harmonics.foot));
    chart->replot();
}

} // namespace ombrix

#include "mainwindow/HistogramPage.h"

#include "datasets/OrvDataList.h"
#include "mainwindow/OrvChart.h"
#include "mainwindow/OrvChartTickers.h"
#include "presentation/ViewSetupStruct.h"

namespace ombrix {

namespace {

constexpr double kClassWidth = 0.1;
constexpr double kAxisEnd = 1.05;
constexpr double kPercentTop = 100;
constexpr int kPercentLabelRoom = 25;

// The bottom axis reads in the prefixed unit of its title: 0 at the left and
// the reference at the mark 1.
class HistogramAxisTicker : public QCPAxisTickerFixed {
public:
    HistogramAxisTicker() {
        setTickStep(kClassWidth);
        setScaleStrategy(QCPAxisTickerFixed::ssNone);
    }
    void SetReference(double reference) { m_reference = reference; }

protected:
    QString getTickLabel(double tick, const QLocale&, QChar, int) override {
        return QString::fromLatin1(HistogramAxisLabel(tick, m_reference));
    }
    int getSubTickCount(double) override { return 0; }

private:
    double m_reference = 0;
};

class PercentAxisTicker : public QCPAxisTicker {
protected:
    QString getTickLabel(double tick, const QLocale&, QChar, int) override {
        return QString::number(tick, 'f', 0);
    }
};

} // namespace

HistogramPage::HistogramPage(ZoomState& zoom, SelectionSource selection, RangeTop rangeTop)
    : m_Selection(std::move(selection)), m_RangeTop(std::move(rangeTop)),
      m_pChart(new OrvChart(zoom, std::nullopt, "ChartHistogram")) {
    QCustomPlot& plot = *m_pChart;
    m_pAxisTicker = QSharedPointer<HistogramAxisTicker>::create();
    plot.xAxis->setTicker(m_pAxisTicker);
    plot.xAxis->setRange(0, kAxisEnd);
    plot.xAxis->setSubTicks(false);
    plot.xAxis->setTickLabelPadding(6);
    plot.yAxis->setTicker(QSharedPointer<PercentAxisTicker>::create());
    plot.yAxis->setRange(0, kPercentTop);
    plot.yAxis->setPadding(kPercentLabelRoom / 5);
    m_pChart->SetAxisAutomatic(plot.xAxis, false);
    m_pChart->SetAxisAutomatic(plot.yAxis, false);

    m_pBars = new QCPBars(plot.xAxis, plot.yAxis);
    m_pBars->setName(QStringLiteral("HistogrammBarSeries"));
    m_pBars->setObjectName(QStringLiteral("HistogrammBarSeries"));
    m_pBars->removeFromLegend();
    for (int a = 0; a < HistogramChart::kClasses; ++a) {
        auto* mark = new QCPItemText(&plot);
        mark->setPositionAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        mark->position->setType(QCPItemPosition::ptPlotCoords);
        mark->setClipToAxisRect(false);
        mark->setPadding(QMargins(2, 0, 2, 2));
        mark->setVisible(false);
        m_Marks.push_back(mark);
    }
    plot.legend->setVisible(false);
    QFont titleFont = m_pChart->TitleElement()->font();
    titleFont.setPointSize(11);
    m_pChart->TitleElement()->setFont(titleFont);
    m_pChart->FootElement()->setTextFlags(Qt::AlignCenter);
    ApplyViewSettings();
}

QWidget* HistogramPage::Widget() {
    return m_pChart;
}

QWidget* HistogramPage::PictureSource() {
    return m_pChart;
}

void HistogramPage::ApplyViewSettings() {
    m_Style = HistogramStyleOf(ViewSetup());
    const QColor color = ToQColor(m_Style.barColor);
    m_pBars->setBrush(color);
    m_pBars->setPen(QPen(color.darker(130)));
    m_pBars->setWidth(kClassWidth * m_Style.barWidthPercent / 100.0);
    ShowMarks();
    m_pChart->replot();
}

void HistogramPage::Fill(OrvDataList& list, OrvDataset& dataset) {
    std::optional<double> liveTop;
    if (&dataset == list.GetLive() && m_RangeTop) liveTop = m_RangeTop();
    std::optional<HistogramChart> chart =
        ShowHistogram(dataset, m_Selection(), ViewSetup(), liveTop);
    if (!chart) return;
    m_Shown = std::move(chart);
    static_cast<HistogramAxisTicker*>(m_pAxisTicker.data())->SetReference(m_Shown->reference);

    QVector<double> keys;
    QVector<double> heights;
    for (const ChartBar& bar : m_Shown->bars) {
        keys.append(bar.x);
        heights.append(bar.height);
    }
    m_pBars->setData(keys, heights, true);
    m_pChart->SetTitle(QString::fromLatin1(m_Shown->title));
    m_pChart->xAxis->setLabel(QString::fromLatin1(m_Shown->valueAxisTitle));
    m_pChart->yAxis->setLabel(QString::fromLatin1(m_Shown->percentAxisTitle));
    m_pChart->SetFootText(QString::fromLatin1(m_Shown->foot));
    ShowMarks();
    // The labels depend on the reference, which the ticker reads at drawing.
    m_pChart->xAxis->setRange(0, kAxisEnd);
    m_pChart->replot();
}

void HistogramPage::ShowMarks() {
    const std::vector<ChartBar> none;
    const std::vector<ChartBar>& bars = m_Shown ? m_Shown->bars : none;
    for (std::size_t a = 0; a < m_Marks.size(); ++a) {
        QCPItemText* mark = m_Marks[a];
        const bool shown = m_Style.showValues && a < bars.size();
        mark->setVisible(shown);
        if (!shown) continue;
        mark->setText(QString::fromLatin1(bars[a].mark));
        mark->position->setCoords(bars[a].x, bars[a].height);
    }
}

} // namespace ombrix

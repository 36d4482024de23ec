#include "mainwindow/ChartSeries.h"

#include "mainwindow/OrvChart.h"

namespace ombrix {

QVector<QCPGraphData> GraphData(const std::vector<ChartPoint>& points) {
    QVector<QCPGraphData> data;
    data.reserve(static_cast<qsizetype>(points.size()));
    for (const ChartPoint& p : points)
        data.push_back(QCPGraphData(p.x, p.y));
    return data;
}

QCPGraph* AddLineSeries(QCustomPlot* chart, const char* name, double dotSize) {
    QCPGraph* series = chart->addGraph(chart->xAxis, chart->yAxis);
    series->setObjectName(QString::fromLatin1(name));
    series->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, dotSize));
    series->removeFromLegend();
    return series;
}

void SetSeriesPen(QCPGraph* series, ChartColor color, int width) {
    QPen pen(ToQColor(color));
    pen.setWidth(width);
    series->setPen(pen);
}

} // namespace ombrix

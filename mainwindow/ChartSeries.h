#pragma once
// The line series the spectrum and axis charts are made of: points as the
// model computes them, dots on the points, a pen from the view settings.

#include "mainwindow/ChartTypes.h"

#include <qcustomplot.h>

#include <vector>

namespace ombrix {

QVector<QCPGraphData> GraphData(const std::vector<ChartPoint>& points);
// A series on the chart's bottom and left axes, kept out of the legend.
QCPGraph* AddLineSeries(QCustomPlot* chart, const char* name, double dotSize);
void SetSeriesPen(QCPGraph* series, ChartColor color, int width);

} // namespace ombrix

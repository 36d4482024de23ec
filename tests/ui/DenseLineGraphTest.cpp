// A long series on a narrow chart: the line drawn column by column must show
// what stroking every piece would, and the value range it reports for the
// axes must be the one its points have.

#include "mainwindow/DenseLineGraph.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <limits>

using namespace ombrix;

namespace {

const QColor kLine(0, 0, 255);

struct Chart {
    QCustomPlot plot;
    DenseLineGraph* graph;
    Chart() : graph(new DenseLineGraph(plot.xAxis, plot.yAxis)) {
        plot.resize(400, 300);
        graph->setPen(QPen(kLine, 2));
        plot.yAxis->setRange(0, 10);
    }
    QImage Draw() {
        plot.replot();
        return plot.toPixmap(400, 300).toImage();
    }
    int Row(double value) const {
        return static_cast<int>(std::lround(plot.yAxis->coordToPixel(value)));
    }
    int Column(double key) const { return static_cast<int>(plot.xAxis->coordToPixel(key)); }
};

bool Painted(const QImage& image, int column, int row) {
    return image.pixelColor(column, row) == kLine;
}

TEST(DenseLineGraph, ASawtoothPackedIntoFewColumnsCoversItsWholeSwingInEach) {
    Chart chart;
    QVector<QCPGraphData> points;
    for (int n = 0; n < 20000; ++n)
        points.append(QCPGraphData(n, 2 + (n % 50) * 0.12)); // 2 .. 7.88
    chart.graph->SetPoints(points);
    chart.plot.xAxis->setRange(0, 19999);
    const QImage image = chart.Draw();
    ASSERT_TRUE(chart.graph->DrewColumns());
    for (const double key : {500.0, 9000.0, 19500.0}) { // clear of the axes' ticks
        const int column = chart.Column(key);
        EXPECT_TRUE(Painted(image, column, chart.Row(2.1))) << key;
        EXPECT_TRUE(Painted(image, column, chart.Row(5.0))) << key;
        EXPECT_TRUE(Painted(image, column, chart.Row(7.8))) << key;
        EXPECT_FALSE(Painted(image, column, chart.Row(9.0))) << key;
        EXPECT_FALSE(Painted(image, column, chart.Row(1.0))) << key;
    }

    // Few points: drawn as an ordinary line.
    chart.graph->SetPoints({QCPGraphData(0, 2), QCPGraphData(19999, 7)});
    chart.Draw();
    EXPECT_FALSE(chart.graph->DrewColumns());
}

TEST(DenseLineGraph, StretchesApartInOneColumnStayApart) {
    // Short stretches, alternately low and high, separated by gaps: many in
    // every column, but nothing may be drawn between the two heights.
    Chart chart;
    QVector<QCPGraphData> points;
    const double gap = std::numeric_limits<double>::quiet_NaN();
    for (int n = 0; n < 6000; n += 3) {
        const double level = (n / 3) % 2 ? 8.0 : 2.0;
        points.append(QCPGraphData(n, level));
        points.append(QCPGraphData(n + 1, level + 0.1));
        points.append(QCPGraphData(n + 1, gap));
    }
    chart.graph->SetPoints(points);
    chart.plot.xAxis->setRange(0, 6000);
    const QImage image = chart.Draw();
    ASSERT_TRUE(chart.graph->DrewColumns());
    const int column = chart.Column(3000);
    EXPECT_TRUE(Painted(image, column, chart.Row(2.05)));
    EXPECT_TRUE(Painted(image, column, chart.Row(8.05)));
    EXPECT_FALSE(Painted(image, column, chart.Row(5.0)));
}

TEST(DenseLineGraph, ValueRangeFollowsAppendsAndPointsSortedInAmongOthers) {
    Chart chart;
    QVector<QCPGraphData> points;
    for (int n = 0; n < 1000; ++n)
        points.append(QCPGraphData(n, std::sin(n * 0.01) * 3));
    chart.graph->SetPoints(points);
    auto range = [&](const QCPRange& keys) {
        bool found = false;
        const QCPRange r = chart.graph->getValueRange(found, QCP::sdBoth, keys);
        EXPECT_TRUE(found);
        return r;
    };
    auto byHand = [&](const QCPRange& keys) {
        bool found = false;
        return chart.graph->QCPGraph::getValueRange(found, QCP::sdBoth, keys);
    };
    for (const QCPRange& keys : {QCPRange(), QCPRange(10, 200), QCPRange(150.5, 151.5)}) {
        EXPECT_DOUBLE_EQ(range(keys).lower, byHand(keys).lower);
        EXPECT_DOUBLE_EQ(range(keys).upper, byHand(keys).upper);
    }

    chart.graph->AppendPoint(1000, 9.5);
    EXPECT_DOUBLE_EQ(range(QCPRange()).upper, 9.5);
    chart.graph->AppendPoints({QCPGraphData(500.5, -7.0)}); // sorts in before the end
    EXPECT_DOUBLE_EQ(range(QCPRange()).lower, -7.0);
    EXPECT_DOUBLE_EQ(range(QCPRange(600, 900)).lower, byHand(QCPRange(600, 900)).lower);

    chart.graph->ClearPoints();
    bool found = true;
    chart.graph->getValueRange(found);
    EXPECT_FALSE(found);
}

} // namespace

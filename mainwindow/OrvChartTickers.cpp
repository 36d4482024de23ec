#include "mainwindow/OrvChartTickers.h"

#include "mainwindow/AxisNumberFormat.h"
#include "mainwindow/TimeGraphView.h"

#include <QFontMetrics>

#include <array>
#include <cmath>

namespace ombrix {

namespace {

constexpr double kSecondsPerDay = 86400.0;
// Steps a clock reader takes in at a glance, in seconds.
constexpr std::array<double, 19> kTimeSteps = {1,     2,     5,     10,    15,    30,   60,
                                               120,   300,   600,   900,   1800,  3600, 7200,
                                               10800, 21600, 43200, 86400, 604800};

} // namespace

QString NumberAxisTicker::getTickLabel(double tick, const QLocale&, QChar, int) {
    return QString::fromLatin1(FormatAxisNumber(tick));
}

double TimeAxisTicker::getTickStep(const QCPRange& range) {
    const double seconds = range.size() * kSecondsPerDay;
    const QFontMetrics metrics(m_pAxis->tickLabelFont());
    const double labelRoom = metrics.horizontalAdvance(QStringLiteral("00:00:00")) + m_separation;
    const double length = std::max(1, m_pAxis->axisRect()->width());
    const double fitting = std::max(1.0, std::floor(length / labelRoom));
    for (double step : kTimeSteps)
        if (seconds / step <= fitting) return step / kSecondsPerDay;
    // Longer than the table reaches: whole weeks.
    return std::ceil(seconds / fitting / kTimeSteps.back()) * kTimeSteps.back() / kSecondsPerDay;
}

int TimeAxisTicker::getSubTickCount(double) {
    return 0;
}

QString TimeAxisTicker::getTickLabel(double tick, const QLocale&, QChar, int) {
    return QString::fromLatin1(TimeGraphView::TimeAxisLabel(tick));
}

} // namespace ombrix

#include "mainwindow/LogAxisTicker.h"

#include "mainwindow/LogAxisTicks.h"

#include <QFontMetricsF>

namespace ombrix {

void LogAxisTicker::generate(const QCPRange& range, const QLocale&, QChar, int,
                             QVector<double>& ticks, QVector<double>* subTicks,
                             QVector<QString>* tickLabels) {
    ticks.clear();
    if (subTicks) subTicks->clear();
    if (tickLabels) tickLabels->clear();
    const bool horizontal = m_pAxis->orientation() == Qt::Horizontal;
    const QRect rect = m_pAxis->axisRect()->rect();
    const double length = horizontal ? rect.width() : rect.height();
    const QFontMetricsF metrics(m_pAxis->tickLabelFont());
    const LabelExtent extent = [&](const std::string& label) {
        return horizontal ? metrics.horizontalAdvance(QString::fromLatin1(label))
                          : metrics.height();
    };
    for (const AxisTick& tick : LogAxisTicks({range.lower, range.upper}, length, extent)) {
        ticks.append(tick.value);
        if (tickLabels) tickLabels->append(QString::fromLatin1(tick.label));
    }
}

void LogAxisTicker::SetLogarithmic(QCPAxis* axis, bool logarithmic,
                                   const QSharedPointer<QCPAxisTicker>& linearTicker) {
    if (logarithmic) {
        axis->setScaleType(QCPAxis::stLogarithmic);
        if (!axis->ticker().dynamicCast<LogAxisTicker>())
            axis->setTicker(QSharedPointer<LogAxisTicker>::create(axis));
    } else {
        axis->setScaleType(QCPAxis::stLinear);
        axis->setTicker(linearTicker);
    }
}

} // namespace ombrix

#pragma once
// The ticker of a logarithmic chart axis: labels at 1, 2, 3, ... 7 times a
// power of ten and at the next power, thinned where they would crowd, as
// LogAxisTicks decides from the axis length and the label font.

#include <qcustomplot.h>

namespace ombrix {

class LogAxisTicker : public QCPAxisTicker {
public:
    // `axis` is the axis that owns this ticker; it gives the length and font.
    explicit LogAxisTicker(QCPAxis* axis) : m_pAxis(axis) {}

    void generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                  QVector<double>& ticks, QVector<double>* subTicks,
                  QVector<QString>* tickLabels) override;

    // Puts the axis on a logarithmic scale with this ticker, or back on a
    // linear one with `linearTicker`.
    static void SetLogarithmic(QCPAxis* axis, bool logarithmic,
                               const QSharedPointer<QCPAxisTicker>& linearTicker);

private:
    QCPAxis* m_pAxis;
};

} // namespace ombrix

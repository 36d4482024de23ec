#pragma once
// Tickers of the linear chart axes: value axes write their numbers with
// thousands grouped and at most four decimals; the time axis of the graph
// writes "hh:mm:ss" at whole seconds, spaced so that labels keep their
// distance.

#include <qcustomplot.h>

namespace ombrix {

class NumberAxisTicker : public QCPAxisTicker {
protected:
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;
};

// Keys are date-times in days.
class TimeAxisTicker : public QCPAxisTicker {
public:
    // `axis` is the axis that owns this ticker; `separation` the room in pixels
    // kept free between two labels.
    TimeAxisTicker(QCPAxis* axis, int separation) : m_pAxis(axis), m_separation(separation) {}

protected:
    double getTickStep(const QCPRange& range) override;
    int getSubTickCount(double tickStep) override;
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;

private:
    QCPAxis* m_pAxis;
    int m_separation;
};

} // namespace ombrix

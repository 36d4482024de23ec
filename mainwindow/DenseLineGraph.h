#pragma once
// A line graph for long series. While its points lie at least a pixel apart it
// draws like any graph. Packed closer, a line without gaps becomes a band that
// covers, in each pixel column, the lowest to the highest place the line
// passes there: that looks the same as stroking every piece, and with the
// pyramid of lows and highs the work per column does not grow with the number
// of points. A line with gaps (stretches apart from each other) has each piece
// filled on its own, in the columns it passes.
//
// Its data are changed through SetPoints, AppendPoints and ClearPoints, which
// keep the pyramid in step; the value range it reports comes from the pyramid.

#include "mainwindow/MinMaxPyramid.h"

#include <qcustomplot.h>

#include <cstdint>
#include <vector>

namespace ombrix {

class DenseLineGraph : public QCPGraph {
    Q_OBJECT
public:
    DenseLineGraph(QCPAxis* keyAxis, QCPAxis* valueAxis);

    void SetPoints(const QVector<QCPGraphData>& points);
    void AppendPoints(const QVector<QCPGraphData>& points);
    void AppendPoint(double key, double value);
    void ClearPoints();

    QCPRange getValueRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth,
                           const QCPRange& inKeyRange = QCPRange()) const override;

    // True when the last draw filled pixel columns instead of stroking.
    bool DrewColumns() const { return m_bDrewColumns; }

protected:
    void draw(QCPPainter* painter) override;

private:
    void SyncPyramid() const;
    std::size_t IndexOfKey(double key) const;
    // The same for a key at or after the one of point `from`.
    std::size_t IndexOfKeyFrom(double key, std::size_t from) const;
    bool Dense(const QRect& area) const;
    void DrawBand(QCPPainter* painter, const QRect& area) const;
    void DrawPieces(QCPPainter* painter, const QRect& area) const;
    // Fills the rectangles (whole pixels) in the pen's colour.
    void FillRects(QCPPainter* painter, const QVector<QRect>& rects, const QRect& area) const;

    mutable MinMaxPyramid m_Pyramid;
    // Scratch room of the fill of many small rectangles.
    mutable std::vector<std::uint64_t> m_Marked; // a bit per pixel of the plot
    mutable QImage m_Overlay;
    bool m_bDrewColumns = false;
};

} // namespace ombrix

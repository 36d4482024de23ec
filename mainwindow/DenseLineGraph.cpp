#include "mainwindow/DenseLineGraph.h"

#include "mainwindow/PixelColumnSpans.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace ombrix {

DenseLineGraph::DenseLineGraph(QCPAxis* keyAxis, QCPAxis* valueAxis)
    : QCPGraph(keyAxis, valueAxis) {}

void DenseLineGraph::SetPoints(const QVector<QCPGraphData>& points) {
    ClearPoints();
    AppendPoints(points);
}

void DenseLineGraph::AppendPoints(const QVector<QCPGraphData>& points) {
    if (points.isEmpty()) return;
    const bool atEnd =
        mDataContainer->isEmpty() || !(points.front().key < (mDataContainer->constEnd() - 1)->key);
    mDataContainer->add(points, true);
    if (!atEnd) m_Pyramid.Clear();
    SyncPyramid();
}

void DenseLineGraph::AppendPoint(double key, double value) {
    AppendPoints({QCPGraphData(key, value)});
}

void DenseLineGraph::ClearPoints() {
    data()->clear();
    m_Pyramid.Clear();
}

void DenseLineGraph::SyncPyramid() const {
    // The pyramid follows the container by appending what it has not seen
    // yet; a container that shrank is taken again from the start.
    const QCPGraphDataContainer& points = *mDataContainer;
    const auto size = static_cast<std::size_t>(points.size());
    std::size_t from = m_Pyramid.Size();
    if (from > size) {
        m_Pyramid.Clear();
        from = 0;
    }
    for (auto it = points.constBegin() + static_cast<qsizetype>(from); it != points.constEnd();
         ++it)
        m_Pyramid.Append(it->value);
}

std::size_t DenseLineGraph::IndexOfKey(double key) const {
    const auto found =
        std::lower_bound(mDataContainer->constBegin(), mDataContainer->constEnd(), key,
                         [](const QCPGraphData& point, double k) { return point.key < k; });
    return static_cast<std::size_t>(found - mDataContainer->constBegin());
}

QCPRange DenseLineGraph::getValueRange(bool& foundRange, QCP::SignDomain inSignDomain,
                                       const QCPRange& inKeyRange) const {
    if (inSignDomain != QCP::sdBoth)
        return QCPGraph::getValueRange(foundRange, inSignDomain, inKeyRange);
    SyncPyramid();
    std::size_t first = 0;
    std::size_t last = m_Pyramid.Size();
    if (inKeyRange != QCPRange()) {
        first = IndexOfKey(inKeyRange.lower);
        const auto end = std::upper_bound(
            mDataContainer->constBegin(), mDataContainer->constEnd(), inKeyRange.upper,
            [](double k, const QCPGraphData& point) { return k < point.key; });
        last = static_cast<std::size_t>(end - mDataContainer->constBegin());
    }
    const std::optional<AxisRange> range = m_Pyramid.Range(first, std::max(first, last));
    foundRange = range.has_value();
    return range ? QCPRange(range->min, range->max) : QCPRange();
}

bool DenseLineGraph::Dense(const QRect& area) const {
    if (lineStyle() != lsLine || scatterStyle().shape() != QCPScatterStyle::ssNone ||
        brush().style() != Qt::NoBrush || selected())
        return false;
    const QCPAxis* key = keyAxis();
    if (!key || key->orientation() != Qt::Horizontal) return false;
    const std::size_t shown = IndexOfKey(key->range().upper) - IndexOfKey(key->range().lower);
    return shown > static_cast<std::size_t>(area.width());
}

std::size_t DenseLineGraph::IndexOfKeyFrom(double key, std::size_t from) const {
    // Galloping from the previous column's place: a step costs the logarithm
    // of the points it passes, not of all points.
    const auto begin = mDataContainer->constBegin();
    const auto count = static_cast<std::size_t>(mDataContainer->size());
    std::size_t low = from;
    std::size_t high = from;
    for (std::size_t step = 1; high < count && (begin + static_cast<qsizetype>(high))->key < key;
         step *= 2) {
        low = high + 1;
        high = low + step;
    }
    high = std::min(high, count);
    const auto found =
        std::lower_bound(begin + static_cast<qsizetype>(low), begin + static_cast<qsizetype>(high),
                         key, [](const QCPGraphData& point, double k) { return point.key < k; });
    return static_cast<std::size_t>(found - begin);
}

namespace {

// An axis's coordinate to pixel, worked out inline for a linear axis: the
// dense drawing maps every shown point, and the axis's own mapping is a call
// into the library for each.
class PixelMapping {
public:
    explicit PixelMapping(const QCPAxis* axis) : m_pAxis(axis) {
        m_bLinear = axis->scaleType() == QCPAxis::stLinear && axis->range().size() > 0;
        if (!m_bLinear) return;
        const double lower = axis->range().lower;
        m_dOrigin = axis->coordToPixel(lower);
        m_dScale = (axis->coordToPixel(axis->range().upper) - m_dOrigin) / axis->range().size();
        m_dLower = lower;
    }
    double operator()(double coordinate) const {
        return m_bLinear ? m_dOrigin + (coordinate - m_dLower) * m_dScale
                         : m_pAxis->coordToPixel(coordinate);
    }
    double Coordinate(double pixel) const {
        return m_bLinear ? m_dLower + (pixel - m_dOrigin) / m_dScale : m_pAxis->pixelToCoord(pixel);
    }

private:
    const QCPAxis* m_pAxis;
    bool m_bLinear = false;
    double m_dOrigin = 0;
    double m_dScale = 0;
    double m_dLower = 0;
};

} // namespace

void DenseLineGraph::draw(QCPPainter* painter) {
    m_bDrewColumns = false;
    const QRect area = clipRect();
    if (!keyAxis() || !valueAxis() || mDataContainer->isEmpty() || !Dense(area)) {
        QCPGraph::draw(painter);
        return;
    }
    if (pen().style() == Qt::NoPen || pen().color().alpha() == 0) return;
    SyncPyramid();
    painter->save();
    painter->setAntialiasing(false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(pen().color());
    if (m_Pyramid.Gaps() == 0)
        DrawBand(painter, area);
    else
        DrawPieces(painter, area);
    painter->restore();
    m_bDrewColumns = true;
}

namespace {

// The pen's width thickens each stroke above and below, as it thickens a
// horizontal line; far-off values are cut a little beyond the plot's border.
struct StrokeHeight {
    double halfWidth;
    double top;
    double bottom;
    StrokeHeight(double penWidth, const QRect& area)
        : halfWidth(std::max(1.0, penWidth) / 2), top(area.top() - 2 * halfWidth),
          bottom(area.bottom() + 1 + 2 * halfWidth) {}
    // Whole pixel rows: the raster engine fills whole-pixel rectangles
    // directly, fractional ones go through its general path filler.
    int Top(double y) const {
        return static_cast<int>(std::lround(std::clamp(y - halfWidth, top, bottom)));
    }
    int Bottom(double y) const {
        return static_cast<int>(std::lround(std::clamp(y + halfWidth, top, bottom)));
    }
};

} // namespace

void DenseLineGraph::DrawBand(QCPPainter* painter, const QRect& area) const {
    const QCPAxis* key = keyAxis();
    const std::size_t count = m_Pyramid.Size();
    const bool ascending = !key->rangeReversed();
    const PixelMapping keyPixel(key);
    const PixelMapping valuePixel(valueAxis());
    auto pixelOf = [&](std::size_t index) {
        const QCPGraphData& point = *(mDataContainer->constBegin() + static_cast<qsizetype>(index));
        return QPointF(keyPixel(point.key), valuePixel(point.value));
    };

    // Per column: the points inside it, through the pyramid, and the piece of
    // line that crosses its left border.
    PixelColumnSpans spans(area.left(), area.width());
    std::size_t crossingTaken = 0; // a long piece crosses many borders, taken once
    std::size_t from = 0;
    for (int column = area.left(); column <= area.right(); ++column) {
        const double a = keyPixel.Coordinate(column);
        const double b = keyPixel.Coordinate(column + 1);
        const std::size_t first = ascending ? IndexOfKeyFrom(a, from) : IndexOfKey(b);
        const std::size_t last = ascending ? IndexOfKeyFrom(b, first) : IndexOfKey(a);
        from = last;
        if (const std::optional<AxisRange> inside = m_Pyramid.Range(first, last))
            spans.AddRange(column, valuePixel(inside->min), valuePixel(inside->max));
        if (first > 0 && first < count && first != crossingTaken) {
            crossingTaken = first;
            const QPointF p0 = pixelOf(first - 1);
            const QPointF p1 = pixelOf(first);
            spans.AddSegment(p0.x(), p0.y(), p1.x(), p1.y());
        }
    }
    // The loop met every border but the plot's far one.
    for (const int border : {area.left(), area.right() + 1}) {
        const std::size_t next = IndexOfKey(keyPixel.Coordinate(border));
        if (next == 0 || next >= count) continue;
        const QPointF p0 = pixelOf(next - 1);
        const QPointF p1 = pixelOf(next);
        spans.AddSegment(p0.x(), p0.y(), p1.x(), p1.y());
    }

    // Filling a column one pixel wide costs a step per row. A tall band (a
    // noisy or fast-changing signal) is therefore filled in blocks of
    // neighbouring columns: the rows all of them cover as one wide rectangle,
    // and only what each column reaches beyond it on its own. A block grows
    // while its common rows stay at least three quarters of what they were.
    const StrokeHeight height(pen().widthF(), area);
    const std::vector<ColumnSpan> columns = spans.Spans();
    QVector<QRect> rects;
    rects.reserve(static_cast<qsizetype>(columns.size() * 2));
    for (std::size_t i = 0; i < columns.size();) {
        int coreTop = height.Top(columns[i].top);
        int coreBottom = height.Bottom(columns[i].bottom);
        std::size_t end = i + 1;
        for (; end < columns.size() && columns[end].column == columns[end - 1].column + 1; ++end) {
            const int top = std::max(coreTop, height.Top(columns[end].top));
            const int bottom = std::min(coreBottom, height.Bottom(columns[end].bottom));
            if (4 * (bottom - top) < 3 * (coreBottom - coreTop)) break;
            coreTop = top;
            coreBottom = bottom;
        }
        const bool core = end - i > 1 && coreBottom > coreTop;
        if (core)
            rects.append(
                QRect(columns[i].column, coreTop, static_cast<int>(end - i), coreBottom - coreTop));
        for (std::size_t c = i; c < end; ++c) {
            const int top = height.Top(columns[c].top);
            const int bottom = height.Bottom(columns[c].bottom);
            const int x = columns[c].column;
            if (!core) {
                rects.append(QRect(x, top, 1, bottom - top));
                continue;
            }
            if (top < coreTop) rects.append(QRect(x, top, 1, coreTop - top));
            if (bottom > coreBottom) rects.append(QRect(x, coreBottom, 1, bottom - coreBottom));
        }
        i = end;
    }
    painter->drawRects(rects.constData(), static_cast<int>(rects.size()));
}

void DenseLineGraph::DrawPieces(QCPPainter* painter, const QRect& area) const {
    // Stretches apart from each other must stay apart: every piece is filled
    // in the columns it passes, and only the shown ones are visited.
    const QCPRange keys = keyAxis()->range();
    const std::size_t count = m_Pyramid.Size();
    const std::size_t first = std::max<std::size_t>(IndexOfKey(keys.lower), 1);
    const std::size_t last = std::min(count, IndexOfKey(keys.upper) + 1);
    const StrokeHeight height(pen().widthF(), area);
    const PixelMapping keyPixel(keyAxis());
    const PixelMapping valuePixel(valueAxis());
    QVector<QRect> rects;
    auto addPart = [&](int column, double ya, double yb) {
        const int top = height.Top(std::min(ya, yb));
        const int bottom = height.Bottom(std::max(ya, yb));
        // The pieces either side of a sample meet: one fill.
        if (!rects.isEmpty() && rects.back().left() == column && top <= rects.back().bottom() + 1 &&
            bottom >= rects.back().top()) {
            QRect& previous = rects.back();
            previous.setBottom(std::max(previous.bottom() + 1, bottom) - 1);
            previous.setTop(std::min(previous.top(), top));
            return;
        }
        rects.append(QRect(column, top, 1, bottom - top));
    };
    auto point = mDataContainer->constBegin() + static_cast<qsizetype>(first - 1);
    double x0 = keyPixel(point->key);
    double y0 = valuePixel(point->value);
    for (std::size_t i = first; i < last; ++i) {
        ++point;
        const double x1 = keyPixel(point->key);
        const double y1 = valuePixel(point->value);
        ForEachColumnPart(x0, y0, x1, y1, area.left(), area.right(), addPart);
        x0 = x1;
        y0 = y1;
    }
    FillRects(painter, rects, area);
}

void DenseLineGraph::FillRects(QCPPainter* painter, const QVector<QRect>& rects,
                               const QRect& area) const {
    // The raster engine spends a few hundred nanoseconds on every rectangle,
    // most of it waiting for memory: small fills scattered over the plot each
    // touch lines of the picture that are no longer in the cache. Past a few
    // hundred of them, the pixels are first marked in a bit map of the plot
    // (small enough to stay in the cache), which then becomes a transparent
    // picture written row by row and laid over the plot once: memory is then
    // passed through in order. Vector output (PDF, SVG) keeps real rectangles.
    constexpr qsizetype kMostRectsDrawnSingly = 256;
    if (rects.size() <= kMostRectsDrawnSingly ||
        painter->modes().testFlag(QCPPainter::pmVectorized)) {
        if (!rects.isEmpty()) painter->drawRects(rects.constData(), static_cast<int>(rects.size()));
        return;
    }
    const int columns = area.width();
    const int rows = area.height();
    const auto words = static_cast<std::size_t>((columns + 63) / 64);
    m_Marked.assign(words * static_cast<std::size_t>(rows), 0);
    int firstRow = rows;
    int lastRow = -1;
    for (const QRect& rect : rects) {
        const QRect inside = rect.intersected(area).translated(-area.topLeft());
        if (inside.isEmpty()) continue;
        firstRow = std::min(firstRow, inside.top());
        lastRow = std::max(lastRow, inside.bottom());
        for (int row = inside.top(); row <= inside.bottom(); ++row) {
            std::uint64_t* line = &m_Marked[words * static_cast<std::size_t>(row)];
            for (int column = inside.left(); column <= inside.right(); ++column)
                line[column / 64] |= std::uint64_t{1} << (column % 64);
        }
    }
    if (lastRow < firstRow) return;

    if (m_Overlay.size() != area.size())
        m_Overlay = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
    const QRgb pixel = qPremultiply(pen().color().rgba());
    uchar* const bits = m_Overlay.bits();
    const qsizetype stride = m_Overlay.bytesPerLine();
    for (int row = firstRow; row <= lastRow; ++row) {
        auto* out = reinterpret_cast<QRgb*>(bits + row * stride);
        const std::uint64_t* marks = &m_Marked[words * static_cast<std::size_t>(row)];
        std::fill(out, out + columns, QRgb{0});
        for (std::size_t word = 0; word < words; ++word)
            for (std::uint64_t set = marks[word]; set != 0; set &= set - 1)
                out[word * 64 + static_cast<std::size_t>(std::countr_zero(set))] = pixel;
    }
    const QRect shown(0, firstRow, columns, lastRow - firstRow + 1);
    painter->drawImage(area.topLeft() + shown.topLeft(), m_Overlay, shown);
}

} // namespace ombrix

#pragma once
// A line whose points lie closer than a pixel apart is, on screen, one vertical
// stroke per pixel column: from the lowest to the highest place the line passes
// in that column. Collecting those spans costs one step per piece of line and
// fills at most one stroke per column, however many samples fall into it;
// stroking every piece instead costs far more and grows with the samples.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

namespace ombrix {

struct ColumnSpan {
    int column = 0;
    double top = 0;    // smallest y the line reaches in the column
    double bottom = 0; // largest y
};

// Calls part(column, ya, yb) with the two heights (pixels) at which the
// straight piece from (x0, y0) to (x1, y1) enters and leaves each column
// firstColumn .. lastColumn it passes. A piece with an end that is not finite
// (a gap in the line) has no parts.
template <class Part>
void ForEachColumnPart(double x0, double y0, double x1, double y1, int firstColumn, int lastColumn,
                       Part&& part) {
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
        return;
    if (x1 < x0) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const double first = std::max(std::floor(x0), static_cast<double>(firstColumn));
    const double last = std::min(std::floor(x1), static_cast<double>(lastColumn));
    if (first > last) return;
    if (std::floor(x0) == std::floor(x1)) {
        // The usual case of a dense line: the piece stays inside one column.
        part(static_cast<int>(first), y0, y1);
        return;
    }
    // A piece across several columns: in each, the part between its borders.
    const double slope = (y1 - y0) / (x1 - x0);
    for (double column = first; column <= last; column += 1.0) {
        const double left = std::max(x0, column);
        const double right = std::min(x1, column + 1.0);
        part(static_cast<int>(column), y0 + (left - x0) * slope, y0 + (right - x0) * slope);
    }
}

class PixelColumnSpans {
public:
    // Columns firstColumn .. firstColumn + columnCount - 1 are collected;
    // parts of the line outside them are dropped.
    PixelColumnSpans(int firstColumn, int columnCount);

    // The straight piece from (x0, y0) to (x1, y1), in pixels.
    void AddSegment(double x0, double y0, double x1, double y1);

    // The line reaches y0 and y1 inside the column (pixels); ignored outside
    // the columns collected or when not finite.
    void AddRange(int column, double y0, double y1);

    // The columns the line passes, left to right.
    std::vector<ColumnSpan> Spans() const;

private:
    void Extend(int column, double y0, double y1);

    int m_nFirstColumn;
    std::vector<double> m_Top;
    std::vector<double> m_Bottom;
};

} // namespace ombrix

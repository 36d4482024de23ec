#include "mainwindow/PixelColumnSpans.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ombrix {

namespace {

constexpr double kUnset = std::numeric_limits<double>::infinity();

} // namespace

PixelColumnSpans::PixelColumnSpans(int firstColumn, int columnCount)
    : m_nFirstColumn(firstColumn),
      m_Top(static_cast<std::size_t>(std::max(0, columnCount)), kUnset),
      m_Bottom(static_cast<std::size_t>(std::max(0, columnCount)), -kUnset) {}

void PixelColumnSpans::Extend(int column, double y0, double y1) {
    const auto index = static_cast<std::size_t>(column - m_nFirstColumn);
    m_Top[index] = std::min({m_Top[index], y0, y1});
    m_Bottom[index] = std::max({m_Bottom[index], y0, y1});
}

void PixelColumnSpans::AddRange(int column, double y0, double y1) {
    if (column < m_nFirstColumn || column - m_nFirstColumn >= static_cast<int>(m_Top.size()))
        return;
    if (!std::isfinite(y0) || !std::isfinite(y1)) return;
    Extend(column, y0, y1);
}

void PixelColumnSpans::AddSegment(double x0, double y0, double x1, double y1) {
    ForEachColumnPart(x0, y0, x1, y1, m_nFirstColumn,
                      m_nFirstColumn + static_cast<int>(m_Top.size()) - 1,
                      [this](int column, double ya, double yb) { Extend(column, ya, yb); });
}

std::vector<ColumnSpan> PixelColumnSpans::Spans() const {
    std::vector<ColumnSpan> spans;
    for (std::size_t i = 0; i < m_Top.size(); ++i)
        if (m_Top[i] <= m_Bottom[i])
            spans.push_back({m_nFirstColumn + static_cast<int>(i), m_Top[i], m_Bottom[i]});
    return spans;
}

} // namespace ombrix

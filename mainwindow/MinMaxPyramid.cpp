#include "mainwindow/MinMaxPyramid.h"

#include <algorithm>
#include <limits>

namespace ombrix {

namespace {

constexpr std::size_t kFanOut = 8;
constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

void MinMaxPyramid::Clear() {
    m_Values.clear();
    m_Levels.clear();
    m_nGaps = 0;
}

void MinMaxPyramid::Take(Block& into, const Block& block) {
    into.low = std::min(into.low, block.low);
    into.high = std::max(into.high, block.high);
}

void MinMaxPyramid::Append(double value) {
    m_Values.push_back(value);
    if (value != value) ++m_nGaps;
    // Each completed block of eight is summed up one level higher, and so on.
    std::size_t below = m_Values.size();
    for (std::size_t level = 0; below % kFanOut == 0; ++level) {
        Block block{kInf, -kInf};
        if (level == 0) {
            for (std::size_t i = below - kFanOut; i < below; ++i)
                if (m_Values[i] == m_Values[i]) Take(block, Block{m_Values[i], m_Values[i]});
        } else {
            const std::vector<Block>& lower = m_Levels[level - 1];
            for (std::size_t i = below - kFanOut; i < below; ++i)
                Take(block, lower[i]);
        }
        if (m_Levels.size() == level) m_Levels.emplace_back();
        m_Levels[level].push_back(block);
        below = m_Levels[level].size();
    }
}

std::optional<AxisRange> MinMaxPyramid::Range(std::size_t first, std::size_t last) const {
    last = std::min(last, m_Values.size());
    Block found{kInf, -kInf};
    auto takeValue = [&](std::size_t i) {
        if (m_Values[i] == m_Values[i]) Take(found, Block{m_Values[i], m_Values[i]});
    };
    // The ragged ends of the stretch at each level, then the whole blocks of
    // the level above between them.
    std::size_t level = 0;
    while (first < last) {
        const bool top = level == m_Levels.size();
        if (top || last - first < 2 * kFanOut) {
            for (std::size_t i = first; i < last; ++i)
                level == 0 ? takeValue(i) : Take(found, m_Levels[level - 1][i]);
            break;
        }
        for (; first % kFanOut != 0; ++first)
            level == 0 ? takeValue(first) : Take(found, m_Levels[level - 1][first]);
        for (; last % kFanOut != 0; --last)
            level == 0 ? takeValue(last - 1) : Take(found, m_Levels[level - 1][last - 1]);
        first /= kFanOut;
        last /= kFanOut;
        ++level;
    }
    if (found.low > found.high) return std::nullopt;
    return AxisRange{found.low, found.high};
}

} // namespace ombrix

#pragma once
// The lowest and highest of any stretch of a growing list of values, in time
// that depends on the length of the stretch only logarithmically: above the
// values, each level keeps the lowest and highest of blocks eight times as long
// as the level below. A chart asks this once per pixel column, so drawing a
// long series costs the same at every refresh however many samples it holds.
// Values that are not numbers (gaps) count for nothing.

#include "mainwindow/ChartTypes.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace ombrix {

class MinMaxPyramid {
public:
    void Clear();
    void Append(double value);
    std::size_t Size() const { return m_Values.size(); }
    // How many of the values are gaps.
    std::size_t Gaps() const { return m_nGaps; }

    // Lowest and highest of the values first .. last - 1; none when the stretch
    // is empty or holds gaps only.
    std::optional<AxisRange> Range(std::size_t first, std::size_t last) const;

private:
    struct Block {
        double low;
        double high;
    };
    static void Take(Block& into, const Block& block);

    std::vector<double> m_Values;
    std::size_t m_nGaps = 0;
    std::vector<std::vector<Block>> m_Levels; // m_Levels[k]: blocks of 8^(k+1) values
};

} // namespace ombrix

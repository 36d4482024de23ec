#pragma once
// The vocabulary in which the view computations hand their results to the chart
// widgets: points, ranges, legend entries, bars and colours. Colours are values
// R + 256 G + 65536 B, as the view settings keep them.

#include <cstdint>
#include <string>

namespace ombrix {

using ChartColor = std::uint32_t;

struct ChartPoint {
    double x = 0;
    double y = 0;
};

struct AxisRange {
    double min = 0;
    double max = 0;
    bool operator==(const AxisRange&) const = default;
};

struct LegendEntry {
    std::string text;
    ChartColor color = 0;
};

// A bar with the text written on it when the view shows bar values.
struct ChartBar {
    double x = 0;
    double height = 0;
    std::string mark;
};

// How a value axis is to be set: automatic, or the range given.
struct ValueAxis {
    bool automatic = true;
    bool logarithmic = false;
    AxisRange range; // meaningful when not automatic
};

} // namespace ombrix

#pragma once
// Labels of logarithmic axes (time graph, spectrum and axis views): at 1, 2, 3,
// ... 7 times a power of ten and at the next power of ten, leaving out the ones
// that would crowd the label before them. A custom axis ticker asks for the
// ticks of its range and draws the texts it is given.

#include "mainwindow/ChartTypes.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ombrix {

struct AxisTick {
    double value = 0;
    std::string label;
};

// The extent in pixels of a label text along its axis: its width on a
// horizontal axis, its height on a vertical one.
using LabelExtent = std::function<double(const std::string& label)>;

// One label after another, as the chart asks for them.
class LogLabelSteps {
public:
    // `range` is the axis range, `lengthPixels` the axis length on screen.
    LogLabelSteps(AxisRange range, double lengthPixels, LabelExtent extent);

    // The first label: the power of ten at or below the axis minimum.
    double First();
    // The label after the one at `value`; none when labelling ends.
    std::optional<double> Next(double value);

private:
    double PixelOf(double value) const;

    AxisRange m_range;
    double m_lengthPixels;
    LabelExtent m_extent;
    double m_step = 0;
};

// The ticks with their texts inside the range; none for a range that a
// logarithmic axis cannot show (not above 0, or empty).
std::vector<AxisTick> LogAxisTicks(AxisRange range, double lengthPixels, const LabelExtent& extent);

} // namespace ombrix

#include "mainwindow/LogAxisTicks.h"

#include "mainwindow/AxisNumberFormat.h"

#include <cmath>

namespace ombrix {

namespace {

constexpr double kFirstStep = 0.0001;
constexpr double kLastStep = 100000.0;
constexpr double kRoomFactor = 1.3; // label extents between two labels
constexpr int kMultiplesPerDecade = 6;
constexpr double kLargestMultiple = 7.0;
// Rounding in the sums of steps must not drop a label at an axis end.
constexpr double kEndTolerance = 1e-9;
// A guard against a range so wide that its labels would never end.
constexpr std::size_t kMostTicks = 1000;

} // namespace

LogLabelSteps::LogLabelSteps(AxisRange range, double lengthPixels, LabelExtent extent)
    : m_range(range), m_lengthPixels(lengthPixels), m_extent(std::move(extent)) {}

double LogLabelSteps::PixelOf(double value) const {
    return (std::log10(value) - std::log10(m_range.min)) /
           (std::log10(m_range.max) - std::log10(m_range.min)) * m_lengthPixels;
}

double LogLabelSteps::First() {
    m_step = kFirstStep;
    return std::pow(10.0, std::floor(std::log10(m_range.min)));
}

std::optional<double> LogLabelSteps::Next(double value) {
    if (!(value > 0)) return std::nullopt;
    const double p0 = PixelOf(value);
    double a = value;
    int n = 0;
    while (m_step < kLastStep) {
        a += m_step;
        ++n;
        if (n > kMultiplesPerDecade || a > kLargestMultiple * m_step) {
            n = 0;
            m_step *= 10;
            a = std::trunc((value + m_step) / m_step) * m_step;
        }
        if (std::fabs(PixelOf(a) - p0) > kRoomFactor * m_extent(FormatAxisNumber(a))) break;
    }
    // Past the largest step the rule has no further label to give.
    if (!std::isfinite(a) || a <= value) return std::nullopt;
    return a;
}

std::vector<AxisTick> LogAxisTicks(AxisRange range, double lengthPixels,
                                   const LabelExtent& extent) {
    std::vector<AxisTick> ticks;
    if (!(range.min > 0) || !(range.max > range.min) || !std::isfinite(range.max)) return ticks;
    LogLabelSteps steps(range, lengthPixels, extent);
    const double low = range.min * (1 - kEndTolerance);
    const double high = range.max * (1 + kEndTolerance);
    std::optional<double> value = steps.First();
    while (value && *value <= high && ticks.size() < kMostTicks) {
        if (*value >= low) ticks.push_back({*value, FormatAxisNumber(*value)});
        value = steps.Next(*value);
    }
    return ticks;
}

} // namespace ombrix

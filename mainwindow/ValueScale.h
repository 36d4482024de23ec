#pragma once
// The engineering prefix in which the time graph, the spectrum and the axis view
// draw their values, chosen by the magnitude shown (the largest value, or the
// fixed maximum of the Y axis), and the value axis those views share.

#include "datasets/ValueClass.h"
#include "mainwindow/ChartTypes.h"

#include <string>

namespace ombrix {

class ViewSetupStruct;

struct ValueScale {
    double factor = 1.0; // drawn value = value / factor
    std::string prefix;
    std::string unitText; // prefix + the dataset's unit
    double Multiplier() const { return 1.0 / factor; }
    bool operator==(const ValueScale&) const = default;
};

ValueScale ScaleForMagnitude(double magnitude, const std::string& unit);

// "Magnetic Induction [µT]"
std::string ValueAxisTitle(const std::string& quantityName, const ValueScale& scale);

// The Y axis by the settings: automatic with YAutoScale, else YMin..YMax of the
// value class in drawn units. A logarithmic axis cannot start at 0, so a minimum
// of exactly 0 there becomes a thousandth of the maximum.
ValueAxis SettingsValueAxis(const ViewSetupStruct& setup, ValueClass valueClass, double multiplier);

// A fixed range on a logarithmic axis that starts at 0 starts at max / 1000.
AxisRange LogSafeRange(double min, double max, bool logarithmic);

} // namespace ombrix

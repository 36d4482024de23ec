#include "mainwindow/ValueScale.h"

#include "core/Ombrix.h"
#include "presentation/ViewSetupStruct.h"

namespace ombrix {

namespace {
constexpr double kLogFloorOfMax = 0.001;
}

ValueScale ScaleForMagnitude(double magnitude, const std::string& unit) {
    ValueScale scale;
    scale.factor = PrefixOf(magnitude, scale.prefix);
    scale.unitText = scale.prefix + unit;
    return scale;
}

std::string ValueAxisTitle(const std::string& quantityName, const ValueScale& scale) {
    return quantityName + " [" + scale.unitText + "]";
}

AxisRange LogSafeRange(double min, double max, bool logarithmic) {
    if (min == 0 && logarithmic) min = max * kLogFloorOfMax;
    return {min, max};
}

ValueAxis SettingsValueAxis(const ViewSetupStruct& setup, ValueClass valueClass,
                            double multiplier) {
    ValueAxis axis;
    axis.automatic = setup.GetYAutoScale();
    axis.logarithmic = setup.GetYLog();
    if (!axis.automatic)
        axis.range = LogSafeRange(setup.GetYMin(valueClass) * multiplier,
                                  setup.GetYMax(valueClass) * multiplier, axis.logarithmic);
    return axis;
}

} // namespace ombrix

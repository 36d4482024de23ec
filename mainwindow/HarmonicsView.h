#pragma once
// The harmonics page: the fundamental at 100 % and the harmonics K2 to K9 in
// per cent of it as bars, with the detected fundamental and the distortion
// values KT and KN in the foot.

#include "mainwindow/ChartTypes.h"

#include <string>
#include <vector>

namespace ombrix {

class OrvListDataset;
class ViewSetupStruct;

struct HarmonicsStyle {
    bool showValues = true;
    int barWidthPercent = 50;
};
HarmonicsStyle HarmonicsStyleOf(const ViewSetupStruct& setup);

struct HarmonicsChart {
    static constexpr const char* kBottomTitle = "Harmonics";
    static constexpr const char* kLeftTitle = "Harmonic distortion [%]";
    static constexpr const char* kLegendText = "Overdrive";

    std::vector<ChartBar> bars; // x 1 (fundamental) .. 9 (K9)
    ChartColor barColor = 0;
    bool inLegend = false; // an overdriven list, drawn in the overdrive colour
    std::string title;
    std::string foot;
};

HarmonicsChart ShowHarmonics(OrvListDataset& list, const ViewSetupStruct& setup);

// Labels of the bottom axis: "K1" .. "K9".
std::string HarmonicsAxisLabel(int order);

} // namespace ombrix

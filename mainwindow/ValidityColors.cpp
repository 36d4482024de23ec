#include "mainwindow/ValidityColors.h"

#include "config/Listendecl.h"
#include "presentation/ViewSetupStruct.h"

namespace ombrix {

namespace {

constexpr int kStrongComponent = 209;
constexpr int kWeakComponent = 14;

int Red(ChartColor c) {
    return static_cast<int>(c & 0xFF);
}
int Green(ChartColor c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
int Blue(ChartColor c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

bool Strong(int component) {
    return component >= kStrongComponent;
}
bool Weak(int component) {
    return component <= kWeakComponent;
}

} // namespace

ChartColor NotReadyColor(ChartColor seriesColor) {
    const bool nearBlue =
        Strong(Blue(seriesColor)) && Weak(Red(seriesColor)) && Weak(Green(seriesColor));
    return nearBlue ? RgbColor(128, 128, 255) : RgbColor(0, 0, 255);
}

ChartColor OverdriveColor(ChartColor seriesColor) {
    const bool nearRed =
        Strong(Red(seriesColor)) && Weak(Green(seriesColor)) && Weak(Blue(seriesColor));
    return nearRed ? RgbColor(255, 128, 128) : RgbColor(255, 0, 0);
}

ChartColor ValidityColor(ChartColor seriesColor, unsigned validity) {
    if (validity == eValidNotReady) return NotReadyColor(seriesColor);
    if (validity == eValidOverdrive) return OverdriveColor(seriesColor);
    return seriesColor;
}

} // namespace ombrix

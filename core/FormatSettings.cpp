#include "core/FormatSettings.h"

namespace ombrix {

namespace {
FormatSettings& RegionalStorage() {
    static FormatSettings regional;
    return regional;
}
} // namespace

FormatSettings& CurrentFormat() {
    static FormatSettings current;
    return current;
}

const FormatSettings& RegionalFormat() { return RegionalStorage(); }

void SetRegionalFormat(const FormatSettings& regional) { RegionalStorage() = regional; }

void InstallFormatSettings(const FormatSettings& settings) {
    SetRegionalFormat(settings);
    CurrentFormat() = settings;
}

} // namespace ombrix

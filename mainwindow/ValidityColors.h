#pragma once
// Colours that mark samples, spectra and harmonics lists the analyser flagged:
// "!A" (not ready) in blue, "!O" (overdrive) in red. When the user's own series
// colour is already (nearly) that hue, the mark takes a lighter shade so that it
// stays distinguishable.

#include "mainwindow/ChartTypes.h"

namespace ombrix {

ChartColor NotReadyColor(ChartColor seriesColor);
ChartColor OverdriveColor(ChartColor seriesColor);

// The colour a sample of the given validity code is drawn in.
ChartColor ValidityColor(ChartColor seriesColor, unsigned validity);

} // namespace ombrix

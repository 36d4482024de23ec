#pragma once
// What the value page shows of a single value or of the current sample of a
// timed series: the quantity letter, the channel, the value or why there is
// none, the frequency; and the logarithmic scale of the measuring range drawn
// under the live value's bar.

#include <string>
#include <vector>

namespace ombrix {

class OrvNormalDataset;

struct ValueTexts {
    std::string fieldType; // "E" for the electric probe, else "B"
    std::string channel;
    std::string value; // the value with its prefix and unit, or "Overdrive", "Not ready", ...
    bool showFrequency = false;
    std::string frequency;
};
ValueTexts ValueTextsOf(OrvNormalDataset& dataset);

// A tick of the scale; long ticks carry the label of their decade value.
struct ScaleTick {
    int x = 0;
    bool longTick = false;
    std::string label;
};
struct ValueScaleDrawing {
    std::vector<ScaleTick> ticks;
    int barMaximum = 0; // the bar's maximum and its width in pixels
    int barPosition = 0;
};
inline constexpr int kLongTickLength = 6;
inline constexpr int kShortTickLength = 3;
inline constexpr int kTickLabelOffset = 3; // labels start this far left of their tick

// The decades from `min` to `max` spread over `width` pixels from `left`, and
// the bar position of `value` on them. A range that spans no decade (or does
// not lie above 0) draws nothing and leaves the bar empty.
ValueScaleDrawing ValueScaleFor(double min, double max, double value, int width, int left = 0);

} // namespace ombrix

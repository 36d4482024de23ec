#include "mainwindow/ValueDisplay.h"

#include "core/Ombrix.h"
#include "datasets/OrvAutoDataset.h"

#include <algorithm>
#include <cmath>

namespace ombrix {

namespace {

// The analyser's validity marks in words.
std::string ValidityWords(Code valid) {
    const std::string text = ValidText(valid);
    if (text == "!O") return "Overdrive";
    if (text == "!A") return "Not ready";
    return text;
}

// The validity that replaces the value: the dataset's own for a single value,
// the newest sample's for a series.
std::string ValidityInsteadOfValue(OrvNormalDataset& dataset) {
    if (dataset.GetDataType() == eAuto) {
        const auto& series = static_cast<const OrvAutoDataset&>(dataset);
        if (series.GetSampleCount() == 0) return {};
        const Code last = series.GetSampleValid(series.GetSampleCount() - 1);
        return last == eValidOK ? std::string() : ValidityWords(last);
    }
    const Code valid = dataset.GetValid();
    return valid == eValidOK ? std::string() : ValidityWords(valid);
}

int RoundHalfUp(double x) {
    return static_cast<int>(std::floor(x + 0.5));
}

} // namespace

ValueTexts ValueTextsOf(OrvNormalDataset& dataset) {
    ValueTexts texts;
    texts.fieldType = dataset.GetProbe() == eEFieldProbe ? "E" : "B";
    texts.channel = dataset.FormatChannel(0);
    const std::string validity = ValidityInsteadOfValue(dataset);
    texts.value =
        validity.empty() ? FormatValue(dataset.GetValue(), dataset.GetUnitText()) : validity;
    const int frequency = dataset.GetFrequency();
    texts.showFrequency = frequency >= 0;
    if (texts.showFrequency) texts.frequency = FormatValue(frequency, "Hz");
    return texts;
}

ValueScaleDrawing ValueScaleFor(double min, double max, double value, int width, int left) {
    ValueScaleDrawing drawing;
    if (!(min > 0) || !(max > min) || width <= 0) return drawing;
    const int decades = RoundHalfUp(std::log10(max) - std::log10(min));
    if (decades <= 0) return drawing;

    // The small allowance keeps 0.3 / 0.1 from truncating to 2.
    constexpr double kRoundOff = 1e-9;
    double unit = std::pow(10.0, std::floor(std::log10(min) + kRoundOff));
    const int leading = static_cast<int>(min / unit + kRoundOff);
    const int perDecade = width / decades;
    for (int c = 0; c < decades; ++c) {
        for (int i = leading; i <= leading + 10; ++i) {
            const int t = i <= 10 ? i : 10 * i - 100;
            const int x = static_cast<int>((std::log10(t) - std::log10(leading)) * perDecade +
                                           perDecade * c + left + 1);
            ScaleTick tick{x, i == 1 || i == 10, {}};
            if (tick.longTick) tick.label = FormatValue(i * unit, "");
            drawing.ticks.push_back(std::move(tick));
        }
        unit *= 10;
    }
    drawing.barMaximum = perDecade * decades;
    if (value > 0) {
        const int position = static_cast<int>((std::log10(value) - std::log10(min)) * perDecade);
        // A value outside the range pins the bar to its end instead of leaving it
        // where the previous value put it.
        drawing.barPosition = std::clamp(position, 0, drawing.barMaximum);
    }
    return drawing;
}

} // namespace ombrix

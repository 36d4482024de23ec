#pragma once
// The spectrum page: the lines of a spectrum with the interpolated peak tops
// merged in, the threshold line, and on logarithmic axes the limit curve of the
// chosen exposure standard, all in one engineering prefix. A spectrum already
// shown is not drawn again until the settings change.

#include "mainwindow/ChartTypes.h"
#include "mainwindow/ValueScale.h"

#include <string>
#include <vector>

namespace ombrix {

class OrvVectorDataset;
class ViewSetupStruct;

// The page's fixed presentation, applied when the settings change.
struct SpectrumStyle {
    bool frequencyAutomatic = true;
    bool frequencyLogarithmic = true;
    AxisRange frequencyRange; // when not automatic
    bool valueAutomatic = true;
    bool valueLogarithmic = false;
    ChartColor lineColor = 0;
    int lineWidth = 2;
    bool thresholdVisible = false;
    ChartColor thresholdColor = 0;
    int thresholdWidth = 2;
    bool standardVisible = false;
    ChartColor standardColor = 0;
    int standardWidth = 2;
};
SpectrumStyle SpectrumStyleOf(const ViewSetupStruct& setup);

// The first line drawn: DC and the lines below the analyser's range never are.
int FirstDrawnLine(int df);

class SpectrumView {
public:
    static constexpr const char* kTitle = "FFT";
    static constexpr const char* kFrequencyAxisTitle = "Frequency [Hz]";
    static constexpr const char* kLegendText = "Overdrive";

    // Draws the spectrum unless it is the one shown; false when nothing changed.
    bool Refresh(OrvVectorDataset& spectrum, const ViewSetupStruct& setup);
    // The next refresh draws whatever it is given (the settings changed).
    void Invalidate();

    // The lines and peak tops, ascending in frequency.
    const std::vector<ChartPoint>& Points() const { return m_points; }
    const std::vector<ChartPoint>& ThresholdPoints() const { return m_thresholdPoints; }
    // Empty unless a standard is chosen, the spectrum is absolute and both axes
    // are logarithmic.
    const std::vector<ChartPoint>& StandardPoints() const { return m_standardPoints; }

    // The factor of the last spectrum drawn: element value / factor is its height.
    double Factor() const { return m_scale.factor; }
    const ValueScale& Scale() const { return m_scale; }
    const std::string& ValueAxisTitle() const { return m_valueTitle; }
    const ValueAxis& ValueAxisSetting() const { return m_valueAxis; }
    ChartColor LineColor() const { return m_lineColor; }
    // An overdriven spectrum is drawn in the overdrive colour and listed in the
    // legend as "Overdrive".
    bool InLegend() const { return m_inLegend; }

private:
    struct Key {
        const OrvVectorDataset* spectrum = nullptr;
        long long seconds = 0;
        bool operator==(const Key&) const = default;
    };
    void DrawStandard(const OrvVectorDataset& spectrum, ValueClass valueClass,
                      const ViewSetupStruct& setup);

    Key m_key;
    std::vector<ChartPoint> m_points;
    std::vector<ChartPoint> m_thresholdPoints;
    std::vector<ChartPoint> m_standardPoints;
    ValueScale m_scale;
    std::string m_valueTitle;
    ValueAxis m_valueAxis;
    ChartColor m_lineColor = 0;
    bool m_inLegend = false;
};

} // namespace ombrix

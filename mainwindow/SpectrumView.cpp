#include "mainwindow/SpectrumView.h"

#include "config/Listendecl.h"
#include "datasets/OrvVectorDataset.h"
#include "mainwindow/ValidityColors.h"
#include "presentation/ViewSetupStruct.h"

#include <algorithm>
#include <cmath>

namespace ombrix {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr int kFirstLineAt1Hz = 5;
constexpr int kFirstLineOtherwise = 4;

} // namespace

SpectrumStyle SpectrumStyleOf(const ViewSetupStruct& setup) {
    SpectrumStyle style;
    style.frequencyAutomatic = setup.GetXAutoScale(1);
    style.frequencyLogarithmic = setup.GetFFTXLog();
    style.frequencyRange =
        LogSafeRange(setup.GetFFTXMin(), setup.GetFFTXMax(), style.frequencyLogarithmic);
    style.valueAutomatic = setup.GetYAutoScale();
    style.valueLogarithmic = setup.GetYLog();
    style.lineColor = setup.GetColors(eColorSpectrumLine);
    style.lineWidth = setup.GetLineWidth(eWidthSpectrumLine);
    style.thresholdVisible = setup.GetThresholdVisible();
    style.thresholdColor = setup.GetColors(eColorThreshold);
    style.thresholdWidth = setup.GetLineWidth(eWidthThreshold);
    style.standardVisible = setup.GetStandardVisible();
    style.standardColor = setup.GetColors(eColorStandard);
    style.standardWidth = setup.GetLineWidth(eWidthStandard);
    return style;
}

int FirstDrawnLine(int df) {
    return df == 1 ? kFirstLineAt1Hz : kFirstLineOtherwise;
}

void SpectrumView::Invalidate() {
    m_key = Key{};
}

bool SpectrumView::Refresh(OrvVectorDataset& spectrum, const ViewSetupStruct& setup) {
    // The object and its time: a spectrum read anew into the same place is a
    // different one.
    const Key key{&spectrum,
                  static_cast<long long>(std::trunc(spectrum.GetDateTime() * kSecondsPerDay))};
    if (key == m_key) return false;
    m_key = key;

    const ValueClass valueClass = spectrum.GetValueClass();
    const int count = spectrum.GetElementCount();
    double magnitude = 0;
    if (setup.GetYAutoScale()) {
        for (int i = 0; i < count; ++i)
            magnitude = std::max(magnitude, spectrum.GetElementValue(i));
    } else {
        magnitude = setup.GetYMax(valueClass);
    }
    m_scale = ScaleForMagnitude(magnitude, spectrum.GetUnitText());
    m_valueTitle = ombrix::ValueAxisTitle(spectrum.QuantityName(), m_scale);
    const double k = m_scale.Multiplier();
    m_valueAxis = SettingsValueAxis(setup, valueClass, k);

    const ChartColor seriesColor = setup.GetColors(eColorSpectrumLine);
    m_inLegend = spectrum.GetValid() == eValidOverdrive;
    m_lineColor = m_inLegend ? OverdriveColor(seriesColor) : seriesColor;

    const double df = spectrum.GetDF();
    const double threshold = setup.GetThreshold(valueClass) * k;
    m_points.clear();
    m_thresholdPoints.clear();
    for (int s = FirstDrawnLine(spectrum.GetDF()); s < count; ++s) {
        m_points.push_back({s * df, spectrum.GetElementValue(s) * k});
        m_thresholdPoints.push_back({s * df, threshold});
    }

    std::vector<ChartPoint> peaks;
    for (const VectorPeak& peak : spectrum.FindPeaks())
        peaks.push_back({peak.m_dFrequency, peak.m_dPeakValue * k});
    const auto byFrequency = [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; };
    std::stable_sort(peaks.begin(), peaks.end(), byFrequency);
    const auto linesEnd = static_cast<std::ptrdiff_t>(m_points.size());
    m_points.insert(m_points.end(), peaks.begin(), peaks.end());
    std::inplace_merge(m_points.begin(), m_points.begin() + linesEnd, m_points.end(), byFrequency);

    DrawStandard(spectrum, valueClass, setup);
    return true;
}

void SpectrumView::DrawStandard(const OrvVectorDataset& spectrum, ValueClass valueClass,
                                const ViewSetupStruct& setup) {
    m_standardPoints.clear();
    const OrvStandard* standard = setup.GetStandard(setup.GetStandardIndex());
    // A limit in T or V/m means nothing against a spectrum in per cent of a
    // reference, and the curve is drawn for the log-log view only.
    if (!standard || spectrum.GetUnit() == eUnitPercent || !setup.GetFFTXLog() || !setup.GetYLog())
        return;
    const double k = m_scale.Multiplier();
    for (const StandardPoint& point : standard->GetPoints())
        m_standardPoints.push_back(
            {point.frequency, StandardLimitInQuantity(point, valueClass) * k});
}

} // namespace ombrix

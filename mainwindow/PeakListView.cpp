#include "mainwindow/PeakListView.h"

#include "core/Ombrix.h"
#include "datasets/OrvVectorDataset.h"

#include <algorithm>

namespace ombrix {

PeakListLayout PeakListLayoutFor(int peakCount) {
    PeakListLayout layout;
    layout.rowCount = std::max(peakCount, 0) + 1;
    layout.header = {"Peaks", "Frequence", ""};
    for (int n = 1; n < layout.rowCount; ++n)
        layout.rowTitles.push_back("Peak " + std::to_string(n) + ":");
    return layout;
}

std::vector<PeakRow> PeakListRows(OrvVectorDataset& spectrum, int rowCount) {
    const auto& peaks = spectrum.FindPeaks();
    const std::string unit = spectrum.GetUnitText();
    std::vector<PeakRow> rows;
    for (int i = 1; i < rowCount && static_cast<std::size_t>(i) <= peaks.size(); ++i) {
        const VectorPeak& peak = peaks[static_cast<std::size_t>(i - 1)];
        rows.push_back({peak.m_dFrequency, peak.m_dPeakValue, FormatValue(peak.m_dFrequency, "Hz"),
                        FormatValue(peak.m_dPeakValue, unit)});
    }
    return rows;
}

} // namespace ombrix

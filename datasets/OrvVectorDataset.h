#pragma once
// A stored spectrum (kind "V"): values at equally spaced frequencies, element i
// at i x DF Hz, measured in one FFT frequency range. It also finds the peaks of
// the spectrum, refined on a logarithmic parabola, and reports the peak nearest
// to the marker for the spectrum and peak-list views.

#include "datasets/OrvDataset.h"
#include "datasets/OrvElements.h"

#include <string_view>
#include <vector>

namespace ombrix {

class OrvVectorDataset : public OrvDataset {
public:
    static constexpr std::size_t kReservedElements = 2048;
    static constexpr std::size_t kMaxPeaks = 20;

    OrvVectorDataset(int memNumber, Code probe, Code channel, Code mode, DateTime dateTime);

    void ExportTo(LineList& lines, bool csv) override;
    bool ParseFrom(const TransferLines& lines, int& index) override;
    DataTreeNode* AddToTree(DataTree& nodes, DataTreeNode* parent) override;
    // Builds the element nodes under "Values" on the first expansion only.
    void ExpandNode(DataTree& nodes, DataTreeNode* node) override;
    std::string GetInfoText() override;
    std::string GetMarkerText() override;
    int GetCursor() override;
    // An index outside the spectrum puts the cursor on the last element.
    void SetCursor(int index) override;
    ValueClass GetValueClass() override;

    int GetElementCount() const { return static_cast<int>(m_Elements.size()); }
    // 0 outside the spectrum.
    double GetElementValue(int i) const;
    int GetElementNumber(int i) const;
    int GetDF() const { return m_nDF; }
    // The element nearest to `frequency` (halves round up); 0 without a step.
    int FrequencyToIndex(double frequency) const;

    // The largest peaks, largest first, at most kMaxPeaks; computed on the first
    // call that finds any and kept from then on.
    const std::vector<VectorPeak>& FindPeaks();
    // The peak nearest to the marker among the first PeakCount peaks (the
    // largest when none lies within 10 kHz); false when the spectrum has none.
    bool NearestPeak(double& frequency, double& value);
    const std::string& GetPeakText() const { return m_sPeakText; }

    std::string GetUnitText() const { return UnitText(m_nUnit, false); }
    Code GetUnit() const { return m_nUnit; }
    Code GetFRange() const { return m_nFRange; }
    Code GetDetection() const { return m_nDetection; }
    Code GetValid() const { return m_nValid; }
    Code GetMaxHold() const { return m_nMaxHold; }
    const std::string& GetStandard() const { return m_sStandard; }

    std::string FormatFRange(int mode) const;
    std::string FormatDF(int mode) const;
    std::string FormatDetection(int mode) const;
    std::string FormatStandard(int mode) const;
    std::string FormatMaxHold(int mode) const;
    std::string FormatValid(int mode) const;
    std::string FormatElementNumber(int i, int mode) const;
    std::string FormatElementValue(int i, int mode) const;

private:
    bool ReadColumn(std::string_view name, std::string_view value);
    // The elements from `index` (the element label line) on; leaves `index` on
    // the line after the last element.
    bool ReadElements(const TransferLines& lines, int& index);
    void RefinePeak(VectorPeak& peak) const;
    std::string ValueLabel() const;

    Code m_nFRange = kNotRead;
    int m_nDF = -1;
    Code m_nDetection = kNotRead;
    std::vector<OrvVectorList> m_Elements;
    std::string m_sStandard;
    Code m_nUnit = kNotRead;
    Code m_nValid = kNotRead;
    Code m_nMaxHold = kNotRead;
    std::vector<VectorPeak> m_Peaks;
    std::string m_sPeakText;
};

} // namespace ombrix

#pragma once
// A stored harmonics list (kind "L"): the fundamental's frequency and amplitude,
// the harmonics K2 to K9 and the summary values KT and KN in percent, under one
// detection, live/max setting and validity. The harmonics view reads it through
// the accessors.

#include "datasets/OrvDataset.h"

#include <array>
#include <string_view>

namespace ombrix {

class OrvListDataset : public OrvDataset {
public:
    static constexpr int kHarmonicCount = 8; // K2 .. K9

    OrvListDataset(int memNumber, Code probe, Code channel, Code mode, DateTime dateTime);

    void ExportTo(LineList& lines, bool csv) override;
    bool ParseFrom(const TransferLines& lines, int& index) override;
    DataTreeNode* AddToTree(DataTree& nodes, DataTreeNode* parent) override;
    std::string GetInfoText() override;
    ValueClass GetValueClass() override;

    // The unit text of V1 without brackets.
    std::string GetUnitText() const { return UnitText(m_nUnit, false); }
    Code GetUnit() const { return m_nUnit; }
    double GetV1() const { return m_dV1; }
    double GetF1() const { return m_dF1; }
    // i = 0 .. 7 for K2 .. K9; -1.0 outside.
    double GetHarmonic(int i) const;
    double GetKT() const { return m_dKT; }
    double GetKN() const { return m_dKN; }
    Code GetValid() const { return m_nValid; }
    Code GetDetection() const { return m_nDetection; }
    Code GetMaxHold() const { return m_nMaxHold; }

    std::string FormatF1(int mode) const;
    std::string FormatV1(int mode) const;
    // i = 0 .. 7 for K2 .. K9.
    std::string FormatHarmonic(int i, int mode) const;
    std::string FormatKT(int mode) const;
    std::string FormatKN(int mode) const;
    std::string FormatDetection(int mode) const;
    std::string FormatMaxHold(int mode) const;
    std::string FormatValid(int mode) const;

private:
    bool ReadColumn(std::string_view name, std::string_view value);
    bool ReadValueLine(std::string_view line);
    // The twelve values in written order: 0 F1, 1 V1, 2 .. 9 K2 .. K9, 10 KT, 11 KN.
    std::string FormatValueLine(int line, int mode) const;

    Code m_nUnit = kNotRead;
    double m_dKN = -1.0;
    double m_dV1 = -1.0;
    Code m_nDetection = kNotRead;
    double m_dF1 = -1.0;
    double m_dKT = -1.0;
    std::array<double, kHarmonicCount> m_dK{-1.0, -1.0, -1.0, -1.0, -1.0, -1.0, -1.0, -1.0};
    Code m_nMaxHold = kNotRead;
    Code m_nValid = kNotRead;
};

} // namespace ombrix

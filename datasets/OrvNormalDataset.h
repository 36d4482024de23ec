#pragma once
// A single stored value with its unit, validity, optional frequency and the
// settings under which it was taken (kind "N"). Also the base of the timed
// series and the spatial grid, which share its settings fields and columns.

#include "datasets/OrvDataset.h"

#include <string_view>

namespace ombrix {

class OrvNormalDataset : public OrvDataset {
public:
    OrvNormalDataset(int memNumber, Code probe, Code channel, Code mode, DateTime dateTime);

    void ExportTo(LineList& lines, bool csv) override;
    bool ParseFrom(const TransferLines& lines, int& index) override;
    DataTreeNode* AddToTree(DataTree& nodes, DataTreeNode* parent) override;
    std::string GetInfoText() override;
    ValueClass GetValueClass() override;

    virtual Code GetValid();
    virtual double GetValue();
    virtual int GetFrequency();

    std::string FormatFilter(int mode) const;
    std::string FormatStandard(int mode) const;
    std::string FormatMaxHold(int mode) const;
    std::string FormatDetection(int mode) const;
    std::string FormatValueField(int mode) const;
    std::string FormatValid(int mode) const;
    std::string FormatFrequency(int mode) const;

    // "BP50.0Hz" / "BS..Hz" set a band filter and its frequency; anything else
    // is a broadband band text.
    void ParseFilterField(const std::string& text);

    Code GetUnit() const { return m_nUnit; }
    void SetUnit(Code unit) { m_nUnit = unit; }
    // The unit text without brackets.
    std::string GetUnitText() const { return UnitText(m_nUnit, false); }
    const std::string& GetStandard() const { return m_sStandard; }

    // Filled by the live measurement and by ExtractSample of a timed series.
    void SetValueFields(double value, Code valid, int frequency) {
        m_dValue = value;
        m_nValid = valid;
        m_nFrequency = frequency;
    }

protected:
    // One column of the label and value line of a single value; false for a
    // name the kind does not know.
    bool ReadColumn(std::string_view name, std::string_view value);

    double m_dFilterFrequency = -1.0;
    Code m_nUnit = kNotRead;
    Code m_nValid = kNotRead;
    int m_nFrequency = -1;
    double m_dValue = -1.0;
    Code m_nDetection = kNotRead;
    Code m_nMaxHold = kNotRead;
    std::string m_sStandard;
    Code m_nFilterType = kNotRead;
    Code m_nFilter = kNotRead;

    friend class OrvAutoDataset; // copies the settings fields into an extracted sample
};

} // namespace ombrix

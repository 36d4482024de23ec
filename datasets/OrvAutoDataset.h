#pragma once
// A timed series (kind "A"): the analyser stored one sample every step from the
// start time on, all under the settings of the normal dataset it derives from.
// In REMOTE the live series grows by AppendSamples, and storing takes its
// current sample out as a normal dataset.

#include "datasets/OrvElements.h"
#include "datasets/OrvNormalDataset.h"

#include <memory>
#include <vector>

namespace ombrix {

class OrvAutoDataset : public OrvNormalDataset {
public:
    OrvAutoDataset(int memNumber, Code probe, Code channel, Code mode, DateTime dateTime);

    void ExportTo(LineList& lines, bool csv) override;
    bool ParseFrom(const TransferLines& lines, int& index) override;
    // Repeated calls add nodes for the samples appended since the last call only.
    DataTreeNode* AddToTree(DataTree& nodes, DataTreeNode* parent) override;
    std::string GetInfoText() override;
    std::string GetMarkerText() override;
    // An index outside the series selects the newest sample.
    void SetCursor(int index) override;
    // The first validity code that is not "OK", in sample order; 0 when all are.
    Code GetValid() override;
    // Value and frequency of the current sample (the newest when the cursor is
    // outside the series).
    double GetValue() override;
    int GetFrequency() override;

    int GetSampleCount() const { return static_cast<int>(m_Samples.size()); }
    // The sample record itself; i must lie inside the series.
    const OrvAutoList& GetSample(int i) const { return m_Samples[static_cast<size_t>(i)]; }
    // 0 for an index outside the series.
    double GetSampleValue(int i) const;
    // "Not read" (255) for an index outside the series.
    Code GetSampleValid(int i) const;
    DateTime GetStep() const { return m_dStep; }
    // The validity code of the first sample that is not "OK" and was taken
    // between `from` (at the earliest the start) and `to`; 0 when there is none.
    Code FirstInvalidInRange(DateTime from, DateTime to) const;
    // The newest sample lies above the alarm threshold of the series' quantity.
    bool LastSampleExceeds();
    // The current sample as a stored single value with the series' settings;
    // nullptr when the series holds no sample.
    std::unique_ptr<OrvNormalDataset> ExtractSample();
    // Appends one sample per line ("N;value;validity;frequency" with "." as
    // decimal separator); unreadable lines are dropped. The marker stays where
    // the user put it for five appends, then follows the newest sample again.
    bool AppendSamples(const TransferLines& lines);

    std::string FormatStep(int mode) const;
    std::string FormatSampleNumber(int i, int mode) const;
    std::string FormatSampleValue(int i, int mode) const;
    std::string FormatSampleValid(int i, int mode) const;
    std::string FormatSampleFrequency(int i, int mode) const;

private:
    const OrvAutoList* SampleAt(int i) const;
    // The cursor, moved onto the newest sample when it is outside the series.
    int CurrentSample();
    std::string SampleNodeText(int i, bool withFrequency) const;
    void FollowNewestSample();
    void NoteValidity(Code valid);

    std::vector<OrvAutoList> m_Samples;
    // The validity of the first sample that is not OK (GetValid), kept as
    // samples arrive: samples are only ever added, and asking must not cost a
    // pass over a million of them.
    Code m_nFirstNotOK = eValidOK;
    DateTime m_dStep = 0;
};

} // namespace ombrix

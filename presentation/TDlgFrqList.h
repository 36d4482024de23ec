#pragma once
// "Frequency List": edits the six frequencies of one of the analyser's filter
// lists (band-pass, band-stop or harmonics fundamental). Entry 5 is the
// variable frequency. Every entry must lie within the bounds the caller sets.

#include "config/ConfigDataStruct.h"
#include "core/TOrvDialog.h"

#include <array>

class QLineEdit;

namespace ombrix {

class TDlgFrqList : public TOrvDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 69;

    explicit TDlgFrqList(QWidget* parent = nullptr);

    // Set before showing; read back after OK.
    void SetFrequencies(const FrequencyList& frequencies) { m_Frequencies = frequencies; }
    const FrequencyList& Frequencies() const { return m_Frequencies; }
    void SetBounds(double lower, double upper);
    double LowerBound() const { return m_dLower; }
    double UpperBound() const { return m_dUpper; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    bool EditFrqExit(int index);
    void OKBtnClick();

    FrequencyList m_Frequencies{};
    // What FormShow wrote: a field left as it was keeps its exact frequency.
    std::array<QString, kFrequencyListSize> m_ShownTexts;
    double m_dLower = 0;
    double m_dUpper = 0;
    std::array<QLineEdit*, kFrequencyListSize> m_pEditFrq{};
};

} // namespace ombrix

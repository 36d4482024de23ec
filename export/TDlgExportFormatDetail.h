#pragma once
// The detail choice of the export format: the column separator, the decimal
// point and the date and time pictures, each one of two fixed items or none.
// The selections stay between showings; the format dialog sets them on its
// showing and stores them on its OK.

#include "core/TOrvDialog.h"

#include <string>

namespace ombrix {

class TRadioGroup;

class TDlgExportFormatDetail : public TOrvDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 14;

    explicit TDlgExportFormatDetail(QWidget* parent = nullptr);

    // The stored text of the chosen item ("," ";" for columns, "," "." for the
    // decimal point, the item's text for date and time); empty when none.
    std::string SelectedColumnSeparator() const;
    std::string SelectedDecimalSeparator() const;
    std::string SelectedTimeDate() const;
    // Selects the item whose stored text equals `text` exactly, else none.
    void SelectColumnSeparator(const std::string& text);
    void SelectDecimalSeparator(const std::string& text);
    void SelectTimeDate(const std::string& text);

    TRadioGroup* RadioGroupDistCol() const { return m_pRadioGroupDistCol; }
    TRadioGroup* RadioGroupDecPoint() const { return m_pRadioGroupDecPoint; }
    TRadioGroup* RadioGroupTimeDate() const { return m_pRadioGroupTimeDate; }

private:
    TRadioGroup* m_pRadioGroupDistCol;
    TRadioGroup* m_pRadioGroupDecPoint;
    TRadioGroup* m_pRadioGroupTimeDate;
};

} // namespace ombrix

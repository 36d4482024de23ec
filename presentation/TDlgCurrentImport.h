#pragma once
// "Current data import": shows a table of phase currents in a grid, guesses its
// separators, lets the user name the time column, the N/L1/L2/L3 columns and
// the first and last data row, and on OK fills the four current curves.

#include "core/TOrvDialog.h"
#include "presentation/CurrentTable.h"

#include <string>
#include <vector>

class QLineEdit;
class QTableView;

namespace ombrix {

class CurrentCurves;
class CurrentTableModel;
class TRadioGroup;

class TDlgCurrentImport : public TOrvDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 25;

    // The curves the import fills.
    explicit TDlgCurrentImport(CurrentCurves& curves, QWidget* parent = nullptr);

    // The lines of the chosen file, in file order; read at the next showing.
    void SetLines(std::vector<std::string> lines);

    // What the edit fields hold now (not an integer: 0).
    CurrentColumns Columns() const;
    char ColumnSeparator() const;
    char DecimalMark() const;
    DateOrder Order() const;
    const CurrentTableModel& TableModel() const { return *m_pTableModel; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void FillGrid();
    void RadioGroupListSeperatorClick();
    void ColRowSelect();
    void OKBtnClick();
    void SetColumns(const CurrentColumns& columns);

    CurrentCurves& m_Curves;
    std::vector<std::string> m_Lines;
    bool m_bFilling = false;

    TRadioGroup* m_pRadioGroupListSeperator = nullptr;
    TRadioGroup* m_pRadioGroupDecSeperator = nullptr;
    TRadioGroup* m_pRadioGroupTimeDate = nullptr;
    QTableView* m_pStringGridDataTable = nullptr;
    CurrentTableModel* m_pTableModel = nullptr;
    QLineEdit* m_pEditTimeCol = nullptr;
    QLineEdit* m_pEditNCol = nullptr;
    QLineEdit* m_pEditL1Col = nullptr;
    QLineEdit* m_pEditL2Col = nullptr;
    QLineEdit* m_pEditL3Col = nullptr;
    QLineEdit* m_pEditStartRow = nullptr;
    QLineEdit* m_pEditEndRow = nullptr;
};

} // namespace ombrix

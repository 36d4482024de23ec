#pragma once
// The tick list of the datasets of one data list: the user marks the datasets
// on which the caller's operation acts (export to file, erase). Every tick goes
// straight into the dataset's mark, so the marks of the last showing reappear
// and Cancel only keeps the caller from acting.

#include "core/TOrvDialog.h"

class QTableWidget;
class QTableWidgetItem;

namespace ombrix {

class OrvDataList;
class OrvDataset;

class TDlgExportList : public TOrvDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 17;

    explicit TDlgExportList(QWidget* parent = nullptr);

    // The list shown at the next showing (not owned); the caller sets the
    // caption ("Export", "Erase") with setWindowTitle.
    void SetDataList(OrvDataList* list) { m_pDataList = list; }
    OrvDataList* DataList() const { return m_pDataList; }

    QTableWidget* ListView() const { return m_pListViewExportList; }
    // The dataset of a row as the list view shows it now (after sorting).
    OrvDataset* DatasetOfRow(int row) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void ListViewExportListChange(QTableWidgetItem* item);
    void ButtonSelectAllClick();
    void ButtonSelectSelectedClick();
    void ButtonInvertSelectedClick();
    void ListViewExportListColumnClick(int column);
    void SetTick(int row, bool ticked);
    bool Ticked(int row) const;

    QTableWidget* m_pListViewExportList;
    OrvDataList* m_pDataList = nullptr;
    bool m_bFilling = false;
};

} // namespace ombrix

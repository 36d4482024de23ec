#pragma once
// The current table as the import dialog's grid shows it: one row per line,
// one column per field, headed by numbers and the roles the user gave them.

#include "presentation/CurrentTable.h"

#include <QAbstractTableModel>

namespace ombrix {

class CurrentTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetTable(CurrentTable table);
    const CurrentTable& Table() const { return m_Table; }
    // Renews the headings for the columns and rows chosen now.
    void SetColumns(const CurrentColumns& columns);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CurrentTable m_Table;
    CurrentColumns m_Columns;
};

} // namespace ombrix

#include "presentation/CurrentTableModel.h"

#include <algorithm>
#include <utility>

namespace ombrix {

void CurrentTableModel::SetTable(CurrentTable table) {
    beginResetModel();
    m_Table = std::move(table);
    endResetModel();
}

void CurrentTableModel::SetColumns(const CurrentColumns& columns) {
    if (columns == m_Columns) return;
    m_Columns = columns;
    if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

int CurrentTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_Table.RowCount();
}

int CurrentTableModel::columnCount(const QModelIndex& parent) const {
    // An empty grid still shows its first column.
    return parent.isValid() ? 0 : std::max(1, m_Table.ColumnCount());
}

QVariant CurrentTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    return QString::fromLatin1(m_Table.Cell(index.row() + 1, index.column() + 1));
}

QVariant CurrentTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    const std::string text = orientation == Qt::Horizontal ? ColumnHeading(section + 1, m_Columns)
                                                           : RowHeading(section + 1, m_Columns);
    return QString::fromLatin1(text);
}

} // namespace ombrix

#include "mainwindow/DataTreeModel.h"

namespace ombrix {

DataTreeModel::DataTreeModel(DataTree& tree, QObject* parent)
    : QAbstractItemModel(parent), m_Tree(tree) {
    m_Tree.SetListener(this);
}

DataTreeModel::~DataTreeModel() {
    m_Tree.SetListener(nullptr);
}

DataTreeNode* DataTreeModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<DataTreeNode*>(index.internalPointer()) : m_Tree.Root();
}

QModelIndex DataTreeModel::IndexOf(const DataTreeNode* node) const {
    if (!node || node == m_Tree.Root()) return {};
    return createIndex(static_cast<int>(node->Row()), 0, const_cast<DataTreeNode*>(node));
}

void DataTreeModel::FillAtOnce(const std::function<void()>& fill) {
    beginResetModel();
    m_bFillingAtOnce = true;
    try {
        fill();
    } catch (...) {
        m_bFillingAtOnce = false;
        endResetModel();
        throw;
    }
    m_bFillingAtOnce = false;
    endResetModel();
    for (const auto& [node, expanded] : std::exchange(m_PendingExpansions, {}))
        emit ExpansionWanted(IndexOf(node), expanded);
}

QModelIndex DataTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    const DataTreeNode* node = NodeOf(parent);
    if (static_cast<std::size_t>(row) >= node->ChildCount()) return {};
    return createIndex(row, 0, node->Child(static_cast<std::size_t>(row)));
}

QModelIndex DataTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    return IndexOf(NodeOf(child)->Parent());
}

int DataTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    return static_cast<int>(NodeOf(parent)->ChildCount());
}

int DataTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant DataTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return QString::fromLatin1(NodeOf(index)->Text());
}

void DataTreeModel::BeforeInsert(DataTreeNode* parent, std::size_t first, std::size_t last) {
    if (!m_bFillingAtOnce)
        beginInsertRows(IndexOf(parent), static_cast<int>(first), static_cast<int>(last));
}

void DataTreeModel::AfterInsert() {
    if (!m_bFillingAtOnce) endInsertRows();
}

void DataTreeModel::BeforeRemove(DataTreeNode* parent, std::size_t first, std::size_t last) {
    if (!m_bFillingAtOnce)
        beginRemoveRows(IndexOf(parent), static_cast<int>(first), static_cast<int>(last));
}

void DataTreeModel::AfterRemove() {
    if (!m_bFillingAtOnce) endRemoveRows();
}

void DataTreeModel::BeforeReset() {
    if (!m_bFillingAtOnce) beginResetModel();
    m_PendingExpansions.clear();
}

void DataTreeModel::AfterReset() {
    if (!m_bFillingAtOnce) endResetModel();
}

void DataTreeModel::Expanded(DataTreeNode* node, bool expanded) {
    if (m_bFillingAtOnce)
        m_PendingExpansions.emplace_back(node, expanded);
    else
        emit ExpansionWanted(IndexOf(node), expanded);
}

// ---- sorting -------------------------------------------------------------------

DataTreeSortProxy::DataTreeSortProxy(QObject* parent) : QSortFilterProxyModel(parent) {}

DataTreeModel* DataTreeSortProxy::Source() const {
    return static_cast<DataTreeModel*>(sourceModel());
}

void DataTreeSortProxy::SortBy(TreeSortKey key) {
    m_Key = key;
    invalidate();
    sort(0, Qt::AscendingOrder);
}

void DataTreeSortProxy::Unsort() {
    m_Key.reset();
    sort(-1);
}

DataTreeNode* DataTreeSortProxy::NodeOf(const QModelIndex& proxyIndex) const {
    if (!proxyIndex.isValid()) return nullptr;
    return Source()->NodeOf(mapToSource(proxyIndex));
}

QModelIndex DataTreeSortProxy::IndexOf(const DataTreeNode* node) const {
    return mapFromSource(Source()->IndexOf(node));
}

bool DataTreeSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    if (!m_Key) return left.row() < right.row();
    const OrvDataset* a = Source()->NodeOf(left)->Dataset();
    const OrvDataset* b = Source()->NodeOf(right)->Dataset();
    if (!a || !b) return false;
    return CompareForSort(*m_Key, *a, *b) < 0;
}

} // namespace ombrix

#pragma once
// The data tree as the tree view sees it: an item model over the model's
// DataTree that follows its changes, and the sorting proxy with the four sort
// keys of the Database menu.

#include "datasets/DataTree.h"
#include "mainwindow/MainWindowRules.h"

#include <QAbstractItemModel>
#include <QSortFilterProxyModel>

#include <functional>
#include <optional>
#include <vector>

namespace ombrix {

class DataTreeModel : public QAbstractItemModel, private DataTreeListener {
    Q_OBJECT
public:
    explicit DataTreeModel(DataTree& tree, QObject* parent = nullptr);
    ~DataTreeModel() override;

    DataTree& Tree() const { return m_Tree; }
    DataTreeNode* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const DataTreeNode* node) const;

    // Runs `fill`, which may add any number of nodes, as one reset of the
    // model instead of one notification per node: a tree of a large memory
    // appears at once.
    void FillAtOnce(const std::function<void()>& fill);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

signals:
    // The tree asked for a node to be shown expanded or collapsed.
    void ExpansionWanted(const QModelIndex& index, bool expanded);

private:
    void BeforeInsert(DataTreeNode* parent, std::size_t first, std::size_t last) override;
    void AfterInsert() override;
    void BeforeRemove(DataTreeNode* parent, std::size_t first, std::size_t last) override;
    void AfterRemove() override;
    void BeforeReset() override;
    void AfterReset() override;
    void Expanded(DataTreeNode* node, bool expanded) override;

    DataTree& m_Tree;
    bool m_bFillingAtOnce = false;
    std::vector<std::pair<DataTreeNode*, bool>> m_PendingExpansions;
};

// Sorts the nodes of datasets by the chosen key, ascending. Any node that does
// not show a dataset compares equal to every other node, so the list nodes and
// a dataset's own sub-nodes keep the order in which they were added.
class DataTreeSortProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit DataTreeSortProxy(QObject* parent = nullptr);

    void SortBy(TreeSortKey key);
    // Back to the order in which the nodes were added.
    void Unsort();
    std::optional<TreeSortKey> SortKey() const { return m_Key; }

    DataTreeNode* NodeOf(const QModelIndex& proxyIndex) const;
    QModelIndex IndexOf(const DataTreeNode* node) const;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    DataTreeModel* Source() const;
    std::optional<TreeSortKey> m_Key;
};

} // namespace ombrix

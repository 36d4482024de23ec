#pragma once
// The data tree of the main window, owned by the model: nodes with a text, a
// reference to the data list or dataset they show, children and an expanded
// flag. An index from reference to the first node that shows it makes every
// "find the node of X" O(1), so filling the tree is linear. The window shows
// the tree through an item model that listens to its changes.

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

namespace ombrix {

class OrvDataList;
class OrvDataset;

// What a node refers to: nothing, a data list or a dataset (not owned).
using NodeData = std::variant<std::monostate, OrvDataList*, OrvDataset*>;

class DataTreeNode {
public:
    const std::string& Text() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }
    const NodeData& Data() const { return m_data; }
    OrvDataset* Dataset() const;
    OrvDataList* DataList() const;

    DataTreeNode* Parent() const { return m_parent; }
    std::size_t Row() const { return m_row; } // position among the parent's children
    std::size_t ChildCount() const { return m_children.size(); }
    DataTreeNode* Child(std::size_t i) const { return m_children[i]; }
    bool HasChildren() const { return !m_children.empty(); }
    DataTreeNode* LastChild() const { return m_children.empty() ? nullptr : m_children.back(); }

    bool Expanded() const { return m_expanded; }
    void SetExpanded(bool expanded) { m_expanded = expanded; }

private:
    friend class DataTree;
    std::string m_text;
    NodeData m_data;
    DataTreeNode* m_parent = nullptr;
    std::size_t m_row = 0;
    bool m_expanded = false;
    std::vector<DataTreeNode*> m_children; // owned by the tree's node store
};

// Told of every change, so that a view can follow the tree.
class DataTreeListener {
public:
    virtual ~DataTreeListener() = default;
    virtual void BeforeInsert(DataTreeNode* parent, std::size_t first, std::size_t last) = 0;
    virtual void AfterInsert() = 0;
    virtual void BeforeRemove(DataTreeNode* parent, std::size_t first, std::size_t last) = 0;
    virtual void AfterRemove() = 0;
    virtual void BeforeReset() = 0;
    virtual void AfterReset() = 0;
    virtual void Expanded(DataTreeNode* node, bool expanded) { (void)node, (void)expanded; }
};

class DataTree {
public:
    DataTree();
    ~DataTree();
    DataTree(const DataTree&) = delete;
    DataTree& operator=(const DataTree&) = delete;

    // The invisible root; top-level nodes are its children.
    DataTreeNode* Root() const { return m_root.get(); }

    // Adds a child at the end of `parent` (nullptr: top level).
    DataTreeNode* AddChild(DataTreeNode* parent, std::string text, NodeData data = {});
    // The first node added for `data` that is still in the tree, or nullptr.
    DataTreeNode* FindFirst(const NodeData& data) const;
    DataTreeNode* FindFirst(const OrvDataset* dataset) const;
    DataTreeNode* FindFirst(const OrvDataList* list) const;
    // The first node after `from` in tree order (depth first) with this text.
    DataTreeNode* FindForward(DataTreeNode* from, const std::string& text) const;

    void Remove(DataTreeNode* node);
    void Clear();
    void SetExpanded(DataTreeNode* node, bool expanded);

    std::size_t NodeCount() const { return m_nodeCount; }

    void SetListener(DataTreeListener* listener) { m_listener = listener; }

private:
    void Unindex(DataTreeNode* node);
    static const void* Key(const NodeData& data);

    // Nodes live in one store, so building a large tree costs no allocation per
    // node; removed nodes stay there, unreachable, until the tree is cleared.
    std::deque<DataTreeNode> m_store;
    std::unique_ptr<DataTreeNode> m_root;
    std::unordered_map<const void*, DataTreeNode*> m_first;
    std::size_t m_nodeCount = 0;
    DataTreeListener* m_listener = nullptr;
};

} // namespace ombrix

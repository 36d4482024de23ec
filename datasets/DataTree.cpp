#include "datasets/DataTree.h"

namespace ombrix {

OrvDataset* DataTreeNode::Dataset() const {
    auto* p = std::get_if<OrvDataset*>(&m_data);
    return p ? *p : nullptr;
}

OrvDataList* DataTreeNode::DataList() const {
    auto* p = std::get_if<OrvDataList*>(&m_data);
    return p ? *p : nullptr;
}

DataTree::DataTree() : m_root(std::make_unique<DataTreeNode>()) {
    m_root->m_expanded = true;
}

DataTree::~DataTree() = default;

const void* DataTree::Key(const NodeData& data) {
    if (auto* list = std::get_if<OrvDataList*>(&data)) return *list;
    if (auto* dataset = std::get_if<OrvDataset*>(&data)) return *dataset;
    return nullptr;
}

DataTreeNode* DataTree::AddChild(DataTreeNode* parent, std::string text, NodeData data) {
    if (!parent) parent = m_root.get();
    DataTreeNode* added = &m_store.emplace_back();
    added->m_text = std::move(text);
    added->m_data = data;
    added->m_parent = parent;
    added->m_row = parent->m_children.size();
    if (m_listener) m_listener->BeforeInsert(parent, added->m_row, added->m_row);
    parent->m_children.push_back(added);
    ++m_nodeCount;
    if (const void* key = Key(data)) m_first.try_emplace(key, added);
    if (m_listener) m_listener->AfterInsert();
    return added;
}

DataTreeNode* DataTree::FindFirst(const NodeData& data) const {
    const void* key = Key(data);
    if (!key) return nullptr;
    auto it = m_first.find(key);
    return it == m_first.end() ? nullptr : it->second;
}

DataTreeNode* DataTree::FindFirst(const OrvDataset* dataset) const {
    auto it = m_first.find(dataset);
    return it == m_first.end() ? nullptr : it->second;
}

DataTreeNode* DataTree::FindFirst(const OrvDataList* list) const {
    auto it = m_first.find(list);
    return it == m_first.end() ? nullptr : it->second;
}

DataTreeNode* DataTree::FindForward(DataTreeNode* from, const std::string& text) const {
    // Depth-first successor walk, starting after `from`.
    auto next = [](DataTreeNode* n) -> DataTreeNode* {
        if (n->HasChildren()) return n->Child(0);
        while (n->Parent()) {
            DataTreeNode* parent = n->Parent();
            if (n->Row() + 1 < parent->ChildCount()) return parent->Child(n->Row() + 1);
            n = parent;
        }
        return nullptr;
    };
    for (DataTreeNode* n = next(from ? from : m_root.get()); n; n = next(n))
        if (n->Text() == text) return n;
    return nullptr;
}

void DataTree::Unindex(DataTreeNode* node) {
    for (DataTreeNode* child : node->m_children)
        Unindex(child);
    if (const void* key = Key(node->m_data)) {
        auto it = m_first.find(key);
        if (it != m_first.end() && it->second == node) m_first.erase(it);
    }
    --m_nodeCount;
}

void DataTree::Remove(DataTreeNode* node) {
    if (!node || node == m_root.get()) return;
    DataTreeNode* parent = node->m_parent;
    const std::size_t row = node->m_row;
    if (m_listener) m_listener->BeforeRemove(parent, row, row);
    Unindex(node);
    // Another node may still show the same data; find the first one again.
    const void* key = Key(node->m_data);
    parent->m_children.erase(parent->m_children.begin() + static_cast<std::ptrdiff_t>(row));
    for (std::size_t i = row; i < parent->m_children.size(); ++i)
        parent->m_children[i]->m_row = i;
    if (key && !m_first.count(key)) {
        // Rare (only sub-nodes of a list share its data); a linear walk is fine.
        std::vector<DataTreeNode*> stack{m_root.get()};
        DataTreeNode* found = nullptr;
        while (!stack.empty() && !found) {
            DataTreeNode* n = stack.back();
            stack.pop_back();
            if (n != m_root.get() && Key(n->m_data) == key) found = n;
            for (auto it = n->m_children.rbegin(); it != n->m_children.rend(); ++it)
                stack.push_back(*it);
        }
        if (found) m_first[key] = found;
    }
    if (m_listener) m_listener->AfterRemove();
}

void DataTree::Clear() {
    if (m_listener) m_listener->BeforeReset();
    m_root->m_children.clear();
    m_store.clear();
    m_first.clear();
    m_nodeCount = 0;
    if (m_listener) m_listener->AfterReset();
}

void DataTree::SetExpanded(DataTreeNode* node, bool expanded) {
    if (!node) return;
    node->m_expanded = expanded;
    if (m_listener) m_listener->Expanded(node, expanded);
}

} // namespace ombrix

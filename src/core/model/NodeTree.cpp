#include "core/model/NodeTree.h"

#include "core/model/MemberTable.h"

namespace pellor {

NodeTree::~NodeTree() {
    clear();
}

const ClassInfo& NodeTree::staticClassInfo() {
    using namespace members;
    static const ClassInfo info("INodes", {readOnly<&NodeTree::Count>("Count")});
    return info;
}

std::shared_ptr<TreeNode> NodeTree::add(TreeNode* parent, const QString& key, const QString& text,
                                        qint32 image, qint32 selectedImage) {
    if (parent && parent->m_tree != this)
        return {};
    if (!key.isEmpty() && m_byKey.contains(key))
        return {};
    auto& siblings = parent ? parent->m_children : m_topLevel;
    if (m_observer)
        m_observer->nodeAboutToBeAdded(parent, int(siblings.size()));
    std::shared_ptr<TreeNode> node(new TreeNode(this, parent));
    node->m_siblingIndex = qint32(siblings.size());
    siblings.push_back(node);
    node->m_key = key;
    if (!key.isEmpty())
        m_byKey.insert(key, node.get());
    node->reindexText(text);
    node->m_image = image;
    node->m_selectedImage = selectedImage;
    ++m_count;
    if (m_observer)
        m_observer->nodeAdded(node.get());
    return node;
}

void NodeTree::forget(TreeNode* node) {
    std::vector<TreeNode*> pending{node};
    while (!pending.empty()) {
        TreeNode* n = pending.back();
        pending.pop_back();
        if (!n->m_key.isEmpty())
            m_byKey.remove(n->m_key);
        if (m_selected == n)
            m_selected = nullptr;
        --m_count;
        for (auto& c : n->m_children)
            pending.push_back(c.get());
    }
}

void NodeTree::remove(TreeNode* node) {
    if (!node || node->m_tree != this)
        return;
    if (m_observer)
        m_observer->nodeAboutToBeRemoved(node);
    forget(node);
    TreeNode* parent = node->m_parent;
    auto& siblings = parent ? parent->m_children : m_topLevel;
    const QString folded = node->m_text.toCaseFolded();
    if (parent) {
        if (parent->m_childTexts)
            parent->m_childTexts->remove(folded, node);
    } else {
        m_topLevelTexts.remove(folded, node);
    }
    const size_t at = size_t(node->m_siblingIndex);
    std::shared_ptr<TreeNode> keep = siblings[at]; // released when this function returns
    siblings.erase(siblings.begin() + qsizetype(at));
    for (size_t i = at; i < siblings.size(); ++i)
        siblings[i]->m_siblingIndex = qint32(i);
    node->detach();
    if (m_observer)
        m_observer->nodeRemoved();
}

void NodeTree::clear() {
    if (m_observer)
        m_observer->treeAboutToBeCleared();
    for (auto& n : m_topLevel)
        n->detach();
    // TreeNode's destructor takes each subtree apart without recursion.
    m_topLevel.clear();
    m_topLevelTexts.clear();
    m_byKey.clear();
    m_selected = nullptr;
    m_count = 0;
    if (m_observer)
        m_observer->treeCleared();
}

TreeNode* NodeTree::topLevelByText(const QString& text) const {
    return TreeNode::firstWithText(m_topLevelTexts, text);
}

bool NodeTree::rekey(TreeNode* node, const QString& newKey) {
    if (!newKey.isEmpty() && m_byKey.contains(newKey))
        return false;
    if (!node->m_key.isEmpty())
        m_byKey.remove(node->m_key);
    node->m_key = newKey;
    if (!newKey.isEmpty())
        m_byKey.insert(newKey, node);
    return true;
}

} // namespace pellor

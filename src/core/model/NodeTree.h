#pragma once

#include "core/model/NodeTreeObserver.h"
#include "core/model/TreeNode.h"

#include <QHash>

namespace pellor {

// The tree's node collection (type name "INodes"): the top-level nodes with their
// descendants, an index from key to node and the selected node. Insertion and lookup by key
// or by case-insensitive child text are constant time.
class NodeTree : public SerialObject {
public:
    NodeTree() = default;
    ~NodeTree() override;
    NodeTree(const NodeTree&) = delete;
    NodeTree& operator=(const NodeTree&) = delete;

    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override { return staticClassInfo(); }
    ObjectKind objectKind() const override { return ObjectKind::NodeCollection; }

    // Adds a node as last child of parent (a top-level node when parent is nullptr). Returns
    // nullptr when the key is not empty and already used.
    std::shared_ptr<TreeNode> add(TreeNode* parent, const QString& key = QString(),
                                  const QString& text = QString(), qint32 image = 0,
                                  qint32 selectedImage = 0);
    // Removes the node and its descendants.
    void remove(TreeNode* node);
    void clear();

    qint32 Count() const { return m_count; }
    const std::vector<std::shared_ptr<TreeNode>>& topLevel() const { return m_topLevel; }
    TreeNode* firstNode() const { return m_topLevel.empty() ? nullptr : m_topLevel.front().get(); }
    TreeNode* nodeByKey(const QString& key) const { return m_byKey.value(key, nullptr); }
    // First top-level node whose text equals text without regard to case.
    TreeNode* topLevelByText(const QString& text) const;

    // The view that follows the tree, or nullptr. Bulk work (loading a document) runs with
    // no observer and tells the view once at the end.
    void setObserver(NodeTreeObserver* observer) { m_observer = observer; }
    NodeTreeObserver* observer() const { return m_observer; }

    TreeNode* selectedNode() const { return m_selected; }
    void setSelectedNode(TreeNode* node) { m_selected = node; }

private:
    friend class TreeNode;
    bool rekey(TreeNode* node, const QString& newKey);
    void forget(TreeNode* node); // drops a removed node from the indexes

    std::vector<std::shared_ptr<TreeNode>> m_topLevel;
    QMultiHash<QString, TreeNode*> m_topLevelTexts;
    QHash<QString, TreeNode*> m_byKey;
    TreeNode* m_selected = nullptr;
    NodeTreeObserver* m_observer = nullptr;
    qint32 m_count = 0;
};

} // namespace pellor

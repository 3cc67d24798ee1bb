#pragma once

#include "core/model/NodeTreeObserver.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <functional>
#include <memory>

namespace pellor {

class NodeTree;
class TreeNode;

// Shows a NodeTree in a QTreeView: one column, the node's text, its image (the selected
// image while selected), bold font and colours. The model follows every change of the tree
// it observes; bulk work runs between beginBulkChange() and endBulkChange() and resets the
// view once instead of row by row.
class ConfigTreeModel : public QAbstractItemModel, private NodeTreeObserver {
    Q_OBJECT

public:
    using IconProvider = std::function<QIcon(int imageIndex)>;

    explicit ConfigTreeModel(std::shared_ptr<NodeTree> tree, IconProvider icons,
                             QObject* parent = nullptr);
    ~ConfigTreeModel() override;

    NodeTree& tree() const { return *m_tree; }
    TreeNode* nodeAt(const QModelIndex& index) const;
    QModelIndex indexOf(const TreeNode* node) const;

    void beginBulkChange();
    void endBulkChange();

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;

private:
    void nodeAboutToBeAdded(TreeNode* parent, int row) override;
    void nodeAdded(TreeNode* node) override;
    void nodeAboutToBeRemoved(TreeNode* node) override;
    void nodeRemoved() override;
    void nodeChanged(TreeNode* node) override;
    void treeAboutToBeCleared() override;
    void treeCleared() override;

    std::shared_ptr<NodeTree> m_tree;
    IconProvider m_icons;
    int m_bulkDepth = 0;
};

} // namespace pellor

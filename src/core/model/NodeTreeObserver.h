#pragma once

namespace pellor {

class TreeNode;

// Told about every change of a NodeTree's shape and of what its nodes show, so that a view
// can follow. A tree has at most one observer.
class NodeTreeObserver {
public:
    virtual ~NodeTreeObserver() = default;
    // parent is nullptr for the top level; row is the position the new node will take.
    virtual void nodeAboutToBeAdded(TreeNode* parent, int row) = 0;
    virtual void nodeAdded(TreeNode* node) = 0;
    virtual void nodeAboutToBeRemoved(TreeNode* node) = 0;
    virtual void nodeRemoved() = 0;
    // Text, images, font or colours changed.
    virtual void nodeChanged(TreeNode* node) = 0;
    virtual void treeAboutToBeCleared() = 0;
    virtual void treeCleared() = 0;
};

} // namespace pellor

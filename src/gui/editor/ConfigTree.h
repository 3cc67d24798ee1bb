#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

namespace pellor {

class NodeTree;
class TreeNode;
class clsPellorController;
class clsPellorGroup;
class clsPellorItem;

// The configuration tree as the main window keeps it: the nodes with their key rules, the
// images they show, and the list of controller names offered as default controller. Every
// insertion goes through AddCtrlList, AddGrpList and AddItemList, which keep each node's key
// equal to its path and refuse a name a sibling has already (without regard to case).
class ConfigTree : public QObject {
    Q_OBJECT

public:
    explicit ConfigTree(std::shared_ptr<NodeTree> nodes, QObject* parent = nullptr);

    NodeTree& nodes() const { return *m_nodes; }
    const std::shared_ptr<NodeTree>& sharedNodes() const { return m_nodes; }
    // The "Engine" root of the current document (the first node), or nullptr.
    TreeNode* root() const;

    // Insertions; false for a duplicate sibling name, a missing parent or any failure.
    bool AddCtrlList(const std::shared_ptr<clsPellorController>& ctrl);
    bool AddGrpList(const std::shared_ptr<clsPellorGroup>& group);
    bool AddItemList(const std::shared_ptr<clsPellorItem>& item);

    void DispTreeImageCtrl(TreeNode& node, bool enabled, qint32 controllerType);
    void DispTreeImageItem(TreeNode& node, bool enabled, bool linked, qint32 attribute,
                           qint32 itemType);
    // Refreshes the image of the item's node (found by its FullName; the selected node when
    // the name is empty) from the item's fields.
    void LinkItemImage(const clsPellorItem& item);
    // The controller node owning a controller or item node; nullptr for anything else.
    TreeNode* GetParentController(TreeNode* node) const;
    static QString MakeItemKey(const QString& ctrlName, const QString& itemName,
                               bool isGroupMember);

    // The default-controller list: entries and the selected one (-1: none).
    const QStringList& defaultControllers() const { return m_defaultControllers; }
    int defaultControllerIndex() const { return m_defaultIndex; }
    void setDefaultControllerIndex(int index);
    void RefreshDefaultCtrlList();

    // Removes every node and empties the default-controller list.
    void ClearLists();

signals:
    void defaultControllersChanged();

private:
    std::shared_ptr<NodeTree> m_nodes;
    QStringList m_defaultControllers;
    int m_defaultIndex = -1;
};

} // namespace pellor

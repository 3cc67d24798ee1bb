#include "gui/editor/ConfigTree.h"

#include "core/model/NodeImages.h"
#include "core/model/NodeTree.h"
#include "core/model/clsPellorController.h"
#include "core/model/clsPellorGroup.h"
#include "core/model/clsPellorItem.h"

namespace pellor {

namespace {
const QString kEngine = QStringLiteral("Engine");
QString underEngine(const QString& name) {
    return kEngine + u'\\' + name;
}
} // namespace

ConfigTree::ConfigTree(std::shared_ptr<NodeTree> nodes, QObject* parent)
    : QObject(parent), m_nodes(std::move(nodes)) {}

TreeNode* ConfigTree::root() const {
    return m_nodes->firstNode();
}

bool ConfigTree::AddCtrlList(const std::shared_ptr<clsPellorController>& ctrl) {
    TreeNode* engine = root();
    if (!ctrl || !engine || engine->childByText(ctrl->RSQLCtrlName))
        return false;
    const qint32 image = NodeImages::insertedControllerImage(ctrl->m_lType);
    auto node =
        m_nodes->add(engine, underEngine(ctrl->RSQLCtrlName), ctrl->RSQLCtrlName, image, image);
    if (!node)
        return false;
    node->setTag(ctrl);
    m_defaultControllers.append(ctrl->RSQLCtrlName);
    emit defaultControllersChanged();
    return true;
}

bool ConfigTree::AddGrpList(const std::shared_ptr<clsPellorGroup>& group) {
    if (!group)
        return false;
    TreeNode* ctrlNode = m_nodes->nodeByKey(underEngine(group->m_strCtrlName));
    if (!ctrlNode || ctrlNode->childByText(group->m_strGrpName))
        return false;
    auto node =
        m_nodes->add(ctrlNode, underEngine(group->m_strCtrlName) + u'\\' + group->m_strGrpName,
                     group->m_strGrpName, NodeImages::Group, NodeImages::Group);
    if (!node)
        return false;
    node->setTag(group);
    return true;
}

bool ConfigTree::AddItemList(const std::shared_ptr<clsPellorItem>& item) {
    if (!item)
        return false;
    QString group;
    QString bare;
    qint32 sep = 0;
    item->GetGroupAndItemName(group, bare, sep);
    const QString parentKey = item->IsGroupMember ? underEngine(item->m_strCtrlName) + u'\\' + group
                                                  : underEngine(item->m_strCtrlName);
    TreeNode* parent = m_nodes->nodeByKey(parentKey);
    if (!parent || parent->childByText(bare))
        return false;
    const QString key = item->IsGroupMember ? parent->FullPath() + u'\\' + bare
                                            : underEngine(item->m_strCtrlName) + u'\\' + bare;
    const qint32 image = NodeImages::insertedItemImage(item->m_lType);
    auto node = m_nodes->add(parent, key, bare, image, image);
    if (!node)
        return false;
    node->setTag(item);
    DispTreeImageItem(*node, item->m_bEnabled, !item->LinkItem.isEmpty(), item->m_lAttribute,
                      item->m_lType);
    return true;
}

void ConfigTree::DispTreeImageCtrl(TreeNode& node, bool enabled, qint32 controllerType) {
    NodeImages::DispTreeImageCtrl(node, enabled, controllerType);
}

void ConfigTree::DispTreeImageItem(TreeNode& node, bool enabled, bool linked, qint32 attribute,
                                   qint32 itemType) {
    NodeImages::DispTreeImageItem(node, enabled, linked, attribute, itemType);
}

void ConfigTree::LinkItemImage(const clsPellorItem& item) {
    const QString key = item.FullName();
    TreeNode* node = key.isEmpty() ? m_nodes->selectedNode() : m_nodes->nodeByKey(key);
    if (!node)
        return;
    const qint32 type = (item.m_lType == 1 || item.m_lType == 2) ? item.m_lType : 0;
    DispTreeImageItem(*node, item.m_bEnabled, !item.LinkItem.isEmpty(), item.m_lAttribute, type);
}

TreeNode* ConfigTree::GetParentController(TreeNode* node) const {
    if (!node || !node->tag())
        return nullptr;
    if (dynamic_cast<clsPellorController*>(node->tag().get()))
        return node;
    const auto* item = dynamic_cast<clsPellorItem*>(node->tag().get());
    if (!item)
        return nullptr;
    TreeNode* parent = node->parent();
    return item->IsGroupMember ? (parent ? parent->parent() : nullptr) : parent;
}

QString ConfigTree::MakeItemKey(const QString& ctrlName, const QString& itemName,
                                bool isGroupMember) {
    clsPellorItem item;
    item.IsGroupMember = isGroupMember;
    item.m_strCtrlName = ctrlName;
    item.m_strItemName = itemName;
    return item.FullName();
}

void ConfigTree::setDefaultControllerIndex(int index) {
    const int bounded = (index >= 0 && index < m_defaultControllers.size()) ? index : -1;
    if (bounded != m_defaultIndex) {
        m_defaultIndex = bounded;
        emit defaultControllersChanged();
    }
}

void ConfigTree::RefreshDefaultCtrlList() {
    const QString remembered =
        m_defaultIndex >= 0 ? m_defaultControllers.value(m_defaultIndex) : QString();
    m_defaultControllers.clear();
    int match = -1;
    if (TreeNode* engine = root()) {
        for (const auto& child : engine->children()) {
            if (!dynamic_cast<clsPellorController*>(child->tag().get()))
                continue;
            if (match < 0 && child->text() == remembered)
                match = int(m_defaultControllers.size());
            m_defaultControllers.append(child->text());
        }
    }
    m_defaultIndex = m_defaultControllers.isEmpty() ? -1 : (match >= 0 ? match : 0);
    emit defaultControllersChanged();
}

void ConfigTree::ClearLists() {
    m_nodes->clear();
    m_defaultControllers.clear();
    m_defaultIndex = -1;
    emit defaultControllersChanged();
}

} // namespace pellor

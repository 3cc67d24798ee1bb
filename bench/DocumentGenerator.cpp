#include "DocumentGenerator.h"

#include "core/model/NodeImages.h"
#include "core/model/NodeTree.h"
#include "core/model/clsPellorController.h"
#include "core/model/clsPellorGroup.h"
#include "core/model/clsPellorItem.h"
#include "core/model/clsPellorWorkspace.h"

namespace pellor {

namespace {

void fillItem(clsPellorItem& item, int n) {
    item.m_strDescription = QStringLiteral("Temperature sensor %1 of line %2").arg(n).arg(n % 17);
    item.m_lSystemType = n % 4;
    item.m_strSysObjName = QStringLiteral("D%1").arg(n % 5000);
    item.m_fDeadBandMin = float(n % 100) / 8.0f;
    item.m_fDeadBandMax = 100.25f + float(n % 7);
    item.m_bDeadBand = n % 3 == 0;
    item.m_fMin = -0.5f;
    item.m_fMax = 1.5e20f;
    item.m_lAttribute = n % 3;
    item.m_bEnabled = n % 11 != 0;
    item.m_strEUUnit = QStringLiteral("degC");
    if (n % 13 == 0)
        item.LinkItem = QStringLiteral("RC1\\Item%1").arg(n + 1);
}

} // namespace

std::shared_ptr<NodeTree> DocumentGenerator::generate(const Shape& shape) {
    auto tree = std::make_shared<NodeTree>();
    auto root = tree->add(nullptr, QStringLiteral("Engine"), QStringLiteral("Engine"),
                          NodeImages::RootPellor, NodeImages::RootPellor);
    auto workspace = std::make_shared<clsPellorWorkspace>();
    workspace->Initialize();
    root->setTag(workspace);
    root->setExpanded(true);

    int serial = 0;
    for (int c = 1; c <= shape.controllers; ++c) {
        const QString ctrlName = QStringLiteral("RC%1").arg(c);
        auto ctrl = std::make_shared<clsPellorController>();
        ctrl->Initialize(ctrlName);
        ctrl->m_strProvider = QStringLiteral("Quarn.Provider.Sample");
        ctrl->m_strParam = QStringLiteral("Conn=eth:192.0.2.%1").arg(c);
        auto ctrlNode = tree->add(root.get(), QStringLiteral("Engine\\") + ctrlName, ctrlName,
                                  NodeImages::insertedControllerImage(0),
                                  NodeImages::insertedControllerImage(0));
        ctrlNode->setTag(ctrl);

        int made = 0;
        for (int g = 1; g <= shape.groupsPerController; ++g) {
            const QString grpName = QStringLiteral("G%1").arg(g);
            auto group = std::make_shared<clsPellorGroup>();
            group->Initialize(ctrlName, grpName);
            auto grpNode = tree->add(ctrlNode.get(), ctrlNode->key() + u'\\' + grpName, grpName,
                                     NodeImages::Group, NodeImages::Group);
            grpNode->setTag(group);
            for (int i = 0; i < shape.itemsPerGroup && made < shape.itemsPerController;
                 ++i, ++made) {
                const QString bare = QStringLiteral("Item%1").arg(++serial);
                auto item = std::make_shared<clsPellorItem>();
                item->IsGroupMember = true;
                item->Initialize(ctrlName, u'[' + grpName + u']' + bare);
                fillItem(*item, serial);
                auto node = tree->add(grpNode.get(), item->FullName(), bare);
                node->setTag(item);
                NodeImages::LinkItemImage(*node);
            }
        }
        for (; made < shape.itemsPerController; ++made) {
            const QString name = QStringLiteral("Item%1").arg(++serial);
            auto item = std::make_shared<clsPellorItem>();
            item->Initialize(ctrlName, name);
            fillItem(*item, serial);
            auto node = tree->add(ctrlNode.get(), item->FullName(), name);
            node->setTag(item);
            NodeImages::LinkItemImage(*node);
        }
    }
    return tree;
}

} // namespace pellor

#include "core/model/NodeImages.h"

#include "core/model/TreeNode.h"
#include "core/model/clsPellorController.h"
#include "core/model/clsPellorItem.h"

#include <array>

namespace pellor::NodeImages {

qint32 controllerImage(bool enabled, qint32 controllerType) {
    static constexpr std::array<qint32, 4> table = {7, 1, 45, 44};
    const int index = (enabled ? 1 : 0) + (controllerType == 1 ? 2 : 0);
    return table[size_t(index)];
}

qint32 itemImage(bool enabled, bool linked, qint32 attribute, qint32 itemType) {
    // Index bits: 1 enabled, 2 linked, 4 attribute is not 2, 8 attribute is not 1,
    // 16 array item, 32 alias item. Entries no combination reaches are 0.
    static constexpr std::array<qint32, 64> table = {
        // plain items (0..15)
        0, 0, 0, 0, 8, 3, 9, 4, 8, 5, 9, 5, 8, 2, 9, 6,
        // array items (16..31)
        0, 0, 0, 0, 28, 35, 31, 29, 28, 27, 32, 30, 28, 27, 34, 33,
        // alias items (32..47)
        0, 0, 0, 0, 38, 42, 40, 41, 38, 43, 38, 43, 38, 37, 40, 39,
        // array and alias at once cannot occur (48..63)
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    if (itemType != 1 && itemType != 2)
        itemType = 0;
    const int index = (enabled ? 1 : 0) + (linked ? 2 : 0) + (attribute != 2 ? 4 : 0) +
                      (attribute != 1 ? 8 : 0) + (itemType == 2 ? 16 : 0) +
                      (itemType == 1 ? 32 : 0);
    return table[size_t(index)];
}

qint32 insertedControllerImage(qint32 controllerType) {
    switch (controllerType) {
    case 0:
        return 1;
    case 1:
        return 44;
    default:
        return 0;
    }
}

qint32 insertedItemImage(qint32 itemType) {
    switch (itemType) {
    case 0:
        return 2;
    case 1:
        return 37;
    case 2:
        return 27;
    default:
        return 0;
    }
}

void DispTreeImageCtrl(TreeNode& node, bool enabled, qint32 controllerType) {
    auto* ctrl = dynamic_cast<clsPellorController*>(node.tag().get());
    if (!ctrl)
        return;
    const qint32 image = controllerImage(enabled, controllerType);
    ctrl->m_lImageIndex = image;
    node.setImage(image);
    node.setSelectedImage(image);
}

void DispTreeImageItem(TreeNode& node, bool enabled, bool linked, qint32 attribute,
                       qint32 itemType) {
    auto* item = dynamic_cast<clsPellorItem*>(node.tag().get());
    if (!item)
        return;
    const qint32 image = itemImage(enabled, linked, attribute, itemType);
    item->m_lImageIndex = image;
    node.setImage(image);
    node.setSelectedImage(image);
}

void LinkItemImage(TreeNode& node) {
    if (const auto* item = dynamic_cast<const clsPellorItem*>(node.tag().get()))
        DispTreeImageItem(node, item->m_bEnabled, !item->LinkItem.isEmpty(), item->m_lAttribute,
                          item->m_lType);
}

} // namespace pellor::NodeImages

#pragma once

#include <QtGlobal>

namespace pellor {

class TreeNode;

// Image-list indexes of the configuration tree and the rules that choose them.
namespace NodeImages {

constexpr qint32 Group = 46;
constexpr qint32 RootPellor = 22;
constexpr qint32 RootVentorTovan = 23;
constexpr qint32 RootKelvo = 24;
constexpr qint32 DragItem = 25;
constexpr qint32 ImageCount = 46;

// Controller image: enabled/disabled, plain (type 0) or alias (type 1).
qint32 controllerImage(bool enabled, qint32 controllerType);
// Item image from enabled, linked (link list not empty), access attribute and item type;
// a type other than 0, 1 and 2 is shown as a plain item.
qint32 itemImage(bool enabled, bool linked, qint32 attribute, qint32 itemType);
// Image of a controller node when it is inserted: 1 plain, 44 alias, 0 (none) otherwise.
qint32 insertedControllerImage(qint32 controllerType);
// Image of an item node when it is inserted: 2 plain, 37 alias, 27 array, 0 otherwise.
qint32 insertedItemImage(qint32 itemType);

// Show the image chosen for a controller or item node and store it in the node object's
// m_lImageIndex, so the document keeps the image the node shows. Nodes whose Tag is not a
// controller (or item) keep their images.
void DispTreeImageCtrl(TreeNode& node, bool enabled, qint32 controllerType);
void DispTreeImageItem(TreeNode& node, bool enabled, bool linked, qint32 attribute,
                       qint32 itemType);
// Refreshes an item node's image from the item's own fields.
void LinkItemImage(TreeNode& node);

} // namespace NodeImages
} // namespace pellor

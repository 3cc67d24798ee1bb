#pragma once

#include "core/model/SerialObject.h"

#include <QMultiHash>
#include <memory>
#include <vector>

namespace pellor {

class NodeTree;

// One node of the configuration tree (type name "INode"): its key, text, images, display
// state and the configuration object in Tag, with links to parent and children. Nodes are
// created only by their NodeTree.
class TreeNode : public SerialObject, public std::enable_shared_from_this<TreeNode> {
public:
    // Colours a node shows unless told otherwise: the system window and window-text colours.
    static constexpr qint32 DefaultBackColor = qint32(0x80000005u);
    static constexpr qint32 DefaultForeColor = qint32(0x80000008u);

    ~TreeNode() override;

    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override { return staticClassInfo(); }
    ObjectKind objectKind() const override { return ObjectKind::Node; }

    NodeTree* tree() const { return m_tree; }
    TreeNode* parent() const { return m_parent; }
    const std::vector<std::shared_ptr<TreeNode>>& children() const { return m_children; }
    qint32 childCount() const { return qint32(m_children.size()); }
    TreeNode* firstChild() const { return m_children.empty() ? nullptr : m_children.front().get(); }
    TreeNode* lastChild() const { return m_children.empty() ? nullptr : m_children.back().get(); }
    TreeNode* next() const;
    TreeNode* previous() const;
    // Position among its siblings, 0-based.
    qint32 siblingIndex() const { return m_siblingIndex; }
    // First child whose text equals text without regard to case; nullptr when none.
    TreeNode* childByText(const QString& text) const;
    // Texts of the node and its ancestors joined by "\", starting with the top-level text.
    QString FullPath() const;

    const QString& key() const { return m_key; }
    // False when another node of the tree has the key already.
    bool setKey(const QString& key);
    const QString& text() const { return m_text; }
    void setText(const QString& text);

    qint32 image() const { return m_image; }
    void setImage(qint32 index) { m_image = index, changed(); }
    qint32 selectedImage() const { return m_selectedImage; }
    void setSelectedImage(qint32 index) { m_selectedImage = index, changed(); }
    qint32 expandedImage() const { return m_expandedImage; }
    void setExpandedImage(qint32 index) { m_expandedImage = index; }

    bool isExpanded() const { return m_expanded; }
    void setExpanded(bool v) { m_expanded = v; }
    bool isSelected() const;
    void setSelected(bool v);
    bool isSorted() const { return m_sorted; }
    void setSorted(bool v) { m_sorted = v; }
    // A node is visible when all its ancestors are expanded; making it visible expands them.
    bool isVisible() const;
    void setVisible(bool v);
    bool isBold() const { return m_bold; }
    void setBold(bool v) { m_bold = v, changed(); }
    bool isChecked() const { return m_checked; }
    void setChecked(bool v) { m_checked = v; }
    qint32 backColor() const { return m_backColor; }
    void setBackColor(qint32 c) { m_backColor = c, changed(); }
    qint32 foreColor() const { return m_foreColor; }
    void setForeColor(qint32 c) { m_foreColor = c, changed(); }

    const ObjectRef& tag() const { return m_tag; }
    void setTag(ObjectRef tag) { m_tag = std::move(tag); }

private:
    friend class NodeTree;
    TreeNode(NodeTree* tree, TreeNode* parent) : m_tree(tree), m_parent(parent) {}

    // Member-table accessors (images are variants: no image reads as Empty).
    Variant imageVariant() const;
    void setImageVariant(const Variant& v);
    Variant selectedImageVariant() const;
    void setSelectedImageVariant(const Variant& v);
    Variant expandedImageVariant() const;
    void setExpandedImageVariant(const Variant& v);
    Variant previousVariant() const;
    Variant tagVariant() const { return Variant(m_tag); }
    void setTagVariant(const Variant& v);
    QString keyValue() const { return m_key; }
    bool setKeyValue(const Variant& v);
    QString textValue() const { return m_text; }
    qint32 childrenCount() const { return childCount(); }

    const std::vector<std::shared_ptr<TreeNode>>* siblings() const;
    void changed();                        // tells the tree's observer
    void reindexText(const QString& text); // sets the text, keeps the parent's index right
    // The earliest sibling among the nodes indexed under text's case-folded form.
    static TreeNode* firstWithText(const QMultiHash<QString, TreeNode*>& index,
                                   const QString& text);
    void detach(); // forgets tree and parent for this subtree after removal

    NodeTree* m_tree;
    TreeNode* m_parent;
    qint32 m_siblingIndex = 0;
    std::vector<std::shared_ptr<TreeNode>> m_children;
    std::unique_ptr<QMultiHash<QString, TreeNode*>> m_childTexts; // case-folded text -> child

    QString m_key;
    QString m_text;
    qint32 m_image = 0; // 0: no image
    qint32 m_selectedImage = 0;
    qint32 m_expandedImage = 0;
    bool m_expanded = false;
    bool m_sorted = false;
    bool m_bold = false;
    bool m_checked = false;
    qint32 m_backColor = DefaultBackColor;
    qint32 m_foreColor = DefaultForeColor;
    ObjectRef m_tag;
};

} // namespace pellor

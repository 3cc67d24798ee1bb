#include "core/model/TreeNode.h"

#include "core/model/MemberTable.h"
#include "core/model/NodeTree.h"

namespace pellor {

namespace {
Variant imageToVariant(qint32 index) {
    return index > 0 ? Variant(index) : Variant();
}
qint32 imageFromVariant(const Variant& v) {
    if (v.isEmpty())
        return 0;
    const auto index = v.toLong();
    return index && *index > 0 ? *index : 0;
}
} // namespace

TreeNode::~TreeNode() {
    // Take the subtree apart without recursion, so deep or wide trees cannot exhaust the stack.
    // A child that someone else still holds no longer has a parent or a tree.
    std::vector<std::shared_ptr<TreeNode>> pending = std::move(m_children);
    for (auto& c : pending)
        c->m_parent = nullptr, c->m_tree = nullptr;
    while (!pending.empty()) {
        std::shared_ptr<TreeNode> n = std::move(pending.back());
        pending.pop_back();
        for (auto& c : n->m_children) {
            c->m_parent = nullptr;
            c->m_tree = nullptr;
            pending.push_back(std::move(c));
        }
        n->m_children.clear();
    }
}

const ClassInfo& TreeNode::staticClassInfo() {
    using namespace members;
    using C = TreeNode;
    static const ClassInfo info(
        "INode",
        {
            property<&C::isExpanded, &C::setExpanded>("Expanded"),
            property<&C::expandedImageVariant, &C::setExpandedImageVariant>("ExpandedImage"),
            property<&C::imageVariant, &C::setImageVariant>("Image"),
            property<&C::keyValue, &C::setKeyValue>("Key", MemberType::String),
            readOnly<&C::previousVariant>("Previous", MemberType::Object),
            property<&C::isSelected, &C::setSelected>("Selected"),
            property<&C::selectedImageVariant, &C::setSelectedImageVariant>("SelectedImage"),
            property<&C::isSorted, &C::setSorted>("Sorted"),
            property<&C::tagVariant, &C::setTagVariant>("Tag"),
            property<&C::textValue, &C::setText>("Text"),
            property<&C::isVisible, &C::setVisible>("Visible"),
            property<&C::backColor, &C::setBackColor>("BackColor"),
            property<&C::isBold, &C::setBold>("Bold"),
            property<&C::isChecked, &C::setChecked>("Checked"),
            property<&C::foreColor, &C::setForeColor>("ForeColor"),
            readOnly<&C::childrenCount>("Children"),
            readOnly<&C::FullPath>("FullPath"),
        });
    return info;
}

const std::vector<std::shared_ptr<TreeNode>>* TreeNode::siblings() const {
    return m_parent ? &m_parent->m_children : m_tree ? &m_tree->m_topLevel : nullptr;
}

TreeNode* TreeNode::next() const {
    const auto* s = siblings();
    const size_t i = size_t(m_siblingIndex) + 1;
    return s && i < s->size() ? (*s)[i].get() : nullptr;
}

TreeNode* TreeNode::previous() const {
    const auto* s = siblings();
    return s && m_siblingIndex > 0 ? (*s)[size_t(m_siblingIndex) - 1].get() : nullptr;
}

TreeNode* TreeNode::firstWithText(const QMultiHash<QString, TreeNode*>& index,
                                  const QString& text) {
    const auto range = index.equal_range(text.toCaseFolded());
    TreeNode* first = nullptr;
    for (auto it = range.first; it != range.second; ++it)
        if (!first || it.value()->m_siblingIndex < first->m_siblingIndex)
            first = it.value();
    return first;
}

TreeNode* TreeNode::childByText(const QString& text) const {
    return m_childTexts ? firstWithText(*m_childTexts, text) : nullptr;
}

QString TreeNode::FullPath() const {
    QString path = m_text;
    for (const TreeNode* p = m_parent; p; p = p->m_parent)
        path = p->m_text + u'\\' + path;
    return path;
}

bool TreeNode::setKey(const QString& key) {
    if (key == m_key)
        return true;
    if (m_tree)
        return m_tree->rekey(this, key);
    m_key = key;
    return true;
}

bool TreeNode::setKeyValue(const Variant& v) {
    return setKey(v.text());
}

void TreeNode::changed() {
    if (m_tree && m_tree->observer())
        m_tree->observer()->nodeChanged(this);
}

void TreeNode::reindexText(const QString& text) {
    if (m_parent) {
        auto& index = m_parent->m_childTexts;
        if (!index)
            index = std::make_unique<QMultiHash<QString, TreeNode*>>();
        index->remove(m_text.toCaseFolded(), this);
        index->insert(text.toCaseFolded(), this);
    } else if (m_tree) {
        m_tree->m_topLevelTexts.remove(m_text.toCaseFolded(), this);
        m_tree->m_topLevelTexts.insert(text.toCaseFolded(), this);
    }
    m_text = text;
}

void TreeNode::setText(const QString& text) {
    reindexText(text);
    changed();
}

bool TreeNode::isSelected() const {
    return m_tree && m_tree->selectedNode() == this;
}

void TreeNode::setSelected(bool v) {
    if (!m_tree)
        return;
    if (v)
        m_tree->setSelectedNode(this);
    else if (m_tree->selectedNode() == this)
        m_tree->setSelectedNode(nullptr);
}

bool TreeNode::isVisible() const {
    for (const TreeNode* p = m_parent; p; p = p->m_parent)
        if (!p->m_expanded)
            return false;
    return true;
}

void TreeNode::setVisible(bool v) {
    if (!v)
        return;
    for (TreeNode* p = m_parent; p; p = p->m_parent)
        p->m_expanded = true;
}

Variant TreeNode::imageVariant() const {
    return imageToVariant(m_image);
}
void TreeNode::setImageVariant(const Variant& v) {
    setImage(imageFromVariant(v));
}
Variant TreeNode::selectedImageVariant() const {
    return imageToVariant(m_selectedImage);
}
void TreeNode::setSelectedImageVariant(const Variant& v) {
    setSelectedImage(imageFromVariant(v));
}
Variant TreeNode::expandedImageVariant() const {
    return imageToVariant(m_expandedImage);
}
void TreeNode::setExpandedImageVariant(const Variant& v) {
    m_expandedImage = imageFromVariant(v);
}

Variant TreeNode::previousVariant() const {
    // The previous sibling as an object whose default value is its text; Nothing when none.
    const TreeNode* p = previous();
    return p ? Variant(p->m_text) : Variant::nothing();
}

void TreeNode::setTagVariant(const Variant& v) {
    m_tag = v.isObject() ? v.toObject() : ObjectRef();
}

void TreeNode::detach() {
    std::vector<TreeNode*> pending{this};
    while (!pending.empty()) {
        TreeNode* n = pending.back();
        pending.pop_back();
        n->m_tree = nullptr;
        for (auto& c : n->m_children)
            pending.push_back(c.get());
    }
    m_parent = nullptr;
}

} // namespace pellor

#include "gui/editor/ConfigTreeModel.h"

#include "core/model/NodeTree.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace pellor {

namespace {

// A stored colour: a plain RGB value in Windows byte order (0x00BBGGRR), or a system colour
// (high bit set) which the view leaves to its palette.
std::optional<QColor> storedColour(qint32 value) {
    if (value < 0)
        return std::nullopt;
    const auto v = quint32(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

} // namespace

ConfigTreeModel::ConfigTreeModel(std::shared_ptr<NodeTree> tree, IconProvider icons,
                                 QObject* parent)
    : QAbstractItemModel(parent), m_tree(std::move(tree)), m_icons(std::move(icons)) {
    m_tree->setObserver(this);
}

ConfigTreeModel::~ConfigTreeModel() {
    if (m_tree->observer() == this)
        m_tree->setObserver(nullptr);
}

TreeNode* ConfigTreeModel::nodeAt(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TreeNode*>(index.internalPointer()) : nullptr;
}

QModelIndex ConfigTreeModel::indexOf(const TreeNode* node) const {
    if (!node || node->tree() != m_tree.get())
        return {};
    return createIndex(node->siblingIndex(), 0, const_cast<TreeNode*>(node));
}

void ConfigTreeModel::beginBulkChange() {
    if (m_bulkDepth++ == 0) {
        beginResetModel();
        m_tree->setObserver(nullptr);
    }
}

void ConfigTreeModel::endBulkChange() {
    if (m_bulkDepth > 0 && --m_bulkDepth == 0) {
        m_tree->setObserver(this);
        endResetModel();
    }
}

QModelIndex ConfigTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    const TreeNode* p = nodeAt(parent);
    const auto& rows = p ? p->children() : m_tree->topLevel();
    if (size_t(row) >= rows.size())
        return {};
    return createIndex(row, 0, rows[size_t(row)].get());
}

QModelIndex ConfigTreeModel::parent(const QModelIndex& child) const {
    const TreeNode* n = nodeAt(child);
    return n ? indexOf(n->parent()) : QModelIndex();
}

int ConfigTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    const TreeNode* p = nodeAt(parent);
    return p ? p->childCount() : int(m_tree->topLevel().size());
}

int ConfigTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool ConfigTreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant ConfigTreeModel::data(const QModelIndex& index, int role) const {
    const TreeNode* n = nodeAt(index);
    if (!n)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return n->text();
    case Qt::DecorationRole: {
        if (!m_icons || n->image() <= 0)
            return {};
        QIcon icon = m_icons(n->image());
        if (n->selectedImage() > 0 && n->selectedImage() != n->image()) {
            const QIcon selected = m_icons(n->selectedImage());
            for (const QSize& size : selected.availableSizes())
                icon.addPixmap(selected.pixmap(size), QIcon::Selected);
        }
        return icon;
    }
    case Qt::FontRole:
        if (n->isBold()) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    case Qt::ForegroundRole:
        if (auto c = storedColour(n->foreColor()))
            return QBrush(*c);
        return {};
    case Qt::BackgroundRole:
        if (auto c = storedColour(n->backColor()))
            return QBrush(*c);
        return {};
    default:
        return {};
    }
}

void ConfigTreeModel::nodeAboutToBeAdded(TreeNode* parent, int row) {
    beginInsertRows(indexOf(parent), row, row);
}

void ConfigTreeModel::nodeAdded(TreeNode*) {
    endInsertRows();
}

void ConfigTreeModel::nodeAboutToBeRemoved(TreeNode* node) {
    beginRemoveRows(indexOf(node->parent()), node->siblingIndex(), node->siblingIndex());
}

void ConfigTreeModel::nodeRemoved() {
    endRemoveRows();
}

void ConfigTreeModel::nodeChanged(TreeNode* node) {
    const QModelIndex i = indexOf(node);
    emit dataChanged(i, i);
}

void ConfigTreeModel::treeAboutToBeCleared() {
    beginResetModel();
}

void ConfigTreeModel::treeCleared() {
    endResetModel();
}

} // namespace pellor

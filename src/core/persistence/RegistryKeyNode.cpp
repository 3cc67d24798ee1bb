#include "core/persistence/RegistryKeyNode.h"

#include <algorithm>

namespace pellor {

namespace {

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

RegistryKeyNode* RegistryKeyNode::child(QStringView name) const {
    const auto it = std::lower_bound(m_children.begin(), m_children.end(), name,
                                     [](const std::unique_ptr<RegistryKeyNode>& c, QStringView n) {
                                         return c->m_name.compare(n, Qt::CaseInsensitive) < 0;
                                     });
    if (it != m_children.end() && sameName((*it)->m_name, name))
        return it->get();
    return nullptr;
}

RegistryKeyNode* RegistryKeyNode::addChild(const QString& name, bool* created) {
    const auto it = std::lower_bound(m_children.begin(), m_children.end(), name,
                                     [](const std::unique_ptr<RegistryKeyNode>& c, QStringView n) {
                                         return c->m_name.compare(n, Qt::CaseInsensitive) < 0;
                                     });
    if (it != m_children.end() && sameName((*it)->m_name, name)) {
        if (created)
            *created = false;
        return it->get();
    }
    if (created)
        *created = true;
    return m_children.insert(it, std::make_unique<RegistryKeyNode>(name))->get();
}

bool RegistryKeyNode::removeChild(QStringView name) {
    const auto it = std::find_if(m_children.begin(), m_children.end(),
                                 [name](const auto& c) { return sameName(c->m_name, name); });
    if (it == m_children.end())
        return false;
    m_children.erase(it);
    return true;
}

RegistryKeyNode* RegistryKeyNode::find(const QStringList& path) {
    RegistryKeyNode* node = this;
    for (const QString& name : path) {
        node = node->child(name);
        if (!node)
            return nullptr;
    }
    return node;
}

const RegistryValue* RegistryKeyNode::value(QStringView name) const {
    for (const RegistryValue& v : m_values) {
        if (sameName(v.name, name))
            return &v;
    }
    return nullptr;
}

void RegistryKeyNode::setValue(const QString& name, quint32 type, const QByteArray& data) {
    for (RegistryValue& v : m_values) {
        if (sameName(v.name, name)) {
            v.type = type;
            v.data = data;
            return;
        }
    }
    m_values.append({name, type, data});
}

bool RegistryKeyNode::removeValue(QStringView name) {
    for (qsizetype i = 0; i < m_values.size(); ++i) {
        if (sameName(m_values.at(i).name, name)) {
            m_values.removeAt(i);
            return true;
        }
    }
    return false;
}

void RegistryKeyNode::takeContent(RegistryKeyNode& other) {
    m_values = std::move(other.m_values);
    m_children = std::move(other.m_children);
    other.m_values.clear();
    other.m_children.clear();
}

} // namespace pellor

#pragma once

#include "core/persistence/RegistryValue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <vector>

namespace pellor {

// One key of the registry held in memory: its values in creation order and its subkeys in
// name order. Names compare without regard to case and keep their original case.
class RegistryKeyNode {
public:
    explicit RegistryKeyNode(QString name = QString()) : m_name(std::move(name)) {}

    const QString& name() const { return m_name; }

    const std::vector<std::unique_ptr<RegistryKeyNode>>& children() const { return m_children; }
    RegistryKeyNode* child(QStringView name) const;
    // The subkey of that name, created when missing; created (optional) tells which.
    RegistryKeyNode* addChild(const QString& name, bool* created = nullptr);
    bool removeChild(QStringView name);
    // The key at a path of names below this one; nullptr when a name is missing.
    RegistryKeyNode* find(const QStringList& path);

    const QList<RegistryValue>& values() const { return m_values; }
    const RegistryValue* value(QStringView name) const;
    // Creates the value or replaces the type and data of an existing one (whose name keeps
    // its case and whose place in the order stays).
    void setValue(const QString& name, quint32 type, const QByteArray& data);
    bool removeValue(QStringView name);

    // Takes the values and subkeys of other in place of its own; the name stays.
    void takeContent(RegistryKeyNode& other);

private:
    QString m_name;
    QList<RegistryValue> m_values;
    std::vector<std::unique_ptr<RegistryKeyNode>> m_children;
};

} // namespace pellor

#pragma once

#include <QByteArray>
#include <QString>

namespace pellor {

// One value of a registry key: its name (empty for the default value), type and data bytes.
struct RegistryValue {
    QString name;
    quint32 type = 0;
    QByteArray data;

    bool operator==(const RegistryValue&) const = default;
};

} // namespace pellor

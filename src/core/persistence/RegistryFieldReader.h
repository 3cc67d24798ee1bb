#pragma once

#include <QString>

namespace pellor {

class clsRegKey;

// Reads values of one open key into settings fields with the conversions of SettingsValue.
// A missing value leaves the field as it is; a value that cannot be converted leaves it too
// and is reported on the "pellor" category.
class RegistryFieldReader {
public:
    enum class Result { Read, Missing, Invalid };

    explicit RegistryFieldReader(clsRegKey& key, QString keyPath)
        : m_key(key), m_keyPath(std::move(keyPath)) {}

    Result text(const QString& name, QString& field);
    Result longValue(const QString& name, qint32& field);
    Result integer(const QString& name, qint16& field);
    Result boolean(const QString& name, bool& field);

private:
    template <typename T, typename Convert>
    Result read(const QString& name, T& field, Convert convert);

    clsRegKey& m_key;
    QString m_keyPath;
};

} // namespace pellor

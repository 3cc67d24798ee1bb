#include "core/persistence/RegistryFieldReader.h"

#include "core/persistence/SettingsValue.h"
#include "core/persistence/clsRegKey.h"
#include "core/platform/PellorLog.h"

namespace pellor {

template <typename T, typename Convert>
RegistryFieldReader::Result RegistryFieldReader::read(const QString& name, T& field,
                                                      Convert convert) {
    QVariant value;
    if (m_key.QueryValue(value, name) != RegError::Success)
        return Result::Missing;
    const std::optional<T> converted = convert(value);
    if (!converted) {
        qCWarning(lcPellor).noquote() << "Registry value" << name << "of" << m_keyPath
                                      << "cannot be read as a setting:" << value;
        return Result::Invalid;
    }
    field = *converted;
    return Result::Read;
}

RegistryFieldReader::Result RegistryFieldReader::text(const QString& name, QString& field) {
    return read(name, field, SettingsValue::toText);
}

RegistryFieldReader::Result RegistryFieldReader::longValue(const QString& name, qint32& field) {
    return read(name, field, SettingsValue::toLong);
}

RegistryFieldReader::Result RegistryFieldReader::integer(const QString& name, qint16& field) {
    return read(name, field, SettingsValue::toInteger);
}

RegistryFieldReader::Result RegistryFieldReader::boolean(const QString& name, bool& field) {
    return read(name, field, SettingsValue::toBoolean);
}

} // namespace pellor

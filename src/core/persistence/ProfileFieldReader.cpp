#include "core/persistence/ProfileFieldReader.h"

#include "core/persistence/SettingsValue.h"
#include "core/persistence/clsProfile.h"
#include "core/platform/NumberText.h"
#include "core/platform/PellorLog.h"

namespace pellor {

void ProfileFieldReader::report(const QString& section, const QString& key,
                                const QString& text) const {
    qCWarning(lcPellor).noquote() << "Profile" << m_profile.FileName() << "section" << section
                                  << "key" << key << "holds" << text.left(80)
                                  << "which is not a valid setting";
}

QString ProfileFieldReader::text(const QString& section, const QString& key,
                                 const QString& defVal) const {
    return m_profile.GetString(section, key, defVal);
}

std::optional<qint32> ProfileFieldReader::longValue(const QString& section, const QString& key,
                                                    const QString& defVal) const {
    const QString value = text(section, key, defVal);
    const std::optional<qint32> n = SettingsValue::toLong(value);
    if (!n)
        report(section, key, value);
    return n;
}

std::optional<qint16> ProfileFieldReader::integer(const QString& section, const QString& key,
                                                  const QString& defVal) const {
    const QString value = text(section, key, defVal);
    const std::optional<qint16> n = SettingsValue::toInteger(value);
    if (!n)
        report(section, key, value);
    return n;
}

std::optional<bool> ProfileFieldReader::boolean(const QString& section, const QString& key,
                                                const QString& defVal) const {
    const QString value = text(section, key, defVal);
    const std::optional<bool> b = SettingsValue::toBoolean(value);
    if (!b)
        report(section, key, value);
    return b;
}

std::optional<bool> ProfileFieldReader::flag(const QString& section, const QString& key,
                                             const QString& defVal) const {
    const QString value = text(section, key, defVal);
    const std::optional<double> n = NumberText::parse(value);
    if (!n) {
        report(section, key, value);
        return std::nullopt;
    }
    return *n == 1.0;
}

} // namespace pellor

#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace pellor {

// Conversions of stored settings (registry values read by clsRegKey, profile texts) to the
// fields of clsPellorData, as assigning them to a Long, Integer, Boolean or String field
// converts them: numbers by the number text rules (NumberText), rounded halves to even and
// range-checked; nullopt when the value cannot be converted.
namespace SettingsValue {

std::optional<qint32> toLong(const QVariant& value);
std::optional<qint16> toInteger(const QVariant& value);
// Numbers: non-zero is true. Texts: "True" or "False" in any case, or a number.
std::optional<bool> toBoolean(const QVariant& value);
// Texts as they are, numbers in decimal; byte data and lists have no text.
std::optional<QString> toText(const QVariant& value);

// The Boolean texts of the editor profile.
inline QString booleanText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace SettingsValue
} // namespace pellor

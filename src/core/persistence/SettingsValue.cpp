#include "core/persistence/SettingsValue.h"

#include "core/platform/NumberText.h"

namespace pellor::SettingsValue {

namespace {

std::optional<double> number(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? -1.0 : 0.0;
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return value.toDouble();
    case QMetaType::QString:
        return NumberText::parse(value.toString());
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<qint32> toLong(const QVariant& value) {
    const std::optional<double> n = number(value);
    return n ? NumberText::toLong(*n) : std::nullopt;
}

std::optional<qint16> toInteger(const QVariant& value) {
    const std::optional<double> n = number(value);
    return n ? NumberText::toInteger(*n) : std::nullopt;
}

std::optional<bool> toBoolean(const QVariant& value) {
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    const std::optional<double> n = number(value);
    if (!n)
        return std::nullopt;
    return *n != 0.0;
}

std::optional<QString> toText(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Bool:
        return booleanText(value.toBool());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return value.toString();
    default:
        return std::nullopt;
    }
}

} // namespace pellor::SettingsValue

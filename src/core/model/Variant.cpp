#include "core/model/Variant.h"

#include "core/platform/NumberText.h"

namespace pellor {

bool Variant::isNumber() const {
    switch (type()) {
    case VbType::Integer:
    case VbType::Long:
    case VbType::Single:
    case VbType::Double:
        return true;
    default:
        return false;
    }
}

std::optional<double> Variant::toDouble() const {
    switch (type()) {
    case VbType::Empty:
        return 0.0;
    case VbType::Boolean:
        return std::get<bool>(m_v) ? -1.0 : 0.0;
    case VbType::Integer:
        return double(std::get<qint16>(m_v));
    case VbType::Long:
        return double(std::get<qint32>(m_v));
    case VbType::Single:
        return double(std::get<float>(m_v));
    case VbType::Double:
        return std::get<double>(m_v);
    case VbType::String:
        return NumberText::parse(std::get<QString>(m_v));
    case VbType::Object:
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<bool> Variant::toBool() const {
    if (const QString* s = stringPtr()) {
        if (*s == u"True")
            return true;
        if (*s == u"False")
            return false;
        const QString t = s->trimmed();
        if (t.compare(u"True", Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(u"False", Qt::CaseInsensitive) == 0)
            return false;
    }
    if (const bool* b = get<bool>())
        return *b;
    const auto d = toDouble();
    if (!d)
        return std::nullopt;
    return *d != 0.0;
}

std::optional<qint16> Variant::toInteger() const {
    const auto d = toDouble();
    return d ? NumberText::toInteger(*d) : std::nullopt;
}

std::optional<qint32> Variant::toLong() const {
    const auto d = toDouble();
    return d ? NumberText::toLong(*d) : std::nullopt;
}

std::optional<float> Variant::toSingle() const {
    if (const float* f = get<float>())
        return *f;
    const auto d = toDouble();
    return d ? NumberText::toSingle(*d) : std::nullopt;
}

std::optional<QString> Variant::toString() const {
    if (type() == VbType::Object)
        return std::nullopt;
    return text();
}

ObjectRef Variant::toObject() const {
    if (const ObjectRef* o = get<ObjectRef>())
        return *o;
    return {};
}

QString Variant::text() const {
    switch (type()) {
    case VbType::Empty:
    case VbType::Object:
        return QString();
    case VbType::Boolean:
        return std::get<bool>(m_v) ? QStringLiteral("True") : QStringLiteral("False");
    case VbType::Integer:
        return QString::number(std::get<qint16>(m_v));
    case VbType::Long:
        return QString::number(std::get<qint32>(m_v));
    case VbType::Single:
        return NumberText::formatSingle(std::get<float>(m_v));
    case VbType::Double:
        return NumberText::formatDouble(std::get<double>(m_v));
    case VbType::String:
        return std::get<QString>(m_v);
    }
    return QString();
}

} // namespace pellor

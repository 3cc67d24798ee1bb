#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <variant>

namespace pellor {

class SerialObject;
using ObjectRef = std::shared_ptr<SerialObject>;

// The kinds of value a Variant holds. Object with a null reference is "Nothing".
enum class VbType { Empty, Boolean, Integer, Long, Single, Double, String, Object };

// A Basic-style variant: the value of any property of a serializable object, with the
// conversions that assignment to a typed property performs. Conversions never use the
// locale: "." is the decimal separator.
class Variant {
public:
    Variant() = default;
    Variant(bool v) : m_v(v) {}
    Variant(qint16 v) : m_v(v) {}
    Variant(qint32 v) : m_v(v) {}
    Variant(float v) : m_v(v) {}
    Variant(double v) : m_v(v) {}
    Variant(const QString& v) : m_v(v) {}
    Variant(QString&& v) : m_v(std::move(v)) {}
    Variant(const char16_t* v) : m_v(QString::fromUtf16(v)) {}
    Variant(const char*) = delete; // would silently become a Boolean
    Variant(ObjectRef v) : m_v(std::move(v)) {}
    template <class T> Variant(std::shared_ptr<T> v) : m_v(ObjectRef(std::move(v))) {}

    static Variant nothing() { return Variant(ObjectRef()); }

    VbType type() const { return VbType(m_v.index()); }
    bool isEmpty() const { return type() == VbType::Empty; }
    bool isObject() const { return type() == VbType::Object; }
    bool isNumber() const;

    // Assignment conversions; std::nullopt is a type mismatch or an overflow.
    std::optional<bool> toBool() const;
    std::optional<qint16> toInteger() const;
    std::optional<qint32> toLong() const;
    std::optional<float> toSingle() const;
    std::optional<double> toDouble() const;
    std::optional<QString> toString() const;
    ObjectRef toObject() const;

    // The text a document stores for the value: "True"/"False", numbers without locale.
    QString text() const;

    const QString* stringPtr() const { return std::get_if<QString>(&m_v); }
    template <class T> const T* get() const { return std::get_if<T>(&m_v); }

    bool operator==(const Variant& o) const { return m_v == o.m_v; }

private:
    std::variant<std::monostate, bool, qint16, qint32, float, double, QString, ObjectRef> m_v;
};

} // namespace pellor

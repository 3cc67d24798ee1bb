#pragma once

#include <QString>

#include <optional>
#include <variant>

namespace pellor {

// What the text lookups take: a text id of the language resources, a text that passes through
// unchanged, or nothing (an optional argument that was left out). A number written as text
// ("123") is a text, not an id.
class TextOrId {
public:
    TextOrId() = default;
    TextOrId(int id) : m_value(id) {}
    TextOrId(const QString& text) : m_value(text) {}
    TextOrId(const char* text) : m_value(QString::fromUtf8(text)) {}

    bool isMissing() const { return std::holds_alternative<std::monostate>(m_value); }
    std::optional<int> id() const {
        if (const int* id = std::get_if<int>(&m_value))
            return *id;
        return std::nullopt;
    }
    QString text() const {
        if (const QString* text = std::get_if<QString>(&m_value))
            return *text;
        return {};
    }

private:
    std::variant<std::monostate, int, QString> m_value;
};

} // namespace pellor

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

namespace pellor {

// Character-set handling of document files.
namespace DocumentEncoding {

// The encoding named in the XML declaration at the start of a file, found the way the
// document format defines it: only when the file starts with "<" (or its second byte is
// "?"), within the 102 first bytes, with encoding as the declaration's last attribute.
// Empty when there is none. head holds the first bytes of the file (at least 102 if the
// file has them).
QString declaredEncoding(const QByteArray& head);

// Decodes text in the named encoding ("Shift_JIS", "UTF-16LE", "System", ...) into UTF-8;
// std::nullopt when the encoding is unknown or the bytes are not valid in it.
std::optional<QByteArray> toUtf8(const QByteArray& bytes, const char* encoding);

// Encodes UTF-16 text in the named encoding; std::nullopt when the encoding is unknown or
// cannot hold every character of the text.
std::optional<QByteArray> fromUnicode(const QString& text, const char* encoding);

} // namespace DocumentEncoding
} // namespace pellor

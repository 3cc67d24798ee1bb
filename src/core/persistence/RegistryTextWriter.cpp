#include "core/persistence/RegistryTextWriter.h"

#include "core/persistence/RegistryCodes.h"

#include <QIODevice>
#include <QStringDecoder>

#include <optional>

namespace pellor {

namespace {

constexpr int kLineWidth = 80;

// A quoted text with \\ and \" escapes.
void appendQuotedUtf8(QByteArray& out, const QByteArray& utf8) {
    out.append('"');
    for (const char c : utf8) {
        if (c == '\\' || c == '"')
            out.append('\\');
        out.append(c);
    }
    out.append('"');
}

// The text of a REG_SZ value when it can be written in quotes: valid UTF-8, one terminating
// NUL and no other control character than TAB.
std::optional<QByteArray> plainText(const QByteArray& data) {
    if (data.isEmpty() || data.back() != '\0')
        return std::nullopt;
    const QByteArray text = data.first(data.size() - 1);
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && u != '\t')
            return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(text);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

void appendHexList(QByteArray& out, qsizetype column, const QByteArray& bytes) {
    static const char digits[] = "0123456789abcdef";
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const bool last = i + 1 == bytes.size();
        const int width = last ? 2 : 3;
        if (column + width > kLineWidth - 3 && i > 0) {
            out.append("\\\n  ");
            column = 2;
        }
        const auto b = static_cast<unsigned char>(bytes.at(i));
        out.append(digits[b >> 4]);
        out.append(digits[b & 0xf]);
        if (!last)
            out.append(',');
        column += width;
    }
}

void appendValue(QByteArray& out, const RegistryValue& value) {
    const qsizetype lineStart = out.size();
    if (value.name.isEmpty())
        out.append('@');
    else
        appendQuotedUtf8(out, value.name.toUtf8());
    out.append('=');

    if (value.type == RegType::Sz) {
        if (const std::optional<QByteArray> text = plainText(value.data)) {
            appendQuotedUtf8(out, *text);
            out.append('\n');
            return;
        }
    }
    if (value.type == RegType::Dword && value.data.size() == 4) {
        quint32 n = 0;
        for (int b = 3; b >= 0; --b)
            n = (n << 8) | static_cast<unsigned char>(value.data.at(b));
        out.append("dword:");
        out.append(QByteArray::number(n, 16).rightJustified(8, '0'));
        out.append('\n');
        return;
    }
    QByteArray bytes = value.data;
    if (value.type == RegType::Binary) {
        out.append("hex:");
    } else {
        out.append("hex(");
        out.append(QByteArray::number(value.type, 16));
        out.append("):");
        if (value.type == RegType::Sz || value.type == RegType::ExpandSz ||
            value.type == RegType::MultiSz) {
            const QString text = QString::fromUtf8(value.data);
            bytes = QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
            if constexpr (QSysInfo::ByteOrder == QSysInfo::BigEndian) {
                for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
                    std::swap(bytes[i], bytes[i + 1]);
            }
        }
    }
    appendHexList(out, out.size() - lineStart, bytes);
    out.append('\n');
}

void appendKey(QByteArray& out, const RegistryKeyNode& key, const QStringList& path,
               bool writeHeader) {
    if (writeHeader) {
        out.append("\n[HKEY_CLASSES_ROOT");
        for (const QString& name : path) {
            out.append('\\');
            out.append(name.toUtf8());
        }
        out.append("]\n");
        for (const RegistryValue& value : key.values())
            appendValue(out, value);
    }
    for (const auto& child : key.children()) {
        QStringList childPath = path;
        childPath.append(child->name());
        appendKey(out, *child, childPath, true);
    }
}

QByteArray header() {
    return QByteArrayLiteral("Windows Registry Editor Version 5.00\n");
}

} // namespace

QByteArray RegistryTextWriter::registryText(const RegistryKeyNode& root) {
    QByteArray out = header();
    appendKey(out, root, {}, !root.values().isEmpty());
    return out;
}

QByteArray RegistryTextWriter::subtreeText(const RegistryKeyNode& key, const QStringList& path) {
    QByteArray out = header();
    appendKey(out, key, path, true);
    return out;
}

bool RegistryTextWriter::write(QIODevice& device, const QByteArray& text, QString* error) {
    if (device.write(text) != text.size()) {
        if (error)
            *error = device.errorString();
        return false;
    }
    return true;
}

} // namespace pellor

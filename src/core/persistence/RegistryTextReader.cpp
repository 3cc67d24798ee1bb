#include "core/persistence/RegistryTextReader.h"

#include "core/persistence/RegistryCodes.h"

#include <QIODevice>
#include <QRegularExpression>
#include <QStringDecoder>

#include <optional>

namespace pellor {

namespace {

const QLatin1StringView kHeader("Windows Registry Editor Version 5.00");
const QLatin1StringView kRoot("HKEY_CLASSES_ROOT");

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView trimmed(QStringView s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.sliced(begin, end - begin);
}

void skipBlanks(QStringView s, qsizetype& pos) {
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// A quoted text starting at pos (on the opening quote); pos ends after the closing quote.
std::optional<QString> quoted(QStringView s, qsizetype& pos, QString* what) {
    QString out;
    ++pos;
    while (pos < s.size()) {
        const QChar c = s[pos++];
        if (c == QLatin1Char('"'))
            return out;
        if (c == QLatin1Char('\\')) {
            if (pos >= s.size())
                break;
            const QChar e = s[pos++];
            if (e != QLatin1Char('\\') && e != QLatin1Char('"')) {
                *what = QStringLiteral("unknown escape \"\\%1\" in a quoted text (write \\\\ for a "
                                       "backslash)")
                            .arg(e);
                return std::nullopt;
            }
            out.append(e);
            continue;
        }
        out.append(c);
    }
    *what = QStringLiteral("missing closing quote");
    return std::nullopt;
}

// A comma-separated list of hex bytes; blanks around the bytes are allowed.
std::optional<QByteArray> hexBytes(QStringView s, QString* what) {
    QByteArray out;
    qsizetype pos = 0;
    skipBlanks(s, pos);
    if (pos == s.size())
        return out;
    while (true) {
        skipBlanks(s, pos);
        int value = 0;
        int digits = 0;
        while (pos < s.size() && digits < 3 && hexDigit(s[pos]) >= 0) {
            value = value * 16 + hexDigit(s[pos++]);
            ++digits;
        }
        if (digits == 0 || digits > 2) {
            *what = QStringLiteral("bad hex byte list");
            return std::nullopt;
        }
        out.append(char(value));
        skipBlanks(s, pos);
        if (pos == s.size())
            return out;
        if (s[pos] != QLatin1Char(',')) {
            *what = QStringLiteral("bad hex byte list");
            return std::nullopt;
        }
        ++pos;
        skipBlanks(s, pos);
        if (pos == s.size())
            return out; // a trailing comma
    }
}

bool isTextType(quint32 type) {
    return type == RegType::Sz || type == RegType::ExpandSz || type == RegType::MultiSz;
}

// Text data stored as UTF-16LE in the file becomes the UTF-8 bytes the registry holds.
std::optional<QByteArray> utf16ToRegistryText(const QByteArray& bytes) {
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    // A surrogate without its partner has no UTF-8 form.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (text.at(i).isSurrogate())
            return std::nullopt;
    }
    return text.toUtf8();
}

// The line number (from 1) of the first byte sequence that is not UTF-8; 0 when all are.
int firstInvalidUtf8Line(const QByteArray& text) {
    int line = 1;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(QByteArrayView(text).sliced(start, end - start));
        if (decoder.hasError())
            return line;
        start = end + 1;
        ++line;
    }
    return 0;
}

} // namespace

bool RegistryTextReader::fail(int line, const QString& what) {
    m_errorLine = line;
    if (line > 0)
        m_error = QStringLiteral("%1, line %2: %3").arg(m_fileName).arg(line).arg(what);
    else
        m_error = QStringLiteral("%1: %2").arg(m_fileName, what);
    return false;
}

bool RegistryTextReader::read(QIODevice& device, RegistryKeyNode& root) {
    if (!device.isReadable())
        return fail(0, QStringLiteral("cannot read: %1").arg(device.errorString()));
    return read(device.readAll(), root);
}

bool RegistryTextReader::read(const QByteArray& bytes, RegistryKeyNode& root) {
    m_error.clear();
    m_errorLine = 0;
    m_keyPaths.clear();

    if (const int bad = firstInvalidUtf8Line(bytes); bad > 0)
        return fail(bad, QStringLiteral("not UTF-8 text"));
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    const QStringList lines = text.split(QLatin1Char('\n'));
    bool headerSeen = false;
    RegistryKeyNode* current = nullptr;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = int(i) + 1;
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringView content = trimmed(line);
        if (content.isEmpty())
            continue;
        if (!headerSeen) {
            if (content != kHeader)
                return fail(lineNumber,
                            QStringLiteral("the file does not start with \"%1\"").arg(kHeader));
            headerSeen = true;
            continue;
        }
        // A hex list continues on the next line after a trailing backslash.
        QString logical = content.toString();
        static const QRegularExpression hexValue(QStringLiteral("^(@|\".*\")\\s*=\\s*hex"),
                                                 QRegularExpression::CaseInsensitiveOption);
        const bool continues =
            logical.endsWith(QLatin1Char('\\')) && hexValue.match(logical).hasMatch();
        while (continues && logical.endsWith(QLatin1Char('\\')) && i + 1 < lines.size()) {
            logical.chop(1);
            QString next = lines.at(++i);
            if (next.endsWith(QLatin1Char('\r')))
                next.chop(1);
            logical += trimmed(next);
        }
        if (!readLine(logical, lineNumber, root, current))
            return false;
    }
    return true;
}

bool RegistryTextReader::readLine(const QString& line, int lineNumber, RegistryKeyNode& root,
                                  RegistryKeyNode*& current) {
    for (const QChar c : line) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
            return fail(lineNumber, QStringLiteral("control character U+%1 in the line")
                                        .arg(c.unicode(), 4, 16, QLatin1Char('0')));
    }
    if (line.startsWith(QLatin1Char(';')))
        return true;
    if (line.startsWith(QLatin1Char('[')))
        return readKeyHeader(line, lineNumber, root, current);
    if (!current)
        return fail(lineNumber, QStringLiteral("a value before the first key"));
    return readValue(line, lineNumber, *current);
}

bool RegistryTextReader::readKeyHeader(QStringView line, int lineNumber, RegistryKeyNode& root,
                                       RegistryKeyNode*& current) {
    if (!line.endsWith(QLatin1Char(']')))
        return fail(lineNumber, QStringLiteral("missing \"]\" after the key name"));
    const QStringView path = line.sliced(1, line.size() - 2);
    if (path.startsWith(QLatin1Char('-')))
        return fail(lineNumber, QStringLiteral("deleting keys is not supported in this file"));
    const QList<QStringView> names = path.split(QLatin1Char('\\'));
    if (names.first().compare(kRoot, Qt::CaseInsensitive) != 0)
        return fail(lineNumber, QStringLiteral("the key is not below %1").arg(kRoot));
    QStringList keyPath;
    RegistryKeyNode* node = &root;
    for (qsizetype n = 1; n < names.size(); ++n) {
        if (names.at(n).isEmpty())
            return fail(lineNumber, QStringLiteral("empty key name in the path"));
        if (names.at(n).size() > RegMaxKeyNameLength)
            return fail(
                lineNumber,
                QStringLiteral("key name longer than %1 characters").arg(RegMaxKeyNameLength));
        node = node->addChild(names.at(n).toString());
        keyPath.append(node->name());
    }
    m_keyPaths.append(keyPath);
    current = node;
    return true;
}

bool RegistryTextReader::readValue(QStringView line, int lineNumber, RegistryKeyNode& current) {
    QString what;
    qsizetype pos = 0;
    QString name;
    if (line.startsWith(QLatin1Char('@'))) {
        pos = 1;
    } else if (line.startsWith(QLatin1Char('"'))) {
        const std::optional<QString> n = quoted(line, pos, &what);
        if (!n)
            return fail(lineNumber, what);
        name = *n;
        if (name.size() > RegMaxValueNameLength)
            return fail(
                lineNumber,
                QStringLiteral("value name longer than %1 characters").arg(RegMaxValueNameLength));
    } else {
        return fail(lineNumber, QStringLiteral("expected a quoted value name, @ or a [key]"));
    }
    skipBlanks(line, pos);
    if (pos >= line.size() || line[pos] != QLatin1Char('='))
        return fail(lineNumber, QStringLiteral("missing \"=\" after the value name"));
    ++pos;
    skipBlanks(line, pos);
    const QStringView data = line.sliced(pos);

    if (data.startsWith(QLatin1Char('"'))) {
        qsizetype p = 0;
        const std::optional<QString> text = quoted(data, p, &what);
        if (!text)
            return fail(lineNumber, what);
        if (!trimmed(data.sliced(p)).isEmpty())
            return fail(lineNumber, QStringLiteral("text after the closing quote"));
        current.setValue(name, RegType::Sz, text->toUtf8() + QByteArray(1, '\0'));
        return true;
    }
    if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QStringView digits = trimmed(data.sliced(6));
        if (digits.isEmpty() || digits.size() > 8)
            return fail(lineNumber, QStringLiteral("dword needs 1 to 8 hex digits"));
        quint32 value = 0;
        for (const QChar c : digits) {
            const int d = hexDigit(c);
            if (d < 0)
                return fail(lineNumber, QStringLiteral("dword needs 1 to 8 hex digits"));
            value = value * 16 + quint32(d);
        }
        QByteArray bytes(4, '\0');
        for (int b = 0; b < 4; ++b)
            bytes[b] = char((value >> (8 * b)) & 0xff);
        current.setValue(name, RegType::Dword, bytes);
        return true;
    }
    if (data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
        qsizetype p = 3;
        quint32 type = RegType::Binary;
        if (p < data.size() && data[p] == QLatin1Char('(')) {
            const qsizetype close = data.indexOf(QLatin1Char(')'), p);
            const QStringView digits =
                close > p ? data.sliced(p + 1, close - p - 1) : QStringView();
            if (digits.isEmpty() || digits.size() > 8)
                return fail(lineNumber, QStringLiteral("bad value type in hex(...)"));
            type = 0;
            for (const QChar c : digits) {
                const int d = hexDigit(c);
                if (d < 0)
                    return fail(lineNumber, QStringLiteral("bad value type in hex(...)"));
                type = type * 16 + quint32(d);
            }
            p = close + 1;
        }
        if (p >= data.size() || data[p] != QLatin1Char(':'))
            return fail(lineNumber, QStringLiteral("missing \":\" after hex"));
        std::optional<QByteArray> bytes = hexBytes(data.sliced(p + 1), &what);
        if (!bytes)
            return fail(lineNumber, what);
        if (isTextType(type)) {
            bytes = utf16ToRegistryText(*bytes);
            if (!bytes)
                return fail(lineNumber,
                            QStringLiteral("hex(%1) text is not UTF-16LE").arg(type, 0, 16));
        }
        current.setValue(name, type, *bytes);
        return true;
    }
    if (data == QLatin1String("-"))
        return fail(lineNumber, QStringLiteral("deleting values is not supported in this file"));
    return fail(lineNumber, QStringLiteral("unknown value data (expected \"text\", dword:, hex:)"));
}

} // namespace pellor

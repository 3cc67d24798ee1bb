#include "core/persistence/ProfileText.h"

namespace pellor {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

bool isBlank(QChar c) {
    return c.unicode() < 0x80 && isBlank(char(c.unicode()));
}

QByteArrayView trimmedBytes(QByteArrayView bytes) {
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isBlank(bytes[begin]))
        ++begin;
    while (end > begin && isBlank(bytes[end - 1]))
        --end;
    return bytes.sliced(begin, end - begin);
}

QStringView trimmedText(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QStringView beforeNul(QStringView text) {
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.first(nul);
}

// A name as the profile compares it: without blanks around it, cut at NUL.
QString nameOf(QByteArrayView bytes) {
    return trimmedText(beforeNul(QString::fromUtf8(trimmedBytes(bytes)))).toString();
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isQuote(QChar c) {
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

// Data is written in quotes when reading would otherwise change it.
QByteArray encodedData(QStringView data) {
    const bool blanks = !data.isEmpty() && (isBlank(data.front()) || isBlank(data.back()));
    const bool quoted = data.size() >= 2 && isQuote(data.front()) && data.back() == data.front();
    if (blanks || quoted)
        return '"' + data.toUtf8() + '"';
    return data.toUtf8();
}

} // namespace

ProfileText::ProfileText(const QByteArray& input) {
    QByteArray bytes = input;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        m_bom = bytes.first(3);
        bytes.remove(0, 3);
    }
    // Lines end with LF (CR LF); a file without any LF may use CR alone.
    const char separator = bytes.contains('\n') || !bytes.contains('\r') ? '\n' : '\r';
    qsizetype start = 0;
    bool newlineChosen = false;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf(separator, start);
        QByteArray ending;
        QByteArray line;
        if (end < 0) {
            line = bytes.sliced(start);
            start = bytes.size();
        } else {
            line = bytes.sliced(start, end - start);
            ending = QByteArray(1, separator);
            if (separator == '\n' && line.endsWith('\r')) {
                line.chop(1);
                ending.prepend('\r');
            }
            start = end + 1;
            if (!newlineChosen) {
                m_newline = ending;
                newlineChosen = true;
            }
        }
        m_lines.append(parseLine(std::move(line), std::move(ending)));
    }
}

ProfileText::Line ProfileText::parseLine(QByteArray bytes, QByteArray ending) {
    Line line;
    line.bytes = std::move(bytes);
    line.ending = std::move(ending);
    const QByteArrayView content = trimmedBytes(line.bytes);
    if (content.startsWith('[')) {
        const qsizetype close = content.lastIndexOf(']');
        if (close > 0) {
            line.kind = Kind::Section;
            line.name = nameOf(content.sliced(1, close - 1));
            return line;
        }
    }
    const qsizetype equals = line.bytes.indexOf('=');
    if (equals >= 0) {
        line.kind = Kind::Key;
        line.name = nameOf(QByteArrayView(line.bytes).first(equals));
        line.valueOffset = equals + 1;
    }
    return line;
}

QByteArray ProfileText::toBytes() const {
    QByteArray out = m_bom;
    for (const Line& line : m_lines) {
        out.append(line.bytes);
        out.append(line.ending);
    }
    return out;
}

qsizetype ProfileText::findSection(QStringView name) const {
    const QStringView wanted = trimmedText(beforeNul(name));
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).kind == Kind::Section && sameName(m_lines.at(i).name, wanted))
            return i;
    }
    return -1;
}

qsizetype ProfileText::sectionEnd(qsizetype header) const {
    qsizetype i = header + 1;
    while (i < m_lines.size() && m_lines.at(i).kind != Kind::Section)
        ++i;
    return i;
}

std::optional<QString> ProfileText::value(QStringView section, QStringView key) const {
    const qsizetype header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const QStringView wanted = trimmedText(beforeNul(key));
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const Line& line = m_lines.at(i);
        if (line.kind != Kind::Key || !sameName(line.name, wanted))
            continue;
        const QString text =
            QString::fromUtf8(trimmedBytes(QByteArrayView(line.bytes).sliced(line.valueOffset)));
        QStringView v = beforeNul(text);
        if (v.size() >= 2 && isQuote(v.front()) && v.back() == v.front())
            v = v.sliced(1, v.size() - 2);
        return v.toString();
    }
    return std::nullopt;
}

QStringList ProfileText::sectionNames() const {
    QStringList names;
    for (const Line& line : m_lines) {
        if (line.kind == Kind::Section)
            names.append(line.name);
    }
    return names;
}

void ProfileText::insertLine(qsizetype index, const QByteArray& bytes) {
    // The line before the new one needs a line ending of its own.
    if (index > 0 && m_lines.at(index - 1).ending.isEmpty())
        m_lines[index - 1].ending = m_newline;
    m_lines.insert(index, parseLine(bytes, m_newline));
}

bool ProfileText::setValue(QStringView section, QStringView key, QStringView data) {
    const QString sectionName = trimmedText(section).toString();
    const QString keyName = trimmedText(key).toString();
    const QByteArray encoded = encodedData(data);

    const qsizetype header = findSection(sectionName);
    if (header < 0) {
        insertLine(m_lines.size(), '[' + sectionName.toUtf8() + ']');
        insertLine(m_lines.size(), keyName.toUtf8() + '=' + encoded);
        return true;
    }
    if (value(sectionName, keyName) == data)
        return false; // reads back as it is: the line stays as it was
    const qsizetype end = sectionEnd(header);
    qsizetype lastContent = header;
    for (qsizetype i = header + 1; i < end; ++i) {
        Line& line = m_lines[i];
        if (line.kind == Kind::Key && sameName(line.name, keyName)) {
            const QByteArray name =
                trimmedBytes(QByteArrayView(line.bytes).first(line.valueOffset - 1)).toByteArray();
            line = parseLine(name + '=' + encoded, line.ending);
            return true;
        }
        if (!trimmedBytes(line.bytes).isEmpty())
            lastContent = i;
    }
    insertLine(lastContent + 1, keyName.toUtf8() + '=' + encoded);
    return true;
}

bool ProfileText::removeKey(QStringView section, QStringView key) {
    const QStringView wantedSection = trimmedText(beforeNul(section));
    const QStringView wantedKey = trimmedText(beforeNul(key));
    for (qsizetype header = 0; header < m_lines.size(); ++header) {
        if (m_lines.at(header).kind != Kind::Section ||
            !sameName(m_lines.at(header).name, wantedSection))
            continue;
        const qsizetype end = sectionEnd(header);
        for (qsizetype i = header + 1; i < end; ++i) {
            if (m_lines.at(i).kind == Kind::Key && sameName(m_lines.at(i).name, wantedKey)) {
                m_lines.removeAt(i);
                return true;
            }
        }
    }
    return false;
}

bool ProfileText::removeSection(QStringView section) {
    const qsizetype header = findSection(section);
    if (header < 0)
        return false;
    m_lines.remove(header, sectionEnd(header) - header);
    return true;
}

} // namespace pellor

#include "TextIdScanner.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace pellor {

namespace {

struct SplitSource {
    QString code;         // the source without comments, every string literal emptied
    QStringList literals; // the contents of the string literals (escapes kept as written)
    QStringList comments;
};

// Separates code, string literals and comments of C++ source.
SplitSource split(const QString& source) {
    SplitSource out;
    const qsizetype n = source.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = source.at(i);
        const QChar next = i + 1 < n ? source.at(i + 1) : QChar();
        if (c == u'/' && next == u'/') {
            const qsizetype end = source.indexOf(u'\n', i);
            out.comments.append(source.mid(i + 2, (end < 0 ? n : end) - i - 2));
            i = end < 0 ? n : end;
        } else if (c == u'/' && next == u'*') {
            const qsizetype end = source.indexOf(QStringLiteral("*/"), i + 2);
            out.comments.append(source.mid(i + 2, (end < 0 ? n : end) - i - 2));
            i = end < 0 ? n : end + 2;
        } else if (c == u'R' && next == u'"' &&
                   (i == 0 || !(source.at(i - 1).isLetterOrNumber() || source.at(i - 1) == u'_'))) {
            // Raw string R"delim( ... )delim": skipped as a whole.
            const qsizetype open = source.indexOf(u'(', i + 2);
            if (open < 0)
                break;
            const QString closing = u')' + source.mid(i + 2, open - i - 2) + u'"';
            const qsizetype end = source.indexOf(closing, open + 1);
            out.literals.append(source.mid(open + 1, (end < 0 ? n : end) - open - 1));
            out.code += QStringLiteral("\"\"");
            i = end < 0 ? n : end + closing.size();
        } else if (c == u'"' || c == u'\'') {
            qsizetype j = i + 1;
            while (j < n && source.at(j) != c && source.at(j) != u'\n')
                j += source.at(j) == u'\\' ? 2 : 1;
            if (c == u'"')
                out.literals.append(source.mid(i + 1, j - i - 1));
            out.code += c == u'"' ? QStringLiteral("\"\"") : QStringLiteral("' '");
            i = j + 1;
        } else {
            out.code += c;
            ++i;
        }
    }
    return out;
}

// The top-level arguments of the call whose "(" is at open.
QStringList arguments(const QString& code, qsizetype open) {
    QStringList args;
    int depth = 0;
    qsizetype start = open + 1;
    for (qsizetype i = open; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == u'(' || c == u'{' || c == u'[') {
            ++depth;
        } else if (c == u')' || c == u'}' || c == u']') {
            if (--depth == 0) {
                args.append(code.mid(start, i - start).trimmed());
                break;
            }
        } else if (c == u',' && depth == 1) {
            args.append(code.mid(start, i - start).trimmed());
            start = i + 1;
        }
    }
    return args;
}

const QRegularExpression& captionPattern() {
    static const QRegularExpression caption(QStringLiteral("#(\\d+)$"));
    return caption;
}

// A C++ literal as the program holds it: the common escapes resolved.
QString unescapeCpp(const QString& literal) {
    QString text;
    for (qsizetype i = 0; i < literal.size(); ++i) {
        QChar c = literal.at(i);
        if (c == u'\\' && i + 1 < literal.size()) {
            const QChar e = literal.at(++i);
            c = e == u'n' ? QChar(u'\n') : e == u't' ? QChar(u'\t') : e;
        }
        text += c;
    }
    return text;
}

QString unescapeXml(QString text) {
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

QSet<int> idsOfCaptions(const QStringList& captions) {
    QSet<int> ids;
    for (const QString& caption : captions)
        ids.insert(captionPattern().match(caption).captured(1).toInt());
    return ids;
}

void addLiteralId(QSet<int>& ids, const QString& argument) {
    static const QRegularExpression integer(QStringLiteral("^\\d+$"));
    if (integer.match(argument).hasMatch())
        ids.insert(argument.toInt());
}

} // namespace

QSet<int> TextIdScanner::scanCpp(const QString& source) {
    const SplitSource parts = split(source);
    QSet<int> ids = idsOfCaptions(captionsCpp(source));

    static const QRegularExpression call(
        QStringLiteral("\\b(GetString|GetStringArgs|ShowMessage)\\s*\\("));
    for (QRegularExpressionMatchIterator it = call.globalMatch(parts.code); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QStringList args = arguments(parts.code, match.capturedEnd() - 1);
        if (match.captured(1) == QLatin1String("ShowMessage")) {
            if (args.size() > 1)
                addLiteralId(ids, args.at(1));
            if (args.size() > 3)
                addLiteralId(ids, args.at(3));
        } else if (!args.isEmpty()) {
            addLiteralId(ids, args.at(0));
        }
    }

    static const QRegularExpression marker(QStringLiteral("text ids:\\s*([0-9 ,\\-]+)"));
    static const QRegularExpression item(QStringLiteral("(\\d+)(?:\\s*-\\s*(\\d+))?"));
    for (const QString& comment : parts.comments) {
        for (auto m = marker.globalMatch(comment); m.hasNext();) {
            const QString list = m.next().captured(1);
            for (auto i = item.globalMatch(list); i.hasNext();) {
                const QRegularExpressionMatch range = i.next();
                const int first = range.captured(1).toInt();
                const int last = range.captured(2).isEmpty() ? first : range.captured(2).toInt();
                for (int id = first; id <= last && id - first < 1000; ++id)
                    ids.insert(id);
            }
        }
    }
    return ids;
}

QStringList TextIdScanner::captionsCpp(const QString& source) {
    QStringList captions;
    const SplitSource parts = split(source);
    for (const QString& literal : parts.literals) {
        const QString text = unescapeCpp(literal);
        if (captionPattern().match(text).hasMatch())
            captions.append(text);
    }
    return captions;
}

QStringList TextIdScanner::captionsUi(const QString& form) {
    QStringList captions;
    static const QRegularExpression string(QStringLiteral("<string[^>]*>([^<]*)</string>"));
    for (auto it = string.globalMatch(form); it.hasNext();) {
        const QString text = unescapeXml(it.next().captured(1));
        if (captionPattern().match(text).hasMatch())
            captions.append(text);
    }
    return captions;
}

QSet<int> TextIdScanner::scanUi(const QString& form) {
    return idsOfCaptions(captionsUi(form));
}

namespace {

// Calls visit(path, text) for every source file and form under a folder.
template <typename Visit> void forEachSource(const QString& folder, Visit visit) {
    QDirIterator files(folder,
                       {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        visit(path, QString::fromUtf8(file.readAll()));
    }
}

bool isForm(const QString& path) {
    return path.endsWith(QLatin1String(".ui"));
}

} // namespace

QMap<int, QString> TextIdScanner::scanFolder(const QString& folder) {
    QMap<int, QString> found;
    forEachSource(folder, [&found](const QString& path, const QString& text) {
        const QSet<int> ids = isForm(path) ? scanUi(text) : scanCpp(text);
        for (int id : ids) {
            if (!found.contains(id))
                found.insert(id, path);
        }
    });
    return found;
}

QList<TextIdScanner::Caption> TextIdScanner::captionsInFolder(const QString& folder) {
    QList<Caption> found;
    forEachSource(folder, [&found](const QString& path, const QString& text) {
        const QStringList captions = isForm(path) ? captionsUi(text) : captionsCpp(text);
        for (const QString& caption : captions)
            found.append(Caption{caption, path});
    });
    return found;
}

} // namespace pellor

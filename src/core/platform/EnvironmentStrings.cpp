#include "core/platform/EnvironmentStrings.h"

#include <QProcessEnvironment>

#include <optional>

namespace pellor {

namespace {

std::optional<QString> variable(const QString& name) {
    if (qEnvironmentVariableIsSet(name.toLocal8Bit().constData()))
        return qEnvironmentVariable(name.toLocal8Bit().constData());
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& key : environment.keys()) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return environment.value(key);
    }
    return std::nullopt;
}

} // namespace

QString expandEnvironmentStrings(QStringView text) {
    QString out;
    out.reserve(text.size());
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('%'), pos);
        if (open < 0) {
            out.append(text.sliced(pos));
            break;
        }
        out.append(text.sliced(pos, open - pos));
        const qsizetype close = text.indexOf(QLatin1Char('%'), open + 1);
        if (close < 0) {
            out.append(text.sliced(open));
            break;
        }
        const QString name = text.sliced(open + 1, close - open - 1).toString();
        const std::optional<QString> value =
            name.isEmpty() || name.contains(QChar(0)) ? std::nullopt : variable(name);
        if (value)
            out.append(*value);
        else
            out.append(text.sliced(open, close - open + 1));
        pos = close + 1;
    }
    return out;
}

} // namespace pellor

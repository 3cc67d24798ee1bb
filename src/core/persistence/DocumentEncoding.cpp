#include "core/persistence/DocumentEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace pellor::DocumentEncoding {

QString declaredEncoding(const QByteArray& head) {
    if (head.size() < 2)
        return QString();
    if (head[1] != '?' && head[0] != '<')
        return QString();
    // The 100 bytes after the first two, read in the system code page.
    QStringDecoder system(QStringDecoder::System);
    const QString original = system(head.mid(2, 100));
    const QString lower = original.toLower();
    const qsizetype at = lower.indexOf(u"encoding=");
    if (at < 0)
        return QString();
    const qsizetype start = at + 9 + 1; // past "encoding=" and the opening quote
    const qsizetype close = lower.indexOf(u"?>", start);
    if (close < 0)
        return QString();
    const qsizetype length = close - 1 - start; // the closing quote is dropped
    if (length <= 0)
        return QString();
    return original.mid(start, length);
}

namespace {
// "System" is the code page of the locale; any other name is looked up.
template <class Converter> Converter converterFor(const char* encoding) {
    if (qstrcmp(encoding, "System") == 0)
        return Converter(QStringConverter::System, QStringConverter::Flag::Stateless);
    return Converter(encoding, QStringConverter::Flag::Stateless);
}
} // namespace

std::optional<QByteArray> toUtf8(const QByteArray& bytes, const char* encoding) {
    auto decoder = converterFor<QStringDecoder>(encoding);
    if (!decoder.isValid())
        return std::nullopt;
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text.toUtf8();
}

std::optional<QByteArray> fromUnicode(const QString& text, const char* encoding) {
    auto encoder = converterFor<QStringEncoder>(encoding);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder(text);
    if (encoder.hasError())
        return std::nullopt; // a character the encoding cannot hold
    return bytes;
}

} // namespace pellor::DocumentEncoding

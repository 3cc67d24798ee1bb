#include "core/platform/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace pellor::NumberText {

namespace {

bool isSpace(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView trimmed(QStringView text) {
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && isSpace(text[b]))
        ++b;
    while (e > b && isSpace(text[e - 1]))
        --e;
    return text.mid(b, e - b);
}

// Reads a &H or &O literal; nullopt when the text is not one.
std::optional<double> parseRadixLiteral(QStringView t) {
    if (t.size() < 3 || t[0] != u'&')
        return std::nullopt;
    const QChar kind = t[1].toUpper();
    int base = 0;
    if (kind == u'H')
        base = 16;
    else if (kind == u'O')
        base = 8;
    else
        return std::nullopt;
    quint64 v = 0;
    for (qsizetype i = 2; i < t.size(); ++i) {
        const char16_t c = t[i].toUpper().unicode();
        const int d = (c >= u'0' && c <= u'9')   ? c - u'0'
                      : (c >= u'A' && c <= u'F') ? c - u'A' + 10
                                                 : -1;
        if (d < 0 || d >= base)
            return std::nullopt;
        v = v * base + d;
        if (v > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (v <= 0xFFFF)
        return double(qint16(quint16(v)));
    return double(qint32(quint32(v)));
}

// Scans a decimal number at the start of t; returns the length scanned (0 when there is no
// number) and writes a plain ASCII copy into out for std::from_chars.
qsizetype scanDecimal(QStringView t, std::string& out) {
    out.clear();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
        if (t[i] == u'-')
            out.push_back('-');
        ++i;
    }
    int digits = 0;
    while (i < t.size() && t[i] >= u'0' && t[i] <= u'9') {
        out.push_back(char(t[i].unicode()));
        ++i;
        ++digits;
    }
    if (i < t.size() && t[i] == u'.') {
        out.push_back('.');
        ++i;
        while (i < t.size() && t[i] >= u'0' && t[i] <= u'9') {
            out.push_back(char(t[i].unicode()));
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < t.size() && (t[i] == u'E' || t[i] == u'e' || t[i] == u'D' || t[i] == u'd')) {
        qsizetype j = i + 1;
        std::string exp = "e";
        if (j < t.size() && (t[j] == u'+' || t[j] == u'-')) {
            exp.push_back(char(t[j].unicode()));
            ++j;
        }
        int expDigits = 0;
        while (j < t.size() && t[j] >= u'0' && t[j] <= u'9') {
            exp.push_back(char(t[j].unicode()));
            ++j;
            ++expDigits;
        }
        if (expDigits > 0) {
            out += exp;
            i = j;
        }
    }
    return i;
}

std::optional<double> fromAscii(const std::string& s) {
    double v = 0;
    const char* b = s.data();
    auto r = std::from_chars(b, b + s.size(), v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        // Overflow gives no number; underflow rounds to zero like the Basic runtime does.
        const auto e = s.find('e');
        if (e != std::string::npos && s.size() > e + 1 && s[e + 1] == '-')
            return 0.0;
        return std::nullopt;
    }
    if (r.ec != std::errc() || r.ptr != b + s.size())
        return std::nullopt;
    return v;
}

int finishFormat(char* buf, char* end) {
    // Upper-case exponent, drop the "0" before the decimal point.
    int len = int(end - buf);
    for (int i = 0; i < len; ++i)
        if (buf[i] == 'e')
            buf[i] = 'E';
    if (len >= 2 && buf[0] == '0' && buf[1] == '.') {
        std::memmove(buf, buf + 1, size_t(len - 1));
        --len;
    } else if (len >= 3 && buf[0] == '-' && buf[1] == '0' && buf[2] == '.') {
        std::memmove(buf + 1, buf + 2, size_t(len - 2));
        --len;
    }
    buf[len] = '\0';
    return len;
}

int formatGeneral(double value, int precision, char* buf) {
    if (value == 0) { // also turns -0 into 0
        buf[0] = '0';
        buf[1] = '\0';
        return 1;
    }
    if (!std::isfinite(value)) {
        const char* t = std::isnan(value) ? "NaN" : (value > 0 ? "Infinity" : "-Infinity");
        std::strcpy(buf, t);
        return int(std::strlen(t));
    }
    auto r = std::to_chars(buf, buf + 31, value, std::chars_format::general, precision);
    return finishFormat(buf, r.ptr);
}

} // namespace

std::optional<double> parse(QStringView text) {
    const QStringView t = trimmed(text);
    if (t.isEmpty())
        return std::nullopt;
    if (t[0] == u'&')
        return parseRadixLiteral(t);
    std::string ascii;
    const qsizetype n = scanDecimal(t, ascii);
    if (n == 0 || n != t.size())
        return std::nullopt;
    return fromAscii(ascii);
}

std::optional<double> parseUtf8(std::string_view text) {
    // Fast path: optional spaces, an optional sign, digits with an optional point and an
    // E exponent. Anything else (hexadecimal, D exponents, non-ASCII) takes the full path.
    size_t b = 0;
    size_t e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    std::string_view t = text.substr(b, e - b);
    bool plain = !t.empty();
    for (char c : t)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) {
            plain = false;
            break;
        }
    if (!plain)
        return parse(QString::fromUtf8(text.data(), qsizetype(text.size())));
    if (t.front() == '+') {
        t.remove_prefix(1);
        if (!t.empty() && t.front() == '-')
            return std::nullopt; // one sign at most
    }
    const size_t mantissa = (!t.empty() && t.front() == '-') ? 1 : 0;
    if (t.size() <= mantissa || !((t[mantissa] >= '0' && t[mantissa] <= '9') || t[mantissa] == '.'))
        return std::nullopt;
    double v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range || r.ec != std::errc() ||
        r.ptr != t.data() + t.size())
        return parse(QString::fromUtf8(text.data(),
                                       qsizetype(text.size()))); // exact rules for the rare cases
    return v;
}

bool isNumeric(QStringView text) {
    return parse(text).has_value();
}

double val(QStringView text) {
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text)
        if (!isSpace(c) && c != u'\n' && c != u'\r')
            compact.append(c);
    if (compact.startsWith(u'&')) {
        // Longest leading radix literal.
        for (qsizetype n = compact.size(); n >= 3; --n)
            if (auto v = parseRadixLiteral(QStringView(compact).left(n)))
                return *v;
        return 0;
    }
    std::string ascii;
    if (scanDecimal(compact, ascii) == 0)
        return 0;
    return fromAscii(ascii).value_or(0);
}

double roundHalfEven(double value) {
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

std::optional<qint16> toInteger(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0))
        return std::nullopt;
    return qint16(r);
}

std::optional<qint32> toLong(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        return std::nullopt;
    return qint32(r);
}

std::optional<float> toSingle(double value) {
    if (std::isnan(value))
        return std::nullopt;
    if (std::fabs(value) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return float(value);
}

int formatSingle(float value, char* buf) {
    return formatGeneral(double(value), 7, buf);
}

int formatDouble(double value, char* buf) {
    return formatGeneral(value, 15, buf);
}

QString formatSingle(float value) {
    char buf[32];
    const int n = formatSingle(value, buf);
    return QString::fromLatin1(buf, n);
}

QString formatDouble(double value) {
    char buf[32];
    const int n = formatDouble(value, buf);
    return QString::fromLatin1(buf, n);
}

} // namespace pellor::NumberText

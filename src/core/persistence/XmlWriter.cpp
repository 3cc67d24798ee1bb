#include "core/persistence/XmlWriter.h"

namespace pellor {

XmlWriter::XmlWriter(QIODevice* device) : m_device(device), m_buffer(new char[kCapacity]) {}

XmlWriter::~XmlWriter() {
    flush();
}

void XmlWriter::put(const char* s, size_t n) {
    while (n > 0) {
        const size_t chunk = std::min(n, kCapacity);
        std::memcpy(reserve(chunk), s, chunk);
        m_length += chunk;
        s += chunk;
        n -= chunk;
    }
}

void XmlWriter::flushBuffer() {
    if (m_length == 0)
        return;
    if (!m_error) {
        const qint64 written = m_device->write(m_buffer.get(), qint64(m_length));
        if (written != qint64(m_length)) {
            m_error = true;
            m_errorString = m_device->errorString();
        }
    }
    m_length = 0;
}

bool XmlWriter::flush() {
    flushBuffer();
    return !m_error;
}

void XmlWriter::startElement(const char* name) {
    closeStartTag();
    const size_t nameLength = std::strlen(name);
    const int indent = std::min(m_depth, kMaxIndent);
    char* p = reserve(size_t(indent) + nameLength + 3);
    if (!m_first) {
        *p++ = '\r';
        *p++ = '\n';
        std::memset(p, '\t', size_t(indent));
        p += indent;
    }
    m_first = false;
    *p++ = '<';
    std::memcpy(p, name, nameLength);
    p += nameLength;
    m_length = size_t(p - m_buffer.get());
    m_startTagOpen = true;
    m_hasChildren = false;
    ++m_depth;
}

void XmlWriter::attribute(const char* name, QStringView value) {
    const size_t nameLength = std::strlen(name);
    char* p = reserve(nameLength + 3);
    *p++ = ' ';
    std::memcpy(p, name, nameLength);
    p += nameLength;
    *p++ = '=';
    *p++ = '"';
    m_length = size_t(p - m_buffer.get());
    putEscaped(value);
    put('"');
}

void XmlWriter::attributeAscii(const char* name, const char* value, qsizetype length) {
    const size_t nameLength = std::strlen(name);
    if (nameLength + size_t(length) + 4 > kCapacity) {
        attribute(name, QString::fromLatin1(value, length));
        return;
    }
    char* p = reserve(nameLength + size_t(length) + 4);
    *p++ = ' ';
    std::memcpy(p, name, nameLength);
    p += nameLength;
    *p++ = '=';
    *p++ = '"';
    std::memcpy(p, value, size_t(length));
    p += length;
    *p++ = '"';
    m_length = size_t(p - m_buffer.get());
}

void XmlWriter::text(QStringView value) {
    closeStartTag();
    putEscaped(value);
}

void XmlWriter::textAscii(const char* value, qsizetype length) {
    closeStartTag();
    put(value, size_t(length));
}

void XmlWriter::endElement(const char* name) {
    --m_depth;
    if (m_startTagOpen) {
        char* p = reserve(2);
        p[0] = '/';
        p[1] = '>';
        m_length += 2;
        m_startTagOpen = false;
    } else {
        const size_t nameLength = std::strlen(name);
        const int indent = m_hasChildren ? std::min(m_depth, kMaxIndent) : 0;
        char* p = reserve(size_t(indent) + nameLength + 5);
        if (m_hasChildren) {
            *p++ = '\r';
            *p++ = '\n';
            std::memset(p, '\t', size_t(indent));
            p += indent;
        }
        *p++ = '<';
        *p++ = '/';
        std::memcpy(p, name, nameLength);
        p += nameLength;
        *p++ = '>';
        m_length = size_t(p - m_buffer.get());
    }
    m_hasChildren = true; // the parent of this element now has a child element
}

void XmlWriter::putEscaped(QStringView value) {
    const char16_t* s = value.utf16();
    const char16_t* const end = s + value.size();
    while (s < end) {
        // Worst case 6 bytes per UTF-16 unit ("&quot;"); work in slices that fit the buffer.
        const size_t slice = std::min<size_t>(size_t(end - s), 4096);
        char* p = reserve(slice * 6);
        const char16_t* const sliceEnd = s + slice;
        while (s < sliceEnd) {
            const char16_t c = *s++;
            if (c < 0x80) {
                if (c >= 0x40 || (c >= 0x20 && c != u'&' && c != u'<' && c != u'>' && c != u'"')) {
                    *p++ = char(c);
                    continue;
                }
                switch (c) {
                case u'&':
                    std::memcpy(p, "&amp;", 5), p += 5;
                    break;
                case u'<':
                    std::memcpy(p, "&lt;", 4), p += 4;
                    break;
                case u'>':
                    std::memcpy(p, "&gt;", 4), p += 4;
                    break;
                case u'"':
                    std::memcpy(p, "&quot;", 6), p += 6;
                    break;
                case u'\r':
                    std::memcpy(p, "&#13;", 5), p += 5;
                    break;
                case u'\t':
                case u'\n':
                    *p++ = char(c);
                    break;
                default:
                    break; // other control characters cannot appear in XML 1.0
                }
            } else if (c < 0x800) {
                *p++ = char(0xC0 | (c >> 6));
                *p++ = char(0x80 | (c & 0x3F));
            } else if (c >= 0xD800 && c <= 0xDBFF) {
                // A high surrogate followed by a low one is one character; anything else is
                // left out. The pair may straddle the slice end, so look at the whole text.
                if (s < end && *s >= 0xDC00 && *s <= 0xDFFF) {
                    const char32_t u =
                        0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(*s++) - 0xDC00);
                    *p++ = char(0xF0 | (u >> 18));
                    *p++ = char(0x80 | ((u >> 12) & 0x3F));
                    *p++ = char(0x80 | ((u >> 6) & 0x3F));
                    *p++ = char(0x80 | (u & 0x3F));
                }
            } else if ((c >= 0xDC00 && c <= 0xDFFF) || c == 0xFFFE || c == 0xFFFF) {
                // unpaired low surrogate or a non-character: left out
            } else {
                *p++ = char(0xE0 | (c >> 12));
                *p++ = char(0x80 | ((c >> 6) & 0x3F));
                *p++ = char(0x80 | (c & 0x3F));
            }
        }
        m_length = size_t(p - m_buffer.get());
    }
}

} // namespace pellor

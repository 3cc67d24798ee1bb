#include "core/persistence/XmlWriter.h"

#include <cstring>

namespace pellor {

XmlWriter::XmlWriter(QIODevice* device) : m_device(device) {
    m_buffer.reserve(kFlushSize + 1024);
}

XmlWriter::~XmlWriter() {
    flush();
}

void XmlWriter::put(const char* s, qsizetype n) {
    if (m_buffer.size() + n > kFlushSize)
        flushBuffer();
    m_buffer.append(s, n);
}

void XmlWriter::flushBuffer() {
    if (m_buffer.isEmpty())
        return;
    if (!m_error) {
        const qint64 written = m_device->write(m_buffer);
        if (written != m_buffer.size()) {
            m_error = true;
            m_errorString = m_device->errorString();
        }
    }
    m_buffer.clear();
}

bool XmlWriter::flush() {
    flushBuffer();
    return !m_error;
}

void XmlWriter::writeRaw(const char* text, qsizetype length) {
    put(text, length);
}

void XmlWriter::newline(int depth) {
    put("\r\n", 2);
    for (int i = 0; i < depth; ++i)
        put('\t');
}

void XmlWriter::closeStartTag() {
    if (m_startTagOpen) {
        put('>');
        m_startTagOpen = false;
    }
}

void XmlWriter::startElement(const char* name) {
    closeStartTag();
    if (!m_first)
        newline(m_depth);
    m_first = false;
    put('<');
    put(name, qsizetype(std::strlen(name)));
    m_startTagOpen = true;
    m_hasChildren = false;
    ++m_depth;
}

void XmlWriter::attribute(const char* name, QStringView value) {
    put(' ');
    put(name, qsizetype(std::strlen(name)));
    put("=\"", 2);
    putEscaped(value);
    put('"');
}

void XmlWriter::attributeAscii(const char* name, const char* value, qsizetype length) {
    put(' ');
    put(name, qsizetype(std::strlen(name)));
    put("=\"", 2);
    put(value, length);
    put('"');
}

void XmlWriter::text(QStringView value) {
    closeStartTag();
    putEscaped(value);
}

void XmlWriter::textAscii(const char* value, qsizetype length) {
    closeStartTag();
    put(value, length);
}

void XmlWriter::endElement(const char* name) {
    --m_depth;
    if (m_startTagOpen) {
        put("/>", 2);
        m_startTagOpen = false;
    } else {
        if (m_hasChildren)
            newline(m_depth);
        put("</", 2);
        put(name, qsizetype(std::strlen(name)));
        put('>');
    }
    m_hasChildren = true; // the parent of this element now has a child element
}

void XmlWriter::putEscaped(QStringView value) {
    const char16_t* p = value.utf16();
    const char16_t* end = p + value.size();
    if (m_buffer.size() + value.size() * 3 > kFlushSize)
        flushBuffer();
    while (p < end) {
        const char16_t c = *p++;
        if (m_buffer.size() + 8 > kFlushSize)
            flushBuffer();
        if (c < 0x80) {
            switch (c) {
            case u'&':
                m_buffer.append("&amp;", 5);
                break;
            case u'<':
                m_buffer.append("&lt;", 4);
                break;
            case u'>':
                m_buffer.append("&gt;", 4);
                break;
            case u'"':
                m_buffer.append("&quot;", 6);
                break;
            case u'\r':
                m_buffer.append("&#13;", 5);
                break;
            case u'\t':
            case u'\n':
                m_buffer.append(char(c));
                break;
            default:
                if (c >= 0x20)
                    m_buffer.append(char(c));
                // other control characters cannot appear in XML 1.0 and are left out
                break;
            }
        } else if (c < 0x800) {
            const char b[2] = {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
            m_buffer.append(b, 2);
        } else if (c >= 0xD800 && c <= 0xDBFF) {
            if (p < end && *p >= 0xDC00 && *p <= 0xDFFF) {
                const char32_t u = 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(*p++) - 0xDC00);
                const char b[4] = {char(0xF0 | (u >> 18)), char(0x80 | ((u >> 12) & 0x3F)),
                                   char(0x80 | ((u >> 6) & 0x3F)), char(0x80 | (u & 0x3F))};
                m_buffer.append(b, 4);
            }
            // an unpaired high surrogate is left out
        } else if ((c >= 0xDC00 && c <= 0xDFFF) || c == 0xFFFE || c == 0xFFFF) {
            // unpaired low surrogate or a non-character: left out
        } else {
            const char b[3] = {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
            m_buffer.append(b, 3);
        }
    }
}

} // namespace pellor

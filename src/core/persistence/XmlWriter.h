#pragma once

#include <QIODevice>
#include <QString>
#include <QStringView>
#include <cstring>
#include <memory>

namespace pellor {

// A small, fast, indenting UTF-8 XML writer into a buffered device: one element per line,
// a tab per level, CR LF line ends. Text and attribute values are escaped (& < > " and CR);
// characters XML cannot carry at all (most control characters, unpaired surrogates) are
// left out, so the output can always be read back.
class XmlWriter {
public:
    explicit XmlWriter(QIODevice* device);
    ~XmlWriter();
    XmlWriter(const XmlWriter&) = delete;
    XmlWriter& operator=(const XmlWriter&) = delete;

    void writeRaw(const char* text, qsizetype length) { put(text, size_t(length)); }
    void startElement(const char* name);
    void attribute(const char* name, QStringView value);
    void attributeAscii(const char* name, const char* value, qsizetype length);
    void text(QStringView value);
    void textAscii(const char* value, qsizetype length);
    void endElement(const char* name);

    // Writes out what is buffered; false when the device refused data at any point.
    bool flush();
    bool hasError() const { return m_error; }
    QString errorString() const { return m_errorString; }

private:
    static constexpr size_t kCapacity = 512 * 1024;
    static constexpr int kMaxIndent = 64;

    // Room for n more bytes (n must not exceed kCapacity).
    char* reserve(size_t n) {
        if (m_length + n > kCapacity)
            flushBuffer();
        return m_buffer.get() + m_length;
    }
    void put(const char* s, size_t n);
    void put(char c) { *reserve(1) = c, ++m_length; }
    void closeStartTag() {
        if (m_startTagOpen) {
            put('>');
            m_startTagOpen = false;
        }
    }
    void putEscaped(QStringView value);
    void flushBuffer();

    QIODevice* m_device;
    std::unique_ptr<char[]> m_buffer;
    size_t m_length = 0;
    int m_depth = 0;
    bool m_startTagOpen = false;
    bool m_hasChildren = false; // the innermost open element has child elements
    bool m_first = true;
    bool m_error = false;
    QString m_errorString;
};

} // namespace pellor

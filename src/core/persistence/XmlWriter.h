#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringView>

namespace pellor {

// A small, fast, indenting UTF-8 XML writer into a buffered device: one element per line,
// a tab per level, CR LF line ends. Text and attribute values are escaped (& < > " and CR);
// characters XML cannot carry at all (most control characters, unpaired surrogates) are
// left out, so the output can always be read back.
class XmlWriter {
public:
    explicit XmlWriter(QIODevice* device);
    ~XmlWriter();

    void writeRaw(const char* text, qsizetype length);
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
    void closeStartTag();
    void put(char c) {
        if (m_buffer.size() >= kFlushSize)
            flushBuffer();
        m_buffer.append(c);
    }
    void put(const char* s, qsizetype n);
    void putEscaped(QStringView value);
    void newline(int depth);
    void flushBuffer();

    static constexpr qsizetype kFlushSize = 256 * 1024;

    QIODevice* m_device;
    QByteArray m_buffer;
    int m_depth = 0;
    bool m_startTagOpen = false;
    bool m_hasChildren = false; // the innermost open element has child elements
    bool m_first = true;
    bool m_error = false;
    QString m_errorString;
};

} // namespace pellor

#pragma once

#include "core/model/SerialObject.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

class QIODevice;
struct _xmlParserCtxt;

namespace pellor {

class clsNodesSerializer;
class SerializerEvents;

// Rebuilds an object graph from serializer XML, driven by a streaming (SAX) parser: element
// starts create or find objects, texts set properties by name, element ends return to the
// enclosing object (libxml2's SAX interface: about twice as fast here as the alternatives
// measured). The document is fed in pieces, so a large file is never held whole.
class ObjectGraphReader {
public:
    // Deeper nesting or longer element texts than these end the reading as failed.
    static constexpr int kMaxDepth = 256;
    static constexpr qsizetype kMaxTextBytes = 4 * 1024 * 1024;

    ObjectGraphReader(const clsNodesSerializer& settings, SerializerEvents* events, QString source);
    ~ObjectGraphReader();
    ObjectGraphReader(const ObjectGraphReader&) = delete;
    ObjectGraphReader& operator=(const ObjectGraphReader&) = delete;

    // Starts a reading with the given targets (either may be empty).
    void begin(ObjectRef targetObject, ObjectRef targetNodes);
    // Feeds the next piece of UTF-8 text; isFinal marks the last one. False once the reading
    // has failed.
    bool feed(const char* data, qsizetype length, bool isFinal);
    // Reads the device to its end straight into the parser's buffer.
    bool feed(QIODevice& device);
    // Ends the reading as failed with the given reason (the owner may call it from an event).
    void abort(const QString& why);

    bool failed() const { return m_aborted; }
    QString errorString() const { return m_error; }

private:
    struct Frame {
        ObjectRef object;
        int startDepth;
        size_t nextMember = 0; // member expected next, by table position
    };

    using XmlChar = unsigned char;
    static void onStart(void* self, const XmlChar* name, const XmlChar** atts);
    static void onEnd(void* self, const XmlChar* name);
    static void onText(void* self, const XmlChar* text, int len);
    static void onDoctype(void* self, const XmlChar*, const XmlChar*, const XmlChar*);
    static void onEntityDecl(void* self, const XmlChar*, int, const XmlChar*, const XmlChar*,
                             XmlChar*);
    static void onDiagnostic(void* self, const char* format, ...);

    bool parseChunk(const char* data, int length, bool isFinal);
    void freeParser();
    void startElement(const char* name, const char* const* atts);
    void endElement(const char* name);
    void flushText();
    void applyText(const std::string& utf8);
    const MemberInfo* memberOf(Frame& frame, std::string_view name);
    ObjectRef dependentObject(const char* name, const QString& indexText);
    void push(ObjectRef object);
    void setCurrentType(const SerialObject* object);
    void fail(const QString& what);

    const clsNodesSerializer& m_settings;
    SerializerEvents* m_events;
    QString m_source;
    _xmlParserCtxt* m_parser = nullptr;

    std::vector<Frame> m_stack;
    std::string m_currentType; // type name of the current object, UTF-8
    std::string m_element;     // name of the element being read; empty when none is open
    int m_depth = 0;
    int m_textPieces = 0;
    int m_vt = 0;
    std::string m_pendingText; // keeps its capacity from element to element
    bool m_aborted = false;
    QString m_error;
};

} // namespace pellor

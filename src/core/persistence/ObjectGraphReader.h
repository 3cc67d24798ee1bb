#pragma once

#include "core/model/SerialObject.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

struct XML_ParserStruct;

namespace pellor {

class clsNodesSerializer;
class SerializerEvents;

// Rebuilds an object graph from serializer XML, driven by a streaming (SAX) parser: element
// starts create or find objects, texts set properties by name, element ends return to the
// enclosing object. The document is fed in pieces, so a large file is never held whole.
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
    // Ends the reading as failed with the given reason (the owner may call it from an event).
    void abort(const QString& why);

    bool failed() const { return m_aborted; }
    QString errorString() const { return m_error; }

private:
    struct Frame {
        ObjectRef object;
        int startDepth;
    };

    static void onStart(void* self, const char* name, const char** atts);
    static void onEnd(void* self, const char* name);
    static void onText(void* self, const char* s, int len);
    static void onEntityDecl(void* self, const char*, int, const char*, int, const char*, const char*,
                             const char*, const char*);

    void startElement(const char* name, const char** atts);
    void endElement(const char* name);
    void flushText();
    void applyText(const QByteArray& utf8);
    ObjectRef dependentObject(const char* name, const QString& indexText);
    void push(ObjectRef object);
    void setCurrentType(const SerialObject* object);
    void fail(const QString& what);

    const clsNodesSerializer& m_settings;
    SerializerEvents* m_events;
    QString m_source;
    XML_ParserStruct* m_parser = nullptr;

    std::vector<Frame> m_stack;
    std::string m_currentType; // type name of the current object, UTF-8
    std::string m_element;     // name of the element being read; empty when none is open
    int m_depth = 0;
    int m_textPieces = 0;
    int m_vt = 0;
    QByteArray m_pendingText;
    bool m_aborted = false;
    QString m_error;
};

} // namespace pellor

#include "core/persistence/ObjectGraphReader.h"

#include "core/model/NodeTree.h"
#include "core/model/ObjectCollection.h"
#include "core/persistence/SerializerEvents.h"
#include "core/persistence/clsNodesSerializer.h"
#include "core/platform/NumberText.h"

#include <QIODevice>
#include <cstring>
#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

namespace pellor {

namespace {

// Line ends of a text become CR LF, whatever mix they arrived in.
QString normalisedLineEnds(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

bool hasLineEnd(const std::string& utf8) {
    return utf8.find_first_of("\r\n") != std::string::npos;
}

bool isBlank(const std::string& utf8) {
    for (char c : utf8)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return false;
    return true;
}

} // namespace

ObjectGraphReader::ObjectGraphReader(const clsNodesSerializer& settings, SerializerEvents* events,
                                     QString source)
    : m_settings(settings), m_events(events), m_source(std::move(source)) {}

ObjectGraphReader::~ObjectGraphReader() {
    freeParser();
}

void ObjectGraphReader::freeParser() {
    if (m_parser)
        xmlFreeParserCtxt(m_parser);
    m_parser = nullptr;
}

void ObjectGraphReader::begin(ObjectRef targetObject, ObjectRef targetNodes) {
    m_stack.clear();
    m_depth = 0;
    m_aborted = false;
    m_error.clear();
    m_element.clear();
    m_pendingText.clear();
    if (targetNodes)
        m_stack.push_back({std::move(targetNodes), 0});
    setCurrentType(targetObject.get());
    m_stack.push_back({std::move(targetObject), 1});

    freeParser();
    xmlInitParser();
    static xmlSAXHandler handler = [] {
        xmlSAXHandler h;
        std::memset(&h, 0, sizeof h);
        h.startElement = &ObjectGraphReader::onStart;
        h.endElement = &ObjectGraphReader::onEnd;
        h.characters = &ObjectGraphReader::onText;
        h.cdataBlock = &ObjectGraphReader::onText;
        h.ignorableWhitespace = &ObjectGraphReader::onText;
        h.internalSubset = &ObjectGraphReader::onDoctype;
        h.entityDecl = &ObjectGraphReader::onEntityDecl;
        h.warning = &ObjectGraphReader::onDiagnostic;
        h.error = &ObjectGraphReader::onDiagnostic;
        h.fatalError = &ObjectGraphReader::onDiagnostic;
        return h;
    }();
    const QByteArray source = m_source.toUtf8();
    m_parser = xmlCreatePushParserCtxt(&handler, this, nullptr, 0, source.constData());
    if (!m_parser) {
        fail(QStringLiteral("the XML parser cannot be created"));
        return;
    }
    // The text always arrives as UTF-8, whatever the declaration says; nothing is fetched
    // from outside and no entity is expanded.
    xmlCtxtUseOptions(m_parser, XML_PARSE_NONET | XML_PARSE_IGNORE_ENC | XML_PARSE_NOCDATA);
    xmlSwitchEncoding(m_parser, XML_CHAR_ENCODING_UTF8);
}

bool ObjectGraphReader::parseChunk(const char* data, int length, bool isFinal) {
    const int rc = xmlParseChunk(m_parser, data, length, isFinal ? 1 : 0);
    if (m_aborted)
        return false;
    if (rc != 0 || !m_parser->wellFormed) {
        const xmlError* e = xmlCtxtGetLastError(m_parser);
        fail(e && e->message ? QString::fromUtf8(e->message).trimmed()
                             : QStringLiteral("the XML is not well-formed"));
        return false;
    }
    return true;
}

bool ObjectGraphReader::feed(const char* data, qsizetype length, bool isFinal) {
    if (!m_parser || m_aborted)
        return false;
    constexpr qsizetype kPiece = 1 << 20;
    do {
        const qsizetype n = std::min(length, kPiece);
        if (!parseChunk(data, int(n), isFinal && n == length))
            return false;
        data += n;
        length -= n;
    } while (length > 0);
    return !m_aborted;
}

bool ObjectGraphReader::feed(QIODevice& device) {
    constexpr qint64 kPiece = 1 << 20;
    QByteArray buffer(kPiece, Qt::Uninitialized);
    while (m_parser && !m_aborted) {
        const qint64 n = device.read(buffer.data(), kPiece);
        if (n < 0) {
            fail(QStringLiteral("read error: %1").arg(device.errorString()));
            break;
        }
        if (!parseChunk(buffer.constData(), int(n), n == 0) || n == 0)
            break;
    }
    return !m_aborted;
}

void ObjectGraphReader::fail(const QString& what) {
    if (m_aborted)
        return;
    m_aborted = true;
    const int line = m_parser ? xmlSAX2GetLineNumber(m_parser) : 0;
    m_error = QStringLiteral("%1:%2: %3").arg(m_source).arg(line).arg(what);
    if (m_parser)
        xmlStopParser(m_parser);
}

void ObjectGraphReader::abort(const QString& why) {
    fail(why);
}

void ObjectGraphReader::onStart(void* self, const xmlChar* name, const xmlChar** atts) {
    static const char* const none[] = {nullptr};
    static_cast<ObjectGraphReader*>(self)->startElement(
        reinterpret_cast<const char*>(name), atts ? reinterpret_cast<const char**>(atts) : none);
}

void ObjectGraphReader::onEnd(void* self, const xmlChar* name) {
    static_cast<ObjectGraphReader*>(self)->endElement(reinterpret_cast<const char*>(name));
}

void ObjectGraphReader::onText(void* self, const xmlChar* text, int len) {
    auto* r = static_cast<ObjectGraphReader*>(self);
    // Text outside a property element is ignored anyway; don't collect it.
    if (r->m_aborted || r->m_element.empty() || r->m_element == r->m_currentType)
        return;
    if (r->m_pendingText.size() + size_t(len) > size_t(kMaxTextBytes)) {
        r->fail(QStringLiteral("the text of <%1> is longer than %2 bytes")
                    .arg(QString::fromStdString(r->m_element))
                    .arg(kMaxTextBytes));
        return;
    }
    r->m_pendingText.append(reinterpret_cast<const char*>(text), size_t(len));
}

void ObjectGraphReader::onDoctype(void* self, const xmlChar*, const xmlChar*, const xmlChar*) {
    static_cast<ObjectGraphReader*>(self)->fail(
        QStringLiteral("document type declarations are not accepted"));
}

void ObjectGraphReader::onEntityDecl(void* self, const xmlChar*, int, const xmlChar*,
                                     const xmlChar*, xmlChar*) {
    static_cast<ObjectGraphReader*>(self)->fail(
        QStringLiteral("entity declarations are not accepted"));
}

void ObjectGraphReader::onDiagnostic(void*, const char*, ...) {
    // Errors are taken from the parser's last error once it returns; nothing is printed.
}

void ObjectGraphReader::setCurrentType(const SerialObject* object) {
    m_currentType = object ? object->classInfo().typeNameUtf8() : "";
}

void ObjectGraphReader::push(ObjectRef object) {
    setCurrentType(object.get());
    m_stack.push_back({std::move(object), m_depth});
}

void ObjectGraphReader::startElement(const char* name, const char* const* atts) {
    flushText();
    if (m_aborted)
        return;
    if (++m_depth > kMaxDepth) {
        fail(QStringLiteral("elements are nested deeper than %1 levels").arg(kMaxDepth));
        return;
    }
    m_textPieces = 0;
    m_vt = 0;
    const std::string_view elementName(name);
    m_element.assign(elementName);
    if (elementName.find("INode") != std::string_view::npos)
        m_currentType.clear(); // nested node elements are never the current object's own element

    bool isObject = false;
    QString type, nodeName, indexText;
    const char* property = nullptr;
    for (const char* const* a = atts; a[0]; a += 2) {
        const char* key = a[0];
        const char* value = a[1];
        if (std::strcmp(key, "Object") == 0)
            isObject = std::strcmp(value, "True") == 0;
        else if (std::strcmp(key, "Type") == 0)
            type = QString::fromUtf8(value);
        else if (std::strcmp(key, "Name") == 0)
            nodeName = QString::fromUtf8(value);
        else if (std::strcmp(key, "Index") == 0)
            indexText = QString::fromUtf8(value);
        else if (std::strcmp(key, "Property") == 0)
            property = value;
        else if (std::strcmp(key, "VT") == 0)
            m_vt = std::strcmp(value, "8") == 0 ? 8
                                                : qint32(NumberText::val(QString::fromUtf8(value)));
        // "Parent" and any other attribute are ignored
    }

    ObjectRef current = m_stack.empty() ? ObjectRef() : m_stack.back().object;
    if (m_depth == 1 && !current && !m_stack.empty()) {
        ObjectRef target =
            m_events ? m_events->RequestTargetNode(name, type, nodeName) : ObjectRef();
        if (!target) {
            fail(QStringLiteral("the root element <%1> is not accepted here")
                     .arg(QString::fromUtf8(name)));
            return;
        }
        m_stack.back().object = target;
        setCurrentType(target.get());
        current = target;
    }

    if (!isObject || m_currentType == elementName)
        return; // a property element, or the current object's own element

    ObjectRef object;
    if (m_depth >= 2 && (NumberText::isNumeric(indexText) || !type.isEmpty())) {
        object = dependentObject(name, indexText);
    } else if (!property) {
        Variant v;
        if (current && current->getProperty(name, v))
            object = v.toObject();
    } else {
        object = m_events ? m_events->CreateObjectByName(name) : ObjectRef();
        if (m_aborted)
            return;
        if (!object) {
            Variant v;
            if (current && current->getProperty(property, v))
                object = v.toObject();
        } else if (current) {
            Variant v(object);
            bool commit = true;
            if (m_events)
                m_events->SetProperty(*current, property, v, commit);
            if (commit)
                current->setProperty(property, v); // a refused assignment is skipped
        }
    }
    if (object)
        push(std::move(object));
    // Without an object, the element's content applies to the current object.
}

ObjectRef ObjectGraphReader::dependentObject(const char* name, const QString& indexText) {
    ObjectRef current = m_stack.empty() ? ObjectRef() : m_stack.back().object;
    if (!current)
        return {};
    switch (current->objectKind()) {
    case ObjectKind::NodeCollection:
        return static_cast<NodeTree&>(*current).add(nullptr);
    case ObjectKind::Node: {
        auto& node = static_cast<TreeNode&>(*current);
        return node.tree() ? node.tree()->add(&node) : ObjectRef();
    }
    case ObjectKind::Collection: {
        ObjectRef o = m_events ? m_events->CreateObjectByName(name) : ObjectRef();
        if (o)
            static_cast<ObjectCollection&>(*current).add(o);
        return o;
    }
    case ObjectKind::Plain:
        break;
    }
    const qint32 index = NumberText::toLong(NumberText::parse(indexText).value_or(0)).value_or(0);
    Variant result;
    if (current->invoke(m_settings.CollectionItemMethod().toStdString(), {Variant(index)}, result))
        return result.toObject();
    if (current->invoke(m_settings.CollectionAddMethod().toStdString(), {}, result))
        return result.toObject();
    if (current->invoke(m_settings.CollectionAddNewMethod().toStdString(), {}, result))
        return result.toObject();
    return {};
}

void ObjectGraphReader::endElement(const char* name) {
    flushText();
    if (m_aborted)
        return;
    m_element.clear();
    if (!m_stack.empty() && m_depth == m_stack.back().startDepth && m_currentType == name) {
        m_stack.pop_back();
        if (!m_stack.empty()) {
            setCurrentType(m_stack.back().object.get());
            m_stack.back().startDepth = m_depth - 1;
        }
    }
    --m_depth;
}

void ObjectGraphReader::flushText() {
    if (m_pendingText.empty())
        return;
    if (!m_aborted && !isBlank(m_pendingText))
        applyText(m_pendingText);
    m_pendingText.clear();
    ++m_textPieces;
}

const MemberInfo* ObjectGraphReader::memberOf(Frame& frame, std::string_view name) {
    // Documents list members in table order, so the member after the last one found is
    // almost always the next one asked for.
    const auto& members = frame.object->classInfo().members();
    const MemberInfo* m = nullptr;
    if (frame.nextMember < members.size() && name == members[frame.nextMember].nameView)
        m = &members[frame.nextMember];
    else
        m = frame.object->classInfo().find(name);
    if (m)
        frame.nextMember = size_t(m - members.data()) + 1;
    return m;
}

void ObjectGraphReader::applyText(const std::string& utf8) {
    if (m_stack.empty() || !m_stack.back().object)
        return;
    Frame& frame = m_stack.back();
    SerialObject& current = *frame.object;
    const std::string_view name = m_element;
    const bool lineEnds = hasLineEnd(utf8);
    const bool ownerLooks = m_events && m_events->inspectsPropertyValue(current, name);

    Variant value;
    if (!ownerLooks && !lineEnds && m_textPieces == 0 && m_vt != 8) {
        // Nobody looks at the text first: convert it straight from the bytes.
        static const QString trueText = QStringLiteral("True");
        static const QString falseText = QStringLiteral("False");
        if (const auto number = NumberText::parseUtf8(utf8))
            value = *number;
        else if (utf8 == "True")
            value = trueText;
        else if (utf8 == "False")
            value = falseText;
        else
            value = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    } else {
        QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
        if (lineEnds)
            text = normalisedLineEnds(std::move(text));
        if (m_textPieces > 0) {
            // A later piece of the same element continues the value set so far.
            Variant sofar;
            if (current.getProperty(name, sofar)) {
                if (m_events)
                    m_events->GetProperty(current, name, sofar);
                text = normalisedLineEnds(sofar.text() + text);
            }
        }
        value = std::move(text);
        bool done = false;
        if (ownerLooks)
            m_events->LetPropertyValue(current, name, value, done);
        if (!done && m_vt != 8) {
            if (const QString* s = value.stringPtr()) {
                if (const auto number = NumberText::parse(*s))
                    value = *number;
            }
        }
    }
    bool commit = true;
    if (m_events)
        m_events->LetProperty(current, name, value, commit);
    if (commit) {
        // A property that cannot be set (none of that name, read-only, wrong type) is skipped.
        const MemberInfo* m = memberOf(frame, name);
        if (m && m->kind == MemberKind::Property && !m->readOnly && m->set)
            m->set(current, value);
    }
}

} // namespace pellor

#include "core/persistence/ObjectGraphReader.h"

#include "core/model/NodeTree.h"
#include "core/model/ObjectCollection.h"
#include "core/persistence/SerializerEvents.h"
#include "core/persistence/clsNodesSerializer.h"
#include "core/platform/NumberText.h"

#include <cstring>
#include <expat.h>

namespace pellor {

namespace {

// Line ends of a text become CR LF, whatever mix they arrived in.
QString normalisedLineEnds(QString text) {
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

bool isBlank(const QByteArray& utf8) {
    for (char c : utf8)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return false;
    return true;
}

} // namespace

ObjectGraphReader::ObjectGraphReader(const clsNodesSerializer& settings, SerializerEvents* events, QString source)
    : m_settings(settings), m_events(events), m_source(std::move(source)) {}

ObjectGraphReader::~ObjectGraphReader() {
    if (m_parser)
        XML_ParserFree(m_parser);
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

    if (m_parser)
        XML_ParserFree(m_parser);
    // The text always arrives as UTF-8, whatever the declaration says.
    m_parser = XML_ParserCreate("UTF-8");
    XML_SetUserData(m_parser, this);
    XML_SetElementHandler(m_parser, &ObjectGraphReader::onStart, &ObjectGraphReader::onEnd);
    XML_SetCharacterDataHandler(m_parser, &ObjectGraphReader::onText);
    XML_SetEntityDeclHandler(m_parser, &ObjectGraphReader::onEntityDecl);
}

bool ObjectGraphReader::feed(const char* data, qsizetype length, bool isFinal) {
    if (!m_parser || m_aborted)
        return false;
    constexpr qsizetype kPiece = 1 << 20;
    do {
        const qsizetype n = std::min(length, kPiece);
        const bool last = isFinal && n == length;
        if (XML_Parse(m_parser, data, int(n), last) == XML_STATUS_ERROR) {
            if (!m_aborted)
                fail(QString::fromUtf8(XML_ErrorString(XML_GetErrorCode(m_parser))));
            return false;
        }
        data += n;
        length -= n;
    } while (length > 0);
    return !m_aborted;
}

void ObjectGraphReader::fail(const QString& what) {
    if (m_aborted)
        return;
    m_aborted = true;
    const auto line = m_parser ? XML_GetCurrentLineNumber(m_parser) : 0;
    m_error = QStringLiteral("%1:%2: %3").arg(m_source).arg(line).arg(what);
    if (m_parser)
        XML_StopParser(m_parser, XML_FALSE);
}

void ObjectGraphReader::abort(const QString& why) {
    fail(why);
}

void ObjectGraphReader::onStart(void* self, const char* name, const char** atts) {
    static_cast<ObjectGraphReader*>(self)->startElement(name, atts);
}

void ObjectGraphReader::onEnd(void* self, const char* name) {
    static_cast<ObjectGraphReader*>(self)->endElement(name);
}

void ObjectGraphReader::onText(void* self, const char* s, int len) {
    auto* r = static_cast<ObjectGraphReader*>(self);
    // Text outside a property element is ignored anyway; don't collect it.
    if (r->m_aborted || r->m_element.empty() || r->m_element == r->m_currentType)
        return;
    if (r->m_pendingText.size() + len > kMaxTextBytes) {
        r->fail(QStringLiteral("the text of <%1> is longer than %2 bytes")
                    .arg(QString::fromStdString(r->m_element))
                    .arg(kMaxTextBytes));
        return;
    }
    r->m_pendingText.append(s, len);
}

void ObjectGraphReader::onEntityDecl(void* self, const char*, int, const char*, int, const char*, const char*,
                                     const char*, const char*) {
    static_cast<ObjectGraphReader*>(self)->fail(QStringLiteral("entity declarations are not accepted"));
}

void ObjectGraphReader::setCurrentType(const SerialObject* object) {
    m_currentType = object ? object->classInfo().typeNameUtf8() : "";
}

void ObjectGraphReader::push(ObjectRef object) {
    setCurrentType(object.get());
    m_stack.push_back({std::move(object), m_depth});
}

void ObjectGraphReader::startElement(const char* name, const char** atts) {
    flushText();
    if (m_aborted)
        return;
    if (++m_depth > kMaxDepth) {
        fail(QStringLiteral("elements are nested deeper than %1 levels").arg(kMaxDepth));
        return;
    }
    m_textPieces = 0;
    m_vt = 0;
    m_element = name;
    if (std::strstr(name, "INode"))
        m_currentType.clear(); // nested node elements are never the current object's own element

    bool isObject = false;
    QString type, nodeName, indexText;
    const char* property = nullptr;
    for (const char** a = atts; a[0]; a += 2) {
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
            m_vt = qint32(NumberText::val(QString::fromUtf8(value)));
        // "Parent" and any other attribute are ignored
    }

    ObjectRef current = m_stack.empty() ? ObjectRef() : m_stack.back().object;
    if (m_depth == 1 && !current && !m_stack.empty()) {
        ObjectRef target = m_events ? m_events->RequestTargetNode(name, type, nodeName) : ObjectRef();
        if (!target) {
            fail(QStringLiteral("the root element <%1> is not accepted here").arg(QString::fromUtf8(name)));
            return;
        }
        m_stack.back().object = target;
        setCurrentType(target.get());
        current = target;
    }

    if (m_currentType == name || !isObject)
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
    if (m_currentType == name && !m_stack.empty() && m_depth == m_stack.back().startDepth) {
        m_stack.pop_back();
        if (!m_stack.empty()) {
            setCurrentType(m_stack.back().object.get());
            m_stack.back().startDepth = m_depth - 1;
        }
    }
    --m_depth;
}

void ObjectGraphReader::flushText() {
    if (m_pendingText.isEmpty())
        return;
    const QByteArray text = std::move(m_pendingText);
    m_pendingText.clear();
    if (!m_aborted && !isBlank(text))
        applyText(text);
    ++m_textPieces;
}

void ObjectGraphReader::applyText(const QByteArray& utf8) {
    const ObjectRef current = m_stack.empty() ? ObjectRef() : m_stack.back().object;
    if (!current)
        return;
    const std::string_view name = m_element;
    QString text = normalisedLineEnds(QString::fromUtf8(utf8));
    if (m_textPieces > 0) {
        // A later piece of the same element continues the value set so far.
        Variant sofar;
        if (current->getProperty(name, sofar)) {
            if (m_events)
                m_events->GetProperty(*current, name, sofar);
            text = normalisedLineEnds(sofar.text() + text);
        }
    }
    Variant value(std::move(text));
    bool done = false;
    if (m_events)
        m_events->LetPropertyValue(*current, name, value, done);
    if (!done && m_vt != 8) {
        if (const QString* s = value.stringPtr()) {
            if (const auto number = NumberText::parse(*s))
                value = *number;
        }
    }
    bool commit = true;
    if (m_events)
        m_events->LetProperty(*current, name, value, commit);
    if (commit)
        current->setProperty(name, value); // a property that cannot be set is skipped
}

} // namespace pellor

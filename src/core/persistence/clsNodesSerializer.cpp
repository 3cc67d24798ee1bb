#include "core/persistence/clsNodesSerializer.h"

#include "core/model/NodeTree.h"
#include "core/persistence/DocumentEncoding.h"
#include "core/persistence/ObjectGraphReader.h"
#include "core/persistence/SerializerEvents.h"
#include "core/persistence/XmlWriter.h"
#include "core/platform/NumberText.h"
#include "core/platform/SafeFile.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <cstring>

namespace pellor {

struct clsNodesSerializer::MemberFlags {
    bool ignored = false;
    bool objectList = false;
    bool enumerates = false;
};

namespace {

const char kDefaultIgnoreList[] =
    "_ObjectDefault;Index;Root;Parent;Child;Children;Next;FirstSibling;LastSibling;FullPath;";

std::unordered_set<std::string> splitList(const QString& list) {
    std::unordered_set<std::string> names;
    for (const QString& part : list.split(u';', Qt::SkipEmptyParts))
        names.insert(part.toStdString());
    return names;
}

bool isEnumeratorName(const char* name) {
    return qstricmp(name, "NewEnum") == 0 || qstricmp(name, "_NewEnum") == 0;
}

} // namespace

clsNodesSerializer::clsNodesSerializer(SerializerEvents* owner) : m_owner(owner) {
    setIgnoreList(QString::fromLatin1(kDefaultIgnoreList));
    setObjectList(QStringLiteral("Tag"));
}

clsNodesSerializer::~clsNodesSerializer() = default;

void clsNodesSerializer::setIgnoreList(const QString& list) {
    m_ignoreList = QString(list).remove(u' ');
    m_ignoreNames = splitList(m_ignoreList);
    m_flagCache.clear();
}

void clsNodesSerializer::setObjectList(const QString& list) {
    m_objectList = QString(list).remove(u' ');
    m_objectNames = splitList(m_objectList);
    m_flagCache.clear();
}

void clsNodesSerializer::AddIgnoreObject(const SerialObject* oObj) {
    if (oObj)
        m_ignoreObjects.insert(oObj);
}

void clsNodesSerializer::ClearIgnoreObject() {
    m_ignoreObjects.clear();
}

QString clsNodesSerializer::encodingName() const {
    if (!Unicode)
        return QStringLiteral("Shift_JIS");
    return UTF8 ? QStringLiteral("UTF-8") : QStringLiteral("UTF-16");
}

bool clsNodesSerializer::setError(const QString& e) {
    m_error = e;
    return false;
}

// ---- writing ----

const std::vector<clsNodesSerializer::MemberFlags>&
clsNodesSerializer::flagsFor(const ClassInfo& info) {
    if (auto it = m_flagCache.find(&info); it != m_flagCache.end())
        return it->second;
    std::vector<MemberFlags> flags;
    flags.reserve(info.members().size());
    for (const MemberInfo& m : info.members()) {
        MemberFlags f;
        f.ignored = m_ignoreNames.count(m.name) > 0;
        f.objectList = m_objectNames.count(m.name) > 0;
        f.enumerates = m.kind == MemberKind::Enumerator && isEnumeratorName(m.name);
        flags.push_back(f);
    }
    return m_flagCache.emplace(&info, std::move(flags)).first->second;
}

void clsNodesSerializer::writeProperty(XmlWriter& w, const MemberInfo& m, const Variant& value) {
    w.startElement(m.name);
    if (m.type == MemberType::String)
        w.attributeAscii("VT", "8", 1);
    char buf[32];
    switch (value.type()) {
    case VbType::Empty:
    case VbType::Object:
        break;
    case VbType::String:
        if (const QString* s = value.stringPtr(); s && !s->isEmpty())
            w.text(*s);
        break;
    case VbType::Boolean:
        if (*value.get<bool>())
            w.textAscii("True", 4);
        else
            w.textAscii("False", 5);
        break;
    case VbType::Integer: {
        const int n = std::snprintf(buf, sizeof buf, "%d", int(*value.get<qint16>()));
        w.textAscii(buf, n);
        break;
    }
    case VbType::Long: {
        const int n = std::snprintf(buf, sizeof buf, "%d", int(*value.get<qint32>()));
        w.textAscii(buf, n);
        break;
    }
    case VbType::Single:
        w.textAscii(buf, NumberText::formatSingle(*value.get<float>(), buf));
        break;
    case VbType::Double:
        w.textAscii(buf, NumberText::formatDouble(*value.get<double>(), buf));
        break;
    }
    w.endElement(m.name);
}

void clsNodesSerializer::writeMembers(XmlWriter& w, const SerialObject& obj) {
    const ClassInfo& info = obj.classInfo();
    const auto& flags = flagsFor(info);
    const auto& members = info.members();
    for (size_t i = 0; i < members.size(); ++i) {
        const MemberInfo& m = members[i];
        if (flags[i].enumerates) {
            qint32 index = 1;
            for (const ObjectRef& o : m.enumerate(obj)) {
                if (o)
                    writeObject(w, *o, index, nullptr);
                ++index;
            }
            continue;
        }
        if (m.kind != MemberKind::Property || !m.get || flags[i].ignored)
            continue;
        Variant value = m.get(obj);
        if (flags[i].objectList || value.isObject()) {
            // Objects are written nested; an empty reference is not written at all.
            if (const ObjectRef o = value.toObject())
                writeObject(w, *o, 0, m.name);
            continue;
        }
        if (m_owner)
            m_owner->GetProperty(obj, m.name, value);
        if (value.isObject())
            continue;
        writeProperty(w, m, value);
    }
}

void clsNodesSerializer::writeNodeChain(XmlWriter& w, const TreeNode* first, qint32 index) {
    writeObject(w, *first, index, nullptr);
    if (index > 0)
        for (const TreeNode* n = first->next(); n; n = n->next())
            writeObject(w, *n, index, nullptr);
}

void clsNodesSerializer::writeObject(XmlWriter& w, const SerialObject& obj, qint32 index,
                                     const char* propertyName) {
    if (m_ignoreObjects.count(&obj))
        return;
    const ClassInfo& info = obj.classInfo();
    const ObjectKind kind = obj.objectKind();
    w.startElement(info.typeNameUtf8());
    w.attributeAscii("Object", "True", 4);
    if (kind == ObjectKind::Node) {
        const auto& node = static_cast<const TreeNode&>(obj);
        static const QString empty = QStringLiteral("Empty");
        w.attribute("Type", node.tag() ? node.tag()->typeName() : empty);
        w.attribute("Name", node.text());
    } else {
        if (index >= 1) {
            char buf[16];
            w.attributeAscii("Index", buf, std::snprintf(buf, sizeof buf, "%d", int(index)));
        }
        if (propertyName)
            w.attributeAscii("Property", propertyName, qsizetype(std::strlen(propertyName)));
    }
    if (kind == ObjectKind::NodeCollection) {
        const auto& tree = static_cast<const NodeTree&>(obj);
        if (tree.Count() > 0)
            writeNodeChain(w, tree.firstNode(), 1);
    } else {
        writeMembers(w, obj);
    }
    if (kind == ObjectKind::Node) {
        if (const TreeNode* child = static_cast<const TreeNode&>(obj).firstChild())
            writeNodeChain(w, child, index + 1);
    }
    w.endElement(info.typeNameUtf8());
}

bool clsNodesSerializer::writeDocument(const SerialObject& source, QIODevice* device,
                                       const QString& encoding) {
    XmlWriter w(device);
    const QByteArray declaration =
        "<?xml version=\"1.0\" encoding=\"" + encoding.toLatin1() + "\"?>\r\n";
    w.writeRaw(declaration.constData(), declaration.size());
    writeObject(w, source, 0, nullptr);
    if (!w.flush())
        return setError(w.errorString());
    return true;
}

bool clsNodesSerializer::Serialize(const SerialObject& SourceObject, QString& sXML) {
    m_error.clear();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeDocument(SourceObject, &buffer, encodingName()))
        return false;
    sXML = QString::fromUtf8(bytes);
    return true;
}

bool clsNodesSerializer::SerializeFile(const SerialObject& SourceObject, const QString& sXMLFile) {
    m_error.clear();
    QSaveFile file(sXMLFile);
    if (!file.open(QIODevice::WriteOnly))
        return setError(
            QStringLiteral("%1: cannot be written: %2").arg(sXMLFile, file.errorString()));
    if (UTF8) {
        // The bytes are UTF-8, so the declaration says so.
        if (!writeDocument(SourceObject, &file, QStringLiteral("UTF-8")))
            return setError(QStringLiteral("%1: %2").arg(sXMLFile, m_error));
    } else {
        QString text;
        if (!Serialize(SourceObject, text))
            return false;
        const auto encoded = DocumentEncoding::fromUnicode(text, Unicode ? "UTF-16LE" : "System");
        if (!encoded)
            return setError(QStringLiteral("%1: the text cannot be encoded").arg(sXMLFile));
        const QByteArray bytes =
            Unicode ? QByteArray("\xFF\xFE", 2) + *encoded : *encoded + QByteArray("\r\n");
        if (file.write(bytes) != bytes.size())
            return setError(
                QStringLiteral("%1: cannot be written: %2").arg(sXMLFile, file.errorString()));
    }
    QString why;
    if (!SafeFile::commit(file, &why))
        return setError(QStringLiteral("%1: cannot be written: %2").arg(sXMLFile, why));
    return true;
}

// ---- reading ----

bool clsNodesSerializer::readUtf8Bytes(const QByteArray& utf8, ObjectRef target, ObjectRef nodes,
                                       const QString& source) {
    ObjectGraphReader reader(*this, m_owner, source);
    m_reader = &reader;
    reader.begin(std::move(target), std::move(nodes));
    const bool ok = reader.feed(utf8.constData(), utf8.size(), true);
    m_reader = nullptr;
    return ok ? true : setError(reader.errorString());
}

bool clsNodesSerializer::readUtf8Device(QIODevice& file, ObjectRef target, ObjectRef nodes,
                                        const QString& source) {
    ObjectGraphReader reader(*this, m_owner, source);
    m_reader = &reader;
    reader.begin(std::move(target), std::move(nodes));
    const bool ok = reader.feed(file);
    m_reader = nullptr;
    return ok ? true : setError(reader.errorString());
}

bool clsNodesSerializer::Deserialize(ObjectRef TargetObject, const QString& sXML,
                                     ObjectRef TargetNodes) {
    m_error.clear();
    return readUtf8Bytes(sXML.toUtf8(), std::move(TargetObject), std::move(TargetNodes),
                         QStringLiteral("XML text"));
}

bool clsNodesSerializer::DeserializeFile(ObjectRef TargetObject, const QString& sXMLFile,
                                         ObjectRef TargetNodes) {
    m_error.clear();
    QFile file(sXMLFile);
    if (!file.open(QIODevice::ReadOnly))
        return setError(
            QStringLiteral("%1: cannot be opened: %2").arg(sXMLFile, file.errorString()));

    if (UTF8) {
        const QByteArray head = file.peek(102);
        const QString declared = DocumentEncoding::declaredEncoding(head);
        if (declared.compare(u"utf-8", Qt::CaseInsensitive) == 0)
            return readUtf8Device(file, std::move(TargetObject), std::move(TargetNodes), sXMLFile);
        if (declared.compare(u"shift_jis", Qt::CaseInsensitive) == 0) {
            const auto utf8 = DocumentEncoding::toUtf8(file.readAll(), "Shift_JIS");
            if (!utf8)
                return setError(
                    QStringLiteral("%1: the text is not valid Shift_JIS").arg(sXMLFile));
            return readUtf8Bytes(*utf8, std::move(TargetObject), std::move(TargetNodes), sXMLFile);
        }
        if (declared.isEmpty())
            return setError(
                QStringLiteral("%1: the file does not start with an XML declaration naming its "
                               "encoding")
                    .arg(sXMLFile));
        return setError(
            QStringLiteral("%1: the encoding \"%2\" is not supported (UTF-8 or Shift_JIS)")
                .arg(sXMLFile, declared));
    }

    const QByteArray bytes = file.readAll();
    std::optional<QByteArray> utf8;
    if (Unicode) {
        if (!bytes.startsWith("\xFF\xFE"))
            return setError(
                QStringLiteral("%1: the file does not start with the UTF-16 byte-order mark FF FE")
                    .arg(sXMLFile));
        utf8 = DocumentEncoding::toUtf8(bytes.mid(2), "UTF-16LE");
    } else {
        utf8 = DocumentEncoding::toUtf8(bytes, "System");
    }
    if (!utf8)
        return setError(QStringLiteral("%1: the text cannot be decoded").arg(sXMLFile));
    return readUtf8Bytes(*utf8, std::move(TargetObject), std::move(TargetNodes), sXMLFile);
}

void clsNodesSerializer::abortRead(const QString& why) {
    if (m_reader)
        m_reader->abort(why);
}

} // namespace pellor

#pragma once

#include "core/model/SerialObject.h"

#include <QString>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class QIODevice;

namespace pellor {

class ObjectGraphReader;
class SerializerEvents;
class TreeNode;
class XmlWriter;

// Turns an object graph into XML and back. It discovers the members of any object through
// its member table, writes properties as elements named after them and nested objects as
// nested elements, and on reading creates objects (asking its owner) and sets properties by
// name. It knows the tree's node collection and nodes, so a whole tree or one subtree with
// the configuration objects in the nodes' Tag is written and rebuilt in one pass.
class clsNodesSerializer {
public:
    explicit clsNodesSerializer(SerializerEvents* owner = nullptr);
    ~clsNodesSerializer();

    // Settings.
    Variant Tag; // free value for the owner; never written
    QString CollectionAddMethod() const { return m_addMethod; }
    void setCollectionAddMethod(const QString& v) { m_addMethod = v; }
    QString CollectionAddNewMethod() const { return m_addNewMethod; }
    void setCollectionAddNewMethod(const QString& v) { m_addNewMethod = v; }
    QString CollectionItemMethod() const { return m_itemMethod; }
    void setCollectionItemMethod(const QString& v) { m_itemMethod = v; }
    QString IgnoreList() const { return m_ignoreList; }
    void setIgnoreList(const QString& list); // spaces are removed
    QString ObjectList() const { return m_objectList; }
    void setObjectList(const QString& list); // spaces are removed
    bool Unicode = false;
    bool UTF8 = false;

    void setOwner(SerializerEvents* owner) { m_owner = owner; }

    // Objects (by identity) that are never written.
    void AddIgnoreObject(const SerialObject* oObj);
    void ClearIgnoreObject();

    // Writes the object (a node collection, a node or any object) as document text.
    bool Serialize(const SerialObject& SourceObject, QString& sXML);
    // Serialize, then writes the file by the file modes. The file is replaced only once the
    // new text is complete: a failed write leaves the previous file as it was.
    bool SerializeFile(const SerialObject& SourceObject, const QString& sXMLFile);
    // Reads document text into TargetObject (or into what the owner supplies for the root
    // element when TargetObject is empty), creating nodes in TargetNodes.
    bool Deserialize(ObjectRef TargetObject, const QString& sXML, ObjectRef TargetNodes);
    // Reads a file by the file modes (UTF-8 files as a stream), then as Deserialize.
    bool DeserializeFile(ObjectRef TargetObject, const QString& sXMLFile, ObjectRef TargetNodes);

    // Ends the running read as failed (for an owner that meets data it cannot accept).
    void abortRead(const QString& why);

    // File, line and what failed, for the last call that returned false.
    QString errorString() const { return m_error; }

    // The declaration's encoding name for the current settings.
    QString encodingName() const;

private:
    friend class ObjectGraphReader;
    struct MemberFlags;

    bool writeDocument(const SerialObject& source, QIODevice* device, const QString& encoding);
    void writeObject(XmlWriter& w, const SerialObject& obj, qint32 index, const char* propertyName);
    void writeNodeChain(XmlWriter& w, const TreeNode* first, qint32 index);
    void writeMembers(XmlWriter& w, const SerialObject& obj);
    void writeProperty(XmlWriter& w, const MemberInfo& m, const Variant& value);
    const std::vector<MemberFlags>& flagsFor(const ClassInfo& info);
    bool readUtf8Device(QIODevice& file, ObjectRef target, ObjectRef nodes, const QString& source);
    bool readUtf8Bytes(const QByteArray& utf8, ObjectRef target, ObjectRef nodes,
                       const QString& source);
    bool setError(const QString& e);

    SerializerEvents* m_owner;
    QString m_addMethod = QStringLiteral("Add");
    QString m_addNewMethod = QStringLiteral("AddNew");
    QString m_itemMethod = QStringLiteral("Item");
    QString m_ignoreList;
    QString m_objectList;
    std::unordered_set<std::string> m_ignoreNames;
    std::unordered_set<std::string> m_objectNames;
    std::unordered_set<const SerialObject*> m_ignoreObjects;
    std::unordered_map<const ClassInfo*, std::vector<MemberFlags>>
        m_flagCache;                       // node-based: entries stay put
    ObjectGraphReader* m_reader = nullptr; // while a read runs
    QString m_error;
};

} // namespace pellor

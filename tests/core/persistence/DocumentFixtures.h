#pragma once

// Small documents and trees shared by the persistence tests, and a neutral XML parser to
// check the structure the serializer writes.
#include "core/app/ProgramState.h"
#include "core/model/NodeTree.h"
#include "core/persistence/DocumentOwner.h"
#include "core/persistence/clsNodesSerializer.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace fixtures {

// One element of a parsed document.
struct XmlElement {
    QString name;
    QMap<QString, QString> attributes;
    QString text;
    std::vector<XmlElement> children;

    QStringList childNames() const;
    const XmlElement* child(const QString& childName) const;
    std::vector<const XmlElement*> childrenNamed(const QString& childName) const;
    // Names ("Name" attributes) of every node element below and including this one, in
    // document order.
    QStringList nodeNames() const;
};

// Parses document text (the declaration is allowed); false with error on a syntax error.
bool parseXml(const QString& xml, XmlElement& root, QString* error = nullptr);

// Engine (workspace)
//   RC1 (controller with a trigger and a two-line description)
//     G1 (group)
//       Temp (item "[G1]Temp", group member)
//     Pressure (array item, read only, linked, initial data of type 9)
//   RC2 (disabled alias controller, collapsed)
//     温度 (item with a Japanese name)
// Images are those the document owner chooses when it reads the tree back.
struct SampleTree {
    std::shared_ptr<pellor::NodeTree> tree = std::make_shared<pellor::NodeTree>();
    pellor::TreeNode* root = nullptr;
    pellor::TreeNode* rc1 = nullptr;
    pellor::TreeNode* g1 = nullptr;
    pellor::TreeNode* temp = nullptr;
    pellor::TreeNode* pressure = nullptr;
    pellor::TreeNode* rc2 = nullptr;
    pellor::TreeNode* level = nullptr;
};
SampleTree makeSampleTree();

// The sample tree as the editor saves it: UTF-8 with the UTF-8 declaration.
QByteArray sampleDocument();

// "<?xml version="1.0" encoding="UTF-8"?>" and CR LF.
QByteArray utf8Head();
// A UTF-8 document whose INodes element holds body.
QByteArray documentWith(const QByteArray& body);
// A node element holding the given property and object elements.
QByteArray nodeElement(const QByteArray& type, const QByteArray& name, const QByteArray& content);

// A serializer with the document owner's answers, set up as the editor loads documents.
struct DocumentReader {
    explicit DocumentReader(bool unicode = true, bool utf8 = true);
    pellor::ProgramState state;
    pellor::clsNodesSerializer serializer;
    pellor::DocumentOwner owner;
    std::shared_ptr<pellor::NodeTree> tree = std::make_shared<pellor::NodeTree>();

    bool readFile(const QString& path) { return serializer.DeserializeFile({}, path, {}); }
    bool readText(const QString& xml) { return serializer.Deserialize({}, xml, {}); }
};

// Serializes with the given settings; an empty string when the write fails.
QString serialize(const pellor::SerialObject& object, bool unicode = true, bool utf8 = true);

QByteArray readAll(const QString& path);
bool writeAll(const QString& path, const QByteArray& bytes);

} // namespace fixtures

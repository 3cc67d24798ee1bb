#include "DocumentFixtures.h"

#include "core/model/NodeImages.h"
#include "core/model/clsPellorController.h"
#include "core/model/clsPellorGroup.h"
#include "core/model/clsPellorItem.h"
#include "core/model/clsPellorTriggerItem.h"
#include "core/model/clsPellorWorkspace.h"

#include <QFile>
#include <QXmlStreamReader>

using namespace pellor;

namespace fixtures {

QStringList XmlElement::childNames() const {
    QStringList names;
    for (const XmlElement& c : children)
        names << c.name;
    return names;
}

const XmlElement* XmlElement::child(const QString& childName) const {
    for (const XmlElement& c : children)
        if (c.name == childName)
            return &c;
    return nullptr;
}

std::vector<const XmlElement*> XmlElement::childrenNamed(const QString& childName) const {
    std::vector<const XmlElement*> found;
    for (const XmlElement& c : children)
        if (c.name == childName)
            found.push_back(&c);
    return found;
}

QStringList XmlElement::nodeNames() const {
    QStringList names;
    if (name == u"INode")
        names << attributes.value(QStringLiteral("Name"));
    for (const XmlElement& c : children)
        names << c.nodeNames();
    return names;
}

bool parseXml(const QString& xml, XmlElement& root, QString* error) {
    QXmlStreamReader reader(xml);
    std::vector<XmlElement*> open;
    root = XmlElement();
    bool haveRoot = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            XmlElement* e = nullptr;
            if (open.empty()) {
                e = &root;
                haveRoot = true;
            } else {
                open.back()->children.emplace_back();
                e = &open.back()->children.back();
            }
            e->name = reader.name().toString();
            for (const QXmlStreamAttribute& a : reader.attributes())
                e->attributes.insert(a.name().toString(), a.value().toString());
            open.push_back(e);
            break;
        }
        case QXmlStreamReader::Characters:
            if (!open.empty() && !reader.isWhitespace())
                open.back()->text += reader.text();
            break;
        case QXmlStreamReader::EndElement:
            open.pop_back();
            break;
        default:
            break;
        }
    }
    if (reader.hasError() || !haveRoot) {
        if (error)
            *error = reader.errorString();
        return false;
    }
    return true;
}

SampleTree makeSampleTree() {
    SampleTree t;
    NodeTree& tree = *t.tree;

    auto workspace = std::make_shared<clsPellorWorkspace>();
    workspace->Initialize();
    workspace->m_strDefCtrlName = QStringLiteral("RC1");
    workspace->m_strHistoryADOCon = QStringLiteral("Provider=SQLOLEDB;Data Source=db1,1433");
    workspace->m_bEnableHistory = true;
    t.root = tree.add(nullptr, QStringLiteral("Engine"), QStringLiteral("Engine"),
                      NodeImages::RootPellor, NodeImages::RootPellor)
                 .get();
    t.root->setTag(workspace);
    t.root->setExpanded(true);

    auto rc1 = std::make_shared<clsPellorController>();
    rc1->Initialize(QStringLiteral("RC1"));
    rc1->m_strProvider = QStringLiteral("Quarn.Sim");
    rc1->m_strDescription = QStringLiteral("Line 1\r\nLine 2");
    rc1->m_bUseTrigger = true;
    auto trigger = std::dynamic_pointer_cast<clsPellorTriggerItem>(rc1->m_mapTrigger->item(1));
    trigger->m_strName = QStringLiteral("Temp");
    auto above = trigger->Item(Variant(qint32(1)));
    above->m_lAction = 1;
    above->m_lCondition = 3;
    above->m_strThreshold = QStringLiteral("50");
    auto below = trigger->Item(Variant(qint32(2)));
    below->m_lAction = 2;
    below->m_lCondition = 4;
    below->m_strThreshold = QStringLiteral("50");
    t.rc1 = tree.add(t.root, QStringLiteral("Engine\\RC1"), QStringLiteral("RC1"), 1, 1).get();
    t.rc1->setTag(rc1);
    t.rc1->setExpanded(true);
    NodeImages::DispTreeImageCtrl(*t.rc1, rc1->m_bEnabled, rc1->m_lType);

    auto g1 = std::make_shared<clsPellorGroup>();
    g1->Initialize(QStringLiteral("RC1"), QStringLiteral("G1"));
    t.g1 = tree.add(t.rc1, QStringLiteral("Engine\\RC1\\G1"), QStringLiteral("G1"),
                    NodeImages::Group, NodeImages::Group)
               .get();
    t.g1->setTag(g1);
    t.g1->setExpanded(true);

    auto temp = std::make_shared<clsPellorItem>();
    temp->IsGroupMember = true;
    temp->Initialize(QStringLiteral("RC1"), QStringLiteral("[G1]Temp"));
    temp->m_strDescription = QStringLiteral("炉の温度");
    temp->m_fDeadBandMin = 0.5f;
    temp->m_fMin = -0.5f;
    temp->m_fMax = 1.5e20f;
    t.temp = tree.add(t.g1, temp->FullName(), QStringLiteral("Temp"), 2, 2).get();
    t.temp->setTag(temp);
    NodeImages::LinkItemImage(*t.temp);

    auto pressure = std::make_shared<clsPellorItem>();
    pressure->m_lType = 2;
    pressure->Initialize(QStringLiteral("RC1"), QStringLiteral("Pressure"));
    pressure->m_lAttribute = 1;
    pressure->LinkItem = QStringLiteral("RC2\\温度");
    pressure->m_lInitDataType = 9;
    pressure->m_strInitData = QStringLiteral("0012");
    pressure->m_strEUUnit = QStringLiteral("kPa");
    t.pressure = tree.add(t.rc1, pressure->FullName(), QStringLiteral("Pressure"), 27, 27).get();
    t.pressure->setTag(pressure);
    NodeImages::LinkItemImage(*t.pressure);

    auto rc2 = std::make_shared<clsPellorController>();
    rc2->Initialize(QStringLiteral("RC2"));
    rc2->m_bEnabled = false;
    rc2->m_lType = 1;
    t.rc2 = tree.add(t.root, QStringLiteral("Engine\\RC2"), QStringLiteral("RC2"), 44, 44).get();
    t.rc2->setTag(rc2);
    NodeImages::DispTreeImageCtrl(*t.rc2, rc2->m_bEnabled, rc2->m_lType);

    auto level = std::make_shared<clsPellorItem>();
    level->Initialize(QStringLiteral("RC2"), QStringLiteral("温度"));
    level->m_strDescription = QStringLiteral("説明, with a comma");
    t.level = tree.add(t.rc2, level->FullName(), QStringLiteral("温度"), 2, 2).get();
    t.level->setTag(level);
    NodeImages::LinkItemImage(*t.level);
    return t;
}

QByteArray sampleDocument() {
    const SampleTree t = makeSampleTree();
    return serialize(*t.tree).toUtf8();
}

QByteArray utf8Head() {
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
}

QByteArray documentWith(const QByteArray& body) {
    return utf8Head() + "<INodes Object=\"True\">" + body + "</INodes>";
}

QByteArray nodeElement(const QByteArray& type, const QByteArray& name, const QByteArray& content) {
    return "<INode Object=\"True\" Type=\"" + type + "\" Name=\"" + name + "\"><Key VT=\"8\">" +
           name + "</Key>" + content + "<Text VT=\"8\">" + name + "</Text></INode>";
}

DocumentReader::DocumentReader(bool unicode, bool utf8) : owner(state, serializer) {
    serializer.setOwner(&owner);
    serializer.Unicode = unicode;
    serializer.UTF8 = utf8;
    serializer.Tag = QStringLiteral("INodes");
    owner.setTree(tree);
}

QString serialize(const SerialObject& object, bool unicode, bool utf8) {
    clsNodesSerializer s;
    s.Unicode = unicode;
    s.UTF8 = utf8;
    QString xml;
    if (!s.Serialize(object, xml))
        return QString();
    return xml;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace fixtures

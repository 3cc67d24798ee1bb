// What the serializer writes: declaration and line ends, element structure and order, the
// node element's properties, attributes, value texts and escaping.
#include "DocumentFixtures.h"

#include "core/model/clsPellorController.h"
#include "core/model/clsPellorGroup.h"
#include "core/model/clsPellorItem.h"
#include "core/model/clsPellorTriggerInfo.h"
#include "core/model/clsPellorWorkspace.h"
#include "core/persistence/SerializerEvents.h"

#include <QTest>

using namespace pellor;
using fixtures::XmlElement;

namespace {

XmlElement parsed(const QString& xml) {
    XmlElement root;
    QString error;
    if (!fixtures::parseXml(xml, root, &error))
        qWarning("not well-formed: %s", qPrintable(error));
    return root;
}

const QStringList kNodeProperties = {"Expanded", "ExpandedImage", "Image",  "Key",     "Previous",
                                     "Selected", "SelectedImage", "Sorted", "<Tag>",   "Text",
                                     "Visible",  "BackColor",     "Bold",   "Checked", "ForeColor"};

} // namespace

class TestSerializerWriter : public QObject {
    Q_OBJECT

private slots:
    void declarationAndLineEnds_data();
    void declarationAndLineEnds();
    void rootWithTwoControllers();
    void nodePropertyOrder_data();
    void nodePropertyOrder();
    void singleNodeWritesItsSubtreeOnly_data();
    void singleNodeWritesItsSubtreeOnly();
    void objectElementsFollowTheMemberTable_data();
    void objectElementsFollowTheMemberTable();
    void triggersAreWrittenAsACollection();
    void vtOnlyOnStringMembers_data();
    void vtOnlyOnStringMembers();
    void valueTexts_data();
    void valueTexts();
    void ignoreListsAndIgnoredObjects();
    void ownerMayChangeWrittenValues();
};

void TestSerializerWriter::declarationAndLineEnds_data() {
    QTest::addColumn<bool>("unicode");
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<QString>("encoding");
    QTest::newRow("UTF-8") << true << true << "UTF-8";
    QTest::newRow("UTF-16") << true << false << "UTF-16";
    QTest::newRow("ANSI") << false << false << "Shift_JIS";
    QTest::newRow("UTF8 without Unicode") << false << true << "Shift_JIS";
}

// The whole text of a small object: declaration, CR LF, one element per line, a property
// holding the empty string as an element without text, VT="8" on String members only.
void TestSerializerWriter::declarationAndLineEnds() {
    QFETCH(bool, unicode);
    QFETCH(bool, utf8);
    QFETCH(QString, encoding);
    clsPellorTriggerInfo entry;
    const QString expected = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\r\n"
                                            "<clsPellorTriggerInfo Object=\"True\">\r\n"
                                            "\t<m_lAction>0</m_lAction>\r\n"
                                            "\t<m_strExeFile VT=\"8\"/>\r\n"
                                            "\t<m_strExeParams VT=\"8\"/>\r\n"
                                            "\t<m_lCondition>-1</m_lCondition>\r\n"
                                            "\t<m_strThreshold VT=\"8\"/>\r\n"
                                            "</clsPellorTriggerInfo>")
                                 .arg(encoding);
    QCOMPARE(fixtures::serialize(entry, unicode, utf8), expected);

    // A whole tree: every line ends in CR LF (no multi-line texts in this one).
    NodeTree tree;
    auto root = tree.add(nullptr, "Engine", "Engine", 22, 22);
    root->setTag(std::make_shared<clsPellorWorkspace>());
    tree.add(root.get(), "Engine\\RC1", "RC1")->setTag(std::make_shared<clsPellorController>());
    QString xml = fixtures::serialize(tree, unicode, utf8);
    QVERIFY(xml.startsWith(expected.left(expected.indexOf(u'\n') + 1)));
    xml.remove(QStringLiteral("\r\n"));
    QVERIFY(!xml.contains(u'\r'));
    // The default script is the one multi-line value: its line ends are &#13; and LF.
    QCOMPARE(xml.count(u'\n'), 3);
}

void TestSerializerWriter::rootWithTwoControllers() {
    NodeTree tree;
    auto root = tree.add(nullptr, "Engine", "Engine", 22, 22);
    auto ws = std::make_shared<clsPellorWorkspace>();
    ws->Initialize();
    root->setTag(ws);
    for (const QString& name : {QStringLiteral("RC1"), QStringLiteral("RC2")}) {
        auto c = std::make_shared<clsPellorController>();
        c->Initialize(name);
        tree.add(root.get(), QStringLiteral("Engine\\") + name, name, 1, 1)->setTag(c);
    }

    const XmlElement doc = parsed(fixtures::serialize(tree));
    QCOMPARE(doc.name, QStringLiteral("INodes"));
    QCOMPARE(doc.attributes, (QMap<QString, QString>{{"Object", "True"}}));
    QCOMPARE(doc.childNames(), QStringList{"INode"});

    const XmlElement& engine = doc.children[0];
    QCOMPARE(engine.attributes,
             (QMap<QString, QString>{
                 {"Object", "True"}, {"Type", "clsPellorWorkspace"}, {"Name", "Engine"}}));
    QCOMPARE(engine.childNames(),
             (QStringList{"Expanded", "ExpandedImage", "Image", "Key", "Selected", "SelectedImage",
                          "Sorted", "clsPellorWorkspace", "Text", "Visible", "BackColor", "Bold",
                          "Checked", "ForeColor", "INode", "INode"}));
    QCOMPARE(engine.child("Key")->text, QStringLiteral("Engine"));
    QCOMPARE(engine.child("Image")->text, QStringLiteral("22"));
    const XmlElement* tag = engine.child("clsPellorWorkspace");
    QCOMPARE(tag->attributes, (QMap<QString, QString>{{"Object", "True"}, {"Property", "Tag"}}));
    QCOMPARE(tag->child("m_strModelName")->text, QStringLiteral("Kelvo"));

    const auto controllers = engine.childrenNamed("INode");
    QCOMPARE(controllers[0]->attributes.value("Name"), QStringLiteral("RC1"));
    QCOMPARE(controllers[1]->attributes.value("Name"), QStringLiteral("RC2"));
    QCOMPARE(controllers[0]->child("Key")->text, QStringLiteral("Engine\\RC1"));
    QCOMPARE(controllers[1]->child("Previous")->text, QStringLiteral("RC1"));
    QVERIFY(!controllers[0]->child("Previous"));
    QVERIFY(!controllers[0]->attributes.contains("Index"));
    QCOMPARE(controllers[1]->child("clsPellorController")->child("RSQLCtrlName")->text,
             QStringLiteral("RC2"));
}

void TestSerializerWriter::nodePropertyOrder_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hasPrevious");
    QTest::addColumn<QString>("tagType");
    QTest::addColumn<int>("childNodes");
    // clang-format off
    QTest::newRow("root")                       << "Engine"               << "Engine"   << false << "clsPellorWorkspace"  << 2;
    QTest::newRow("controller after a sibling") << "Engine\\RC2"          << "RC2"      << true  << "clsPellorController" << 1;
    QTest::newRow("group")                      << "Engine\\RC1\\G1"      << "G1"       << false << "clsPellorGroup"      << 1;
    QTest::newRow("item after a sibling")       << "Engine\\RC1\\Pressure" << "Pressure" << true  << "clsPellorItem"       << 0;
    QTest::newRow("node without Tag")           << "Engine\\RC1\\Bare"    << "Bare"     << true  << ""                    << 0;
    // clang-format on
}

void TestSerializerWriter::nodePropertyOrder() {
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(bool, hasPrevious);
    QFETCH(QString, tagType);
    QFETCH(int, childNodes);
    fixtures::SampleTree t = fixtures::makeSampleTree();
    t.tree->add(t.rc1, "Engine\\RC1\\Bare", "Bare");
    const TreeNode* source = t.tree->nodeByKey(key);
    QVERIFY(source);

    const XmlElement e = parsed(fixtures::serialize(*source));
    QCOMPARE(e.name, QStringLiteral("INode"));
    QCOMPARE(e.attributes.value("Type"), tagType.isEmpty() ? QStringLiteral("Empty") : tagType);
    QCOMPARE(e.attributes.value("Name"), name);

    QStringList expected;
    for (const QString& p : kNodeProperties) {
        if (p == u"Previous" && !hasPrevious)
            continue;
        if (p == u"<Tag>") {
            if (!tagType.isEmpty())
                expected << tagType;
            continue;
        }
        expected << p;
    }
    for (int i = 0; i < childNodes; ++i)
        expected << QStringLiteral("INode");
    QCOMPARE(e.childNames(), expected);
}

void TestSerializerWriter::singleNodeWritesItsSubtreeOnly_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("nodes");
    QTest::newRow("whole tree") << QString() << QStringList{"Engine",   "RC1", "G1",  "Temp",
                                                            "Pressure", "RC2", "温度"};
    QTest::newRow("first controller")
        << "Engine\\RC1" << QStringList{"RC1", "G1", "Temp", "Pressure"};
    QTest::newRow("group") << "Engine\\RC1\\G1" << QStringList{"G1", "Temp"};
    QTest::newRow("last item of a controller")
        << "Engine\\RC1\\Pressure" << QStringList{"Pressure"};
    QTest::newRow("last controller") << "Engine\\RC2" << QStringList{"RC2", "温度"};
}

void TestSerializerWriter::singleNodeWritesItsSubtreeOnly() {
    QFETCH(QString, key);
    QFETCH(QStringList, nodes);
    const fixtures::SampleTree t = fixtures::makeSampleTree();
    const SerialObject* source =
        key.isEmpty() ? static_cast<const SerialObject*>(t.tree.get()) : t.tree->nodeByKey(key);
    QVERIFY(source);
    const XmlElement doc = parsed(fixtures::serialize(*source));
    QCOMPARE(doc.nodeNames(), nodes);
}

void TestSerializerWriter::objectElementsFollowTheMemberTable_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("classAttribute");
    QTest::newRow("workspace") << "Engine"
                               << "clsPellorWorkspace"
                               << "0";
    QTest::newRow("controller") << "Engine\\RC1"
                                << "clsPellorController"
                                << "1";
    QTest::newRow("group") << "Engine\\RC1\\G1"
                           << "clsPellorGroup"
                           << "3";
    QTest::newRow("item") << "Engine\\RC1\\Pressure"
                          << "clsPellorItem"
                          << "2";
}

// Every property is written, read-only ones included, in member order; a property holding
// an object becomes the nested object element.
void TestSerializerWriter::objectElementsFollowTheMemberTable() {
    QFETCH(QString, key);
    QFETCH(QString, className);
    QFETCH(QString, classAttribute);
    const fixtures::SampleTree t = fixtures::makeSampleTree();
    const SerialObject& object = *t.tree->nodeByKey(key)->tag();

    QStringList expected;
    for (const MemberInfo& m : object.classInfo().members())
        if (m.kind == MemberKind::Property)
            expected << (QLatin1String(m.name) == u"m_mapTrigger" ? QStringLiteral("Collection")
                                                                  : QString::fromLatin1(m.name));
    const XmlElement e = parsed(fixtures::serialize(object));
    QCOMPARE(e.name, className);
    QCOMPARE(e.attributes, (QMap<QString, QString>{{"Object", "True"}}));
    QCOMPARE(e.childNames(), expected);
    QCOMPARE(e.child("ClassAttribute")->text, classAttribute);
    if (className == u"clsPellorItem")
        QCOMPARE(e.child("FullName")->text, QStringLiteral("Engine\\RC1\\Pressure"));
}

void TestSerializerWriter::triggersAreWrittenAsACollection() {
    const fixtures::SampleTree t = fixtures::makeSampleTree();
    const XmlElement ctrl = parsed(fixtures::serialize(*t.rc1->tag()));
    const XmlElement* collection = ctrl.child("Collection");
    QVERIFY(collection);
    QCOMPARE(collection->attributes,
             (QMap<QString, QString>{{"Object", "True"}, {"Property", "m_mapTrigger"}}));
    QCOMPARE(collection->childNames(), QStringList{"clsPellorTriggerItem"});

    const XmlElement& trigger = collection->children[0];
    QCOMPARE(trigger.attributes, (QMap<QString, QString>{{"Object", "True"}, {"Index", "1"}}));
    QCOMPARE(trigger.childNames(),
             (QStringList{"m_strName", "clsPellorTriggerInfo", "clsPellorTriggerInfo", "Count"}));
    QCOMPARE(trigger.child("m_strName")->text, QStringLiteral("Temp"));
    QCOMPARE(trigger.child("Count")->text, QStringLiteral("2"));
    const auto entries = trigger.childrenNamed("clsPellorTriggerInfo");
    QCOMPARE(entries[0]->attributes, (QMap<QString, QString>{{"Object", "True"}, {"Index", "1"}}));
    QCOMPARE(entries[1]->attributes, (QMap<QString, QString>{{"Object", "True"}, {"Index", "2"}}));
    QCOMPARE(entries[0]->child("m_lAction")->text, QStringLiteral("1"));
    QCOMPARE(entries[1]->child("m_lAction")->text, QStringLiteral("2"));
    QCOMPARE(entries[1]->child("m_lCondition")->text, QStringLiteral("4"));
}

void TestSerializerWriter::vtOnlyOnStringMembers_data() {
    QTest::addColumn<QString>("key");
    QTest::newRow("workspace") << "Engine";
    QTest::newRow("controller") << "Engine\\RC1";
    QTest::newRow("group") << "Engine\\RC1\\G1";
    QTest::newRow("item") << "Engine\\RC1\\Pressure";
}

void TestSerializerWriter::vtOnlyOnStringMembers() {
    QFETCH(QString, key);
    const fixtures::SampleTree t = fixtures::makeSampleTree();
    const TreeNode* node = t.tree->nodeByKey(key);
    const XmlElement nodeElement = parsed(fixtures::serialize(*node));
    const XmlElement* tagElement = nodeElement.child(node->tag()->typeName());
    QVERIFY(tagElement);

    int strings = 0;
    for (const XmlElement& e : tagElement->children) {
        if (e.attributes.contains("Object"))
            continue;
        const MemberInfo* m = node->tag()->classInfo().find(e.name.toStdString());
        QVERIFY2(m, qPrintable(e.name));
        const bool isString = m->type == MemberType::String;
        strings += isString;
        QVERIFY2(e.attributes.keys() == (isString ? QStringList{"VT"} : QStringList{}),
                 qPrintable(e.name));
        if (isString)
            QCOMPARE(e.attributes.value("VT"), QStringLiteral("8"));
    }
    QVERIFY(strings > 0);
    // The node's own properties: only Key and Text are String.
    for (const XmlElement& e : nodeElement.children) {
        if (e.attributes.contains("Object"))
            continue;
        const bool isString = e.name == u"Key" || e.name == u"Text";
        QVERIFY2(e.attributes.contains("VT") == isString, qPrintable(e.name));
    }
}

void TestSerializerWriter::valueTexts_data() {
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("element");

    // clang-format off
    QTest::newRow("Single one half")        << "m_fDeadBandMin" << "single" << "0.5"     << "<m_fDeadBandMin>.5</m_fDeadBandMin>";
    QTest::newRow("Single minus one half")  << "m_fMin"        << "single" << "-0.5"     << "<m_fMin>-.5</m_fMin>";
    QTest::newRow("Single large")           << "m_fMax"        << "single" << "1.5e20"   << "<m_fMax>1.5E+20</m_fMax>";
    QTest::newRow("Single small")           << "m_fAllowedStep" << "single" << "1e-5"    << "<m_fAllowedStep>1E-05</m_fAllowedStep>";
    QTest::newRow("Single seven digits")    << "m_fAllowedMin" << "single" << "3.14159265" << "<m_fAllowedMin>3.141593</m_fAllowedMin>";
    QTest::newRow("Single negative zero")   << "m_fAllowedMax" << "single" << "-0"       << "<m_fAllowedMax>0</m_fAllowedMax>";
    QTest::newRow("Boolean false")          << "m_bEnabled"    << "bool"   << "false"    << "<m_bEnabled>False</m_bEnabled>";
    QTest::newRow("Boolean true")           << "m_bMinMax"     << "bool"   << "true"     << "<m_bMinMax>True</m_bMinMax>";
    QTest::newRow("Long negative")          << "m_lChatMax"    << "long"   << "-7"       << "<m_lChatMax>-7</m_lChatMax>";
    QTest::newRow("Long maximum")           << "m_lMask"       << "long"   << "2147483647" << "<m_lMask>2147483647</m_lMask>";
    QTest::newRow("empty string")           << "m_strOption"   << "string" << ""         << "<m_strOption VT=\"8\"/>";
    QTest::newRow("markup characters")      << "m_strOption"   << "string" << "a&b<c>d\"e'f" << "<m_strOption VT=\"8\">a&amp;b&lt;c&gt;d&quot;e'f</m_strOption>";
    QTest::newRow("CR escaped, LF kept")    << "m_strOption"   << "string" << "x\r\ny"   << "<m_strOption VT=\"8\">x&#13;\ny</m_strOption>";
    QTest::newRow("controls left out")      << "m_strOption"   << "string" << "a\x01" "b\x1F" "c\td\x7F" << "<m_strOption VT=\"8\">abc\td\x7F</m_strOption>";
    QTest::newRow("blank kept")             << "m_strOption"   << "string" << " "        << "<m_strOption VT=\"8\"> </m_strOption>";
    QTest::newRow("non-ASCII")              << "m_strOption"   << "string" << "温度 ä"    << "<m_strOption VT=\"8\">温度 ä</m_strOption>";
    QTest::newRow("Variant Integer")        << "m_lRecInterval" << "int16" << "60"       << "<m_lRecInterval>60</m_lRecInterval>";
    QTest::newRow("Variant Double")         << "m_lRecInterval" << "double" << "0.5"     << "<m_lRecInterval>.5</m_lRecInterval>";
    QTest::newRow("Variant Double, 15 digits") << "m_lRecInterval" << "double" << "0.1234567890123456" << "<m_lRecInterval>.123456789012346</m_lRecInterval>";
    QTest::newRow("Variant text")           << "m_lRecInterval" << "string" << "abc"     << "<m_lRecInterval>abc</m_lRecInterval>";
    QTest::newRow("Variant Boolean")        << "m_lRecInterval" << "bool"  << "true"     << "<m_lRecInterval>True</m_lRecInterval>";
    QTest::newRow("Variant empty")          << "m_lRecInterval" << "empty" << ""         << "<m_lRecInterval/>";
    // clang-format on
}

void TestSerializerWriter::valueTexts() {
    QFETCH(QString, member);
    QFETCH(QString, kind);
    QFETCH(QString, value);
    QFETCH(QString, element);

    Variant v;
    if (kind == u"single")
        v = value.toFloat();
    else if (kind == u"double")
        v = value.toDouble();
    else if (kind == u"bool")
        v = value == u"true";
    else if (kind == u"long")
        v = qint32(value.toInt());
    else if (kind == u"int16")
        v = qint16(value.toShort());
    else if (kind == u"string")
        v = value;

    std::shared_ptr<SerialObject> object;
    if (member == u"m_lRecInterval")
        object = std::make_shared<clsPellorController>();
    else
        object = std::make_shared<clsPellorItem>();
    if (member == u"m_lRecInterval")
        static_cast<clsPellorController&>(*object).m_lRecInterval = v;
    else
        QVERIFY(object->setProperty(member.toLatin1().constData(), v));

    const QString xml = fixtures::serialize(*object);
    QVERIFY2(xml.contains(QStringLiteral("\r\n\t") + element + QStringLiteral("\r\n")),
             qPrintable(xml));
}

void TestSerializerWriter::ignoreListsAndIgnoredObjects() {
    clsNodesSerializer s;
    QCOMPARE(s.IgnoreList(), QStringLiteral("_ObjectDefault;Index;Root;Parent;Child;Children;Next;"
                                            "FirstSibling;LastSibling;FullPath;"));
    QCOMPARE(s.ObjectList(), QStringLiteral("Tag"));
    QCOMPARE(s.CollectionAddMethod(), QStringLiteral("Add"));
    QCOMPARE(s.CollectionAddNewMethod(), QStringLiteral("AddNew"));
    QCOMPARE(s.CollectionItemMethod(), QStringLiteral("Item"));

    const fixtures::SampleTree t = fixtures::makeSampleTree();
    s.Unicode = s.UTF8 = true;
    s.setIgnoreList(QStringLiteral(" m_strProvider ; m_strMachine ;Children;FullPath"));
    QCOMPARE(s.IgnoreList(), QStringLiteral("m_strProvider;m_strMachine;Children;FullPath"));
    QString xml;
    QVERIFY(s.Serialize(*t.rc1->tag(), xml));
    XmlElement e = parsed(xml);
    QVERIFY(!e.child("m_strProvider") && !e.child("m_strMachine"));
    QVERIFY(e.child("m_strCtrlName") && e.child("m_strParam"));

    // Objects skipped by identity: a node with its subtree, or one node's Tag.
    s.AddIgnoreObject(t.rc1);
    s.AddIgnoreObject(t.rc2->tag().get());
    QVERIFY(s.Serialize(*t.tree, xml));
    e = parsed(xml);
    QCOMPARE(e.nodeNames(), (QStringList{"Engine", "RC2", "温度"}));
    const XmlElement* rc2 = e.children[0].childrenNamed("INode")[0];
    QVERIFY(!rc2->child("clsPellorController"));
    QCOMPARE(rc2->attributes.value("Type"), QStringLiteral("clsPellorController"));

    s.ClearIgnoreObject();
    QVERIFY(s.Serialize(*t.tree, xml));
    QCOMPARE(parsed(xml).nodeNames().size(), 7);
}

namespace {
class RenamingOwner : public SerializerEvents {
public:
    void GetProperty(const SerialObject&, std::string_view sName, Variant& vValue) override {
        if (sName == "m_strMachine")
            vValue = QStringLiteral("changed by the owner");
        else if (sName == "m_strParam")
            vValue = Variant::nothing(); // an object value is not written
    }
};
} // namespace

void TestSerializerWriter::ownerMayChangeWrittenValues() {
    RenamingOwner owner;
    clsNodesSerializer s(&owner);
    s.Unicode = s.UTF8 = true;
    clsPellorController c;
    QString xml;
    QVERIFY(s.Serialize(c, xml));
    const XmlElement e = parsed(xml);
    QCOMPARE(e.child("m_strMachine")->text, QStringLiteral("changed by the owner"));
    QVERIFY(!e.child("m_strParam"));
    QVERIFY(e.child("m_strProvider"));
}

int runSerializerWriterTests(int argc, char** argv) {
    TestSerializerWriter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_SerializerWriter.moc"

// The configuration document's answers to the serializer (classes, counters, values kept
// as text, node images) and loading and saving through ConfigDocument.
#include "DocumentFixtures.h"

#include "core/model/NodeImages.h"
#include "core/model/clsPellorController.h"
#include "core/model/clsPellorItem.h"
#include "core/persistence/ConfigDocument.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace pellor;

namespace {

// Cuts the sample document just after the nth (1-based) occurrence of marker.
QByteArray sampleCutAfter(const QByteArray& marker, int nth) {
    const QByteArray doc = fixtures::sampleDocument();
    qsizetype at = -1;
    for (int i = 0; i < nth; ++i)
        at = doc.indexOf(marker, at + 1);
    return at < 0 ? QByteArray() : doc.left(at + marker.size());
}

QByteArray imageNode(const QByteArray& type, const QByteArray& tag, const QByteArray& image,
                     bool foreColor) {
    return fixtures::documentWith(
        "<INode Object=\"True\" Type=\"" + type + "\" Name=\"N\"><Image>" + image +
        "</Image><Key VT=\"8\">N</Key><SelectedImage>" + image + "</SelectedImage>" + tag +
        "<Text VT=\"8\">N</Text>" + (foreColor ? "<ForeColor>-2147483640</ForeColor>" : "") +
        "</INode>");
}

QStringList entriesOf(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestDocumentOwner : public QObject {
    Q_OBJECT

private slots:
    void createObjectByName_data();
    void createObjectByName();
    void countersFollowTheObjectsCreated_data();
    void countersFollowTheObjectsCreated();
    void valuesThatStayText_data();
    void valuesThatStayText();
    void imagesChosenAtForeColor_data();
    void imagesChosenAtForeColor();
    void loadShowsTheRootAndLinkImages();
    void saveReplacesTheFileAndClearsModified();
    void failedSaveKeepsThePreviousFile_data();
    void failedSaveKeepsThePreviousFile();
};

void TestDocumentOwner::createObjectByName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("created");
    QTest::addColumn<int>("controllers");
    QTest::addColumn<int>("items");
    QTest::newRow("workspace") << "clsPellorWorkspace" << true << 0 << 0;
    QTest::newRow("controller") << "clsPellorController" << true << 1 << 0;
    QTest::newRow("collection") << "Collection" << true << 0 << 0;
    QTest::newRow("trigger item") << "clsPellorTriggerItem" << true << 0 << 0;
    QTest::newRow("trigger entry") << "clsPellorTriggerInfo" << true << 0 << 0;
    QTest::newRow("item") << "clsPellorItem" << true << 0 << 1;
    QTest::newRow("group") << "clsPellorGroup" << true << 0 << 0;
    QTest::newRow("settings class") << "clsPellorData" << false << 0 << 0;
    QTest::newRow("other case") << "clspellorItem" << false << 0 << 0;
    QTest::newRow("node") << "INode" << false << 0 << 0;
    QTest::newRow("empty") << "" << false << 0 << 0;
}

void TestDocumentOwner::createObjectByName() {
    QFETCH(QString, name);
    QFETCH(bool, created);
    QFETCH(int, controllers);
    QFETCH(int, items);
    ProgramState state;
    clsNodesSerializer serializer;
    DocumentOwner owner(state, serializer);
    const QByteArray utf8 = name.toUtf8();
    const ObjectRef object =
        owner.CreateObjectByName(std::string_view(utf8.constData(), size_t(utf8.size())));
    QCOMPARE(bool(object), created);
    if (object)
        QCOMPARE(object->typeName(), name);
    QCOMPARE(state.controllerCount(), controllers);
    QCOMPARE(state.itemCount(), items);

    // Objects are only constructed: a workspace from a document starts empty.
    if (name == u"clsPellorWorkspace") {
        Variant v;
        QVERIFY(object->getProperty("m_lRetryInterval", v));
        QCOMPARE(v.text(), QStringLiteral("0"));
    }
}

void TestDocumentOwner::countersFollowTheObjectsCreated_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("controllers");
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("nodes");
    QTest::addColumn<QString>("reason"); // a part of the error

    const QByteArray itemTag = "<clsPellorItem Object=\"True\" Property=\"Tag\">";
    const QByteArray ctrlTag = "<clsPellorController Object=\"True\" Property=\"Tag\">";
    QTest::newRow("whole document") << fixtures::sampleDocument() << true << 2 << 3 << 7 << "";
    QTest::newRow("cut inside the second controller")
        << sampleCutAfter(ctrlTag, 2) << false << 2 << 2 << 6 << "";
    QTest::newRow("unknown class for the second item")
        << sampleCutAfter("<INode Object=\"True\" Type=\"clsPellorItem\" Name=\"Pressure\">", 1) +
               "<clsPellorWidget Object=\"True\" "
               "Property=\"Tag\"><m_bEnabled>True</m_bEnabled></clsPellorWidget>"
               "<Text VT=\"8\">Pressure</Text></INode></INode></INode></INodes>"
        << false << 1 << 1 << 5 << "clsPellorWidget";
}

// The counters count every controller and item object created, also in a document that
// fails half-way; the elapsed time is refreshed once per item.
void TestDocumentOwner::countersFollowTheObjectsCreated() {
    QFETCH(QByteArray, content);
    QFETCH(bool, ok);
    QFETCH(int, controllers);
    QFETCH(int, items);
    QFETCH(int, nodes);
    QFETCH(QString, reason);
    QVERIFY(!content.isEmpty());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.plr"));
    QVERIFY(fixtures::writeAll(path, content));

    ProgramState state;
    for (int i = 0; i < 5; ++i) {
        state.incrementControllerCount();
        state.incrementItemCount();
    }
    auto tree = std::make_shared<NodeTree>();
    tree->add(nullptr, "Old", "Old");
    ConfigDocument document(state);
    int refreshes = 0;
    document.setProgressHandler([&] { ++refreshes; });

    QCOMPARE(document.load(path, tree, NodeImages::RootPellor), ok);
    QCOMPARE(state.controllerCount(), controllers);
    QCOMPARE(state.itemCount(), items);
    QCOMPARE(tree->Count(), nodes);
    QCOMPARE(tree->nodeByKey("Old"), nullptr);
    QCOMPARE(refreshes, items);
    if (!ok) {
        QVERIFY(document.errorString().contains(path));
        QVERIFY2(document.errorString().contains(reason), qPrintable(document.errorString()));
    }
}

void TestDocumentOwner::valuesThatStayText_data() {
    QTest::addColumn<QString>("elements");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("initial data of type 9")     << "<m_lInitDataType>9</m_lInitDataType><m_strInitData>0012</m_strInitData>" << "m_strInitData" << "0012";
    QTest::newRow("initial data of type 3")     << "<m_lInitDataType>3</m_lInitDataType><m_strInitData>0012</m_strInitData>" << "m_strInitData" << "12";
    QTest::newRow("exponent, type 9")           << "<m_lInitDataType>9</m_lInitDataType><m_strInitData>1E3</m_strInitData>" << "m_strInitData" << "1E3";
    QTest::newRow("exponent, type 3")           << "<m_lInitDataType>3</m_lInitDataType><m_strInitData>1E3</m_strInitData>" << "m_strInitData" << "1000";
    QTest::newRow("type given after the data")  << "<m_strInitData>0012</m_strInitData><m_lInitDataType>9</m_lInitDataType>" << "m_strInitData" << "12";
    QTest::newRow("initial data with VT 8")     << "<m_lInitDataType>3</m_lInitDataType><m_strInitData VT=\"8\">0012</m_strInitData>" << "m_strInitData" << "0012";
    QTest::newRow("group member True")          << "<m_strItemName VT=\"8\">[G1]Temp</m_strItemName><m_strCtrlName VT=\"8\">RC1</m_strCtrlName><IsGroupMember>True</IsGroupMember>" << "FullName" << "Engine\\RC1\\G1\\Temp";
    QTest::newRow("group member -1")            << "<IsGroupMember>-1</IsGroupMember>" << "IsGroupMember" << "True";
    QTest::newRow("group member False")         << "<IsGroupMember>False</IsGroupMember>" << "IsGroupMember" << "False";
    QTest::newRow("comma in a String")          << "<m_strOption>1,000</m_strOption>" << "m_strOption" << "1,000";
    QTest::newRow("comma in a Long")            << "<m_lMask>1,000</m_lMask>" << "m_lMask" << "0";
    // clang-format on
}

void TestDocumentOwner::valuesThatStayText() {
    QFETCH(QString, elements);
    QFETCH(QString, member);
    QFETCH(QString, expected);
    fixtures::DocumentReader reader;
    auto item = std::make_shared<clsPellorItem>();
    const QString xml =
        QString::fromUtf8(fixtures::utf8Head()) +
        QStringLiteral("<clsPellorItem Object=\"True\">%1</clsPellorItem>").arg(elements);
    QVERIFY2(reader.serializer.Deserialize(item, xml, {}),
             qPrintable(reader.serializer.errorString()));
    Variant v;
    QVERIFY(item->getProperty(member.toLatin1().constData(), v));
    QCOMPARE(v.text(), expected);
}

void TestDocumentOwner::imagesChosenAtForeColor_data() {
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<bool>("foreColor");
    QTest::addColumn<int>("image");

    auto tag = [](const QByteArray& cls, const QByteArray& fields) {
        return "<" + cls + " Object=\"True\" Property=\"Tag\">" + fields + "</" + cls + ">";
    };
    const QByteArray item = "clsPellorItem";
    const QByteArray ctrl = "clsPellorController";
    // clang-format off
    QTest::newRow("workspace")                 << QByteArray("clsPellorWorkspace") << tag("clsPellorWorkspace", "") << true << 22;
    QTest::newRow("controller")                << ctrl << tag(ctrl, "<m_lImageIndex>99</m_lImageIndex>") << true << 1;
    QTest::newRow("disabled alias controller") << ctrl << tag(ctrl, "<m_bEnabled>False</m_bEnabled><m_lType>1</m_lType>") << true << 45;
    QTest::newRow("plain item")                << item << tag(item, "") << true << 2;
    QTest::newRow("linked item")               << item << tag(item, "<LinkItem VT=\"8\">RC2\\Level</LinkItem>") << true << 6;
    QTest::newRow("disabled linked item")      << item << tag(item, "<m_bEnabled>False</m_bEnabled><LinkItem VT=\"8\">Level</LinkItem>") << true << 9;
    QTest::newRow("linked read-only array")    << item << tag(item, "<m_lType>2</m_lType><m_lAttribute>1</m_lAttribute><LinkItem VT=\"8\">X</LinkItem>") << true << 29;
    QTest::newRow("unknown item type")         << item << tag(item, "<m_lType>7</m_lType>") << true << 2;
    QTest::newRow("group keeps its image")     << QByteArray("clsPellorGroup") << tag("clsPellorGroup", "") << true << 5;
    QTest::newRow("node without Tag")          << QByteArray("Empty") << QByteArray() << true << 5;
    QTest::newRow("item without ForeColor")    << item << tag(item, "<LinkItem VT=\"8\">X</LinkItem>") << false << 5;
    // clang-format on
}

void TestDocumentOwner::imagesChosenAtForeColor() {
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, tag);
    QFETCH(bool, foreColor);
    QFETCH(int, image);
    fixtures::DocumentReader reader;
    QVERIFY2(reader.readText(QString::fromUtf8(imageNode(type, tag, "5", foreColor))),
             qPrintable(reader.serializer.errorString()));
    const TreeNode* node = reader.tree->nodeByKey("N");
    QVERIFY(node);
    QCOMPARE(node->image(), image);
    QCOMPARE(node->selectedImage(), image);
    if (node->tag() && (type == "clsPellorItem" || type == "clsPellorController")) {
        Variant stored;
        QVERIFY(node->tag()->getProperty("m_lImageIndex", stored));
        QCOMPARE(stored.text(), QString::number(foreColor                 ? image
                                                : type == "clsPellorItem" ? 2
                                                                          : 1));
    }
}

void TestDocumentOwner::loadShowsTheRootAndLinkImages() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.plr"));
    // The second item has no ForeColor, so only the pass after loading gives it its image.
    QByteArray doc = fixtures::sampleDocument();
    const qsizetype level = doc.indexOf("Name=\"温度\"");
    const qsizetype fore = doc.indexOf("<ForeColor>", level);
    doc.remove(fore, doc.indexOf("</ForeColor>", fore) + 12 - fore);
    doc.replace("<Image>2</Image>", "<Image>99</Image>");
    QVERIFY(fixtures::writeAll(path, doc));

    ProgramState state;
    auto tree = std::make_shared<NodeTree>();
    ConfigDocument document(state);
    QVERIFY2(document.load(path, tree, NodeImages::RootKelvo), qPrintable(document.errorString()));
    QCOMPARE(tree->firstNode()->image(), NodeImages::RootKelvo);
    QCOMPARE(tree->firstNode()->selectedImage(), NodeImages::RootKelvo);
    QCOMPARE(tree->nodeByKey("Engine\\RC2\\温度")->image(), 2);
    QCOMPARE(tree->nodeByKey("Engine\\RC1\\Pressure")->image(), 29);
    QCOMPARE(tree->nodeByKey("Engine\\RC2")->image(), 45);
    QCOMPARE(tree->nodeByKey("Engine\\RC1\\G1")->image(), NodeImages::Group);
}

void TestDocumentOwner::saveReplacesTheFileAndClearsModified() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.plr"));
    QVERIFY(fixtures::writeAll(path, "previous content that is longer than nothing"));
    const fixtures::SampleTree t = fixtures::makeSampleTree();
    ProgramState state;
    state.setModified(true);
    ConfigDocument document(state);
    QVERIFY2(document.save(*t.tree, path), qPrintable(document.errorString()));
    QVERIFY(!state.isModified());
    QCOMPARE(fixtures::readAll(path), fixtures::sampleDocument());
    QCOMPARE(entriesOf(dir.path()), QStringList{"doc.plr"});
}

void TestDocumentOwner::failedSaveKeepsThePreviousFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("parent is a regular file") << "below a file";
    QTest::newRow("target is a folder") << "folder";
}

void TestDocumentOwner::failedSaveKeepsThePreviousFile() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("doc.plr"));
    QVERIFY(fixtures::writeAll(file, "previous"));
    const QString folder = dir.filePath(QStringLiteral("folder.plr"));
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(fixtures::writeAll(folder + QStringLiteral("/inside"), "kept"));
    const QString target = kind == u"folder" ? folder : file + QStringLiteral("/new.plr");

    const fixtures::SampleTree t = fixtures::makeSampleTree();
    ProgramState state;
    state.setModified(true);
    ConfigDocument document(state);
    QVERIFY(!document.save(*t.tree, target));
    QVERIFY(!document.errorString().isEmpty());
    QVERIFY(state.isModified());
    QCOMPARE(fixtures::readAll(file), QByteArray("previous"));
    QCOMPARE(fixtures::readAll(folder + QStringLiteral("/inside")), QByteArray("kept"));
    QCOMPARE(entriesOf(dir.path()), (QStringList{"doc.plr", "folder.plr"}));
    QCOMPARE(entriesOf(folder), QStringList{"inside"});
}

int runDocumentOwnerTests(int argc, char** argv) {
    TestDocumentOwner test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_DocumentOwner.moc"

// How the serializer rebuilds objects: value conversion by declared type and VT, line-end
// normalisation, empty elements, the root target, trigger entries and the locale.
#include "DocumentFixtures.h"

#include "core/model/clsPellorController.h"
#include "core/model/clsPellorItem.h"
#include "core/model/clsPellorTriggerItem.h"

#include <QLocale>
#include <QTest>
#include <clocale>

using namespace pellor;

namespace {

const QString kDefaultScript = QStringLiteral("Sub Main()\r\n"
                                              "\t' MyCtrl(\"I1\").Value = 123\r\n"
                                              "\t' MyCtrl(\"I2\").Value = MyCtrl(\"I1\").Value\r\n"
                                              "End Sub");

QString typeName(VbType t) {
    switch (t) {
    case VbType::Empty:
        return QStringLiteral("Empty");
    case VbType::Boolean:
        return QStringLiteral("Boolean");
    case VbType::Integer:
        return QStringLiteral("Integer");
    case VbType::Long:
        return QStringLiteral("Long");
    case VbType::Single:
        return QStringLiteral("Single");
    case VbType::Double:
        return QStringLiteral("Double");
    case VbType::String:
        return QStringLiteral("String");
    case VbType::Object:
        return QStringLiteral("Object");
    }
    return QString();
}

// Reads the text of one object into target, with the document owner's class answers.
bool readInto(const std::shared_ptr<SerialObject>& target, const QString& xml,
              QString* error = nullptr) {
    fixtures::DocumentReader reader;
    const bool ok = reader.serializer.Deserialize(target, xml, {});
    if (error)
        *error = reader.serializer.errorString();
    return ok;
}

// Sets the C library's and Qt's default locale to one that writes "," as the decimal
// separator, for as long as it lives.
class DecimalCommaLocale {
public:
    DecimalCommaLocale() : m_qt(QLocale()) {
        m_c = QByteArray(std::setlocale(LC_NUMERIC, nullptr));
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"})
            if (std::setlocale(LC_NUMERIC, name)) {
                m_cChanged = true;
                break;
            }
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~DecimalCommaLocale() {
        std::setlocale(LC_NUMERIC, m_c.constData());
        QLocale::setDefault(m_qt);
    }
    bool cLocaleChanged() const { return m_cChanged; }

private:
    QLocale m_qt;
    QByteArray m_c;
    bool m_cChanged = false;
};

} // namespace

class TestSerializerReader : public QObject {
    Q_OBJECT

private slots:
    void propertyValues_data();
    void propertyValues();
    void textRoundTrip_data();
    void textRoundTrip();
    void stringStaysTextWhileVariantBecomesANumber();
    void emptiedScriptComesBackAsTheDefault();
    void rootTarget_data();
    void rootTarget();
    void triggerEntriesBeyondTheSecondAreDropped();
    void treeRoundTrip();
    void decimalCommaLocaleChangesNothing();
};

void TestSerializerReader::propertyValues_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("elements");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("type"); // of the value read back; empty: not checked

    const QString c = QStringLiteral("clsPellorController");
    const QString i = QStringLiteral("clsPellorItem");
    // clang-format off
    QTest::newRow("String keeps leading zeros")   << c << "<m_strDescription VT=\"8\">0123</m_strDescription>" << "m_strDescription" << "0123" << "";
    QTest::newRow("String keeps an exponent")     << c << "<m_strDescription VT=\"8\">1E3</m_strDescription>" << "m_strDescription" << "1E3" << "";
    QTest::newRow("String without VT converted")  << c << "<m_strDescription>0123</m_strDescription>" << "m_strDescription" << "123" << "";
    QTest::newRow("Variant number")               << c << "<m_lRecInterval>60</m_lRecInterval>" << "m_lRecInterval" << "60" << "Double";
    QTest::newRow("Variant decimal")              << c << "<m_lRecInterval>.5</m_lRecInterval>" << "m_lRecInterval" << ".5" << "Double";
    QTest::newRow("Variant hexadecimal")          << c << "<m_lRecInterval>&amp;H10</m_lRecInterval>" << "m_lRecInterval" << "16" << "Double";
    QTest::newRow("Variant text")                 << c << "<m_lRecInterval>abc</m_lRecInterval>" << "m_lRecInterval" << "abc" << "String";
    QTest::newRow("Variant with a comma")         << c << "<m_lRecInterval>1,5</m_lRecInterval>" << "m_lRecInterval" << "1,5" << "String";
    QTest::newRow("Variant with signs +-")       << c << "<m_lRecInterval>+-1</m_lRecInterval>" << "m_lRecInterval" << "+-1" << "String";
    QTest::newRow("Variant with VT 8")            << c << "<m_lRecInterval VT=\"8\">60</m_lRecInterval>" << "m_lRecInterval" << "60" << "String";
    QTest::newRow("Long half to even down")       << c << "<m_lSamplingRate>2.5</m_lSamplingRate>" << "m_lSamplingRate" << "2" << "Long";
    QTest::newRow("Long half to even up")         << c << "<m_lSamplingRate>3.5</m_lSamplingRate>" << "m_lSamplingRate" << "4" << "Long";
    QTest::newRow("Long overflow skipped")        << c << "<m_lSamplingRate>99999999999</m_lSamplingRate>" << "m_lSamplingRate" << "300" << "";
    QTest::newRow("Long from text skipped")       << c << "<m_lSamplingRate>fast</m_lSamplingRate>" << "m_lSamplingRate" << "300" << "";
    QTest::newRow("Boolean False")                << c << "<m_bEnabled>False</m_bEnabled>" << "m_bEnabled" << "False" << "";
    QTest::newRow("Boolean 0")                    << c << "<m_bEnabled>0</m_bEnabled>" << "m_bEnabled" << "False" << "";
    QTest::newRow("Boolean -1")                   << c << "<m_bScript>-1</m_bScript>" << "m_bScript" << "True" << "";
    QTest::newRow("Boolean from text skipped")    << c << "<m_bEnabled>maybe</m_bEnabled>" << "m_bEnabled" << "True" << "";
    QTest::newRow("empty Long element")           << c << "<m_lSamplingRate/>" << "m_lSamplingRate" << "300" << "";
    QTest::newRow("empty String element")         << c << "<m_strScript VT=\"8\"></m_strScript>" << "m_strScript" << kDefaultScript << "";
    QTest::newRow("blank text")                   << c << "<m_strScript VT=\"8\">  \r\n\t </m_strScript>" << "m_strScript" << kDefaultScript << "";
    QTest::newRow("spaces around text kept")      << c << "<m_strDescription VT=\"8\">  x  </m_strDescription>" << "m_strDescription" << "  x  " << "";
    QTest::newRow("CR LF references")             << c << "<m_strDescription VT=\"8\">a&#13;&#10;b</m_strDescription>" << "m_strDescription" << "a\r\nb" << "";
    QTest::newRow("literal LF")                   << c << "<m_strDescription VT=\"8\">a\nb</m_strDescription>" << "m_strDescription" << "a\r\nb" << "";
    QTest::newRow("literal CR LF")                << c << "<m_strDescription VT=\"8\">a\r\nb</m_strDescription>" << "m_strDescription" << "a\r\nb" << "";
    QTest::newRow("lone CR reference")            << c << "<m_strDescription VT=\"8\">a&#13;b</m_strDescription>" << "m_strDescription" << "a\r\nb" << "";
    QTest::newRow("CR CR LF")                     << c << "<m_strDescription VT=\"8\">a&#13;&#13;&#10;b</m_strDescription>" << "m_strDescription" << "a\r\n\r\nb" << "";
    QTest::newRow("LF LF")                        << c << "<m_strDescription VT=\"8\">a&#10;&#10;b</m_strDescription>" << "m_strDescription" << "a\r\n\r\nb" << "";
    QTest::newRow("CDATA")                        << c << "<m_strDescription VT=\"8\"><![CDATA[<x> & y]]></m_strDescription>" << "m_strDescription" << "<x> & y" << "";
    QTest::newRow("predefined entities")          << c << "<m_strDescription VT=\"8\">&lt;&amp;&gt;&quot;&apos;</m_strDescription>" << "m_strDescription" << "<&>\"'" << "";
    QTest::newRow("character references")         << c << "<m_strDescription VT=\"8\">&#x6E29;&#24230;</m_strDescription>" << "m_strDescription" << "温度" << "";
    QTest::newRow("read-only skipped")            << c << "<ClassAttribute>7</ClassAttribute>" << "ClassAttribute" << "1" << "";
    QTest::newRow("unknown property skipped")     << c << "<m_strNoSuchField VT=\"8\">x</m_strNoSuchField><m_strMachine VT=\"8\">M1</m_strMachine>" << "m_strMachine" << "M1" << "";
    QTest::newRow("Parent attribute ignored")     << c << "<m_strMachine VT=\"8\" Parent=\"x\">M1</m_strMachine>" << "m_strMachine" << "M1" << "";
    QTest::newRow("last of repeated elements")    << c << "<m_lPriority>1</m_lPriority><m_lPriority>5</m_lPriority>" << "m_lPriority" << "5" << "";
    QTest::newRow("Single one half")              << i << "<m_fMin>.5</m_fMin>" << "m_fMin" << ".5" << "Single";
    QTest::newRow("Single large")                 << i << "<m_fMax>1.5E+20</m_fMax>" << "m_fMax" << "1.5E+20" << "Single";
    QTest::newRow("Single small negative")        << i << "<m_fMax>-1E-05</m_fMax>" << "m_fMax" << "-1E-05" << "Single";
    QTest::newRow("Single overflow skipped")      << i << "<m_fMax>3.5E+38</m_fMax>" << "m_fMax" << "0" << "";
    QTest::newRow("Single from text skipped")     << i << "<m_fMax>abc</m_fMax>" << "m_fMax" << "0" << "";
    QTest::newRow("group member flag")            << i << "<m_strItemName VT=\"8\">[G1]Temp</m_strItemName><m_strCtrlName VT=\"8\">RC1</m_strCtrlName><IsGroupMember>True</IsGroupMember>" << "FullName" << "Engine\\RC1\\G1\\Temp" << "";
    // clang-format on
}

void TestSerializerReader::propertyValues() {
    QFETCH(QString, className);
    QFETCH(QString, elements);
    QFETCH(QString, member);
    QFETCH(QString, expected);
    QFETCH(QString, type);

    std::shared_ptr<SerialObject> target;
    if (className == u"clsPellorController")
        target = std::make_shared<clsPellorController>();
    else
        target = std::make_shared<clsPellorItem>();
    const QString xml = QString::fromUtf8(fixtures::utf8Head()) +
                        QStringLiteral("<%1 Object=\"True\">%2</%1>").arg(className, elements);
    QString error;
    QVERIFY2(readInto(target, xml, &error), qPrintable(error));

    Variant value;
    QVERIFY(target->getProperty(member.toLatin1().constData(), value));
    QCOMPARE(value.text(), expected);
    if (!type.isEmpty())
        QCOMPARE(typeName(value.type()), type);
}

void TestSerializerReader::textRoundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("markup characters")     << "a&b<c>d\"e'f ]]>" << "a&b<c>d\"e'f ]]>";
    QTest::newRow("CR LF")                 << "l1\r\nl2\r\n" << "l1\r\nl2\r\n";
    QTest::newRow("LF only")               << "l1\nl2" << "l1\r\nl2";
    QTest::newRow("lone CR")               << "l1\rl2" << "l1\r\nl2";
    QTest::newRow("tab")                   << "a\tb" << "a\tb";
    QTest::newRow("control characters")    << "a\x01" "b\x1F" "c\x7F" << "abc\x7F";
    QTest::newRow("non-ASCII")             << "炉の温度 äöü" << "炉の温度 äöü";
    QTest::newRow("surrogate pair")        << "\xF0\x9F\x98\x80" << "\xF0\x9F\x98\x80";
    QTest::newRow("unpaired surrogate")    << QString(QChar(0xD800)) + QStringLiteral("x") << "x";
    QTest::newRow("non-character U+FFFE")  << QString(QChar(0xFFFE)) + QStringLiteral("x") << "x";
    QTest::newRow("spaces around")         << "  x  " << "  x  ";
    QTest::newRow("pair at a slice end")   << QString(4095, u'a') + QStringLiteral("\U0001F600b") << QString(4095, u'a') + QStringLiteral("\U0001F600b");
    QTest::newRow("longer than the buffer") << QStringLiteral("&\u00E9\U0001F600\r\n").repeated(100000) << QStringLiteral("&\u00E9\U0001F600\r\n").repeated(100000);
    QTest::newRow("blank")                 << "   " << "";
    // clang-format on
}

// A text written by the serializer reads back the same, up to the line-end normalisation and
// the characters XML cannot carry.
void TestSerializerReader::textRoundTrip() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    clsPellorController source;
    source.m_strDescription = text;
    const QString xml = fixtures::serialize(source);
    auto target = std::make_shared<clsPellorController>();
    QString error;
    QVERIFY2(readInto(target, xml, &error), qPrintable(error));
    QCOMPARE(target->m_strDescription, expected);
}

void TestSerializerReader::stringStaysTextWhileVariantBecomesANumber() {
    clsPellorController source;
    source.m_strDescription = QStringLiteral("123");
    source.m_strParam = QStringLiteral("007");
    source.m_lRecInterval = qint16(60);
    auto target = std::make_shared<clsPellorController>();
    target->m_lRecInterval = QStringLiteral("stale");
    QVERIFY(readInto(target, fixtures::serialize(source)));
    QCOMPARE(target->m_strDescription, QStringLiteral("123"));
    QCOMPARE(target->m_strParam, QStringLiteral("007"));
    QVERIFY(target->m_lRecInterval.isNumber());
    QCOMPARE(target->m_lRecInterval.toDouble(), std::optional<double>(60.0));
}

void TestSerializerReader::emptiedScriptComesBackAsTheDefault() {
    clsPellorController source;
    source.m_strScript.clear();
    source.m_strDescription.clear();
    const QString xml = fixtures::serialize(source);
    QVERIFY(xml.contains(QStringLiteral("<m_strScript VT=\"8\"/>")));
    auto target = std::make_shared<clsPellorController>();
    target->m_strDescription = QStringLiteral("kept");
    QVERIFY(readInto(target, xml));
    QCOMPARE(target->m_strScript, kDefaultScript);
    QCOMPARE(target->m_strDescription, QStringLiteral("kept"));
}

void TestSerializerReader::rootTarget_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("rootElement");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("document") << "INodes"
                              << "INodes" << true;
    QTest::newRow("serializer without tag") << ""
                                            << "INodes" << false;
    QTest::newRow("subtree tag") << "INode"
                                 << "INodes" << false;
    QTest::newRow("node as root") << "INodes"
                                  << "INode" << false;
    QTest::newRow("object as root") << "INodes"
                                    << "clsPellorWorkspace" << false;
}

// Refusing the root element fails the reading and leaves the tree as it was.
void TestSerializerReader::rootTarget() {
    QFETCH(QString, tag);
    QFETCH(QString, rootElement);
    QFETCH(bool, accepted);
    fixtures::DocumentReader reader;
    reader.serializer.Tag = tag;
    auto existing = reader.tree->add(nullptr, "Existing", "Existing", 5, 5);

    const QByteArray node = fixtures::nodeElement(
        "clsPellorController", "RC1", "<clsPellorController Object=\"True\" Property=\"Tag\"/>");
    const QString xml = QString::fromUtf8(fixtures::utf8Head() + "<" + rootElement.toUtf8() +
                                          " Object=\"True\" Type=\"Empty\" Name=\"X\">" + node +
                                          "</" + rootElement.toUtf8() + ">");
    QCOMPARE(reader.readText(xml), accepted);
    if (accepted) {
        QCOMPARE(reader.tree->Count(), 2);
        QCOMPARE(reader.tree->nodeByKey("RC1")->previous(), existing.get());
        QCOMPARE(reader.state.controllerCount(), 1);
    } else {
        QVERIFY(!reader.serializer.errorString().isEmpty());
        QCOMPARE(reader.tree->Count(), 1);
        QCOMPARE(existing->childCount(), 0);
        QCOMPARE(existing->text(), QStringLiteral("Existing"));
        QCOMPARE(existing->image(), 5);
        QCOMPARE(reader.state.controllerCount(), 0);
    }

    // Without an owner nobody supplies a target.
    clsNodesSerializer alone;
    QVERIFY(!alone.Deserialize({}, xml, {}));
    QVERIFY(!alone.errorString().isEmpty());
}

void TestSerializerReader::triggerEntriesBeyondTheSecondAreDropped() {
    const QString xml = QString::fromUtf8(fixtures::utf8Head()) + QStringLiteral(R"(
<clsPellorController Object="True">
  <m_strProvider VT="8">P1</m_strProvider>
  <Collection Object="True" Property="m_mapTrigger">
    <clsPellorTriggerItem Object="True" Index="1">
      <m_strName VT="8">Temp</m_strName>
      <clsPellorTriggerInfo Object="True" Index="1"><m_lAction>1</m_lAction><m_strThreshold VT="8">10</m_strThreshold></clsPellorTriggerInfo>
      <clsPellorTriggerInfo Object="True" Index="2"><m_lAction>2</m_lAction><m_strThreshold VT="8">20</m_strThreshold></clsPellorTriggerInfo>
      <clsPellorTriggerInfo Object="True" Index="3"><m_lAction>4</m_lAction><m_strExeFile VT="8">third.exe</m_strExeFile></clsPellorTriggerInfo>
      <Count>3</Count>
    </clsPellorTriggerItem>
  </Collection>
  <m_bAutoReconn>True</m_bAutoReconn>
</clsPellorController>)");
    auto ctrl = std::make_shared<clsPellorController>();
    const auto constructed = ctrl->m_mapTrigger;
    QString error;
    QVERIFY2(readInto(ctrl, xml, &error), qPrintable(error));

    QVERIFY(ctrl->m_mapTrigger && ctrl->m_mapTrigger != constructed);
    QCOMPARE(ctrl->m_mapTrigger->count(), 1);
    auto trigger = std::dynamic_pointer_cast<clsPellorTriggerItem>(ctrl->m_mapTrigger->item(1));
    QVERIFY(trigger);
    QCOMPARE(trigger->m_strName, QStringLiteral("Temp"));
    QCOMPARE(trigger->Count(), 2);
    QCOMPARE(trigger->Item(Variant(qint32(1)))->m_lAction, 1);
    QCOMPARE(trigger->Item(Variant(qint32(1)))->m_strThreshold, QStringLiteral("10"));
    QCOMPARE(trigger->Item(Variant(qint32(2)))->m_lAction, 2);
    QCOMPARE(trigger->Item(Variant(qint32(2)))->m_strThreshold, QStringLiteral("20"));
    for (qint32 i = 1; i <= 2; ++i)
        QCOMPARE(trigger->Item(Variant(i))->m_strExeFile, QString());
    // What follows the collection still lands in the controller.
    QCOMPARE(ctrl->m_strProvider, QStringLiteral("P1"));
    QCOMPARE(ctrl->m_bAutoReconn, true);
}

void TestSerializerReader::treeRoundTrip() {
    const fixtures::SampleTree t = fixtures::makeSampleTree();
    const QString xml = fixtures::serialize(*t.tree);
    fixtures::DocumentReader reader;
    QVERIFY2(reader.readText(xml), qPrintable(reader.serializer.errorString()));

    const NodeTree& copy = *reader.tree;
    QCOMPARE(copy.Count(), t.tree->Count());
    for (const TreeNode* n : {t.root, t.rc1, t.g1, t.temp, t.pressure, t.rc2, t.level}) {
        const TreeNode* c = copy.nodeByKey(n->key());
        QVERIFY2(c, qPrintable(n->key()));
        QCOMPARE(c->text(), n->text());
        QCOMPARE(c->siblingIndex(), n->siblingIndex());
        QCOMPARE(c->parent() ? c->parent()->key() : QString(),
                 n->parent() ? n->parent()->key() : QString());
        QCOMPARE(c->image(), n->image());
        QCOMPARE(c->isExpanded(), n->isExpanded());
        QVERIFY(c->tag());
        QCOMPARE(c->tag()->typeName(), n->tag()->typeName());
    }
    const auto* temp =
        dynamic_cast<const clsPellorItem*>(copy.nodeByKey("Engine\\RC1\\G1\\Temp")->tag().get());
    QVERIFY(temp->IsGroupMember);
    QCOMPARE(temp->FullName(), QStringLiteral("Engine\\RC1\\G1\\Temp"));
    QCOMPARE(temp->m_fDeadBandMin, 0.5f);
    QCOMPARE(temp->m_fMax, 1.5e20f);
    const auto* pressure =
        dynamic_cast<const clsPellorItem*>(copy.nodeByKey("Engine\\RC1\\Pressure")->tag().get());
    QCOMPARE(pressure->m_strInitData, QStringLiteral("0012"));
    QCOMPARE(pressure->m_lType, 2);
    QCOMPARE(pressure->m_strEUUnit, QStringLiteral("kPa"));
    QCOMPARE(reader.state.controllerCount(), 2);
    QCOMPARE(reader.state.itemCount(), 3);

    // Written again, the tree gives the same text.
    QCOMPARE(fixtures::serialize(copy), xml);
}

void TestSerializerReader::decimalCommaLocaleChangesNothing() {
    const DecimalCommaLocale locale;
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    if (!locale.cLocaleChanged())
        qInfo("no C locale with a decimal comma is installed; only Qt's default locale is changed");

    clsPellorItem item;
    item.m_fMin = 0.5f;
    item.m_fMax = -1234.5f;
    item.m_fAllowedStep = 1.5e20f;
    clsPellorController ctrl;
    ctrl.m_lRecInterval = 2.25;
    const QString itemXml = fixtures::serialize(item);
    QVERIFY(itemXml.contains(QStringLiteral("<m_fMin>.5</m_fMin>")));
    QVERIFY(itemXml.contains(QStringLiteral("<m_fMax>-1234.5</m_fMax>")));
    QVERIFY(itemXml.contains(QStringLiteral("<m_fAllowedStep>1.5E+20</m_fAllowedStep>")));
    const QString ctrlXml = fixtures::serialize(ctrl);
    QVERIFY(ctrlXml.contains(QStringLiteral("<m_lRecInterval>2.25</m_lRecInterval>")));

    auto itemBack = std::make_shared<clsPellorItem>();
    QVERIFY(readInto(itemBack, itemXml));
    QCOMPARE(itemBack->m_fMin, 0.5f);
    QCOMPARE(itemBack->m_fMax, -1234.5f);
    QCOMPARE(itemBack->m_fAllowedStep, 1.5e20f);
    auto ctrlBack = std::make_shared<clsPellorController>();
    QVERIFY(readInto(ctrlBack, ctrlXml));
    QCOMPARE(ctrlBack->m_lRecInterval.toDouble(), std::optional<double>(2.25));
    // A comma is no decimal separator in a document, whatever the locale says.
    QVERIFY(readInto(
        ctrlBack, QString::fromUtf8(fixtures::utf8Head()) +
                      "<clsPellorController Object=\"True\"><m_lRecInterval>2,25</m_lRecInterval>"
                      "</clsPellorController>"));
    QCOMPARE(ctrlBack->m_lRecInterval.type(), VbType::String);
}

int runSerializerReaderTests(int argc, char** argv) {
    TestSerializerReader test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_SerializerReader.moc"

// The configuration node classes: member tables, defaults, Cleanup, Copy and item names.
#include "core/model/clsPellorController.h"
#include "core/model/clsPellorGroup.h"
#include "core/model/clsPellorItem.h"
#include "core/model/clsPellorTriggerInfo.h"
#include "core/model/clsPellorTriggerItem.h"
#include "core/model/clsPellorWorkspace.h"

#include <QTest>
#include <functional>
#include <map>

using namespace pellor;

namespace {

const QString kDefaultScript = QStringLiteral("Sub Main()\r\n"
                                              "\t' MyCtrl(\"I1\").Value = 123\r\n"
                                              "\t' MyCtrl(\"I2\").Value = MyCtrl(\"I1\").Value\r\n"
                                              "End Sub");

// One member as the document vocabulary defines it. initial: its text after Initialize with
// the fixture's names; constructed: its text after construction alone (nullptr: the same as
// initial). A nullptr initial marks a member without a simple value (checked elsewhere).
struct Row {
    const char* name;
    MemberType type;
    bool readOnly;
    const char* initial;
    bool notReset = false;
    const char* constructed = nullptr;
};

struct ClassFixture {
    const char* name;
    std::function<std::shared_ptr<SerialObject>()> construct;
    std::function<std::shared_ptr<SerialObject>()> initialised; // construct + Initialize
    std::function<void(SerialObject&)> cleanup;                 // empty: the class has none
    bool constructionCallsCleanup;
    std::vector<Row> rows;

    const char* constructedText(const Row& r) const {
        return r.constructed ? r.constructed : r.initial;
    }
    // The text Cleanup leaves in a field that it resets.
    const char* cleanedText(const Row& r) const {
        return constructionCallsCleanup ? constructedText(r) : r.initial;
    }
};

constexpr auto S = MemberType::String;
constexpr auto B = MemberType::Boolean;
constexpr auto I = MemberType::Integer;
constexpr auto L = MemberType::Long;
constexpr auto F = MemberType::Single;
constexpr auto V = MemberType::Variant;
constexpr auto O = MemberType::Object;
constexpr bool RO = true;
constexpr bool RW = false;
constexpr bool KEPT = true; // not reset by Cleanup

const std::vector<ClassFixture>& fixtures() {
    static const std::vector<ClassFixture> all = {
        {"clsPellorWorkspace",
         [] { return std::make_shared<clsPellorWorkspace>(); },
         [] {
             auto w = std::make_shared<clsPellorWorkspace>();
             w->Initialize();
             return w;
         },
         [](SerialObject& o) { static_cast<clsPellorWorkspace&>(o).Cleanup(); },
         false,
         {
             // The host and the two consortium addresses are the platform's choice (checked apart).
             {"m_strQuarnHost", S, RW, nullptr, false, ""},
             {"m_lRetryCnt", L, RW, "0", false, "0"},
             {"m_lRetryInterval", L, RW, "3000", false, "0"},
             {"m_strHistoryADOCon", S, RW, "", false, ""},
             {"m_strTableName", S, RW, "", false, ""},
             {"m_lMaxRecord", L, RW, "0", false, "0"},
             {"m_strHistoryADOCon2nd", S, RW, "", false, ""},
             {"m_strTableName2nd", S, RW, "", false, ""},
             {"m_lMaxRecord2nd", L, RW, "0", false, "0"},
             {"m_lTableType", L, RW, "0", false, "0"},
             {"m_bEnableHistory", B, RW, "False", false, "False"},
             {"m_bAutoSwitch", B, RW, "False", false, "False"},
             {"m_bSysInfo", B, RW, "False", false, "False"},
             {"m_bNoConvToBstr", B, RW, "False", false, "False"},
             {"m_bBlobToFile", B, RW, "False", false, "False"},
             {"m_strDefCtrlName", S, RW, "", KEPT, ""},
             {"m_strDeviceType", S, RW, "urn:schemas-upnp-org:device:Basic:1", false, ""},
             {"m_strFriendlyName", S, RW, "Nimbal Device", false, ""},
             {"m_strManufacturer", S, RW, "Nimbal Consortium", false, ""},
             {"m_strManufacturerURL", S, RW, nullptr, false, ""},
             {"m_strModelDescription", S, RW, "QUARN-UPnP Device", false, ""},
             {"m_strModelName", S, RW, "Kelvo", false, ""},
             {"m_strModelNumber", S, RW, "KLVO-1", false, ""},
             {"m_strModelURL", S, RW, nullptr, false, ""},
             {"m_strSerialNumber", S, RW, "0001", false, ""},
             {"m_strUDN", S, RW, "uuid:", false, ""},
             {"m_strUPC", S, RW, "00000001", false, ""},
             {"m_strPresentationURL", S, RW, "", false, ""},
             {"ClassAttribute", I, RO, "0"},
         }},
        {"clsPellorController",
         [] { return std::make_shared<clsPellorController>(); },
         [] {
             auto c = std::make_shared<clsPellorController>();
             c->Initialize(QStringLiteral("RC1"));
             return c;
         },
         [](SerialObject& o) { static_cast<clsPellorController&>(o).Cleanup(); },
         true,
         {
             {"m_strProvider", S, RW, ""},
             {"m_strMachine", S, RW, ""},
             {"m_strCtrlName", S, RW, "RC1", false, ""},
             {"m_strParam", S, RW, ""},
             {"m_lSamplingRate", L, RW, "300"},
             {"m_bDistribute", B, RW, "False"},
             {"m_bDescription", B, RW, "True"},
             {"m_strDescription", S, RW, ""},
             {"m_bEnabled", B, RW, "True"},
             {"m_lImageIndex", L, RW, "1"},
             {"m_bStartup", B, RW, "True"},
             {"m_bUseHistory", B, RW, "True"},
             {"m_lPriority", L, RW, "3"},
             {"m_lType", L, RW, "0", KEPT},
             {"m_lTimeStamp", L, RW, "2"},
             {"m_bWriteToCache", B, RW, "False"},
             {"m_bWDT", B, RW, "False"},
             {"m_lWDTCount", L, RW, "3"},
             {"m_lWDTAction", L, RW, "0"},
             {"m_bUseTrigger", B, RW, "False"},
             {"m_mapTrigger", O, RW, nullptr, KEPT},
             {"m_bAutoReconn", B, RW, "False"},
             {"m_lRecCount", L, RW, "10"},
             {"m_lRecInterval", V, RW, "60"},
             {"m_bScript", B, RW, "False"},
             {"m_strScript", S, RW, "<script>"},
             {"m_bNotSafeMode", B, RW, "False"},
             {"ClassAttribute", I, RO, "1"},
             {"RSQLCtrlName", S, RW, "RC1", KEPT, ""},
         }},
        {"clsPellorGroup",
         [] { return std::make_shared<clsPellorGroup>(); },
         [] {
             auto g = std::make_shared<clsPellorGroup>();
             g->Initialize(QStringLiteral("RC1"), QStringLiteral("G1"));
             return g;
         },
         [](SerialObject& o) { static_cast<clsPellorGroup&>(o).Cleanup(); },
         true,
         {
             {"m_strGrpName", S, RW, "G1", false, ""},
             {"m_strCtrlName", S, RW, "RC1", KEPT, ""},
             {"ClassAttribute", I, RO, "3"},
         }},
        {"clsPellorItem",
         [] { return std::make_shared<clsPellorItem>(); },
         [] {
             auto i = std::make_shared<clsPellorItem>();
             i->Initialize(QStringLiteral("RC1"), QStringLiteral("Temp"));
             return i;
         },
         [](SerialObject& o) { static_cast<clsPellorItem&>(o).Cleanup(); },
         true,
         {
             {"m_strVarName", S, RW, "Temp", false, ""},
             {"m_lSystemType", L, RW, "0"},
             {"m_strSysObjName", S, RW, ""},
             {"m_strSysObjOption", S, RW, ""},
             {"m_bDescription", B, RW, "True"},
             {"m_strDescription", S, RW, ""},
             {"m_bUseHistory", B, RW, "True"},
             {"m_bUseEmpty", B, RW, "False"},
             {"m_bEnabled", B, RW, "True"},
             {"m_lImageIndex", L, RW, "2"},
             {"m_bOnChangeEvent", B, RW, "True"},
             {"m_lType", L, RW, "0", KEPT},
             {"m_bDeactivate", B, RW, "False"},
             {"m_bDeadBand", B, RW, "False"},
             {"m_fDeadBandMin", F, RW, "0"},
             {"m_fDeadBandMax", F, RW, "0"},
             {"m_bMinMax", B, RW, "False"},
             {"m_fMin", F, RW, "0"},
             {"m_fMax", F, RW, "0"},
             {"m_bChatEnabled", B, RW, "False"},
             {"m_lChatMax", L, RW, "0"},
             {"m_fAllowedMin", F, RW, "0"},
             {"m_fAllowedMax", F, RW, "0"},
             {"m_fAllowedStep", F, RW, "0"},
             {"m_strAllowedList", S, RW, ""},
             {"m_strDefaultValue", S, RW, ""},
             {"m_lAttribute", L, RW, "0"},
             {"m_lForceChange", L, RW, "0"},
             {"m_bVariableEnabled", B, RW, "True"},
             {"m_bInitialize", B, RW, "False"},
             {"m_strInitData", S, RW, ""},
             {"m_lInitDataType", L, RW, "3"},
             {"m_strOption", S, RW, ""},
             {"m_lDataType", L, RW, "0", KEPT},
             {"m_lBLOBSize", L, RW, "0", KEPT},
             {"m_strBLOB", S, RW, "", KEPT},
             {"m_strEUUnit", S, RW, "", KEPT},
             {"m_bMaskEnabled", B, RW, "False"},
             {"m_lMask", L, RW, "0"},
             {"m_bBCD", B, RW, "False"},
             {"m_lCalcIndex", L, RW, "0"},
             {"m_lCalcIndex2", L, RW, "0"},
             {"m_str2ndItem", S, RW, ""},
             {"m_str3rdItem", S, RW, ""},
             {"m_bChangeType", B, RW, "False"},
             {"m_lRequestType", L, RW, "12"},
             {"m_bChangeTypeW", B, RW, "False"},
             {"m_lRequestTypeW", L, RW, "12"},
             {"m_bCompArrays", B, RW, "False"},
             {"m_bExtrLink", B, RW, "False"},
             {"m_lLinkProp", L, RW, "0"},
             {"m_strItemName", S, RW, "Temp", KEPT, ""},
             {"m_strCtrlName", S, RW, "RC1", KEPT, ""},
             {"ClassAttribute", I, RO, "2"},
             {"FullName", S, RO, "Engine\\RC1\\Temp", false, "Engine\\\\"},
             {"LinkItem", S, RW, ""},
             {"IsGroupMember", B, RW, "False", KEPT},
         }},
        {"clsPellorTriggerItem",
         [] { return std::make_shared<clsPellorTriggerItem>(); },
         [] { return std::make_shared<clsPellorTriggerItem>(); },
         {},
         true,
         {
             {"m_strName", S, RW, ""},
             {"NewEnum", O, RO, nullptr},
             {"Count", L, RO, "2"},
         }},
        {"clsPellorTriggerInfo",
         [] { return std::make_shared<clsPellorTriggerInfo>(); },
         [] { return std::make_shared<clsPellorTriggerInfo>(); },
         {},
         true,
         {
             {"m_lAction", L, RW, "0"},
             {"m_strExeFile", S, RW, ""},
             {"m_strExeParams", S, RW, ""},
             {"m_lCondition", L, RW, "-1"},
             {"m_strThreshold", S, RW, ""},
         }},
    };
    return all;
}

const ClassFixture& fixture(const QString& name) {
    for (const ClassFixture& f : fixtures())
        if (name == QLatin1String(f.name))
            return f;
    qFatal("no fixture for %s", qPrintable(name));
}

QString typeName(MemberType t) {
    switch (t) {
    case MemberType::String:
        return QStringLiteral("String");
    case MemberType::Boolean:
        return QStringLiteral("Boolean");
    case MemberType::Integer:
        return QStringLiteral("Integer");
    case MemberType::Long:
        return QStringLiteral("Long");
    case MemberType::Single:
        return QStringLiteral("Single");
    case MemberType::Double:
        return QStringLiteral("Double");
    case MemberType::Variant:
        return QStringLiteral("Variant");
    case MemberType::Object:
        return QStringLiteral("Object");
    }
    return QString();
}

QString describe(const char* name, MemberKind kind, MemberType type, bool readOnly) {
    if (kind == MemberKind::Enumerator)
        return QStringLiteral("%1 enumerator").arg(QLatin1String(name));
    return QStringLiteral("%1 %2%3").arg(QLatin1String(name), typeName(type),
                                         readOnly ? QStringLiteral(" read-only") : QString());
}

QString expectedText(const char* text) {
    return qstrcmp(text, "<script>") == 0 ? kDefaultScript : QString::fromUtf8(text);
}

QString textOf(const SerialObject& o, const char* member) {
    Variant v;
    if (!o.getProperty(member, v))
        return QStringLiteral("<no such property>");
    return v.text();
}

// Gives every writable simple member a value of its own (so that a value copied into the
// wrong member shows) and returns the texts the members then hold.
std::map<QString, QString> setDistinctValues(SerialObject& o) {
    std::map<QString, QString> texts;
    int n = 0;
    for (const MemberInfo& m : o.classInfo().members()) {
        ++n;
        if (m.kind != MemberKind::Property || m.readOnly || !m.set || m.type == MemberType::Object)
            continue;
        const Variant current = m.get(o);
        Variant value;
        switch (m.type) {
        case MemberType::String:
        case MemberType::Variant:
            value = QStringLiteral("%1 #%2").arg(QLatin1String(m.name)).arg(n);
            break;
        case MemberType::Boolean:
            value = !current.toBool().value_or(false);
            break;
        case MemberType::Integer:
        case MemberType::Long:
            value = qint32(100 + n);
            break;
        case MemberType::Single:
        case MemberType::Double:
            value = 0.25 + n;
            break;
        case MemberType::Object:
            break;
        }
        if (!m.set(o, value))
            qFatal("%s cannot be set", m.name);
        texts[QLatin1String(m.name)] = m.get(o).text();
    }
    return texts;
}

} // namespace

class TestConfigNodes : public QObject {
    Q_OBJECT

private slots:
    void memberTables_data();
    void memberTables();
    void defaultsAfterInitialize_data();
    void defaultsAfterInitialize();
    void defaultsAfterConstruction_data();
    void defaultsAfterConstruction();
    void platformDefaultsOfTheWorkspace();
    void controllerHoldsOneTriggerAndAnIntegerInterval();
    void cleanupResetsAllButTheKeptFields_data();
    void cleanupResetsAllButTheKeptFields();
    void extrLinkFollowsTheTypeAtCleanup_data();
    void extrLinkFollowsTheTypeAtCleanup();
    void controllerCopy();
    void itemCopy_data();
    void itemCopy();
    void groupAndItemName_data();
    void groupAndItemName();
    void initializeSetsTheBareVariableName_data();
    void initializeSetsTheBareVariableName();
};

void TestConfigNodes::memberTables_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("expected");
    for (const ClassFixture& f : fixtures()) {
        QStringList expected;
        for (const Row& r : f.rows)
            expected << describe(r.name,
                                 qstrcmp(r.name, "NewEnum") == 0 ? MemberKind::Enumerator
                                                                 : MemberKind::Property,
                                 r.type, r.readOnly);
        QTest::newRow(f.name) << QString::fromLatin1(f.name) << expected;
    }
}

// Member order, declared types and read-only flags are the document's vocabulary.
void TestConfigNodes::memberTables() {
    QFETCH(QString, className);
    QFETCH(QStringList, expected);
    const ClassFixture& f = fixture(className);
    auto object = f.initialised();
    QCOMPARE(object->typeName(), className);

    QStringList actual;
    for (const MemberInfo& m : object->classInfo().members())
        if (m.kind != MemberKind::Method)
            actual << describe(m.name, m.kind, m.type, m.readOnly);
    QCOMPARE(actual, expected);

    // Read-only members refuse a value and keep theirs.
    for (const Row& r : f.rows) {
        if (!r.readOnly || r.type == MemberType::Object)
            continue;
        const QString before = textOf(*object, r.name);
        QVERIFY2(!object->setProperty(r.name, Variant(QStringLiteral("7"))), r.name);
        QCOMPARE(textOf(*object, r.name), before);
    }
}

void TestConfigNodes::defaultsAfterInitialize_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("expected");
    for (const ClassFixture& f : fixtures())
        for (const Row& r : f.rows)
            if (r.initial)
                QTest::addRow("%s.%s", f.name, r.name)
                    << QString::fromLatin1(f.name) << QString::fromLatin1(r.name)
                    << expectedText(r.initial);
}

void TestConfigNodes::defaultsAfterInitialize() {
    QFETCH(QString, className);
    QFETCH(QString, member);
    QFETCH(QString, expected);
    auto object = fixture(className).initialised();
    QCOMPARE(textOf(*object, member.toLatin1().constData()), expected);
}

void TestConfigNodes::defaultsAfterConstruction_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("expected");
    for (const ClassFixture& f : fixtures())
        for (const Row& r : f.rows)
            if (const char* text = f.constructedText(r))
                QTest::addRow("%s.%s", f.name, r.name)
                    << QString::fromLatin1(f.name) << QString::fromLatin1(r.name)
                    << expectedText(text);
}

// Objects read from a document are only constructed: controllers, groups, items and trigger
// objects start from their defaults, a workspace starts empty.
void TestConfigNodes::defaultsAfterConstruction() {
    QFETCH(QString, className);
    QFETCH(QString, member);
    QFETCH(QString, expected);
    auto object = fixture(className).construct();
    QCOMPARE(textOf(*object, member.toLatin1().constData()), expected);
}

void TestConfigNodes::platformDefaultsOfTheWorkspace() {
    clsPellorWorkspace w;
    w.Initialize();
    QVERIFY(!w.m_strQuarnHost.isEmpty());
    QCOMPARE(w.m_strQuarnHost, clsPellorWorkspace::defaultQuarnHost());
    QVERIFY(w.m_strManufacturerURL.startsWith(u"http"));
    QCOMPARE(w.m_strModelURL, w.m_strManufacturerURL);
}

void TestConfigNodes::controllerHoldsOneTriggerAndAnIntegerInterval() {
    clsPellorController c;
    QVERIFY(c.m_mapTrigger);
    QCOMPARE(c.m_mapTrigger->count(), 1);
    auto trigger = std::dynamic_pointer_cast<clsPellorTriggerItem>(c.m_mapTrigger->item(1));
    QVERIFY(trigger);
    QCOMPARE(trigger->Count(), 2);
    QCOMPARE(c.m_lRecInterval.type(), VbType::Integer);
    QCOMPARE(c.m_lRecInterval.toLong(), std::optional<qint32>(60));
    QVERIFY(!c.m_strScript.endsWith(u'\n'));
}

void TestConfigNodes::cleanupResetsAllButTheKeptFields_data() {
    QTest::addColumn<QString>("className");
    for (const ClassFixture& f : fixtures())
        if (f.cleanup)
            QTest::newRow(f.name) << QString::fromLatin1(f.name);
}

void TestConfigNodes::cleanupResetsAllButTheKeptFields() {
    QFETCH(QString, className);
    const ClassFixture& f = fixture(className);
    auto object = f.initialised();
    Variant triggersBefore;
    object->getProperty("m_mapTrigger", triggersBefore);
    const auto changed = setDistinctValues(*object);

    f.cleanup(*object);

    for (const Row& r : f.rows) {
        if (r.readOnly || r.type == MemberType::Object)
            continue;
        const QString expected =
            r.notReset ? changed.at(QLatin1String(r.name)) : expectedText(f.cleanedText(r));
        if (r.initial || r.notReset)
            QVERIFY2(
                textOf(*object, r.name) == expected,
                qPrintable(QStringLiteral("%1: %2, expected %3")
                               .arg(QLatin1String(r.name), textOf(*object, r.name), expected)));
    }
    // Platform-chosen defaults come back as well.
    if (auto* w = dynamic_cast<clsPellorWorkspace*>(object.get())) {
        QCOMPARE(w->m_strQuarnHost, clsPellorWorkspace::defaultQuarnHost());
        QCOMPARE(w->m_strModelURL, clsPellorWorkspace::defaultConsortiumUrl());
        QCOMPARE(w->m_strManufacturerURL, clsPellorWorkspace::defaultConsortiumUrl());
    }
    // The controller keeps its very trigger collection.
    Variant triggersAfter;
    object->getProperty("m_mapTrigger", triggersAfter);
    QVERIFY(triggersAfter.toObject() == triggersBefore.toObject());
}

void TestConfigNodes::extrLinkFollowsTheTypeAtCleanup_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("expected");
    QTest::newRow("array item") << 2 << false << true;
    QTest::newRow("plain item") << 0 << true << false;
    QTest::newRow("alias item") << 1 << true << false;
    QTest::newRow("unknown type") << 7 << true << false;
}

void TestConfigNodes::extrLinkFollowsTheTypeAtCleanup() {
    QFETCH(int, type);
    QFETCH(bool, before);
    QFETCH(bool, expected);
    QCOMPARE(clsPellorItem().m_bExtrLink, false);

    clsPellorItem item;
    item.m_lType = type;
    item.m_bExtrLink = before;
    item.Cleanup();
    QCOMPARE(item.m_bExtrLink, expected);
    QCOMPARE(item.m_lType, type);
}

void TestConfigNodes::controllerCopy() {
    clsPellorController source;
    source.Initialize(QStringLiteral("RC1"));
    const auto changed = setDistinctValues(source);
    const QStringList copied = {
        "m_bEnabled",      "m_bStartup",       "m_bUseHistory", "m_lPriority",     "m_lTimeStamp",
        "m_lSamplingRate", "m_bDistribute",    "m_lImageIndex", "m_bWriteToCache", "m_lWDTCount",
        "m_lWDTAction",    "m_strCtrlName",    "m_strMachine",  "m_strParam",      "m_strProvider",
        "m_bDescription",  "m_strDescription", "m_bUseTrigger"};

    const auto copy = source.Copy(QStringLiteral("RC2"));
    QVERIFY(copy);
    clsPellorController fresh;
    fresh.Initialize(QStringLiteral("RC2"));
    for (const MemberInfo& m : source.classInfo().members()) {
        if (m.kind != MemberKind::Property || m.type == MemberType::Object)
            continue;
        const QString name = QLatin1String(m.name);
        const QString expected = copied.contains(name) ? changed.at(name) : textOf(fresh, m.name);
        QVERIFY2(
            textOf(*copy, m.name) == expected,
            qPrintable(
                QStringLiteral("%1: %2, expected %3").arg(name, textOf(*copy, m.name), expected)));
    }
    // The tree name is the new one while the engine's controller name is the old one.
    QCOMPARE(copy->RSQLCtrlName, QStringLiteral("RC2"));
    QCOMPARE(copy->m_strCtrlName, changed.at(QStringLiteral("m_strCtrlName")));
    // Its triggers are its own.
    QVERIFY(copy->m_mapTrigger && copy->m_mapTrigger != source.m_mapTrigger);
    QCOMPARE(copy->m_mapTrigger->count(), 1);
}

void TestConfigNodes::itemCopy_data() {
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("expectedName");
    QTest::newRow("name kept") << QString() << QStringLiteral("[G1]Temp");
    QTest::newRow("new name") << QStringLiteral("Pressure") << QStringLiteral("Pressure");
}

void TestConfigNodes::itemCopy() {
    QFETCH(QString, newName);
    QFETCH(QString, expectedName);
    clsPellorItem source;
    const auto changed = setDistinctValues(source);
    source.m_strItemName = QStringLiteral("[G1]Temp");
    source.IsGroupMember = true;
    const QStringList notCopied = {"m_lType",   "m_lDataType", "m_lBLOBSize",
                                   "m_strBLOB", "m_strEUUnit", "IsGroupMember"};

    const auto copy = source.Copy(QStringLiteral("RC9"), newName);
    QVERIFY(copy);
    const clsPellorItem fresh;
    for (const MemberInfo& m : source.classInfo().members()) {
        if (m.kind != MemberKind::Property || m.readOnly)
            continue;
        const QString name = QLatin1String(m.name);
        if (name == u"m_strItemName" || name == u"m_strCtrlName")
            continue; // the copy's own names, checked below
        const QString expected =
            notCopied.contains(name) ? textOf(fresh, m.name) : changed.at(name);
        QVERIFY2(
            textOf(*copy, m.name) == expected,
            qPrintable(
                QStringLiteral("%1: %2, expected %3").arg(name, textOf(*copy, m.name), expected)));
    }
    QCOMPARE(copy->m_strCtrlName, QStringLiteral("RC9"));
    QCOMPARE(copy->m_strItemName, expectedName);
    QCOMPARE(copy->IsGroupMember, false);
    QCOMPARE(copy->FullName(), QStringLiteral("Engine\\RC9\\") + expectedName);
    QCOMPARE(copy->LinkItem, changed.at(QStringLiteral("LinkItem")));
}

void TestConfigNodes::groupAndItemName_data() {
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<bool>("groupMember");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("separator"); // 99: left unchanged
    QTest::addColumn<QString>("fullName");

    // clang-format off
    QTest::newRow("text before [")          << "X[G]Y"      << true  << "G"   << "Y"        << 2  << "Engine\\RC1\\G\\Y";
    QTest::newRow("group member")           << "[G1]Temp"   << true  << "G1"  << "Temp"     << 3  << "Engine\\RC1\\G1\\Temp";
    QTest::newRow("not a group member")     << "[G1]Temp"   << false << ""    << "[G1]Temp" << 99 << "Engine\\RC1\\[G1]Temp";
    QTest::newRow("plain name")             << "Temp"       << false << ""    << "Temp"     << 99 << "Engine\\RC1\\Temp";
    QTest::newRow("member without [")       << "Temp"       << true  << ""    << "Temp"     << 0  << "Engine\\RC1\\\\Temp";
    QTest::newRow("split at the first ]")   << "[A]B]C"     << true  << "A"   << "B]C"      << 2  << "Engine\\RC1\\A\\B]C";
    QTest::newRow("[ inside the group")     << "a[b[c]d"    << true  << "b[c" << "d"        << 4  << "Engine\\RC1\\b[c\\d";
    QTest::newRow("empty group")            << "[]X"        << true  << ""    << "X"        << 1  << "Engine\\RC1\\\\X";
    QTest::newRow("empty bare name")        << "[G]"        << true  << "G"   << ""         << 2  << "Engine\\RC1\\G\\";
    QTest::newRow("non-ASCII")              << "[温度]炉1"  << true  << "温度" << "炉1"     << 3  << "Engine\\RC1\\温度\\炉1";
    // clang-format on
}

void TestConfigNodes::groupAndItemName() {
    QFETCH(QString, itemName);
    QFETCH(bool, groupMember);
    QFETCH(QString, group);
    QFETCH(QString, item);
    QFETCH(int, separator);
    QFETCH(QString, fullName);

    clsPellorItem i;
    i.m_strCtrlName = QStringLiteral("RC1");
    i.m_strItemName = itemName;
    i.IsGroupMember = groupMember;
    QString g = QStringLiteral("stale");
    QString b = QStringLiteral("stale");
    qint32 sep = 99;
    i.GetGroupAndItemName(g, b, sep);
    QCOMPARE(g, group);
    QCOMPARE(b, item);
    QCOMPARE(sep, separator);
    QCOMPARE(i.FullName(), fullName);
    QCOMPARE(textOf(i, "FullName"), fullName);
}

void TestConfigNodes::initializeSetsTheBareVariableName_data() {
    QTest::addColumn<bool>("groupMember");
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<QString>("varName");
    // clang-format off
    QTest::newRow("group member")     << true  << "[G1]Temp" << "Temp";
    QTest::newRow("flag not yet set") << false << "[G1]Temp" << "[G1]Temp";
    QTest::newRow("plain item")       << false << "Temp"     << "Temp";
    // clang-format on
}

void TestConfigNodes::initializeSetsTheBareVariableName() {
    QFETCH(bool, groupMember);
    QFETCH(QString, itemName);
    QFETCH(QString, varName);
    clsPellorItem item;
    item.IsGroupMember = groupMember;
    item.m_strVarName = QStringLiteral("stale");
    QVERIFY(item.Initialize(QStringLiteral("RC1"), itemName));
    QCOMPARE(item.m_strVarName, varName);
    QCOMPARE(item.m_strItemName, itemName);
    QCOMPARE(item.m_strCtrlName, QStringLiteral("RC1"));
    QCOMPARE(item.IsGroupMember, groupMember);
}

int runConfigNodesTests(int argc, char** argv) {
    TestConfigNodes test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ConfigNodes.moc"

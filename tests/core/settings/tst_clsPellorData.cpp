#include "core/app/ProgramVariant.h"
#include "core/persistence/FileRegistry.h"
#include "core/persistence/clsPellorData.h"
#include "core/persistence/clsProfile.h"
#include "core/persistence/clsRegKey.h"
#include "core/platform/Prompter.h"

#include "ScriptedPrompter.h"
#include "SettingsEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace pellor;

namespace {

constexpr int Pellor = ProgramVariant::Pellor;
constexpr int Ventor = ProgramVariant::Ventor;
constexpr int Kelvo = ProgramVariant::Kelvo;
constexpr int Tovan = ProgramVariant::Tovan;

QString b(bool v) {
    return v ? "T" : "F";
}

// Every field as "name=value", in declaration order, so that a difference names the field.
QStringList fields(const clsPellorData& d) {
    return {
        "WindowState=" + QString::number(d.m_lWindowState),
        "FormLeft=" + QString::number(d.m_lFormLeft),
        "FormTop=" + QString::number(d.m_lFormTop),
        "FormWidth=" + QString::number(d.m_lFormWidth),
        "FormHeight=" + QString::number(d.m_lFormHeight),
        "DataFilePath=" + d.m_strDataFilePath,
        "ProcessPriority=" + QString::number(d.m_iProcessPriority),
        "LCID=" + QString::number(d.m_lLCID),
        "NotRepeatErr=" + b(d.m_bNotRepeatErr),
        "LogType=" + QString::number(d.m_iLogType),
        "FileName=" + d.m_strFileName,
        "UDPParam=" + d.m_strUDPParam,
        "LogLevel=" + QString::number(d.m_iLogLevel),
        "RACCapture=" + b(d.m_bRACCapture),
        "DcomEnabled=" + b(d.m_bDcomEnabled),
        "DDEEnabled=" + b(d.m_bDDEEnabled),
        "CORBAEnabled=" + b(d.m_bCORBAEnabled),
        "CORBAOption=" + d.m_strCORBAOption,
        "JNIEnabled=" + b(d.m_bJNIEnabled),
        "RacEnabled=" + b(d.m_bRacEnabled),
        "RacOpt=" + d.m_colRacOpt.join('|'),
        "OPCUAPortNumber=" + QString::number(d.m_lOPCUAPortNumber),
        "OPCUAEnaAnonymous=" + b(d.m_bOPCUAEnaAnonymous),
        "OPCUAEnaUserPw=" + b(d.m_bOPCUAEnaUserPw),
        "OPCUAUsername=" + d.m_strOPCUAUsername,
        "OPCUAPassword=" + d.m_strOPCUAPassword,
        "CoAPEnabled=" + b(d.m_bCoAPEnabled),
        "CoAPOpt=" + d.m_colCoAPOpt.join('|'),
        "OPCUAEnaServer=" + b(d.m_bOPCUAEnaServer),
    };
}

// Values unlike every default, with texts that a careless store would change.
void fillWithNonDefaults(clsPellorData& d) {
    d.m_lWindowState = 2;
    d.m_lFormLeft = -120;
    d.m_lFormTop = 300;
    d.m_lFormWidth = 12000;
    d.m_lFormHeight = 9000;
    d.m_strDataFilePath = QStringLiteral("/home/ann/Prüf \"x\" = y;/Anlage 1.plr");
    d.m_iProcessPriority = 3;
    d.m_lLCID = 1041;
    d.m_bNotRepeatErr = true;
    d.m_iLogType = 5;
    d.m_strFileName = QStringLiteral(" /var/log/pellor.log ");
    d.m_strUDPParam = QStringLiteral("192.168.0.9:5197");
    d.m_iLogLevel = 4;
    d.m_bRACCapture = true;
    d.m_bDcomEnabled = false;
    d.m_bDDEEnabled = true;
    d.m_bCORBAEnabled = true;
    d.m_strCORBAOption = QStringLiteral("'-ORBInitRef x'");
    d.m_bJNIEnabled = false;
    d.m_bRacEnabled = true;
    d.m_colRacOpt = {"10.0.0.1,5000,1", "10.0.0.2,5000,2", "10.0.0.3,5001,3"};
    d.m_lOPCUAPortNumber = 4841;
    d.m_bOPCUAEnaAnonymous = true;
    d.m_bOPCUAEnaUserPw = true;
    d.m_strOPCUAUsername = QStringLiteral("operator");
    d.m_strOPCUAPassword = QStringLiteral(" p@ss=w\"rd; ");
    d.m_bCoAPEnabled = true;
    d.m_colCoAPOpt = {"coap://10.0.0.5"};
    d.m_bOPCUAEnaServer = false;
}

// The fields each store holds, copied from the object written into a fresh one.
void copyStoredFields(const clsPellorData& from, clsPellorData& to, int target, int variant) {
    if (target == 3) {
        to.m_lWindowState = from.m_lWindowState;
        to.m_lFormLeft = from.m_lFormLeft;
        to.m_lFormTop = from.m_lFormTop;
        to.m_lFormWidth = from.m_lFormWidth;
        to.m_lFormHeight = from.m_lFormHeight;
    }
    to.m_strDataFilePath = from.m_strDataFilePath;
    to.m_iProcessPriority = from.m_iProcessPriority;
    to.m_lLCID = from.m_lLCID;
    to.m_bNotRepeatErr = from.m_bNotRepeatErr;
    to.m_iLogType = from.m_iLogType;
    to.m_strFileName = from.m_strFileName;
    to.m_strUDPParam = from.m_strUDPParam;
    to.m_iLogLevel = from.m_iLogLevel;
    if (variant == Tovan) {
        to.m_lOPCUAPortNumber = from.m_lOPCUAPortNumber;
        to.m_bOPCUAEnaAnonymous = from.m_bOPCUAEnaAnonymous;
        to.m_bOPCUAEnaUserPw = from.m_bOPCUAEnaUserPw;
        to.m_strOPCUAUsername = from.m_strOPCUAUsername;
        to.m_strOPCUAPassword = from.m_strOPCUAPassword;
        to.m_bOPCUAEnaServer = from.m_bOPCUAEnaServer;
        return;
    }
    to.m_bRACCapture = from.m_bRACCapture;
    to.m_bDcomEnabled = from.m_bDcomEnabled;
    to.m_bDDEEnabled = from.m_bDDEEnabled;
    to.m_bCORBAEnabled = from.m_bCORBAEnabled;
    to.m_strCORBAOption = from.m_strCORBAOption;
    to.m_bJNIEnabled = from.m_bJNIEnabled;
    if (variant == Pellor) {
        to.m_bRacEnabled = from.m_bRacEnabled;
        to.m_bCoAPEnabled = from.m_bCoAPEnabled;
        if (target == 1) { // the lists live in the registry only
            to.m_colRacOpt = from.m_colRacOpt;
            to.m_colCoAPOpt = from.m_colCoAPOpt;
        }
    }
}

} // namespace

class TestPellorData : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultsAfterConstruction();
    void cleanupKeepsFieldsWithoutDefault();
    void conversions_data();
    void conversions();
    void storeLocations();
    void targetsWithoutStore_data();
    void targetsWithoutStore();
    void roundTrip_data();
    void roundTrip();

    void registryLayoutAndTypes();
    void registryReadStopsWithoutDataPath_data();
    void registryReadStopsWithoutDataPath();
    void registryBadExtensionShows542AndStops();
    void storedLogType_data();
    void storedLogType();
    void legacyPriorityIsConvertedAndBothAreSaved();
    void registryPriorityOutOfRangeKeepsField();
    void optionListsReadUpToFirstGap();
    void saveWithEmptyListsRemovesOldEntries();
    void ventorWritesServerSwitchesButNeverReadsThem();
    void registryLcidAbove32767FailsTheRead();
    void registryValueOfWrongKindFailsTheRead();
    void missingKeyIsCreatedOnRead();
    void corruptRegistryFileFailsAndIsKept();
    void deleteRegInfo();
    void deleteRegInfoForTovanWritesCertPath();
    void tovanLegacyRegistryValuesServeAsDefaults();

    void editorProfileDefaults();
    void editorProfilePriorityRules_data();
    void editorProfilePriorityRules();
    void editorProfileDoesNotReadListsSoNothingDoubles();
    void editorProfileRewritesOnlyItsSections();
    void profileConversionErrorEndsTheRead();
    void serverProfileBooleansAndDefaults();
    void serverProfilePriorityRules_data();
    void serverProfilePriorityRules();
    void serverProfileBadExtensionShows542();
    void serverProfileKeepsOnlyItsSections();
    void passwordProfilesAreOwnerOnly();
    void serverProfileFolder();
    void refusedValueFailsTheWrite();
    void messageGoesThroughThePrompter();

private:
    clsPellorData* make(int variant);
    void setRaw(const QString& keyPath, const QString& name, const QVariant& value);
    QVariant raw(const QString& keyPath, const QString& name);
    QString serverProfile() const { return m_env->commonFolder() + "/OPCUA/Tovan.ini"; }

    std::unique_ptr<SettingsEnvironment> m_env;
    std::unique_ptr<FileRegistry> m_registry;
    std::vector<std::unique_ptr<clsPellorData>> m_objects;
    QList<std::pair<int, int>> m_messages;
};

void TestPellorData::init() {
    m_env = std::make_unique<SettingsEnvironment>();
    QVERIFY(m_env->isValid());
    m_registry = std::make_unique<FileRegistry>(m_env->registryPath());
    m_messages.clear();
}

void TestPellorData::cleanup() {
    m_objects.clear();
    m_registry.reset();
    m_env.reset();
}

clsPellorData* TestPellorData::make(int variant) {
    m_objects.push_back(
        std::make_unique<clsPellorData>(*m_registry, variant, [this](int id, int style) {
            m_messages.append({id, style});
        }));
    return m_objects.back().get();
}

void TestPellorData::setRaw(const QString& keyPath, const QString& name, const QVariant& value) {
    clsRegKey key(*m_registry);
    QCOMPARE(key.CreateKey(HKEY_CLASSES_ROOT, keyPath), 0);
    QCOMPARE(key.SetValue(value, name), 0);
}

QVariant TestPellorData::raw(const QString& keyPath, const QString& name) {
    clsRegKey key(*m_registry);
    QVariant value = QStringLiteral("<missing>");
    if (key.OpenReg(HKEY_CLASSES_ROOT, keyPath, RegAccess::Read) == 0)
        key.QueryValue(value, name);
    return value;
}

void TestPellorData::defaultsAfterConstruction() {
    const clsPellorData* d = make(Pellor);
    const QStringList expected = {"WindowState=0",
                                  "FormLeft=0",
                                  "FormTop=0",
                                  "FormWidth=0",
                                  "FormHeight=0",
                                  "DataFilePath=",
                                  "ProcessPriority=2",
                                  "LCID=1024",
                                  "NotRepeatErr=F",
                                  "LogType=2",
                                  "FileName=",
                                  "UDPParam=127.0.0.1:5196",
                                  "LogLevel=1",
                                  "RACCapture=F",
                                  "DcomEnabled=T",
                                  "DDEEnabled=F",
                                  "CORBAEnabled=F",
                                  "CORBAOption=",
                                  "JNIEnabled=T",
                                  "RacEnabled=F",
                                  "RacOpt=",
                                  "OPCUAPortNumber=4890",
                                  "OPCUAEnaAnonymous=F",
                                  "OPCUAEnaUserPw=F",
                                  "OPCUAUsername=",
                                  "OPCUAPassword=",
                                  "CoAPEnabled=F",
                                  "CoAPOpt=",
                                  "OPCUAEnaServer=T"};
    QCOMPARE(fields(*d), expected);
}

void TestPellorData::cleanupKeepsFieldsWithoutDefault() {
    clsPellorData* d = make(Pellor);
    fillWithNonDefaults(*d);
    d->Cleanup();
    QStringList expected = fields(*make(Pellor)); // the defaults ...
    clsPellorData* filled = make(Pellor);
    fillWithNonDefaults(*filled);
    const QStringList before = fields(*filled);
    for (const int kept : {0, 1, 2, 3, 4, 5, 19, 26}) // ... except the fields without one
        expected[kept] = before.at(kept);
    QCOMPARE(fields(*d), expected);
}

void TestPellorData::conversions_data() {
    QTest::addColumn<QString>("conversion");
    QTest::addColumn<QList<int>>("in");
    QTest::addColumn<QList<int>>("out");

    QTest::newRow("to legacy priority")
        << "ToLegacy" << QList<int>{0, 1, 2, 3, 4, 5, -1, 6} << QList<int>{0, 1, 1, 1, 2, 3, 1, 1};
    QTest::newRow("from legacy priority")
        << "FromLegacy" << QList<int>{0, 1, 2, 3, 4, -1} << QList<int>{0, 2, 4, 5, 2, 2};
    QTest::newRow("log type stored")
        << "ToStored" << QList<int>{0, 4, 5, 6} << QList<int>{0, 4, 7, 8};
    QTest::newRow("log type read")
        << "FromStored" << QList<int>{0, 5, 6, 7} << QList<int>{0, 5, 4, 5};
}

void TestPellorData::conversions() {
    QFETCH(QString, conversion);
    QFETCH(QList<int>, in);
    QFETCH(QList<int>, out);
    QList<int> actual;
    for (const int v : in) {
        if (conversion == "ToLegacy")
            actual.append(clsPellorData::ToLegacyPriority(v));
        else if (conversion == "FromLegacy")
            actual.append(clsPellorData::FromLegacyPriority(v));
        else if (conversion == "ToStored")
            actual.append(clsPellorData::ToStoredLogType(v));
        else
            actual.append(clsPellorData::FromStoredLogType(v));
    }
    QCOMPARE(actual, out);
}

void TestPellorData::storeLocations() {
    const QString config = m_env->configFolder();
    QCOMPARE(make(Pellor)->appProfilePath(), config + "/test_settings.ini");
    QCOMPARE(make(Ventor)->appProfilePath(), config + "/VentorConfig.ini");
    QCOMPARE(make(Kelvo)->appProfilePath(), config + "/KelvoConfig.ini");
    QCOMPARE(make(Tovan)->appProfilePath(), config + "/TovanConfig.ini");
    QCOMPARE(make(Pellor)->registryKeyPath(), QString("Software\\Pellor"));
    QCOMPARE(make(Ventor)->registryKeyPath(), QString("Software\\Ventor"));
    QCOMPARE(make(Kelvo)->registryKeyPath(), QString("Software\\Kelvo"));
    QCOMPARE(make(Tovan)->registryKeyPath(), QString("Software\\Tovan"));
    QCOMPARE(make(Tovan)->serverProfilePath(), serverProfile());
    m_env->set("Tovan", m_env->path("tovan/"));
    QCOMPARE(make(Tovan)->serverProfilePath(), m_env->path("tovan/Tovan.ini"));
}

void TestPellorData::targetsWithoutStore_data() {
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("result");
    QTest::newRow("0") << 0 << true;
    QTest::newRow("2") << 2 << false;
    QTest::newRow("5") << 5 << false;
    QTest::newRow("-1") << -1 << false;
}

void TestPellorData::targetsWithoutStore() {
    QFETCH(int, target);
    QFETCH(bool, result);
    clsPellorData* d = make(Tovan);
    fillWithNonDefaults(*d);
    const QStringList before = fields(*d);
    QCOMPARE(d->WriteInfo(target), result);
    QCOMPARE(d->ReadInfo(target), result);
    QCOMPARE(d->Initialize(target), result);
    QCOMPARE(fields(*d), before);
    QCOMPARE(QDir(m_env->path(".")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList());
}

void TestPellorData::roundTrip_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("target");
    QTest::newRow("Pellor registry") << Pellor << 1;
    QTest::newRow("Ventor registry") << Ventor << 1;
    QTest::newRow("Kelvo registry") << Kelvo << 1;
    QTest::newRow("Pellor editor profile") << Pellor << 3;
    QTest::newRow("Ventor editor profile") << Ventor << 3;
    QTest::newRow("Kelvo editor profile") << Kelvo << 3;
    QTest::newRow("Tovan editor profile") << Tovan << 3;
    QTest::newRow("Tovan server profile") << Tovan << 4;
}

void TestPellorData::roundTrip() {
    QFETCH(int, variant);
    QFETCH(int, target);

    clsPellorData* written = make(variant);
    fillWithNonDefaults(*written);
    if (target == 1)
        QCOMPARE(written->DeleteRegInfo(), 0);
    QVERIFY(written->WriteInfo(target));

    clsPellorData* read = make(variant);
    if (variant == Tovan && target == 4)
        read->ReadReadTovanRegInfo();
    QVERIFY(read->ReadInfo(target));
    clsPellorData* expected = make(variant);
    copyStoredFields(*written, *expected, target, variant);
    QCOMPARE(fields(*read), fields(*expected));
    QVERIFY(m_messages.isEmpty());

    // Written a second time from what was read, the store holds the same.
    const QByteArray file = target == 1   ? SettingsEnvironment::readFile(m_env->registryPath())
                            : target == 3 ? SettingsEnvironment::readFile(read->appProfilePath())
                                          : SettingsEnvironment::readFile(serverProfile());
    if (target == 1)
        QCOMPARE(read->DeleteRegInfo(), 0);
    read->m_colRacOpt = written->m_colRacOpt; // in the editor, the registry read brings them
    read->m_colCoAPOpt = written->m_colCoAPOpt;
    if (target != 1 || variant == Pellor) {
        QVERIFY(read->WriteInfo(target));
        const QByteArray again = target == 1 ? SettingsEnvironment::readFile(m_env->registryPath())
                                 : target == 3
                                     ? SettingsEnvironment::readFile(read->appProfilePath())
                                     : SettingsEnvironment::readFile(serverProfile());
        QCOMPARE(again, file);
    }
}

void TestPellorData::registryLayoutAndTypes() {
    clsPellorData* d = make(Pellor);
    fillWithNonDefaults(*d);
    d->m_colCoAPOpt = {"c1", "c2"};
    QCOMPARE(d->DeleteRegInfo(), 0);
    QVERIFY(d->WriteInfo(1));

    clsRegKey key(*m_registry);
    QCOMPARE(key.OpenReg(HKEY_CLASSES_ROOT, "Software\\Pellor", RegAccess::Read), 0);
    QStringList names;
    QCOMPARE(key.EnumValueNames(names), 0);
    const QStringList expected = {"DataPath",
                                  "App.Path",
                                  "App.EXEName",
                                  "ProcessPriorityEx",
                                  "ProcessPriority",
                                  "LCID",
                                  "NotRepeatError",
                                  "LogType",
                                  "FileName",
                                  "UDPLogParam",
                                  "LogLevel",
                                  "RACCapture",
                                  "DCOMEnabled",
                                  "DDEEnabled",
                                  "CORBAEnabled",
                                  "CORBAOption",
                                  "JNIEnabled",
                                  "RACServerEnabled",
                                  "RACServerCount",
                                  "RACS1",
                                  "RACS2",
                                  "RACS3",
                                  "CoAPServerEnabled",
                                  "CoAPServerCount",
                                  "CoAPS1",
                                  "CoAPS2"};
    QCOMPARE(names, expected);
    const QStringList texts = {"DataPath",    "App.Path",    "App.EXEName", "FileName",
                               "UDPLogParam", "CORBAOption", "RACS1",       "RACS2",
                               "RACS3",       "CoAPS1",      "CoAPS2"};
    for (const QString& name : names) {
        quint32 type = 0;
        QCOMPARE(m_registry->queryValue(key.m_hKey(), name, &type, nullptr), 0);
        QCOMPARE(type, texts.contains(name) ? RegType::Sz : RegType::Dword);
    }
    QCOMPARE(raw("Software\\Pellor", "NotRepeatError"), QVariant(-1));
    QCOMPARE(raw("Software\\Pellor", "JNIEnabled"), QVariant(0));
    QCOMPARE(raw("Software\\Pellor", "LogType"), QVariant(7));
    QCOMPARE(raw("Software\\Pellor", "ProcessPriorityEx"), QVariant(3));
    QCOMPARE(raw("Software\\Pellor", "ProcessPriority"), QVariant(1));
    QCOMPARE(raw("Software\\Pellor", "RACServerCount"), QVariant(3));
    QCOMPARE(raw("Software\\Pellor", "App.EXEName"), QVariant(QString("test_settings")));
    QCOMPARE(raw("Software\\Pellor", "App.Path"), QVariant(QCoreApplication::applicationDirPath()));
}

void TestPellorData::registryReadStopsWithoutDataPath_data() {
    QTest::addColumn<bool>("emptyValue");
    QTest::newRow("no DataPath") << false;
    QTest::newRow("empty DataPath") << true;
}

void TestPellorData::registryReadStopsWithoutDataPath() {
    QFETCH(bool, emptyValue);
    if (emptyValue)
        setRaw("Software\\Pellor", "DataPath", QString(""));
    setRaw("Software\\Pellor", "LCID", 1041);
    setRaw("Software\\Pellor", "RACServerEnabled", true);
    setRaw("Software\\Pellor", "RACS1", QString("r"));
    clsPellorData* d = make(Pellor);
    d->m_strDataFilePath = "from/editor/profile.plr";
    QVERIFY(d->ReadInfo(1));
    QCOMPARE(d->m_lLCID, 1024);
    QCOMPARE(d->m_strDataFilePath, QString("from/editor/profile.plr"));
    QVERIFY(!d->m_bRacEnabled);
    QVERIFY(d->m_colRacOpt.isEmpty());
}

void TestPellorData::registryBadExtensionShows542AndStops() {
    setRaw("Software\\Pellor", "DataPath", QString("/d/Pellor.PLR"));
    setRaw("Software\\Pellor", "LCID", 1041);
    clsPellorData* d = make(Pellor);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Stored document path.*"));
    QVERIFY(d->ReadInfo(1));
    QCOMPARE(d->m_strDataFilePath, QString());
    QCOMPARE(d->m_lLCID, 1024);
    const QList<std::pair<int, int>> expected = {{542, MessageStyle::Exclamation}};
    QCOMPARE(m_messages, expected);
}

void TestPellorData::storedLogType_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("field");
    for (const int v : {0, 1, 2, 3, 4, 5})
        QTest::addRow("stored %d", v) << v << v;
    QTest::newRow("stored 6") << 6 << 4;
    QTest::newRow("stored 7") << 7 << 5;
}

void TestPellorData::storedLogType() {
    QFETCH(int, stored);
    QFETCH(int, field);

    setRaw("Software\\Pellor", "DataPath", QString("a.plr"));
    setRaw("Software\\Pellor", "LogType", stored);
    clsPellorData* d = make(Pellor);
    QVERIFY(d->ReadInfo(1));
    QCOMPARE(int(d->m_iLogType), field);

    clsProfile editor;
    editor.setFileName(d->appProfilePath());
    QDir().mkpath(m_env->configFolder());
    QVERIFY(editor.WriteString("HKEY_CLASSES_ROOT\\Software\\Pellor", "LogType",
                               QString::number(stored)));
    clsPellorData* fromProfile = make(Pellor);
    QVERIFY(fromProfile->ReadInfo(3));
    QCOMPARE(int(fromProfile->m_iLogType), field);

    clsProfile server;
    server.setFileName(serverProfile());
    QDir().mkpath(m_env->commonFolder() + "/OPCUA");
    QVERIFY(server.WriteString("Log", "LogType", QString::number(stored)));
    clsPellorData* tovan = make(Tovan);
    QVERIFY(tovan->ReadInfo(4));
    QCOMPARE(int(tovan->m_iLogType), field);
}

void TestPellorData::legacyPriorityIsConvertedAndBothAreSaved() {
    setRaw("Software\\Pellor", "DataPath", QString("a.plr"));
    setRaw("Software\\Pellor", "ProcessPriority", 2);
    clsPellorData* d = make(Pellor);
    QVERIFY(d->ReadInfo(1));
    QCOMPARE(int(d->m_iProcessPriority), 4);
    QCOMPARE(d->DeleteRegInfo(), 0);
    QVERIFY(d->WriteInfo(1));
    QCOMPARE(raw("Software\\Pellor", "ProcessPriorityEx"), QVariant(4));
    QCOMPARE(raw("Software\\Pellor", "ProcessPriority"), QVariant(2));
}

void TestPellorData::registryPriorityOutOfRangeKeepsField() {
    setRaw("Software\\Pellor", "DataPath", QString("a.plr"));
    setRaw("Software\\Pellor", "ProcessPriorityEx", 9);
    setRaw("Software\\Pellor", "ProcessPriority", 3);
    clsPellorData* d = make(Pellor);
    d->m_iProcessPriority = 1;
    QVERIFY(d->ReadInfo(1));
    QCOMPARE(int(d->m_iProcessPriority), 1); // the legacy value is not consulted
}

void TestPellorData::optionListsReadUpToFirstGap() {
    setRaw("Software\\Pellor", "DataPath", QString("a.plr"));
    setRaw("Software\\Pellor", "RACServerCount", 5);
    setRaw("Software\\Pellor", "RACS1", QString("one"));
    setRaw("Software\\Pellor", "RACS2", QString("two"));
    setRaw("Software\\Pellor", "RACS4", QString("four"));
    setRaw("Software\\Pellor", "CoAPS1", QString("c"));
    clsPellorData* d = make(Pellor);
    d->m_colRacOpt = {"kept"}; // the reader appends
    QVERIFY(d->ReadInfo(1));
    QCOMPARE(d->m_colRacOpt, QStringList({"kept", "one", "two"}));
    QCOMPARE(d->m_colCoAPOpt, QStringList({"c"}));
}

void TestPellorData::saveWithEmptyListsRemovesOldEntries() {
    setRaw("Software\\Pellor", "RACS1", QString("old"));
    setRaw("Software\\Pellor", "CoAPS7", QString("old"));
    setRaw("Software\\Pellor", "Locale", 1041);
    clsPellorData* d = make(Pellor);
    d->m_strDataFilePath = "a.plr";
    QCOMPARE(d->DeleteRegInfo(), 0);
    QVERIFY(d->WriteInfo(1));
    QCOMPARE(raw("Software\\Pellor", "RACServerCount"), QVariant(0));
    QCOMPARE(raw("Software\\Pellor", "CoAPServerCount"), QVariant(0));
    for (const char* gone : {"RACS1", "CoAPS7", "Locale"})
        QCOMPARE(raw("Software\\Pellor", gone), QVariant(QString("<missing>")));
}

void TestPellorData::ventorWritesServerSwitchesButNeverReadsThem() {
    clsPellorData* d = make(Ventor);
    d->m_strDataFilePath = "v.plr";
    d->m_bRacEnabled = true;
    d->m_colRacOpt = {"r"};
    QCOMPARE(d->DeleteRegInfo(), 0);
    QVERIFY(d->WriteInfo(1));
    QCOMPARE(raw("Software\\Ventor", "RACServerEnabled"), QVariant(-1));
    QCOMPARE(raw("Software\\Ventor", "CoAPServerEnabled"), QVariant(0));
    QCOMPARE(raw("Software\\Ventor", "RACS1"), QVariant(QString("r")));

    clsPellorData* read = make(Ventor);
    read->m_bRacEnabled = true;
    read->m_bCoAPEnabled = true;
    QVERIFY(read->ReadInfo(1));
    QVERIFY(!read->m_bRacEnabled);
    QVERIFY(!read->m_bCoAPEnabled);
    QVERIFY(read->m_colRacOpt.isEmpty());
    // After a read, the next save stores them as False.
    QCOMPARE(read->DeleteRegInfo(), 0);
    QVERIFY(read->WriteInfo(1));
    QCOMPARE(raw("Software\\Ventor", "RACServerEnabled"), QVariant(0));
}

void TestPellorData::registryLcidAbove32767FailsTheRead() {
    setRaw("Software\\Pellor", "DataPath", QString("a.plr"));
    setRaw("Software\\Pellor", "ProcessPriorityEx", 5);
    setRaw("Software\\Pellor", "LCID", 32768);
    clsPellorData* d = make(Pellor);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Registry value LCID.*"));
    QVERIFY(!d->ReadInfo(1));
    QCOMPARE(int(d->m_iProcessPriority), 5); // read before the failure
    QCOMPARE(d->m_lLCID, 1024);
    setRaw("Software\\Pellor", "LCID", 32767);
    QVERIFY(d->ReadInfo(1));
    QCOMPARE(d->m_lLCID, 32767);
}

void TestPellorData::registryValueOfWrongKindFailsTheRead() {
    setRaw("Software\\Pellor", "DataPath", QString("a.plr"));
    setRaw("Software\\Pellor", "LogLevel", QString("3")); // a number as text is read
    clsPellorData* d = make(Pellor);
    QVERIFY(d->ReadInfo(1));
    QCOMPARE(int(d->m_iLogLevel), 3);
    setRaw("Software\\Pellor", "LogLevel", QString("verbose"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Registry value LogLevel.*"));
    QVERIFY(!d->ReadInfo(1));
    setRaw("Software\\Pellor", "LogLevel", QByteArray("\1"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Registry value LogLevel.*"));
    QCOMPARE(d->ReadRegInfo(), RegError::InvalidData);
}

void TestPellorData::missingKeyIsCreatedOnRead() {
    clsPellorData* d = make(Kelvo);
    QVERIFY(d->ReadInfo(1));
    QVERIFY(SettingsEnvironment::readFile(m_env->registryPath())
                .contains("[HKEY_CLASSES_ROOT\\Software\\Kelvo]\n"));
}

void TestPellorData::corruptRegistryFileFailsAndIsKept() {
    const QByteArray corrupt = "Windows Registry Editor Version 5.00\n[HKEY_CLASSES_ROOT\\Soft";
    QVERIFY(SettingsEnvironment::writeFile(m_env->registryPath(), corrupt));
    clsPellorData* d = make(Pellor);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Registry file cannot be parsed.*"));
    QVERIFY(!d->ReadInfo(1));
    QVERIFY(d->DeleteRegInfo() != 0);
    QVERIFY(!d->WriteInfo(1));
    QCOMPARE(SettingsEnvironment::readFile(m_env->registryPath()), corrupt);
    QCOMPARE(m_registry->lastError(),
             m_env->registryPath() + ", line 2: missing \"]\" after the key name");
}

void TestPellorData::deleteRegInfo() {
    clsPellorData* d = make(Pellor);
    QCOMPARE(d->DeleteRegInfo(), 0); // no key yet: it is created, and holds nothing
    setRaw("Software\\Pellor", "Locale", 1041);
    setRaw("Software\\Pellor", "Foreign", QString("x"));
    setRaw("Software\\Pellor\\Sub", "Kept", QString("k"));
    QCOMPARE(d->DeleteRegInfo(), 0);
    QStringList names = {"x"};
    clsRegKey key(*m_registry);
    QCOMPARE(key.OpenReg(HKEY_CLASSES_ROOT, "Software\\Pellor", RegAccess::Read), 0);
    QCOMPARE(key.EnumValueNames(names), 0);
    QCOMPARE(names, QStringList());
    QCOMPARE(raw("Software\\Pellor\\Sub", "Kept"), QVariant(QString("k")));
}

void TestPellorData::deleteRegInfoForTovanWritesCertPath() {
    setRaw("Software\\Tovan", "LogType", 1);
    clsPellorData* d = make(Tovan);
    QCOMPARE(d->DeleteRegInfo(), 0);
    QCOMPARE(raw("Software\\Tovan", "LogType"), QVariant(QString("<missing>")));
    QCOMPARE(raw("Software\\Tovan", "Cert.Path"), QVariant(QString("")));
}

void TestPellorData::tovanLegacyRegistryValuesServeAsDefaults() {
    setRaw("Software\\Tovan", "LogType", 7);
    setRaw("Software\\Tovan", "FileName", QString("/var/log/tovan.log"));
    setRaw("Software\\Tovan", "UDPLogParam", QString("10.1.1.1:9"));
    setRaw("Software\\Tovan", "LogLevel", 0);
    clsPellorData* d = make(Tovan);
    d->m_bRacEnabled = true;
    d->m_bCoAPEnabled = true;
    QCOMPARE(d->ReadReadTovanRegInfo(), 0);
    QVERIFY(!d->m_bRacEnabled);
    QVERIFY(!d->m_bCoAPEnabled);
    QVERIFY(d->ReadInfo(4)); // no server profile yet
    QCOMPARE(int(d->m_iLogType), 5);
    QCOMPARE(d->m_strFileName, QString("/var/log/tovan.log"));
    QCOMPARE(d->m_strUDPParam, QString("10.1.1.1:9"));
    QCOMPARE(int(d->m_iLogLevel), 0);

    // A missing "Software\Tovan" is created.
    QCOMPARE(m_registry->deleteKey(HKEY_CLASSES_ROOT, "Software\\Tovan"), 0);
    QCOMPARE(make(Tovan)->ReadReadTovanRegInfo(), 0);
    QCOMPARE(raw("Software\\Tovan", "x"), QVariant(QString("<missing>")));
    clsRegKey key(*m_registry);
    QCOMPARE(key.OpenReg(HKEY_CLASSES_ROOT, "Software\\Tovan", RegAccess::Read), 0);
}

void TestPellorData::editorProfileDefaults() {
    for (const int variant : {Pellor, Tovan}) {
        clsPellorData* d = make(variant);
        d->m_lFormLeft = 5;
        QVERIFY(d->ReadInfo(3));
        QCOMPARE(d->m_lWindowState, 0);
        QCOMPARE(d->m_lFormLeft, 200);
        QCOMPARE(d->m_lFormTop, 200);
        QCOMPARE(d->m_lFormWidth, 9600);
        QCOMPARE(d->m_lFormHeight, 7200);
        QCOMPARE(d->m_lLCID, 1024);
        QCOMPARE(int(d->m_iProcessPriority), 2);
        QVERIFY(!QFileInfo::exists(d->appProfilePath())); // reading creates no profile
    }
    // Reading the editor profile of a registry variant creates its registry key.
    QVERIFY(SettingsEnvironment::readFile(m_env->registryPath())
                .contains("[HKEY_CLASSES_ROOT\\Software\\Pellor]"));
}

void TestPellorData::editorProfilePriorityRules_data() {
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("priority");
    QTest::newRow("Ex taken") << QByteArray("ProcessPriorityEx=5\nProcessPriority=0\n") << 5;
    QTest::newRow("legacy 2") << QByteArray("ProcessPriority=2\n") << 4;
    QTest::newRow("legacy out of scale") << QByteArray("ProcessPriority=9\n") << 2;
    QTest::newRow("neither") << QByteArray() << 2;
    QTest::newRow("Ex out of range") << QByteArray("ProcessPriorityEx=9\n") << 2;
}

void TestPellorData::editorProfilePriorityRules() {
    QFETCH(QByteArray, lines);
    QFETCH(int, priority);
    clsPellorData* d = make(Pellor);
    d->m_iProcessPriority = 0;
    QVERIFY(QDir().mkpath(m_env->configFolder()));
    QVERIFY(SettingsEnvironment::writeFile(d->appProfilePath(),
                                           "[HKEY_CLASSES_ROOT\\Software\\Pellor]\n" + lines));
    QVERIFY(d->ReadInfo(3));
    QCOMPARE(int(d->m_iProcessPriority), priority);
}

void TestPellorData::editorProfileDoesNotReadListsSoNothingDoubles() {
    clsPellorData* d = make(Pellor);
    d->m_strDataFilePath = "a.plr";
    d->m_colRacOpt = {"r1", "r2"};
    QCOMPARE(d->DeleteRegInfo(), 0);
    QVERIFY(d->WriteInfo(1));
    QVERIFY(d->WriteInfo(3));
    QVERIFY(SettingsEnvironment::readFile(d->appProfilePath()).contains("RACS2=r2\n"));

    clsPellorData* read = make(Pellor);
    QVERIFY(read->ReadInfo(3));
    QVERIFY(read->m_colRacOpt.isEmpty());
    QVERIFY(read->ReadInfo(1));
    QCOMPARE(read->m_colRacOpt, QStringList({"r1", "r2"}));
}

void TestPellorData::editorProfileRewritesOnlyItsSections() {
    clsPellorData* d = make(Kelvo);
    QVERIFY(QDir().mkpath(m_env->configFolder()));
    QVERIFY(SettingsEnvironment::writeFile(
        d->appProfilePath(), "; notes kept\n[Old]\nx=1\n[Window]\nFormLeft=1\nStale=1\n"));
    QVERIFY(d->WriteInfo(3));
    const QByteArray text = SettingsEnvironment::readFile(d->appProfilePath());
    QVERIFY2(text.startsWith("; notes kept\n[Window]\nWindowState=0\n"), text.constData());
    QVERIFY(!text.contains("[Old]"));
    QVERIFY(!text.contains("Stale"));
    QVERIFY(text.contains("[HKEY_CLASSES_ROOT\\Software\\Kelvo]\nDataPath=\n"));
    QVERIFY(text.contains("\nDCOMEnabled=True\n"));
    QVERIFY(!text.contains("RACServerEnabled")); // Pellor only
}

void TestPellorData::profileConversionErrorEndsTheRead() {
    clsPellorData* d = make(Pellor);
    QVERIFY(QDir().mkpath(m_env->configFolder()));
    QVERIFY(SettingsEnvironment::writeFile(d->appProfilePath(),
                                           "[Window]\nWindowState=2\nFormLeft=left\n"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Profile .* key FormLeft holds left.*"));
    QVERIFY(!d->ReadInfo(3));
    QCOMPARE(d->m_lWindowState, 2); // read before the failure
    QCOMPARE(d->m_lFormLeft, 0);

    clsPellorData* tovan = make(Tovan);
    QVERIFY(QDir().mkpath(m_env->commonFolder() + "/OPCUA"));
    QVERIFY(SettingsEnvironment::writeFile(serverProfile(), "[Server]\nAutoStart=True\n"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Profile .* key AutoStart holds True.*"));
    QVERIFY(!tovan->ReadInfo(4));
}

void TestPellorData::serverProfileBooleansAndDefaults() {
    QVERIFY(QDir().mkpath(m_env->commonFolder() + "/OPCUA"));
    QVERIFY(SettingsEnvironment::writeFile(serverProfile(),
                                           "[Log]\nNotRepeatError=2\n[Logon]\nUserLogon=1.0\n"));
    clsPellorData* d = make(Tovan);
    d->m_bNotRepeatErr = true;
    d->m_bOPCUAEnaServer = false;
    d->m_lOPCUAPortNumber = 1;
    QVERIFY(d->ReadInfo(4));
    QVERIFY(!d->m_bNotRepeatErr);
    QVERIFY(d->m_bOPCUAEnaServer); // "AutoStart" missing
    QVERIFY(d->m_bOPCUAEnaUserPw);
    QVERIFY(!d->m_bOPCUAEnaAnonymous);
    QCOMPARE(d->m_lOPCUAPortNumber, 4890);
    QCOMPARE(d->m_lLCID, 1024);
}

void TestPellorData::serverProfilePriorityRules_data() {
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("priority");
    QTest::newRow("Ex taken") << QByteArray("ProcessPriorityEx=0\n") << 0;
    QTest::newRow("Ex out of range: unchanged") << QByteArray("ProcessPriorityEx=6\n") << 3;
    QTest::newRow("legacy 3") << QByteArray("ProcessPriorityEx=-1\nProcessPriority=3\n") << 5;
    QTest::newRow("legacy out of scale: unchanged") << QByteArray("ProcessPriority=4\n") << 3;
    QTest::newRow("neither: legacy default 1") << QByteArray() << 2;
}

void TestPellorData::serverProfilePriorityRules() {
    QFETCH(QByteArray, lines);
    QFETCH(int, priority);
    QVERIFY(QDir().mkpath(m_env->commonFolder() + "/OPCUA"));
    QVERIFY(SettingsEnvironment::writeFile(serverProfile(), "[System]\n" + lines));
    clsPellorData* d = make(Tovan);
    d->m_iProcessPriority = 3;
    QVERIFY(d->ReadInfo(4));
    QCOMPARE(int(d->m_iProcessPriority), priority);
}

void TestPellorData::serverProfileBadExtensionShows542() {
    QVERIFY(QDir().mkpath(m_env->commonFolder() + "/OPCUA"));
    QVERIFY(SettingsEnvironment::writeFile(serverProfile(), "[Path]\nPLRPath=/d/Tovan.xml\n"));
    clsPellorData* d = make(Tovan);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Stored document path.*"));
    QVERIFY(d->ReadInfo(4));
    QCOMPARE(d->m_strDataFilePath, QString());
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().first, 542);

    // The editor profile of Tovan makes no such test.
    QVERIFY(QDir().mkpath(m_env->configFolder()));
    QVERIFY(SettingsEnvironment::writeFile(d->appProfilePath(), "[Path]\nPLRPath=/d/Tovan.xml\n"));
    QVERIFY(d->ReadInfo(3));
    QCOMPARE(d->m_strDataFilePath, QString("/d/Tovan.xml"));
    QCOMPARE(m_messages.size(), 1);
}

void TestPellorData::serverProfileKeepsOnlyItsSections() {
    QVERIFY(QDir().mkpath(m_env->commonFolder() + "/OPCUA"));
    QVERIFY(SettingsEnvironment::writeFile(serverProfile(),
                                           "[Custom]\na=1\n[Log]\nOld=1\n[Custom]\nb=2\n"));
    clsPellorData* d = make(Tovan);
    QVERIFY(d->WriteInfo(4));
    clsProfile profile;
    profile.setFileName(serverProfile());
    QCOMPARE(profile.GetSectNames(), QStringList({"System", "Log", "Server", "Logon", "Path"}));
    QCOMPARE(profile.GetString("Log", "Old", "<gone>"), QString("<gone>"));
    QCOMPARE(profile.GetString("Server", "AutoStart", ""), QString("1"));
    QCOMPARE(profile.GetString("Log", "NotRepeatError", ""), QString("0"));
}

void TestPellorData::passwordProfilesAreOwnerOnly() {
    clsPellorData* d = make(Tovan);
    d->m_strOPCUAPassword = "secret";
    QVERIFY(d->WriteInfo(4));
    QVERIFY(d->WriteInfo(3));
    QCOMPARE(SettingsEnvironment::mode(serverProfile()), 0600);
    QCOMPARE(SettingsEnvironment::mode(d->appProfilePath()), 0600);
    QVERIFY(SettingsEnvironment::readFile(serverProfile()).contains("UserPassword=secret\n"));
}

void TestPellorData::serverProfileFolder() {
    // The common folder is created when missing ...
    clsPellorData* d = make(Tovan);
    QVERIFY(d->WriteInfo(4));
    QVERIFY(QFileInfo::exists(serverProfile()));
    QCOMPARE(make(Tovan)->proposedDocumentPath(), m_env->commonFolder() + "/OPCUA/Tovan.plr");
    QCOMPARE(make(Ventor)->proposedDocumentPath(), QString("Ventor.plr"));
    QCOMPARE(make(Pellor)->proposedDocumentPath(), QString("Pellor.plr"));

    // ... a folder named by "Tovan" is not, and the write fails.
    m_env->set("Tovan", m_env->path("elsewhere"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Profile .* cannot be locked"));
    QVERIFY(!d->WriteInfo(4));
    QVERIFY(!QFileInfo::exists(m_env->path("elsewhere")));
    QVERIFY(d->ReadInfo(4)); // reading a missing profile gives the defaults

    // A common folder that cannot be created fails the write as well.
    m_env->set("Tovan", std::nullopt);
    QVERIFY(SettingsEnvironment::writeFile(m_env->path("file"), "x"));
    m_env->set("PELLOR_COMMON_APPDATA", m_env->path("file"));
    QVERIFY(!d->WriteInfo(4));
}

void TestPellorData::refusedValueFailsTheWrite() {
    clsPellorData* d = make(Tovan);
    d->m_strOPCUAUsername = "x\n[Path]\nPLRPath=/evil.plr";
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Profile .* refuses key UserName.*"));
    QVERIFY(!d->WriteInfo(4));
    clsProfile profile;
    profile.setFileName(serverProfile());
    QCOMPARE(profile.GetString("Path", "PLRPath", "<none>"), QString("<none>"));
}

void TestPellorData::messageGoesThroughThePrompter() {
    ScriptedPrompter prompter;
    prompter.answerMessage(MessageResult::Ok);
    clsPellorData d(*m_registry, Pellor, [&](int id, int style) {
        prompter.messageBox(QString::number(id), style, QStringLiteral("PellorConfig"));
    });
    setRaw("Software\\Pellor", "DataPath", QString("/d/x.pl"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Stored document path.*"));
    QVERIFY(d.ReadInfo(1));
    QVERIFY(prompter.allAnswersUsed());
    QCOMPARE(prompter.asked().size(), 1);
    QCOMPARE(prompter.asked().first().text, QString("542"));
    QCOMPARE(prompter.asked().first().style, MessageStyle::OkOnly + MessageStyle::Exclamation);
}

int runPellorDataTests(int argc, char** argv) {
    TestPellorData test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_clsPellorData.moc"

#include "core/persistence/FileRegistry.h"

#include "SettingsEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace pellor;

namespace {

const QByteArray kHeader = "Windows Registry Editor Version 5.00\n";

QByteArray sz(const QString& text) {
    return text.toUtf8() + QByteArray(1, '\0');
}

// Creates (or opens) a key below HKEY_CLASSES_ROOT with full access; 0 on failure.
RegKeyHandle create(FileRegistry& registry, const QString& path) {
    RegKeyHandle key = 0;
    return registry.createKey(HKEY_CLASSES_ROOT, path, RegOption::NonVolatile, RegAccess::AllAccess,
                              &key, nullptr) == 0
               ? key
               : 0;
}

QByteArray valueOf(FileRegistry& registry, const QString& path, const QString& name) {
    RegKeyHandle key = 0;
    if (registry.openKey(HKEY_CLASSES_ROOT, path, RegAccess::Read, &key) != 0)
        return "<no key>";
    QByteArray data;
    const qint32 rc = registry.queryValue(key, name, nullptr, &data);
    registry.closeKey(key);
    return rc == 0 ? data : "<no value>";
}

} // namespace

class TestFileRegistry : public QObject {
    Q_OBJECT

private slots:
    void defaultPathFollowsEnvironment();
    void missingFileIsEmptyAndCreatedOnFirstChange();
    void readingDoesNotCreateTheFile();
    void namesIgnoreCaseAndKeepIt();
    void createReportsDisposition();
    void accessMaskIsChecked_data();
    void accessMaskIsChecked();
    void badNamesAreRefused_data();
    void badNamesAreRefused();
    void deleteKeyRules();
    void handleOfDeletedKey();
    void enumerationAndKeyInfo();
    void twoEditorsKeepEachOthersChanges();
    void fileRewrittenByAnotherProcessMeanwhile();
    void unparsableFileIsReportedAndLeftAlone_data();
    void unparsableFileIsReportedAndLeftAlone();
    void unwritableLocationFailsClearly();
    void saveKeyNeverOverwrites();
    void restoreReplacesTheKey();
    void restoreWithoutForceWhileSubkeyOpen();
    void restoreRejectsBadFiles_data();
    void restoreRejectsBadFiles();
};

void TestFileRegistry::defaultPathFollowsEnvironment() {
    SettingsEnvironment env;
    QCOMPARE(FileRegistry::defaultPath(), env.registryPath());
    env.set("PELLOR_REGISTRY", QString());
    QCOMPARE(FileRegistry::defaultPath(), env.configFolder() + "/registry.reg");
}

void TestFileRegistry::missingFileIsEmptyAndCreatedOnFirstChange() {
    SettingsEnvironment env;
    const QString path = env.path("sub/dir/registry.reg"); // the folder is missing too
    FileRegistry registry(path);
    RegKeyHandle key = 0;
    QCOMPARE(registry.openKey(HKEY_CLASSES_ROOT, "Software\\Pellor", RegAccess::Read, &key),
             RegError::FileNotFound);
    QCOMPARE(key, RegKeyHandle(0));
    key = create(registry, "Software\\Pellor");
    QVERIFY(key != 0);
    QCOMPARE(registry.setValue(key, "DataPath", RegType::Sz, sz("/d/Pellor.plr")), 0);
    QCOMPARE(SettingsEnvironment::readFile(path),
             kHeader + "\n[HKEY_CLASSES_ROOT\\Software]\n\n[HKEY_CLASSES_ROOT\\Software\\Pellor]\n"
                       "\"DataPath\"=\"/d/Pellor.plr\"\n");
    QVERIFY(!QFileInfo::exists(path + ".lock"));
}

void TestFileRegistry::readingDoesNotCreateTheFile() {
    SettingsEnvironment env;
    FileRegistry registry(env.registryPath());
    RegistryKeyInfo info;
    QCOMPARE(registry.queryInfoKey(HKEY_CLASSES_ROOT, &info), 0);
    QCOMPARE(info.subKeys, 0u);
    QString name;
    QCOMPARE(registry.enumKey(HKEY_CLASSES_ROOT, 0, &name), RegError::NoMoreItems);
    QVERIFY(!QFileInfo::exists(env.registryPath()));
}

void TestFileRegistry::namesIgnoreCaseAndKeepIt() {
    SettingsEnvironment env;
    FileRegistry registry(env.registryPath());
    const RegKeyHandle key = create(registry, "Software\\Pellor");
    QCOMPARE(registry.setValue(key, "DataPath", RegType::Sz, sz("a")), 0);
    QCOMPARE(registry.setValue(key, "DATAPATH", RegType::Sz, sz("b")), 0);
    QCOMPARE(valueOf(registry, "SOFTWARE\\pellor", "datapath"), sz("b"));
    QString name;
    QCOMPARE(registry.enumValue(key, 0, &name), 0);
    QCOMPARE(name, QString("DataPath"));
    QCOMPARE(registry.enumKey(HKEY_CLASSES_ROOT, 0, &name), 0);
    QCOMPARE(name, QString("Software"));
    QVERIFY(SettingsEnvironment::readFile(env.registryPath()).contains("\"DataPath\"=\"b\""));
}

void TestFileRegistry::createReportsDisposition() {
    SettingsEnvironment env;
    FileRegistry registry(env.registryPath());
    RegKeyHandle key = 0;
    quint32 disposition = 0;
    QCOMPARE(
        registry.createKey(HKEY_CLASSES_ROOT, "A\\B", 0, RegAccess::AllAccess, &key, &disposition),
        0);
    QCOMPARE(disposition, RegDisposition::CreatedNewKey);
    QCOMPARE(registry.createKey(HKEY_CLASSES_ROOT, "a\\b\\", 0, RegAccess::AllAccess, &key,
                                &disposition),
             0);
    QCOMPARE(disposition, RegDisposition::OpenedExistingKey);
}

void TestFileRegistry::accessMaskIsChecked_data() {
    QTest::addColumn<quint32>("access");
    QTest::addColumn<int>("query");
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("enumKeys");
    QTest::addColumn<int>("createSub");

    const int denied = RegError::AccessDenied;
    QTest::newRow("read") << RegAccess::Read << 0 << denied << 0 << denied;
    QTest::newRow("write") << RegAccess::Write << denied << 0 << denied << 0;
    QTest::newRow("query only") << RegAccess::QueryValue << 0 << denied << denied << denied;
    QTest::newRow("all") << RegAccess::AllAccess << 0 << 0 << 0 << 0;
}

void TestFileRegistry::accessMaskIsChecked() {
    QFETCH(quint32, access);
    QFETCH(int, query);
    QFETCH(int, set);
    QFETCH(int, enumKeys);
    QFETCH(int, createSub);

    SettingsEnvironment env;
    FileRegistry registry(env.registryPath());
    const RegKeyHandle full = create(registry, "K\\Sub");
    QCOMPARE(registry.closeKey(full), 0);
    const RegKeyHandle setup = create(registry, "K");
    QCOMPARE(registry.setValue(setup, "v", RegType::Sz, sz("x")), 0);

    RegKeyHandle key = 0;
    QCOMPARE(registry.openKey(HKEY_CLASSES_ROOT, "K", access, &key), 0);
    QCOMPARE(registry.queryValue(key, "v", nullptr, nullptr), query);
    QCOMPARE(registry.setValue(key, "v", RegType::Sz, sz("y")), set);
    QString name;
    QCOMPARE(registry.enumKey(key, 0, &name), enumKeys);
    RegKeyHandle sub = 0;
    QCOMPARE(registry.createKey(key, "New", 0, RegAccess::AllAccess, &sub, nullptr), createSub);
    QCOMPARE(valueOf(registry, "K", "v"), set == 0 ? sz("y") : sz("x"));
}

void TestFileRegistry::badNamesAreRefused_data() {
    QTest::addColumn<QString>("keyPath");
    QTest::addColumn<QString>("valueName");

    QTest::newRow("leading backslash") << "\\Software"
                                       << "";
    QTest::newRow("empty name in path") << "A\\\\B"
                                        << "";
    QTest::newRow("key name of 256") << QString(256, 'k') << "";
    QTest::newRow("line break in key") << "A\nB"
                                       << "";
    QTest::newRow("line break in value name") << ""
                                              << "a\nb";
    QTest::newRow("value name too long") << "" << QString(16384, 'v');
}

void TestFileRegistry::badNamesAreRefused() {
    QFETCH(QString, keyPath);
    QFETCH(QString, valueName);

    SettingsEnvironment env;
    FileRegistry registry(env.registryPath());
    if (!keyPath.isEmpty()) {
        RegKeyHandle key = 0;
        QCOMPARE(
            registry.createKey(HKEY_CLASSES_ROOT, keyPath, 0, RegAccess::AllAccess, &key, nullptr),
            RegError::InvalidParameter);
    } else {
        const RegKeyHandle key = create(registry, "K");
        QCOMPARE(registry.setValue(key, valueName, RegType::Sz, sz("x")),
                 RegError::InvalidParameter);
    }
    // A key name of 255 characters is fine.
    QVERIFY(create(registry, QString(255, 'k')) != 0);
    QCOMPARE(registry.setValue(create(registry, "K"), "t", RegType::Sz, QByteArray("\xff\0", 2)),
             RegError::InvalidData);
}

void TestFileRegistry::deleteKeyRules() {
    SettingsEnvironment env;
    FileRegistry registry(env.registryPath());
    const RegKeyHandle parent = create(registry, "P");
    create(registry, "P\\Child\\Grandchild");
    QCOMPARE(registry.deleteKey(parent, "Child"), RegError::AccessDenied);
    QCOMPARE(registry.deleteKey(parent, "Missing"), RegError::FileNotFound);
    QCOMPARE(registry.deleteKey(parent, ""), RegError::InvalidParameter);
    QCOMPARE(registry.deleteKey(parent, "child\\GRANDCHILD"), 0);
    QCOMPARE(registry.deleteKey(parent, "Child"), 0);
    RegistryKeyInfo info;
    QCOMPARE(registry.queryInfoKey(parent, &info), 0);
    QCOMPARE(info.subKeys, 0u);
    QCOMPARE(registry.deleteValue(parent, "nothing"), RegError::FileNotFound);
}

void TestFileRegistry::handleOfDeletedKey() {
    SettingsEnvironment env;
    FileRegistry registry(env.registryPath());
    FileRegistry other(env.registryPath());
    const RegKeyHandle key = create(registry, "Gone");
    QCOMPARE(other.deleteKey(HKEY_CLASSES_ROOT, "Gone"), 0);
    QCOMPARE(registry.setValue(key, "v", RegType::Sz, sz("x")), RegError::KeyDeleted);
    QCOMPARE(registry.queryValue(key, "v", nullptr, nullptr), RegError::KeyDeleted);
    QCOMPARE(registry.closeKey(key), 0);
    QCOMPARE(registry.closeKey(key), RegError::InvalidHandle);
    QCOMPARE(registry.queryValue(12345, "v", nullptr, nullptr), RegError::InvalidHandle);
}

void TestFileRegistry::enumerationAndKeyInfo() {
    SettingsEnvironment env;
    FileRegistry registry(env.registryPath());
    const RegKeyHandle key = create(registry, "K");
    create(registry, "K\\zeta");
    create(registry, "K\\Alpha");
    create(registry, "K\\beta");
    QCOMPARE(registry.setValue(key, "second", RegType::Binary, QByteArray(10, 'x')), 0);
    QCOMPARE(registry.setValue(key, "", RegType::Sz, sz("d")), 0);
    QCOMPARE(registry.setValue(key, "a", RegType::Sz, sz("")), 0);

    QStringList keys;
    QString name;
    for (quint32 i = 0; registry.enumKey(key, i, &name) == 0; ++i)
        keys.append(name);
    QCOMPARE(keys, QStringList({"Alpha", "beta", "zeta"}));
    QStringList values;
    for (quint32 i = 0; registry.enumValue(key, i, &name) == 0; ++i)
        values.append(name);
    QCOMPARE(values, QStringList({"second", "", "a"}));

    RegistryKeyInfo info;
    QCOMPARE(registry.queryInfoKey(key, &info), 0);
    QCOMPARE(info.subKeys, 3u);
    QCOMPARE(info.maxSubKeyLength, 5u);
    QCOMPARE(info.values, 3u);
    QCOMPARE(info.maxValueNameLength, 6u);
    QCOMPARE(info.maxValueDataLength, 10u);
}

void TestFileRegistry::twoEditorsKeepEachOthersChanges() {
    SettingsEnvironment env;
    FileRegistry pellorEditor(env.registryPath());
    FileRegistry ventorEditor(env.registryPath());
    const RegKeyHandle pellor = create(pellorEditor, "Software\\Pellor");
    const RegKeyHandle ventor = create(ventorEditor, "Software\\Ventor");
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(pellorEditor.setValue(pellor, QString("P%1").arg(i), RegType::Sz, sz("p")), 0);
        QCOMPARE(ventorEditor.setValue(ventor, QString("V%1").arg(i), RegType::Sz, sz("v")), 0);
    }
    FileRegistry reader(env.registryPath());
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(valueOf(reader, "Software\\Pellor", QString("P%1").arg(i)), sz("p"));
        QCOMPARE(valueOf(reader, "Software\\Ventor", QString("V%1").arg(i)), sz("v"));
    }
}

void TestFileRegistry::fileRewrittenByAnotherProcessMeanwhile() {
    SettingsEnvironment env;
    FileRegistry registry(env.registryPath());
    const RegKeyHandle key = create(registry, "Software\\Pellor");
    QCOMPARE(registry.setValue(key, "Mine", RegType::Sz, sz("1")), 0);
    QCOMPARE(valueOf(registry, "Software\\Pellor", "Mine"), sz("1")); // now cached

    // Another program rewrites the file in place, same size, same second.
    QByteArray text = SettingsEnvironment::readFile(env.registryPath());
    text.replace("\"Mine\"=\"1\"", "\"Mine\"=\"2\"");
    text += "\n[HKEY_CLASSES_ROOT\\Software\\Ventor]\n\"Theirs\"=\"t\"\n";
    QVERIFY(SettingsEnvironment::writeFile(env.registryPath(), text));

    QCOMPARE(valueOf(registry, "Software\\Pellor", "Mine"), sz("2"));
    QCOMPARE(registry.setValue(key, "Next", RegType::Sz, sz("n")), 0);
    const QByteArray after = SettingsEnvironment::readFile(env.registryPath());
    QVERIFY(after.contains("\"Theirs\"=\"t\""));
    QVERIFY(after.contains("\"Mine\"=\"2\""));
    QVERIFY(after.contains("\"Next\"=\"n\""));
}

void TestFileRegistry::unparsableFileIsReportedAndLeftAlone_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");

    QTest::newRow("garbage line") << kHeader + "[HKEY_CLASSES_ROOT\\K]\n\"a\"=\"1\"\ngarbage\n"
                                  << 4;
    QTest::newRow("missing bracket") << kHeader + "[HKEY_CLASSES_ROOT\\K\n\"a\"=\"1\"\n" << 2;
    QTest::newRow("NUL bytes") << QByteArray(64, '\0') << 1;
    QTest::newRow("invalid UTF-8") << kHeader + "\n[HKEY_CLASSES_ROOT\\\xc3\x28]\n" << 3;
    QTest::newRow("binary junk") << QByteArray("\x89PNG\r\n\x1a\n", 8) << 1;
}

void TestFileRegistry::unparsableFileIsReportedAndLeftAlone() {
    QFETCH(QByteArray, text);
    QFETCH(int, line);

    SettingsEnvironment env;
    QVERIFY(SettingsEnvironment::writeFile(env.registryPath(), text));
    FileRegistry registry(env.registryPath());
    RegKeyHandle key = 0;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot be parsed.*"));
    QCOMPARE(registry.openKey(HKEY_CLASSES_ROOT, "K", RegAccess::Read, &key),
             RegError::BadDatabase);
    QVERIFY2(registry.lastError().startsWith(
                 QStringLiteral("%1, line %2: ").arg(env.registryPath()).arg(line)),
             qPrintable(registry.lastError()));
    QCOMPARE(registry.createKey(HKEY_CLASSES_ROOT, "New", 0, RegAccess::AllAccess, &key, nullptr),
             RegError::BadDatabase);
    QCOMPARE(registry.setValue(HKEY_CLASSES_ROOT, "v", RegType::Sz, sz("x")),
             RegError::BadDatabase);
    QCOMPARE(registry.deleteKey(HKEY_CLASSES_ROOT, "K"), RegError::BadDatabase);
    QCOMPARE(SettingsEnvironment::readFile(env.registryPath()), text);

    // Once the file is repaired, the registry works again.
    QVERIFY(SettingsEnvironment::writeFile(env.registryPath(), kHeader));
    QVERIFY(create(registry, "New") != 0);
}

void TestFileRegistry::unwritableLocationFailsClearly() {
    SettingsEnvironment env;
    // The folder of the file is a regular file: nothing can be created there.
    QVERIFY(SettingsEnvironment::writeFile(env.path("plain"), "x"));
    FileRegistry registry(env.path("plain/registry.reg"));
    RegKeyHandle key = 0;
    QCOMPARE(registry.openKey(HKEY_CLASSES_ROOT, "K", RegAccess::Read, &key),
             RegError::FileNotFound);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Registry: .*plain.*"));
    QCOMPARE(registry.createKey(HKEY_CLASSES_ROOT, "K", 0, RegAccess::AllAccess, &key, nullptr),
             RegError::CannotWrite);
    QVERIFY(registry.lastError().contains(env.path("plain")));

    // The file is a folder: it cannot be read.
    QVERIFY(QDir().mkpath(env.path("folder.reg")));
    FileRegistry onFolder(env.path("folder.reg"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Registry: .*folder.*"));
    QCOMPARE(onFolder.openKey(HKEY_CLASSES_ROOT, "K", RegAccess::Read, &key), RegError::CannotRead);
}

void TestFileRegistry::saveKeyNeverOverwrites() {
    SettingsEnvironment env;
    FileRegistry registry(env.registryPath());
    const RegKeyHandle key = create(registry, "Software\\Pellor");
    QCOMPARE(registry.setValue(key, "DataPath", RegType::Sz, sz("x.plr")), 0);
    const QString backup = env.path("temp.hiv");
    QVERIFY(SettingsEnvironment::writeFile(backup, "older backup"));
    QCOMPARE(registry.saveKey(key, backup), RegError::AlreadyExists);
    QCOMPARE(SettingsEnvironment::readFile(backup), QByteArray("older backup"));
    QCOMPARE(registry.saveKey(key, env.path("missing/temp.hiv")), RegError::PathNotFound);
    QVERIFY(QFile::remove(backup));
    QCOMPARE(registry.saveKey(key, backup), 0);
    QCOMPARE(SettingsEnvironment::readFile(backup),
             kHeader + "\n[HKEY_CLASSES_ROOT\\Software\\Pellor]\n\"DataPath\"=\"x.plr\"\n");
}

void TestFileRegistry::restoreReplacesTheKey() {
    SettingsEnvironment env;
    FileRegistry registry(env.registryPath());
    const RegKeyHandle key = create(registry, "Software\\Pellor");
    create(registry, "Software\\Pellor\\Sub");
    QCOMPARE(registry.setValue(key, "Locale", RegType::Dword, QByteArray("\x11\x04\0\0", 4)), 0);
    QCOMPARE(registry.setValue(key, "DataPath", RegType::Sz, sz("saved.plr")), 0);
    const QString backup = env.path("temp.hiv");
    QCOMPARE(registry.saveKey(key, backup), 0);

    // A half-done save: values deleted, others written, a new subkey.
    QCOMPARE(registry.deleteValue(key, "Locale"), 0);
    QCOMPARE(registry.setValue(key, "DataPath", RegType::Sz, sz("half")), 0);
    create(registry, "Software\\Pellor\\Extra");
    create(registry, "Software\\Ventor");

    RegKeyHandle writable = 0;
    QCOMPARE(registry.openKey(HKEY_CLASSES_ROOT, "Software\\Pellor", RegAccess::Write, &writable),
             0);
    QCOMPARE(registry.restoreKey(writable, backup, REG_FORCE_RESTORE), 0);
    QCOMPARE(valueOf(registry, "Software\\Pellor", "DataPath"), sz("saved.plr"));
    QCOMPARE(valueOf(registry, "Software\\Pellor", "Locale"), QByteArray("\x11\x04\0\0", 4));
    QCOMPARE(valueOf(registry, "Software\\Pellor\\Extra", "x"), QByteArray("<no key>"));
    QCOMPARE(valueOf(registry, "Software\\Pellor\\Sub", "x"), QByteArray("<no value>"));
    QCOMPARE(valueOf(registry, "Software\\Ventor", "x"), QByteArray("<no value>"));
}

void TestFileRegistry::restoreWithoutForceWhileSubkeyOpen() {
    SettingsEnvironment env;
    FileRegistry registry(env.registryPath());
    const RegKeyHandle key = create(registry, "K");
    QCOMPARE(registry.saveKey(key, env.path("k.hiv")), 0);
    const RegKeyHandle sub = create(registry, "K\\Open");
    QCOMPARE(registry.restoreKey(key, env.path("k.hiv"), 0), RegError::AccessDenied);
    QCOMPARE(registry.closeKey(sub), 0);
    QCOMPARE(registry.restoreKey(key, env.path("k.hiv"), 0), 0);
    QCOMPARE(valueOf(registry, "K\\Open", "x"), QByteArray("<no key>"));
}

void TestFileRegistry::restoreRejectsBadFiles_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("result");

    QTest::newRow("missing file") << QByteArray("<none>") << RegError::FileNotFound;
    QTest::newRow("garbage") << QByteArray("garbage\n") << RegError::BadDatabase;
    QTest::newRow("no key") << kHeader << RegError::BadDatabase;
    QTest::newRow("key outside the saved one")
        << kHeader + "[HKEY_CLASSES_ROOT\\A]\n[HKEY_CLASSES_ROOT\\B]\n"
        << RegError::BadDatabase;
}

void TestFileRegistry::restoreRejectsBadFiles() {
    QFETCH(QByteArray, text);
    QFETCH(int, result);

    SettingsEnvironment env;
    FileRegistry registry(env.registryPath());
    const RegKeyHandle key = create(registry, "K");
    QCOMPARE(registry.setValue(key, "keep", RegType::Sz, sz("me")), 0);
    if (text != "<none>")
        QVERIFY(SettingsEnvironment::writeFile(env.path("bad.hiv"), text));
    if (result == RegError::BadDatabase)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Registry: .*bad.hiv.*"));
    QCOMPARE(registry.restoreKey(key, env.path("bad.hiv"), REG_FORCE_RESTORE), result);
    QCOMPARE(valueOf(registry, "K", "keep"), sz("me"));
}

int runFileRegistryTests(int argc, char** argv) {
    TestFileRegistry test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_FileRegistry.moc"

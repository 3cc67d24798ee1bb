#include "core/app/ProgramState.h"
#include "core/app/VariantTable.h"
#include "core/persistence/FileRegistry.h"
#include "core/persistence/ProviderDiscovery.h"
#include "core/persistence/ServerSettingsTransaction.h"
#include "core/persistence/UserInterfaceLanguage.h"
#include "core/persistence/clsPellorData.h"
#include "core/persistence/clsRegKey.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

using namespace pellor;

namespace {

// A registry that refuses value writes after a given number of them, as a full disk would.
class FailingRegistry : public FileRegistry {
public:
    using FileRegistry::FileRegistry;
    int writesLeft = 1 << 30;
    qint32 setValue(RegKeyHandle key, const QString& name, quint32 type,
                    const QByteArray& data) override {
        if (writesLeft-- <= 0)
            return RegError::CannotWrite;
        return FileRegistry::setValue(key, name, type, data);
    }
};

QMap<QString, QVariant> valuesOf(RegistryBackend& registry, const QString& path) {
    QMap<QString, QVariant> values;
    clsRegKey key(registry);
    if (key.OpenReg(HKEY_CLASSES_ROOT, path, RegAccess::Read) != RegError::Success)
        return values;
    QStringList names;
    key.EnumValueNames(names);
    for (const QString& n : names) {
        QVariant v;
        key.QueryValue(v, n);
        values.insert(n, v);
    }
    return values;
}

ProgramVariant pellorVariant() {
    return VariantTable::lookup(QString(), QStringLiteral("PellorConfig"));
}

} // namespace

class TestServerSettingsTransaction : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(ServerSettingsTransaction::backupFilePath()); }

    void aFailedWriteRestoresTheKeyAsItWas() {
        QTemporaryDir dir;
        FailingRegistry registry(dir.filePath(QStringLiteral("r.reg")));
        ProgramState state;
        clsPellorData data(registry, ProgramVariant::Pellor);
        data.m_strDataFilePath = QStringLiteral("/plant/first.plr");
        QVERIFY(ServerSettingsTransaction(data, pellorVariant(), registry, state).SaveRegData());
        const auto before = valuesOf(registry, QStringLiteral("Software\\Pellor"));
        QCOMPARE(before.value(QStringLiteral("DataPath")).toString(),
                 QStringLiteral("/plant/first.plr"));

        data.m_strDataFilePath = QStringLiteral("/plant/second.plr");
        registry.writesLeft = 3; // fails part-way through the new values
        state.setModified(true);
        QVERIFY(!ServerSettingsTransaction(data, pellorVariant(), registry, state).SaveRegData());
        QCOMPARE(valuesOf(registry, QStringLiteral("Software\\Pellor")), before);
        QVERIFY(state.isModified());
        QVERIFY(!QFile::exists(ServerSettingsTransaction::backupFilePath()));
    }

    void aFailedFirstWriteLeavesNoHalfKey() {
        QTemporaryDir dir;
        FailingRegistry registry(dir.filePath(QStringLiteral("r.reg")));
        ProgramState state;
        clsPellorData data(registry, ProgramVariant::Pellor);
        registry.writesLeft = 2;
        QVERIFY(!ServerSettingsTransaction(data, pellorVariant(), registry, state).SaveRegData());
        clsRegKey key(registry);
        QCOMPARE(
            key.OpenReg(HKEY_CLASSES_ROOT, QStringLiteral("Software\\Pellor"), RegAccess::Read),
            RegError::FileNotFound);
    }

    void aStaleBackupIsNeverRestored() {
        QTemporaryDir dir;
        FailingRegistry registry(dir.filePath(QStringLiteral("r.reg")));
        ProgramState state;
        clsPellorData data(registry, ProgramVariant::Pellor);
        data.m_strDataFilePath = QStringLiteral("/old.plr");
        QVERIFY(ServerSettingsTransaction(data, pellorVariant(), registry, state).SaveRegData());
        // A backup of the old key, left by an interrupted save ...
        {
            clsRegKey key(registry);
            QCOMPARE(
                key.OpenReg(HKEY_CLASSES_ROOT, QStringLiteral("Software\\Pellor"), RegAccess::Read),
                RegError::Success);
            QCOMPARE(registry.saveKey(key.m_hKey(), ServerSettingsTransaction::backupFilePath()),
                     RegError::Success);
        }
        // ... then the key changed, and now a save fails half-way.
        data.m_strDataFilePath = QStringLiteral("/new.plr");
        QVERIFY(data.WriteInfo(1));
        data.m_strDataFilePath = QStringLiteral("/newest.plr");
        registry.writesLeft = 1;
        QVERIFY(!ServerSettingsTransaction(data, pellorVariant(), registry, state).SaveRegData());
        QCOMPARE(valuesOf(registry, QStringLiteral("Software\\Pellor"))
                     .value(QStringLiteral("DataPath"))
                     .toString(),
                 QStringLiteral("/new.plr"));
    }

    void anExistingKeyThatCannotBeBackedUpIsLeftAlone() {
        QTemporaryDir dir;
        FailingRegistry registry(dir.filePath(QStringLiteral("r.reg")));
        ProgramState state;
        clsPellorData data(registry, ProgramVariant::Pellor);
        data.m_strDataFilePath = QStringLiteral("/kept.plr");
        QVERIFY(ServerSettingsTransaction(data, pellorVariant(), registry, state).SaveRegData());
        const auto before = valuesOf(registry, QStringLiteral("Software\\Pellor"));
        // Something that is not a file stands where the backup goes.
        QVERIFY(QDir().mkpath(ServerSettingsTransaction::backupFilePath() + QStringLiteral("/x")));
        data.m_strDataFilePath = QStringLiteral("/other.plr");
        registry.writesLeft = 1;
        const bool saved =
            ServerSettingsTransaction(data, pellorVariant(), registry, state).SaveRegData();
        QDir(ServerSettingsTransaction::backupFilePath()).removeRecursively();
        QVERIFY(!saved);
        QCOMPARE(valuesOf(registry, QStringLiteral("Software\\Pellor")), before);
    }

    void loadClearsTheModifiedFlagOnlyOnSuccess() {
        QTemporaryDir dir;
        FileRegistry registry(dir.filePath(QStringLiteral("r.reg")));
        ProgramState state;
        clsPellorData data(registry, ProgramVariant::Pellor);
        QVERIFY(ServerSettingsTransaction(data, pellorVariant(), registry, state).SaveRegData());
        state.setModified(true);
        QVERIFY(ServerSettingsTransaction(data, pellorVariant(), registry, state).LoadRegData());
        QVERIFY(!state.isModified());
    }

    void providersComeFromEnabledRegistrations() {
        QTemporaryDir dir;
        FileRegistry registry(dir.filePath(QStringLiteral("r.reg")));
        QVERIFY(ProviderDiscovery::installedProviders(registry).isEmpty()); // no CLSID key at all
        const auto add = [&](const QString& id, const QVariant& enabled, const QString& progId) {
            clsRegKey key(registry);
            QCOMPARE(key.CreateKey(HKEY_CLASSES_ROOT,
                                   QStringLiteral("CLSID\\%1\\QUARN Provider").arg(id)),
                     RegError::Success);
            if (enabled.isValid())
                QCOMPARE(key.SetValue(enabled, QStringLiteral("Enabled")), RegError::Success);
            if (!progId.isEmpty()) {
                QCOMPARE(
                    key.CreateKey(HKEY_CLASSES_ROOT,
                                  QStringLiteral("CLSID\\%1\\VersionIndependentProgID").arg(id)),
                    RegError::Success);
                QCOMPARE(key.SetValue(progId, QString()), RegError::Success);
            }
        };
        add(QStringLiteral("{A}"), true, QStringLiteral("Quarn.Alpha"));
        add(QStringLiteral("{B}"), false, QStringLiteral("Quarn.Beta"));
        add(QStringLiteral("{C}"), QVariant(), QStringLiteral("Quarn.Gamma")); // no "Enabled"
        add(QStringLiteral("{D}"), QStringLiteral("True"), QStringLiteral("Quarn.Delta"));
        add(QStringLiteral("{E}"), 1, QString()); // no ProgID
        QCOMPARE(ProviderDiscovery::installedProviders(registry),
                 (QStringList{QStringLiteral("Quarn.Alpha"), QStringLiteral("Quarn.Delta")}));
    }

    void userInterfaceLanguageFromTheLocaleValue() {
        QTemporaryDir dir;
        FileRegistry registry(dir.filePath(QStringLiteral("r.reg")));
        const ProgramVariant pellor = pellorVariant();
        QCOMPARE(requestedUserInterfaceLanguage(registry, pellor), 0); // missing value; key created
        clsRegKey key(registry);
        QCOMPARE(key.OpenReg(HKEY_CLASSES_ROOT, QStringLiteral("Software\\Pellor")),
                 RegError::Success);
        QCOMPARE(key.SetValue(1041, QStringLiteral("Locale")), RegError::Success);
        QCOMPARE(requestedUserInterfaceLanguage(registry, pellor), 1041);
        QCOMPARE(requestedUserInterfaceLanguage(
                     registry, VariantTable::lookup(QStringLiteral("OPCUA"), QStringLiteral("P"))),
                 0);
    }
};

int runServerSettingsTransactionTests(int argc, char** argv) {
    TestServerSettingsTransaction t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_ServerSettingsTransaction.moc"

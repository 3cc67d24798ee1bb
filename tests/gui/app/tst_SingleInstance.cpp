#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Starts the real editor with its own runtime folder, so that its instance locks do not meet
// those of an editor the user is running.
class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void secondStartOfTheSameVariantEndsSilently_data();
    void secondStartOfTheSameVariantEndsSilently();
    void lockOfAKilledEditorIsTakenOver();

private:
    std::unique_ptr<QProcess> startEditor(const QStringList& arguments);
    QString lockPath(const QString& instanceName) const;
    qint64 lockOwner(const QString& instanceName) const;

    std::unique_ptr<QTemporaryDir> m_runtime;
    std::vector<std::unique_ptr<QProcess>> m_editors;
};

namespace {

constexpr int kStartTimeout = 60000;

} // namespace

void TestSingleInstance::init() {
    m_runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(m_runtime->isValid());
    // The runtime folder must belong to the user alone, or it is not used.
    QVERIFY(QFile::setPermissions(m_runtime->path(), QFileDevice::ReadOwner |
                                                         QFileDevice::WriteOwner |
                                                         QFileDevice::ExeOwner));
}

void TestSingleInstance::cleanup() {
    for (const auto& editor : m_editors) {
        if (editor->state() != QProcess::NotRunning) {
            editor->kill();
            editor->waitForFinished(kStartTimeout);
        }
    }
    m_editors.clear();
    m_runtime.reset();
}

std::unique_ptr<QProcess> TestSingleInstance::startEditor(const QStringList& arguments) {
    auto editor = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime->path());
    // Settings, registry and data of the started editors stay inside the test's folder.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       m_runtime->path() + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"),
                       m_runtime->path() + QStringLiteral("/data"));
    environment.insert(QStringLiteral("PELLOR_REGISTRY"),
                       m_runtime->path() + QStringLiteral("/registry.reg"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    editor->setProcessEnvironment(environment);
    editor->start(QStringLiteral(PELLOR_CONFIG_EXE), arguments);
    return editor;
}

QString TestSingleInstance::lockPath(const QString& instanceName) const {
    return m_runtime->filePath(instanceName + QStringLiteral(".lock"));
}

// The process id recorded in an instance lock, 0 when there is none.
qint64 TestSingleInstance::lockOwner(const QString& instanceName) const {
    QFile lock(lockPath(instanceName));
    if (!lock.open(QIODevice::ReadOnly))
        return 0;
    return lock.readLine().trimmed().toLongLong();
}

void TestSingleInstance::secondStartOfTheSameVariantEndsSilently_data() {
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QString>("instanceName");

    QTest::newRow("Pellor twice") << QStringList{} << QStringList{""} << "PellorConfig";
    QTest::newRow("Ventor twice, any letter case")
        << QStringList{"OPC"} << QStringList{"opc"} << "VentorConfig";
    QTest::newRow("KESTRIN while Pellor runs")
        << QStringList{} << QStringList{"KESTRIN"} << "PellorConfig";
    QTest::newRow("Tovan twice, more words")
        << QStringList{"OPCUA"} << QStringList{"opcua", "UPNP"} << "TovanConfig";
}

void TestSingleInstance::secondStartOfTheSameVariantEndsSilently() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(QString, instanceName);

    m_editors.push_back(startEditor(first));
    QProcess& running = *m_editors.back();
    QVERIFY(running.waitForStarted(kStartTimeout));
    QTRY_VERIFY_WITH_TIMEOUT(lockOwner(instanceName) == running.processId() ||
                                 running.state() == QProcess::NotRunning,
                             kStartTimeout);
    QCOMPARE(running.state(), QProcess::Running);

    m_editors.push_back(startEditor(second));
    QProcess& refused = *m_editors.back();
    QVERIFY(refused.waitForFinished(kStartTimeout));
    QCOMPARE(refused.exitStatus(), QProcess::NormalExit);
    QCOMPARE(refused.exitCode(), 0);
    QCOMPARE(refused.readAllStandardError(), QByteArray());
    QCOMPARE(refused.readAllStandardOutput(), QByteArray());

    QCOMPARE(running.state(), QProcess::Running);
    QCOMPARE(lockOwner(instanceName), running.processId());
}

void TestSingleInstance::lockOfAKilledEditorIsTakenOver() {
    const QString instanceName = QStringLiteral("KelvoConfig");

    m_editors.push_back(startEditor({QStringLiteral("UPNP")}));
    QProcess& crashed = *m_editors.back();
    QVERIFY(crashed.waitForStarted(kStartTimeout));
    QTRY_VERIFY_WITH_TIMEOUT(lockOwner(instanceName) == crashed.processId() ||
                                 crashed.state() == QProcess::NotRunning,
                             kStartTimeout);
    crashed.kill();
    QVERIFY(crashed.waitForFinished(kStartTimeout));
    QVERIFY(QFileInfo::exists(lockPath(instanceName)));

    m_editors.push_back(startEditor({QStringLiteral("upnp")}));
    QProcess& restarted = *m_editors.back();
    QVERIFY(restarted.waitForStarted(kStartTimeout));
    QTRY_VERIFY_WITH_TIMEOUT(lockOwner(instanceName) == restarted.processId() ||
                                 restarted.state() == QProcess::NotRunning,
                             kStartTimeout);
    QCOMPARE(restarted.state(), QProcess::Running);
}

int runSingleInstanceTests(int argc, char** argv) {
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_SingleInstance.moc"

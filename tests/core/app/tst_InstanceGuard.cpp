#include "core/platform/InstanceGuard.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using pellor::InstanceGuard;
using Result = InstanceGuard::Result;

Q_DECLARE_METATYPE(InstanceGuard::Result)

namespace {

// A process id above the kernel's limit belongs to no process.
qint64 pidOfNoProcess() {
    QFile limit(QStringLiteral("/proc/sys/kernel/pid_max"));
    qint64 max = 4194304;
    if (limit.open(QIODevice::ReadOnly))
        max = limit.readAll().trimmed().toLongLong();
    return max + 1;
}

} // namespace

class TestInstanceGuard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void secondGuardOnTheSameNameIsRefused();
    void differentNamesRunSideBySide();
    void releasedNameCanBeTakenAgain();
    void leftLock_data();
    void leftLock();
    void missingRuntimeFolderFails();

private:
    std::unique_ptr<QTemporaryDir> m_runtime;
};

void TestInstanceGuard::init() {
    m_runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(m_runtime->isValid());
}

void TestInstanceGuard::secondGuardOnTheSameNameIsRefused() {
    InstanceGuard first(QStringLiteral("VentorConfig"), m_runtime->path());
    InstanceGuard second(QStringLiteral("VentorConfig"), m_runtime->path());

    QCOMPARE(first.acquire(), Result::Taken);
    QCOMPARE(second.acquire(), Result::HeldElsewhere);
    QVERIFY(first.isHeld());
    QVERIFY(!second.isHeld());
    QVERIFY(QFileInfo::exists(m_runtime->filePath("VentorConfig.lock")));
}

void TestInstanceGuard::differentNamesRunSideBySide() {
    InstanceGuard pellor(QStringLiteral("PellorConfig"), m_runtime->path());
    InstanceGuard ventor(QStringLiteral("VentorConfig"), m_runtime->path());

    QCOMPARE(pellor.acquire(), Result::Taken);
    QCOMPARE(ventor.acquire(), Result::Taken);
}

void TestInstanceGuard::releasedNameCanBeTakenAgain() {
    {
        InstanceGuard first(QStringLiteral("KelvoConfig"), m_runtime->path());
        QCOMPARE(first.acquire(), Result::Taken);
    }
    QVERIFY(!QFileInfo::exists(m_runtime->filePath("KelvoConfig.lock")));
    InstanceGuard again(QStringLiteral("KelvoConfig"), m_runtime->path());
    QCOMPARE(again.acquire(), Result::Taken);
}

void TestInstanceGuard::leftLock_data() {
    QTest::addColumn<qint64>("pid");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("hostName");
    QTest::addColumn<Result>("expected");

    const qint64 gone = pidOfNoProcess();
    const qint64 alive = QCoreApplication::applicationPid();
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QString thisHost = QSysInfo::machineHostName();

    QTest::newRow("ended process, this host")
        << gone << "PellorConfig" << thisHost << Result::Taken;
    QTest::newRow("ended process, renamed host") << gone << "PellorConfig"
                                                 << "old-name" << Result::Taken;
    QTest::newRow("running process, this host")
        << alive << self << thisHost << Result::HeldElsewhere;
    QTest::newRow("running process, renamed host")
        << alive << self << "old-name" << Result::HeldElsewhere;
    QTest::newRow("process id reused by another program")
        << alive << "PellorConfig" << thisHost << Result::Taken;
}

// A lock file left behind, in the format QLockFile writes: process id, program, host.
void TestInstanceGuard::leftLock() {
    QFETCH(qint64, pid);
    QFETCH(QString, program);
    QFETCH(QString, hostName);
    QFETCH(Result, expected);

    QFile left(m_runtime->filePath("PellorConfig.lock"));
    QVERIFY(left.open(QIODevice::WriteOnly));
    left.write(QByteArray::number(pid) + '\n' + program.toUtf8() + '\n' + hostName.toUtf8() + '\n');
    left.close();

    InstanceGuard guard(QStringLiteral("PellorConfig"), m_runtime->path());
    QCOMPARE(guard.acquire(), expected);
    QCOMPARE(guard.isHeld(), expected == Result::Taken);
}

void TestInstanceGuard::missingRuntimeFolderFails() {
    InstanceGuard guard(QStringLiteral("PellorConfig"), m_runtime->filePath("missing"));
    QCOMPARE(guard.acquire(), Result::Failed);
    QVERIFY(!guard.isHeld());
}

int runInstanceGuardTests(int argc, char** argv) {
    TestInstanceGuard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_InstanceGuard.moc"

#include "core/platform/FileExists.h"
#include "core/platform/ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using pellor::ProgramPaths;

class TestProgramPaths : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void withTrailingSlash_data();
    void withTrailingSlash();
    void folderOfTheRunningProgram();
    void programNameHasNoFolder();
    void fileExists_data();
    void fileExists();

private:
    QTemporaryDir m_dir;
};

void TestProgramPaths::initTestCase() {
    QVERIFY(m_dir.isValid());
    QFile readable(m_dir.filePath("readable.plr"));
    QVERIFY(readable.open(QIODevice::WriteOnly));
    QFile locked(m_dir.filePath("locked.plr"));
    QVERIFY(locked.open(QIODevice::WriteOnly));
    QVERIFY(locked.setPermissions(QFileDevice::WriteOwner));
    QVERIFY(QDir(m_dir.path()).mkdir("folder"));
}

void TestProgramPaths::withTrailingSlash_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no slash") << "/opt/pellor/bin"
                              << "/opt/pellor/bin/";
    QTest::newRow("one slash") << "/opt/pellor/bin/"
                               << "/opt/pellor/bin/";
    QTest::newRow("root folder") << "/"
                                 << "/";
}

void TestProgramPaths::withTrailingSlash() {
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(ProgramPaths::withTrailingSlash(folder), expected);
}

void TestProgramPaths::folderOfTheRunningProgram() {
    const QString folder = ProgramPaths::folder();
    QVERIFY(folder.endsWith('/'));
    QVERIFY(!folder.endsWith("//"));
    QVERIFY(QFile::exists(folder + QStringLiteral("test_app")));
}

void TestProgramPaths::programNameHasNoFolder() {
    QCOMPARE(ProgramPaths::programName(), QStringLiteral("test_app"));
}

void TestProgramPaths::fileExists_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("expected");

    QTest::newRow("readable file") << "readable.plr" << true;
    QTest::newRow("missing file") << "missing.plr" << false;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("file without read permission") << "locked.plr" << false;
    QTest::newRow("empty path") << "" << false;
}

void TestProgramPaths::fileExists() {
    QFETCH(QString, name);
    QFETCH(bool, expected);

    if (name == QLatin1String("locked.plr") && ::geteuid() == 0)
        QSKIP("the superuser reads every file");

    QCOMPARE(pellor::fileExists(name.isEmpty() ? QString() : m_dir.filePath(name)), expected);
}

int runProgramPathsTests(int argc, char** argv) {
    TestProgramPaths test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ProgramPaths.moc"

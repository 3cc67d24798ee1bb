#include "core/platform/InstalledLocales.h"

#include <QSet>
#include <QTest>

#include <unicode/uloc.h>

using pellor::InstalledLocales;

class TestInstalledLocales : public QObject {
    Q_OBJECT

private slots:
    void hexId_data();
    void hexId();
    void oneEntryPerLanguageIdInOrder();
    void namesAreInTheDefaultLocalesLanguage();
};

void TestInstalledLocales::hexId_data() {
    QTest::addColumn<int>("lcid");
    QTest::addColumn<QString>("expected");

    QTest::newRow("user default") << 1024 << "0400";
    QTest::newRow("Japanese") << 1041 << "0411";
    QTest::newRow("upper-case digits") << 3082 << "0C0A";
    QTest::newRow("leading zeros") << 127 << "007F";
    QTest::newRow("five digits are cut to four") << 0x10411 << "0411";
}

void TestInstalledLocales::hexId() {
    QFETCH(int, lcid);
    QFETCH(QString, expected);
    QCOMPARE(InstalledLocales::hexId(lcid), expected);
}

void TestInstalledLocales::oneEntryPerLanguageIdInOrder() {
    const QList<InstalledLocales::Entry> entries = InstalledLocales::list();
    QVERIFY(entries.size() > 50);
    QSet<int> seen;
    int previous = 0;
    for (const InstalledLocales::Entry& entry : entries) {
        QVERIFY2(entry.lcid >= 0x0400, qPrintable(entry.name));
        QVERIFY2(entry.lcid > previous, qPrintable(entry.name));
        QVERIFY(!seen.contains(entry.lcid));
        seen.insert(entry.lcid);
        previous = entry.lcid;
        QCOMPARE(entry.hexId, InstalledLocales::hexId(entry.lcid));
        QVERIFY(!entry.name.isEmpty());
    }
    QVERIFY(seen.contains(1033));
    QVERIFY(seen.contains(1041));
}

void TestInstalledLocales::namesAreInTheDefaultLocalesLanguage() {
    const QByteArray saved = uloc_getDefault();
    UErrorCode status = U_ZERO_ERROR;
    uloc_setDefault("en_US", &status);
    QString english;
    for (const auto& entry : InstalledLocales::list())
        if (entry.lcid == 1041)
            english = entry.name;
    uloc_setDefault("fr_FR", &status);
    QString french;
    for (const auto& entry : InstalledLocales::list())
        if (entry.lcid == 1041)
            french = entry.name;
    uloc_setDefault(saved.constData(), &status);

    QCOMPARE(english, QStringLiteral("Japanese (Japan)"));
    QCOMPARE(french, QStringLiteral("japonais (Japon)"));
}

int runInstalledLocalesTests(int argc, char** argv) {
    TestInstalledLocales test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_InstalledLocales.moc"

#include "core/app/VariantTable.h"

#include <QTest>

using pellor::ProgramVariant;
using pellor::VariantTable;

namespace {

const QString kProgram = QStringLiteral("PellorConfig");

} // namespace

class TestVariantTable : public QObject {
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void kestrinAndDefaultShareOneInstance();
};

void TestVariantTable::lookup_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("robotMode");
    QTest::addColumn<QString>("instanceName");
    QTest::addColumn<QString>("titleSuffix");
    QTest::addColumn<QString>("registryKey");
    QTest::addColumn<QString>("document");
    QTest::addColumn<bool>("inTovanFolder");
    QTest::addColumn<int>("captionId");
    QTest::addColumn<int>("tagId");
    QTest::addColumn<int>("rootImage");

    const QString pellorKey = QStringLiteral("Software\\Pellor");
    // clang-format off
    QTest::newRow("no word")     << ""        << 0 << 0 << kProgram       << ""           << pellorKey          << "Pellor.plr" << false << 2051 << 2054 << 22;
    QTest::newRow("OPC")         << "OPC"     << 1 << 0 << "VentorConfig" << " [OPC]"     << "Software\\Ventor" << "Ventor.plr" << false << 2052 << 2055 << 23;
    QTest::newRow("opc")         << "opc"     << 1 << 0 << "VentorConfig" << " [OPC]"     << "Software\\Ventor" << "Ventor.plr" << false << 2052 << 2055 << 23;
    QTest::newRow("UPNP")        << "UPNP"    << 2 << 0 << "KelvoConfig"  << " [UPnP]"    << "Software\\Kelvo"  << "Kelvo.plr"  << false << 2053 << 2056 << 24;
    QTest::newRow("UPnP")        << "UPnP"    << 2 << 0 << "KelvoConfig"  << " [UPnP]"    << "Software\\Kelvo"  << "Kelvo.plr"  << false << 2053 << 2056 << 24;
    QTest::newRow("OPCUA")       << "OPCUA"   << 3 << 0 << "TovanConfig"  << " [OPC UA]"  << ""                 << "Tovan.plr"  << true  << 2058 << 2059 << 23;
    QTest::newRow("OpcUa")       << "OpcUa"   << 3 << 0 << "TovanConfig"  << " [OPC UA]"  << ""                 << "Tovan.plr"  << true  << 2058 << 2059 << 23;
    QTest::newRow("KESTRIN")     << "KESTRIN" << 0 << 1 << kProgram       << " [KESTRIN]" << pellorKey          << "Pellor.plr" << false << 2051 << 2054 << 22;
    QTest::newRow("kestrin")     << "kestrin" << 0 << 1 << kProgram       << " [KESTRIN]" << pellorKey          << "Pellor.plr" << false << 2051 << 2054 << 22;
    QTest::newRow("OPC UA")      << "OPC UA"  << 0 << 0 << ""             << ""           << pellorKey          << "Pellor.plr" << false << 2051 << 2054 << 22;
    QTest::newRow("unknown")     << "PELLOR"  << 0 << 0 << ""             << ""           << pellorKey          << "Pellor.plr" << false << 2051 << 2054 << 22;
    QTest::newRow("OPC prefix")  << "OPCX"    << 0 << 0 << ""             << ""           << pellorKey          << "Pellor.plr" << false << 2051 << 2054 << 22;
    // clang-format on
}

void TestVariantTable::lookup() {
    QFETCH(QString, word);
    QFETCH(int, number);
    QFETCH(int, robotMode);
    QFETCH(QString, instanceName);
    QFETCH(QString, titleSuffix);
    QFETCH(QString, registryKey);
    QFETCH(QString, document);
    QFETCH(bool, inTovanFolder);
    QFETCH(int, captionId);
    QFETCH(int, tagId);
    QFETCH(int, rootImage);

    const ProgramVariant v = VariantTable::lookup(word, kProgram);
    QCOMPARE(v.number, number);
    QCOMPARE(v.robotMode, robotMode);
    QCOMPARE(v.instanceName, instanceName);
    QCOMPARE(v.hasInstanceGuard(), !instanceName.isEmpty());
    QCOMPARE(v.titleSuffix, titleSuffix);
    QCOMPARE(v.registryKey, registryKey);
    QCOMPARE(v.defaultDocumentName, document);
    QCOMPARE(v.documentInTovanDataFolder, inTovanFolder);
    QCOMPARE(v.manualCaptionId, captionId);
    QCOMPARE(v.manualTagId, tagId);
    QCOMPARE(v.rootImageIndex, rootImage);
}

void TestVariantTable::kestrinAndDefaultShareOneInstance() {
    const QString program = QStringLiteral("renamed-editor");
    const ProgramVariant plain = VariantTable::lookup(u"", program);
    const ProgramVariant robot = VariantTable::lookup(u"Kestrin", program);
    QCOMPARE(plain.instanceName, program);
    QCOMPARE(robot.instanceName, plain.instanceName);
    QVERIFY(VariantTable::lookup(u"OPC", program).instanceName != plain.instanceName);
}

int runVariantTableTests(int argc, char** argv) {
    TestVariantTable test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_VariantTable.moc"

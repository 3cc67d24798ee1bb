#include "core/app/VariantTable.h"
#include "gui/app/frmPellorConfig.h"

#include <QTest>

using pellor::frmPellorConfig;
using pellor::VariantTable;

class TestFrmPellorConfig : public QObject {
    Q_OBJECT

private slots:
    void titleNamesTheVariant_data();
    void titleNamesTheVariant();
};

void TestFrmPellorConfig::titleNamesTheVariant_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("title");

    QTest::newRow("Pellor") << ""
                            << "PellorConfig";
    QTest::newRow("Ventor") << "opc"
                            << "PellorConfig [OPC]";
    QTest::newRow("Kelvo") << "UPNP"
                           << "PellorConfig [UPnP]";
    QTest::newRow("Tovan") << "OPCUA"
                           << "PellorConfig [OPC UA]";
    QTest::newRow("KESTRIN") << "Kestrin"
                             << "PellorConfig [KESTRIN]";
    QTest::newRow("unknown word") << "OPC UA"
                                  << "PellorConfig";
}

void TestFrmPellorConfig::titleNamesTheVariant() {
    QFETCH(QString, word);
    QFETCH(QString, title);

    const QString program = QStringLiteral("PellorConfig");
    frmPellorConfig window(VariantTable::lookup(word, program), program);
    QCOMPARE(window.objectName(), QStringLiteral("frmPellorConfig"));
    QCOMPARE(window.windowTitle(), title);
}

int runFrmPellorConfigTests(int argc, char** argv) {
    TestFrmPellorConfig test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmPellorConfig.moc"

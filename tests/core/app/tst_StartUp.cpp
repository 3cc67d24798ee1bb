#include "core/app/StartUp.h"

#include <QTest>

using pellor::ProgramState;
using pellor::ProgramVariant;
using pellor::StartUp;

class TestStartUp : public QObject {
    Q_OBJECT

private slots:
    void chooseVariant_data();
    void chooseVariant();
};

void TestStartUp::chooseVariant_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("robotMode");
    QTest::addColumn<int>("rootImage");
    QTest::addColumn<QString>("instanceName");

    QTest::newRow("no arguments") << QStringList{} << 0 << 0 << 22 << "PellorConfig";
    QTest::newRow("empty argument") << QStringList{""} << 0 << 0 << 22 << "PellorConfig";
    QTest::newRow("opc") << QStringList{"opc"} << 1 << 0 << 23 << "VentorConfig";
    QTest::newRow("UPNP") << QStringList{"UPNP"} << 2 << 0 << 24 << "KelvoConfig";
    QTest::newRow("OPCUA and more")
        << QStringList{"OPCUA", "UPNP"} << 3 << 0 << 23 << "TovanConfig";
    QTest::newRow("Kestrin") << QStringList{"Kestrin"} << 0 << 1 << 22 << "PellorConfig";
    QTest::newRow("quoted OPC UA") << QStringList{"OPC UA"} << 0 << 0 << 22 << "";
    QTest::newRow("unknown word") << QStringList{"/regserver"} << 0 << 0 << 22 << "";
}

void TestStartUp::chooseVariant() {
    QFETCH(QStringList, arguments);
    QFETCH(int, number);
    QFETCH(int, robotMode);
    QFETCH(int, rootImage);
    QFETCH(QString, instanceName);

    // Start from values no variant has, so that every field must be set.
    ProgramState state;
    state.setVariantNumber(-7);
    state.setRobotMode(-7);
    state.setRootImageIndex(-7);

    const ProgramVariant chosen =
        StartUp::chooseVariant(arguments, QStringLiteral("PellorConfig"), state);
    QCOMPARE(state.variantNumber(), number);
    QCOMPARE(state.robotMode(), robotMode);
    QCOMPARE(state.rootImageIndex(), rootImage);
    QCOMPARE(chosen.number, number);
    QCOMPARE(chosen.instanceName, instanceName);
}

int runStartUpTests(int argc, char** argv) {
    TestStartUp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_StartUp.moc"

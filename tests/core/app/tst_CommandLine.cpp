#include "core/app/CommandLine.h"

#include <QTest>

using pellor::CommandLine;

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void fromArguments_data();
    void fromArguments();
};

void TestCommandLine::split_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("wordCount");
    QTest::addColumn<QString>("firstWord");

    QTest::newRow("empty line") << "" << 0 << "";
    QTest::newRow("only spaces and tabs") << " \t  \t" << 0 << "";
    QTest::newRow("one word") << "OPC" << 1 << "OPC";
    QTest::newRow("leading spaces and tabs skipped") << " \t OPC" << 1 << "OPC";
    QTest::newRow("tab ends a word") << "OPC\tUA" << 1 << "OPC";
    QTest::newRow("space ends a word") << "OPC UA" << 1 << "OPC";
    QTest::newRow("more words ignored") << "OPCUA KESTRIN UPNP" << 1 << "OPCUA";
    QTest::newRow("quoted word keeps its space") << "\"OPC UA\"" << 1 << "OPC UA";
    QTest::newRow("quoted word keeps tabs and edges") << "\" a\tb \"" << 1 << " a\tb ";
    QTest::newRow("quote inside a word is kept") << "OP\"C UA\"" << 1 << "OP\"C";
    QTest::newRow("closing quote ends the word") << "\"OPC\"UA" << 1 << "OPC";
    QTest::newRow("empty quoted word counts") << "\"\"" << 1 << "";
    QTest::newRow("empty quoted word, then a word") << "\"\" OPC" << 1 << "";
    QTest::newRow("quoted word open at the end") << "  \"OPC UA" << 1 << "OPC UA";
    QTest::newRow("lone quote at the end") << "  \"" << 1 << "";
}

void TestCommandLine::split() {
    QFETCH(QString, text);
    QFETCH(int, wordCount);
    QFETCH(QString, firstWord);

    const CommandLine line = CommandLine::split(text);
    QCOMPARE(line.wordCount(), wordCount);
    QCOMPARE(line.firstWord(), firstWord);
}

void TestCommandLine::fromArguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("wordCount");
    QTest::addColumn<QString>("firstWord");

    QTest::newRow("no arguments") << QStringList{} << 0 << "";
    QTest::newRow("empty argument") << QStringList{""} << 1 << "";
    QTest::newRow("argument with a space stays one word") << QStringList{"OPC UA"} << 1 << "OPC UA";
    QTest::newRow("argument with a tab stays one word") << QStringList{"OPC\tUA"} << 1 << "OPC\tUA";
    QTest::newRow("later arguments ignored") << QStringList{"opcua", "KESTRIN"} << 1 << "opcua";
    QTest::newRow("quote inside an argument") << QStringList{"OP\"C"} << 1 << "OP\"C";
}

void TestCommandLine::fromArguments() {
    QFETCH(QStringList, arguments);
    QFETCH(int, wordCount);
    QFETCH(QString, firstWord);

    const CommandLine line = CommandLine::fromArguments(arguments);
    QCOMPARE(line.wordCount(), wordCount);
    QCOMPARE(line.firstWord(), firstWord);
}

int runCommandLineTests(int argc, char** argv) {
    TestCommandLine test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_CommandLine.moc"

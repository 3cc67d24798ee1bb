#include "core/persistence/RegistryCodes.h"
#include "core/persistence/RegistryTextReader.h"
#include "core/persistence/RegistryTextWriter.h"

#include <QTest>

using pellor::RegistryKeyNode;
using pellor::RegistryTextReader;
using pellor::RegistryTextWriter;
using pellor::RegistryValue;
namespace RegType = pellor::RegType;

Q_DECLARE_METATYPE(RegistryValue)

namespace {

const QByteArray kHeader = "Windows Registry Editor Version 5.00\n";

QByteArray dword(quint32 n) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char(n >> (8 * i));
    return b;
}

QByteArray sz(const QString& text) {
    return text.toUtf8() + QByteArray(1, '\0');
}

} // namespace

class TestRegistryText : public QObject {
    Q_OBJECT

private slots:
    void valueRoundTrip_data();
    void valueRoundTrip();
    void readsHandWrittenForms_data();
    void readsHandWrittenForms();
    void rejectsBadText_data();
    void rejectsBadText();
    void emptyTextIsEmptyRegistry();
    void duplicatesMergeInFileOrder();
    void writesKeysInNameOrderWithEmptyKeys();
    void subtreeNamesItsKey();
    void megabyteValuesRoundTrip();
};

void TestRegistryText::valueRoundTrip_data() {
    QTest::addColumn<RegistryValue>("value");
    QTest::addColumn<QByteArray>("line"); // how it is written; empty: not checked

    auto row = [](const char* tag, RegistryValue v, QByteArray line = {}) {
        QTest::newRow(tag) << v << line;
    };
    row("text", {"DataPath", RegType::Sz, sz("/home/ann/Pellor.plr")},
        "\"DataPath\"=\"/home/ann/Pellor.plr\"");
    row("escapes", {"a\\\"b", RegType::Sz, sz("C:\\x \"q\"")},
        "\"a\\\\\\\"b\"=\"C:\\\\x \\\"q\\\"\"");
    row("empty text", {"Empty", RegType::Sz, sz("")}, "\"Empty\"=\"\"");
    row("default value", {"", RegType::Sz, sz("def")}, "@=\"def\"");
    row("value named @", {"@", RegType::Sz, sz("x")}, "\"@\"=\"x\"");
    row("non-ASCII", {"Benutzer", RegType::Sz, sz(QStringLiteral("Jürgen 日本 \U0001F600"))});
    row("tab kept in quotes", {"t", RegType::Sz, sz("a\tb")}, "\"t\"=\"a\tb\"");
    row("line break as hex(1)", {"nl", RegType::Sz, sz("a\nb")},
        "\"nl\"=hex(1):61,00,0a,00,62,00,00,00");
    row("text without NUL", {"raw", RegType::Sz, QByteArray("ab")}, "\"raw\"=hex(1):61,00,62,00");
    row("text with inner NUL", {"in", RegType::Sz, QByteArray("a\0b\0", 4)});
    row("no data at all", {"none", RegType::Sz, QByteArray()}, "\"none\"=hex(1):");
    row("dword -1", {"B", RegType::Dword, dword(0xffffffff)}, "\"B\"=dword:ffffffff");
    row("dword 0x400", {"LCID", RegType::Dword, dword(1024)}, "\"LCID\"=dword:00000400");
    row("dword of 3 bytes", {"d3", RegType::Dword, QByteArray("\1\2\3")}, "\"d3\"=hex(4):01,02,03");
    row("binary", {"bin", RegType::Binary, QByteArray("\x00\xff\x10", 3)}, "\"bin\"=hex:00,ff,10");
    row("empty binary", {"e", RegType::Binary, QByteArray()}, "\"e\"=hex:");
    row("expand", {"p", RegType::ExpandSz, sz("%HOME%")},
        "\"p\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,00,00");
    row("multi", {"m", RegType::MultiSz, QByteArray("a\0bc\0\0", 6)},
        "\"m\"=hex(7):61,00,00,00,62,00,63,00,00,00,00,00");
    row("qword type", {"q", 11, QByteArray(8, '\x7f')}, "\"q\"=hex(b):7f,7f,7f,7f,7f,7f,7f,7f");
    row("none type", {"n", RegType::None, QByteArray("x")}, "\"n\"=hex(0):78");
}

void TestRegistryText::valueRoundTrip() {
    QFETCH(RegistryValue, value);
    QFETCH(QByteArray, line);

    RegistryKeyNode root;
    root.addChild("Software")->addChild("Pellor")->setValue(value.name, value.type, value.data);
    const QByteArray text = RegistryTextWriter::registryText(root);
    if (!line.isEmpty())
        QVERIFY2(text.contains("\n" + line + "\n"), text.constData());

    RegistryKeyNode back;
    RegistryTextReader reader("test.reg");
    QVERIFY2(reader.read(text, back), qPrintable(reader.errorString()));
    const RegistryKeyNode* key = back.find({"Software", "Pellor"});
    QVERIFY(key);
    QCOMPARE(key->values().size(), 1);
    QCOMPARE(key->values().first(), value);
}

void TestRegistryText::readsHandWrittenForms_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("CR LF lines and BOM")
        << QByteArray("\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n"
                      "[HKEY_CLASSES_ROOT\\K]\r\n\"v\"=\"x\"\r\n")
        << "v" << RegType::Sz << sz("x");
    QTest::newRow("comment and blanks around =")
        << kHeader + "; written by hand\n[HKEY_CLASSES_ROOT\\K]\n  \"v\" = dword:1F  \n"
        << "v" << RegType::Dword << dword(0x1f);
    QTest::newRow("root name in other case") << kHeader + "[hkey_classes_root\\K]\n@=\"d\"\n"
                                             << "" << RegType::Sz << sz("d");
    QTest::newRow("hex list over lines")
        << kHeader + "[HKEY_CLASSES_ROOT\\K]\n\"b\"=hex:01,02,\\\n  03,\\\n  04\n"
        << "b" << RegType::Binary << QByteArray("\1\2\3\4");
    QTest::newRow("HEX in capitals, trailing comma")
        << kHeader + "[HKEY_CLASSES_ROOT\\K]\n\"b\"=HEX:0A,b,\n"
        << "b" << RegType::Binary << QByteArray("\x0a\x0b");
}

void TestRegistryText::readsHandWrittenForms() {
    QFETCH(QByteArray, text);
    QFETCH(QString, name);
    QFETCH(quint32, type);
    QFETCH(QByteArray, data);

    RegistryKeyNode root;
    RegistryTextReader reader("hand.reg");
    QVERIFY2(reader.read(text, root), qPrintable(reader.errorString()));
    const RegistryKeyNode* key = root.find({"k"});
    QVERIFY(key);
    const RegistryValue* value = key->value(name);
    QVERIFY(value);
    QCOMPARE(value->type, type);
    QCOMPARE(value->data, data);
}

void TestRegistryText::rejectsBadText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");

    const QByteArray key = "[HKEY_CLASSES_ROOT\\K]\n";
    QTest::newRow("no header") << QByteArray("[HKEY_CLASSES_ROOT\\K]\n") << 1 << "does not start";
    QTest::newRow("REGEDIT4 header") << QByteArray("REGEDIT4\n") << 1 << "does not start";
    QTest::newRow("garbage line") << kHeader + key + "this is not a value\n" << 3 << "expected";
    QTest::newRow("missing bracket") << kHeader + "[HKEY_CLASSES_ROOT\\K\n" << 2 << "missing \"]\"";
    QTest::newRow("other root") << kHeader + "[HKEY_LOCAL_MACHINE\\K]\n" << 2 << "not below";
    QTest::newRow("empty key name") << kHeader + "[HKEY_CLASSES_ROOT\\A\\\\B]\n"
                                    << 2 << "empty key";
    QTest::newRow("value before key") << kHeader + "\"v\"=\"x\"\n" << 2 << "before the first key";
    QTest::newRow("unclosed quote") << kHeader + key + "\"v\"=\"abc\n" << 3 << "closing quote";
    QTest::newRow("unknown escape") << kHeader + key + "\"v\"=\"C:\\temp\"\n" << 3 << "escape";
    QTest::newRow("text after quote") << kHeader + key + "\"v\"=\"a\" b\n"
                                      << 3 << "after the closing";
    QTest::newRow("missing =") << kHeader + key + "\"v\" \"x\"\n" << 3 << "missing \"=\"";
    QTest::newRow("dword too long") << kHeader + key + "\"v\"=dword:123456789\n" << 3 << "dword";
    QTest::newRow("dword not hex") << kHeader + key + "\"v\"=dword:12g4\n" << 3 << "dword";
    QTest::newRow("bad hex byte") << kHeader + key + "\"v\"=hex:01,2x3\n" << 3 << "hex byte";
    QTest::newRow("hex byte of 3 digits") << kHeader + key + "\"v\"=hex:123\n" << 3 << "hex byte";
    QTest::newRow("odd UTF-16 length") << kHeader + key + "\"v\"=hex(2):41\n" << 3 << "UTF-16";
    QTest::newRow("lone surrogate") << kHeader + key + "\"v\"=hex(1):00,d8\n" << 3 << "UTF-16";
    QTest::newRow("deletion line") << kHeader + key + "\"v\"=-\n" << 3 << "deleting values";
    QTest::newRow("deleted key") << kHeader + "[-HKEY_CLASSES_ROOT\\K]\n" << 2 << "deleting keys";
    QTest::newRow("NUL byte") << kHeader + key + QByteArray("\"v\"=\"a\0b\"\n", 10) << 3
                              << "control character";
    QTest::newRow("invalid UTF-8") << kHeader + key + "\"v\"=\"caf\xe9\"\n" << 3 << "not UTF-8";
    QTest::newRow("unknown data") << kHeader + key + "\"v\"=qword:1\n" << 3 << "unknown value";
}

void TestRegistryText::rejectsBadText() {
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(QString, reason);

    RegistryKeyNode root;
    RegistryTextReader reader("/cfg/registry.reg");
    QVERIFY(!reader.read(text, root));
    QCOMPARE(reader.errorLine(), line);
    QVERIFY2(
        reader.errorString().startsWith(QStringLiteral("/cfg/registry.reg, line %1: ").arg(line)),
        qPrintable(reader.errorString()));
    QVERIFY2(reader.errorString().contains(reason), qPrintable(reader.errorString()));
}

void TestRegistryText::emptyTextIsEmptyRegistry() {
    for (const QByteArray& text : {QByteArray(), QByteArray("\n \r\n"), kHeader}) {
        RegistryKeyNode root;
        RegistryTextReader reader;
        QVERIFY(reader.read(text, root));
        QVERIFY(root.children().empty());
        QVERIFY(root.values().isEmpty());
    }
}

void TestRegistryText::duplicatesMergeInFileOrder() {
    const QByteArray text = kHeader + "[HKEY_CLASSES_ROOT\\K]\n\"a\"=\"1\"\n\"b\"=\"1\"\n"
                                      "[HKEY_CLASSES_ROOT\\k]\n\"A\"=\"2\"\n\"c\"=\"2\"\n";
    RegistryKeyNode root;
    RegistryTextReader reader;
    QVERIFY(reader.read(text, root));
    QCOMPARE(root.children().size(), size_t(1));
    const RegistryKeyNode* key = root.find({"K"});
    QCOMPARE(key->name(), QString("K"));
    QCOMPARE(key->values().size(), 3);
    QCOMPARE(key->values().at(0).name, QString("a")); // first spelling and place kept
    QCOMPARE(key->values().at(0).data, sz("2"));      // the later value wins
    QCOMPARE(key->values().at(2).name, QString("c"));
}

void TestRegistryText::writesKeysInNameOrderWithEmptyKeys() {
    RegistryKeyNode root;
    RegistryKeyNode* software = root.addChild("Software");
    software->addChild("ventor");
    software->addChild("Pellor")->setValue("x", RegType::Sz, sz("1"));
    software->addChild("Kelvo");
    const QByteArray expected = kHeader + "\n[HKEY_CLASSES_ROOT\\Software]\n"
                                          "\n[HKEY_CLASSES_ROOT\\Software\\Kelvo]\n"
                                          "\n[HKEY_CLASSES_ROOT\\Software\\Pellor]\n\"x\"=\"1\"\n"
                                          "\n[HKEY_CLASSES_ROOT\\Software\\ventor]\n";
    QCOMPARE(RegistryTextWriter::registryText(root), expected);

    RegistryKeyNode back;
    RegistryTextReader reader;
    QVERIFY(reader.read(expected, back));
    QVERIFY(back.find({"Software", "VENTOR"})); // an empty key survives
}

void TestRegistryText::subtreeNamesItsKey() {
    RegistryKeyNode key("Pellor");
    key.addChild("Sub")->setValue("", RegType::Sz, sz("d"));
    const QByteArray text = RegistryTextWriter::subtreeText(key, {"Software", "Pellor"});
    QCOMPARE(text, kHeader + "\n[HKEY_CLASSES_ROOT\\Software\\Pellor]\n"
                             "\n[HKEY_CLASSES_ROOT\\Software\\Pellor\\Sub]\n@=\"d\"\n");
    RegistryKeyNode back;
    RegistryTextReader reader;
    QVERIFY(reader.read(text, back));
    QCOMPARE(reader.keyPaths().first(), QStringList({"Software", "Pellor"}));
}

void TestRegistryText::megabyteValuesRoundTrip() {
    QByteArray binary(1 << 20, '\0');
    for (qsizetype i = 0; i < binary.size(); ++i)
        binary[i] = char(i * 7);
    const QString text(1 << 20, QLatin1Char('x'));
    RegistryKeyNode root;
    RegistryKeyNode* key = root.addChild("Big");
    key->setValue("bin", RegType::Binary, binary);
    key->setValue("text", RegType::Sz, sz(text));
    const QByteArray file = RegistryTextWriter::registryText(root);
    for (const QByteArray& line : file.split('\n'))
        QVERIFY(line.size() <= 80 || line.startsWith("\"text\""));

    RegistryKeyNode back;
    RegistryTextReader reader;
    QVERIFY2(reader.read(file, back), qPrintable(reader.errorString()));
    QCOMPARE(back.find({"Big"})->value(u"bin")->data, binary);
    QCOMPARE(back.find({"Big"})->value(u"text")->data, sz(text));
}

int runRegistryTextTests(int argc, char** argv) {
    TestRegistryText test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_RegistryText.moc"

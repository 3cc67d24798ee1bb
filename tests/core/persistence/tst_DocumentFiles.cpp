// Document files: the three file modes, the encoding named in the declaration, Shift_JIS
// documents, atomic replacement, and every kind of bad input.
#include "DocumentFixtures.h"

#include "core/model/clsPellorItem.h"
#include "core/persistence/DocumentEncoding.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace pellor;

namespace {

const QString kFixtures = QStringLiteral(PELLOR_TEST_DATA "/fixtures");

QByteArray utf16le(const QByteArray& utf8) {
    const QString text = QString::fromUtf8(utf8);
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

QByteArray utf16be(const QByteArray& utf8) {
    QByteArray le = utf16le(utf8);
    for (qsizetype i = 0; i + 1 < le.size(); i += 2)
        std::swap(le[i], le[i + 1]);
    return le;
}

// A document whose one node carries the given bytes as its Text.
QByteArray documentWithText(const QByteArray& text) {
    return fixtures::documentWith(
        "<INode Object=\"True\" Type=\"Empty\" Name=\"N\"><Text VT=\"8\">" + text +
        "</Text></INode>");
}

// A document whose elements are nested depth levels deep in all.
QByteArray documentNested(int depth) {
    const int inner = depth - 2; // INodes and INode
    return fixtures::documentWith("<INode Object=\"True\" Type=\"Empty\" Name=\"N\">" +
                                  QByteArray("<x>").repeated(inner) +
                                  QByteArray("</x>").repeated(inner) + "</INode>");
}

QByteArray withDeclaration(const QByteArray& declaration, const QByteArray& document) {
    return declaration + document.mid(document.indexOf('\n') + 1);
}

QStringList entriesOf(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestDocumentFiles : public QObject {
    Q_OBJECT

private slots:
    void encodingThatCannotHoldATextRefusesIt() {
        // A code page without the character must not silently turn it into "?".
        QVERIFY(!DocumentEncoding::fromUnicode(QStringLiteral("Motor \u30bd"), "windows-1252"));
        QCOMPARE(DocumentEncoding::fromUnicode(QStringLiteral("Motor \u00e9"), "windows-1252"),
                 std::optional<QByteArray>(QByteArray("Motor \xe9")));
    }

    void fileModeRoundTrip_data();
    void fileModeRoundTrip();
    void readsTheBytesOfEachMode_data();
    void readsTheBytesOfEachMode();
    void serializeFileReplacesTheWholeFile();
    void serializeFileFailsWithoutTouchingTheFolder();
    void declaredEncoding_data();
    void declaredEncoding();
    void acceptedEncodingNames_data();
    void acceptedEncodingNames();
    void shiftJisDocument();
    void badInput_data();
    void badInput();
    void limits_data();
    void limits();

private:
    QTemporaryDir m_dir;
};

void TestDocumentFiles::fileModeRoundTrip_data() {
    QTest::addColumn<bool>("unicode");
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<QByteArray>("prefix");
    QTest::addColumn<QByteArray>("suffix");
    QTest::newRow("UTF-8") << true << true
                           << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<INodes")
                           << QByteArray("</INodes>");
    QTest::newRow("UTF-8 without Unicode")
        << false << true << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<INodes")
        << QByteArray("</INodes>");
    QTest::newRow("UTF-16") << true << false
                            << QByteArray("\xFF\xFE") +
                                   utf16le("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n")
                            << utf16le("</INodes>");
    QTest::newRow("ANSI") << false << false
                          << QByteArray("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<INodes")
                          << QByteArray("</INodes>\r\n");
}

// Each mode writes its own bytes, reads them back, and the tree read gives the same text.
void TestDocumentFiles::fileModeRoundTrip() {
    QFETCH(bool, unicode);
    QFETCH(bool, utf8);
    QFETCH(QByteArray, prefix);
    QFETCH(QByteArray, suffix);
    const fixtures::SampleTree t = fixtures::makeSampleTree();
    const QString path = m_dir.filePath(QStringLiteral("mode-%1-%2.plr").arg(unicode).arg(utf8));

    clsNodesSerializer writer;
    writer.Unicode = unicode;
    writer.UTF8 = utf8;
    QVERIFY2(writer.SerializeFile(*t.tree, path), qPrintable(writer.errorString()));
    const QByteArray bytes = fixtures::readAll(path);
    QVERIFY2(bytes.startsWith(prefix), bytes.left(prefix.size() + 8).toHex(' ').constData());
    QVERIFY2(bytes.endsWith(suffix), bytes.right(suffix.size() + 8).toHex(' ').constData());
    QVERIFY(bytes.contains(unicode && !utf8 ? utf16le("温度") : QByteArray("温度")));

    fixtures::DocumentReader reader(unicode, utf8);
    QVERIFY2(reader.readFile(path), qPrintable(reader.serializer.errorString()));
    QCOMPARE(reader.tree->Count(), 7);
    QCOMPARE(fixtures::serialize(*reader.tree), fixtures::serialize(*t.tree));
}

void TestDocumentFiles::readsTheBytesOfEachMode_data() {
    QTest::addColumn<bool>("unicode");
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray doc = fixtures::sampleDocument();
    const QByteArray utf16 =
        withDeclaration("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n", doc);
    const QByteArray ansi =
        withDeclaration("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n", doc);
    QStringEncoder system(QStringEncoder::System);
    QTest::newRow("UTF-8") << true << true << doc;
    QTest::newRow("UTF-16") << true << false << QByteArray("\xFF\xFE") + utf16le(utf16);
    QTest::newRow("ANSI") << false << false << QByteArray(system(QString::fromUtf8(ansi))) + "\r\n";
}

// Files made the way each mode describes them, not by our own writer.
void TestDocumentFiles::readsTheBytesOfEachMode() {
    QFETCH(bool, unicode);
    QFETCH(bool, utf8);
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("bytes-%1-%2.plr").arg(unicode).arg(utf8));
    QVERIFY(fixtures::writeAll(path, bytes));
    fixtures::DocumentReader reader(unicode, utf8);
    QVERIFY2(reader.readFile(path), qPrintable(reader.serializer.errorString()));
    QCOMPARE(reader.tree->Count(), 7);
    QCOMPARE(fixtures::serialize(*reader.tree), QString::fromUtf8(fixtures::sampleDocument()));
}

void TestDocumentFiles::serializeFileReplacesTheWholeFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.plr"));
    QVERIFY(fixtures::writeAll(path, QByteArray(200000, 'x')));
    clsPellorItem item;
    clsNodesSerializer s;
    s.Unicode = s.UTF8 = true;
    QVERIFY(s.SerializeFile(item, path));
    QCOMPARE(QString::fromUtf8(fixtures::readAll(path)), fixtures::serialize(item));
    QCOMPARE(entriesOf(dir.path()), QStringList{"doc.plr"});
}

void TestDocumentFiles::serializeFileFailsWithoutTouchingTheFolder() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plain"));
    QVERIFY(fixtures::writeAll(file, "previous"));
    clsPellorItem item;
    clsNodesSerializer s;
    s.Unicode = s.UTF8 = true;

    // A folder that is a file, and a target that is a folder.
    const QString below = file + QStringLiteral("/doc.plr");
    QVERIFY(!s.SerializeFile(item, below));
    QVERIFY(s.errorString().contains(below));
    QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("folder"))));
    QVERIFY(!s.SerializeFile(item, dir.filePath(QStringLiteral("folder"))));
    QVERIFY(!s.errorString().isEmpty());

    QCOMPARE(fixtures::readAll(file), QByteArray("previous"));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    QCOMPARE(entriesOf(dir.path()), (QStringList{"folder", "plain"}));
    QCOMPARE(entriesOf(dir.filePath(QStringLiteral("folder"))), QStringList());
}

void TestDocumentFiles::declaredEncoding_data() {
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QString>("encoding");

    const QByteArray rest = "\r\n<INodes Object=\"True\"/>";
    auto endingAt = [&](int end) { // the declaration's "?>" ends at byte end (1-based)
        const QByteArray start = "<?xml version=\"1.0\"";
        const QByteArray tail = " encoding=\"UTF-8\"?>";
        return start + QByteArray(end - start.size() - tail.size(), ' ') + tail + rest;
    };
    // clang-format off
    QTest::newRow("utf-8")              << QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>") + rest << "utf-8";
    QTest::newRow("UTF-8")              << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") + rest << "UTF-8";
    QTest::newRow("shift_jis")          << QByteArray("<?xml version=\"1.0\" encoding=\"shift_jis\"?>") + rest << "shift_jis";
    QTest::newRow("other name")         << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>") + rest << "ISO-8859-1";
    QTest::newRow("single quotes")      << QByteArray("<?xml version='1.0' encoding='UTF-8'?>") + rest << "UTF-8";
    QTest::newRow("upper-case name")    << QByteArray("<?xml version=\"1.0\" ENCODING=\"UTF-8\"?>") + rest << "UTF-8";
    QTest::newRow("not the last")       << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>") + rest << "UTF-8\" standalone=\"yes";
    QTest::newRow("second byte ?")      << QByteArray("x?xml version=\"1.0\" encoding=\"UTF-8\"?>") + rest << "UTF-8";
    QTest::newRow("ending at byte 102") << endingAt(102) << "UTF-8";
    QTest::newRow("ending at byte 103") << endingAt(103) << "";
    QTest::newRow("no declaration")     << QByteArray("<INodes Object=\"True\"/>") << "";
    QTest::newRow("no encoding")        << QByteArray("<?xml version=\"1.0\"?>") + rest << "";
    QTest::newRow("empty name")         << QByteArray("<?xml version=\"1.0\" encoding=\"\"?>") + rest << "";
    QTest::newRow("spaces around =")    << QByteArray("<?xml version=\"1.0\" encoding = \"UTF-8\"?>") + rest << "";
    QTest::newRow("unclosed")           << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"") << "";
    QTest::newRow("UTF-8 BOM")          << QByteArray("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>") + rest << "";
    QTest::newRow("leading space")      << QByteArray(" <?xml version=\"1.0\" encoding=\"UTF-8\"?>") + rest << "";
    QTest::newRow("UTF-16")             << QByteArray("\xFF\xFE") + utf16le("<?xml version=\"1.0\" encoding=\"UTF-16\"?>") << "";
    QTest::newRow("one byte")           << QByteArray("<") << "";
    QTest::newRow("empty")              << QByteArray() << "";
    // clang-format on
}

void TestDocumentFiles::declaredEncoding() {
    QFETCH(QByteArray, head);
    QFETCH(QString, encoding);
    QCOMPARE(DocumentEncoding::declaredEncoding(head), encoding);
}

void TestDocumentFiles::acceptedEncodingNames_data() {
    QTest::addColumn<QByteArray>("name");
    for (const char* name : {"utf-8", "UTF-8", "Utf-8", "shift_jis", "Shift_JIS", "SHIFT_JIS"})
        QTest::newRow(name) << QByteArray(name);
}

void TestDocumentFiles::acceptedEncodingNames() {
    QFETCH(QByteArray, name);
    const QString path =
        m_dir.filePath(QStringLiteral("accepted-%1.plr").arg(QString::fromLatin1(name)));
    const QByteArray doc =
        withDeclaration("<?xml version=\"1.0\" encoding=\"" + name + "\"?>\r\n",
                        fixtures::documentWith(fixtures::nodeElement("Empty", "Engine", "")));
    QVERIFY(fixtures::writeAll(path, doc));
    fixtures::DocumentReader reader;
    QVERIFY2(reader.readFile(path), qPrintable(reader.serializer.errorString()));
    QVERIFY(reader.tree->nodeByKey("Engine"));
}

// A document written in Shift_JIS, with characters whose second byte is that of a backslash.
void TestDocumentFiles::shiftJisDocument() {
    const QString path = kFixtures + QStringLiteral("/shift_jis.plr");
    QVERIFY(fixtures::readAll(path).contains("\x83\\"));
    fixtures::DocumentReader reader;
    QVERIFY2(reader.readFile(path), qPrintable(reader.serializer.errorString()));

    const QString name = QStringLiteral("ソース温度");
    const TreeNode* node = reader.tree->nodeByKey(QStringLiteral("Engine\\RC1\\") + name);
    QVERIFY(node);
    QCOMPARE(node->text(), name);
    QCOMPARE(node->FullPath(), QStringLiteral("Engine\\RC1\\") + name);
    const auto* item = dynamic_cast<const clsPellorItem*>(node->tag().get());
    QVERIFY(item);
    QCOMPARE(item->m_strItemName, name);
    QCOMPARE(item->m_strVarName, name);
    QCOMPARE(item->m_strDescription, QStringLiteral("炉の表示温度（摂氏）"));
    QCOMPARE(item->FullName(), node->key());
    QCOMPARE(reader.state.controllerCount(), 1);
    QCOMPARE(reader.state.itemCount(), 1);

    // The same bytes declared as UTF-8 are not valid UTF-8.
    const QString relabelled = m_dir.filePath(QStringLiteral("relabelled.plr"));
    QVERIFY(fixtures::writeAll(relabelled, fixtures::readAll(path).replace("Shift_JIS", "UTF-8")));
    fixtures::DocumentReader strict;
    QVERIFY(!strict.readFile(relabelled));
}

void TestDocumentFiles::badInput_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("utf16Mode");
    QTest::addColumn<QString>("kind"); // file, missing, folder

    const QByteArray doc = fixtures::sampleDocument();
    const QByteArray small = fixtures::documentWith(fixtures::nodeElement(
        "clsPellorWorkspace", "Engine", "<clsPellorWorkspace Object=\"True\" Property=\"Tag\"/>"));
    auto declared = [&](const QByteArray& name) {
        return withDeclaration("<?xml version=\"1.0\" encoding=\"" + name + "\"?>\r\n", small);
    };
    const QByteArray laughs = fixtures::utf8Head() +
                              "<!DOCTYPE INodes [\n"
                              " <!ENTITY a \"lol\">\n"
                              " <!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n"
                              " <!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">\n"
                              " <!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">\n"
                              " <!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">\n"
                              " <!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">\n"
                              " <!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">\n"
                              " <!ENTITY h \"&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;\">\n"
                              " <!ENTITY i \"&h;&h;&h;&h;&h;&h;&h;&h;&h;&h;\">\n"
                              "]>\n" +
                              documentWithText("&i;").mid(fixtures::utf8Head().size());

    // clang-format off
    QTest::newRow("malformed XML")            << fixtures::documentWith("<INode Object=\"True\" Type=\"Empty\" Name=\"A\">") << false << "file";
    QTest::newRow("truncated XML")            << doc.left(doc.size() / 2) << false << "file";
    QTest::newRow("empty file")               << QByteArray() << false << "file";
    QTest::newRow("declaration only")         << fixtures::utf8Head() << false << "file";
    QTest::newRow("two root elements")        << small + "<INodes Object=\"True\"/>" << false << "file";
    QTest::newRow("NUL byte")                 << documentWithText(QByteArray("a\0b", 3)) << false << "file";
    QTest::newRow("UTF-8 byte-order mark")    << QByteArray("\xEF\xBB\xBF") + doc << false << "file";
    QTest::newRow("UTF-16 file as UTF-8")     << QByteArray("\xFF\xFE") + utf16le(declared("UTF-16")) << false << "file";
    QTest::newRow("wrong UTF-16 byte-order mark") << QByteArray("\xFE\xFF") + utf16be(declared("UTF-16")) << true << "file";
    QTest::newRow("UTF-16 without byte-order mark") << utf16le(declared("UTF-16")) << true << "file";
    QTest::newRow("UTF-8 file as UTF-16")     << doc << true << "file";
    QTest::newRow("ISO-8859-1 declared")      << declared("ISO-8859-1") << false << "file";
    QTest::newRow("windows-1252 declared")    << declared("windows-1252") << false << "file";
    QTest::newRow("UTF-16 declared")          << declared("UTF-16") << false << "file";
    QTest::newRow("utf8 declared")            << declared("utf8") << false << "file";
    QTest::newRow("Shift-JIS declared")       << declared("Shift-JIS") << false << "file";
    QTest::newRow("no declaration")           << small.mid(small.indexOf('\n') + 1) << false << "file";
    QTest::newRow("encoding not last")        << withDeclaration("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n", small) << false << "file";
    QTest::newRow("unknown class as Tag")     << fixtures::documentWith(fixtures::nodeElement("clsPellorData", "X", "<clsPellorData Object=\"True\" Property=\"Tag\"/>")) << false << "file";
    QTest::newRow("unknown class in a collection") << fixtures::documentWith(fixtures::nodeElement("clsPellorController", "RC1",
                                                   "<clsPellorController Object=\"True\" Property=\"Tag\"><Collection Object=\"True\" Property=\"m_mapTrigger\">"
                                                   "<clsPellorTrigger Object=\"True\" Index=\"1\"/></Collection></clsPellorController>")) << false << "file";
    QTest::newRow("class name in other case") << fixtures::documentWith(fixtures::nodeElement("clsPellorItem", "X", "<clspellorItem Object=\"True\" Property=\"Tag\"/>")) << false << "file";
    QTest::newRow("root element not INodes")  << fixtures::utf8Head() + fixtures::nodeElement("Empty", "Engine", "") << false << "file";
    QTest::newRow("invalid Shift_JIS")        << withDeclaration("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n", documentWithText("\xFF\x40")) << false << "file";
    QTest::newRow("invalid UTF-8")            << documentWithText("\xC3\x28") << false << "file";
    QTest::newRow("overlong UTF-8")           << documentWithText("\xC0\xAF") << false << "file";
    QTest::newRow("UTF-8 surrogate")          << documentWithText("\xED\xA0\x80") << false << "file";
    QTest::newRow("truncated UTF-8")          << documentWithText("\xE6\xB8") << false << "file";
    QTest::newRow("10 MB text node")          << documentWithText(QByteArray(10 * 1024 * 1024, 'x')) << false << "file";
    QTest::newRow("10,000 levels")            << documentNested(10000) << false << "file";
    QTest::newRow("billion laughs")           << laughs << false << "file";
    QTest::newRow("external entity")          << fixtures::utf8Head() + "<!DOCTYPE INodes [<!ENTITY ext SYSTEM \"file:///etc/hostname\">]>\n" + documentWithText("&ext;").mid(fixtures::utf8Head().size()) << false << "file";
    QTest::newRow("parameter entity")         << fixtures::utf8Head() + "<!DOCTYPE INodes [<!ENTITY % p \"<!ENTITY x 'y'>\"> %p;]>\n" + small.mid(small.indexOf('\n') + 1) << false << "file";
    QTest::newRow("undefined entity")         << documentWithText("&undefined;") << false << "file";
    QTest::newRow("missing file")             << QByteArray() << false << "missing";
    QTest::newRow("folder")                   << QByteArray() << false << "folder";
    // clang-format on
}

// Every bad input is a failed read with a reason that names the file, never a crash or hang.
void TestDocumentFiles::badInput() {
    QFETCH(QByteArray, content);
    QFETCH(bool, utf16Mode);
    QFETCH(QString, kind);
    const QString path =
        m_dir.filePath(QStringLiteral("bad-%1.plr")
                           .arg(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-')));
    if (kind == u"file")
        QVERIFY(fixtures::writeAll(path, content));
    else if (kind == u"folder")
        QVERIFY(QDir().mkpath(path));

    fixtures::DocumentReader reader(true, !utf16Mode);
    QVERIFY(!reader.readFile(path));
    const QString error = reader.serializer.errorString();
    QVERIFY(!error.isEmpty());
    QVERIFY2(error.contains(path), qPrintable(error));
}

void TestDocumentFiles::limits_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("accepted");
    const int text = 4 * 1024 * 1024;
    QTest::newRow("256 levels") << documentNested(256) << true;
    QTest::newRow("257 levels") << documentNested(257) << false;
    QTest::newRow("4 MiB of text") << documentWithText(QByteArray(text, 'x')) << true;
    QTest::newRow("4 MiB and one byte of text")
        << documentWithText(QByteArray(text + 1, 'x')) << false;
}

void TestDocumentFiles::limits() {
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    const QString path = m_dir.filePath(QStringLiteral("limit.plr"));
    QVERIFY(fixtures::writeAll(path, content));
    fixtures::DocumentReader reader;
    QCOMPARE(reader.readFile(path), accepted);
    if (accepted)
        QCOMPARE(reader.tree->Count(), 1);
    else
        QVERIFY(!reader.serializer.errorString().isEmpty());
}

int runDocumentFilesTests(int argc, char** argv) {
    TestDocumentFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_DocumentFiles.moc"

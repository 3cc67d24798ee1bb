// plrtool as its users run it: exit codes, what goes to stdout and stderr, and the files it
// writes or leaves alone.
#include "core/app/ProgramState.h"
#include "core/model/NodeImages.h"
#include "core/model/NodeTree.h"
#include "core/model/clsPellorController.h"
#include "core/model/clsPellorGroup.h"
#include "core/model/clsPellorItem.h"
#include "core/model/clsPellorWorkspace.h"
#include "core/persistence/ConfigDocument.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace pellor;

namespace {

const QByteArray kUtf8Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run plrtool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(PLRTOOL_PATH), args);
    Run r;
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Engine / RC1 (G1 / [G1]Temp, Pressure) / RC2 (Level), saved as the editor saves it.
bool saveSampleDocument(const QString& path) {
    NodeTree tree;
    auto ws = std::make_shared<clsPellorWorkspace>();
    ws->Initialize();
    auto root =
        tree.add(nullptr, "Engine", "Engine", NodeImages::RootPellor, NodeImages::RootPellor);
    root->setTag(ws);
    root->setExpanded(true);
    TreeNode* ctrlNodes[2] = {};
    for (int i = 0; i < 2; ++i) {
        auto c = std::make_shared<clsPellorController>();
        c->Initialize(QStringLiteral("RC%1").arg(i + 1));
        c->m_strDescription = QStringLiteral("Line %1\r\nsecond line").arg(i + 1);
        ctrlNodes[i] = tree.add(root.get(), "Engine\\" + c->RSQLCtrlName, c->RSQLCtrlName).get();
        ctrlNodes[i]->setTag(c);
        NodeImages::DispTreeImageCtrl(*ctrlNodes[i], c->m_bEnabled, c->m_lType);
    }
    auto g = std::make_shared<clsPellorGroup>();
    g->Initialize(QStringLiteral("RC1"), QStringLiteral("G1"));
    auto groupNode =
        tree.add(ctrlNodes[0], "Engine\\RC1\\G1", "G1", NodeImages::Group, NodeImages::Group);
    groupNode->setTag(g);
    auto addItem = [&](TreeNode* parent, const QString& ctrl, const QString& name, bool member) {
        auto item = std::make_shared<clsPellorItem>();
        item->IsGroupMember = member;
        item->Initialize(ctrl, name);
        item->m_fDeadBandMax = 3.14159265f;
        item->LinkItem = member ? QStringLiteral("RC2\\Level") : QString();
        QString group, bare;
        qint32 sep = 0;
        item->GetGroupAndItemName(group, bare, sep);
        auto node = tree.add(parent, item->FullName(), bare);
        node->setTag(item);
        NodeImages::LinkItemImage(*node);
    };
    addItem(groupNode.get(), QStringLiteral("RC1"), QStringLiteral("[G1]Temp"), true);
    addItem(ctrlNodes[0], QStringLiteral("RC1"), QStringLiteral("Pressure"), false);
    addItem(ctrlNodes[1], QStringLiteral("RC2"), QStringLiteral("Level"), false);
    ProgramState state;
    return ConfigDocument(state).save(tree, path);
}

QStringList entriesOf(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestPlrTool : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void commandLine_data();
    void commandLine();
    void statsPrintsOneLine();
    void unreadableDocument_data();
    void unreadableDocument();
    void resaveWritesWhatTheEditorSaves();
    void resaveConvertsShiftJisToUtf8();
    void failedResaveLeavesOutUntouched_data();
    void failedResaveLeavesOutUntouched();

private:
    QTemporaryDir m_dir;
    QString m_sample;
};

void TestPlrTool::initTestCase() {
    QVERIFY(QFile::exists(QStringLiteral(PLRTOOL_PATH)));
    m_sample = m_dir.filePath(QStringLiteral("sample.plr"));
    QVERIFY(saveSampleDocument(m_sample));
}

void TestPlrTool::commandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // what stdout starts with; empty: nothing on stdout

    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: plrtool COMMAND";
    QTest::newRow("-h") << QStringList{"-h"} << 0 << "Usage: plrtool COMMAND";
    QTest::newRow("help") << QStringList{"help"} << 0 << "Usage: plrtool COMMAND";
    QTest::newRow("stats --help") << QStringList{"stats", "--help"} << 0 << "Usage: plrtool stats";
    QTest::newRow("stats -h") << QStringList{"stats", "-h"} << 0 << "Usage: plrtool stats";
    QTest::newRow("resave --help")
        << QStringList{"resave", "--help"} << 0 << "Usage: plrtool resave";
    QTest::newRow("no command") << QStringList{} << 2 << "";
    QTest::newRow("unknown command") << QStringList{"convert", "a"} << 2 << "";
    QTest::newRow("stats without FILE") << QStringList{"stats"} << 2 << "";
    QTest::newRow("stats with two files") << QStringList{"stats", "a", "b"} << 2 << "";
    QTest::newRow("resave without OUT") << QStringList{"resave", "a"} << 2 << "";
}

void TestPlrTool::commandLine() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    const Run r = plrtool(args);
    QCOMPARE(r.exitCode, exitCode);
    if (exitCode == 0) {
        QVERIFY2(r.out.startsWith(out.toUtf8()), r.out.constData());
        QCOMPARE(r.err, QByteArray());
    } else {
        QCOMPARE(r.out, QByteArray());
        QVERIFY(r.err.startsWith("plrtool: "));
    }
}

void TestPlrTool::statsPrintsOneLine() {
    const Run r = plrtool({"stats", m_sample});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray("controllers=2 groups=1 items=3\n"));
    QCOMPARE(r.err, QByteArray());
}

void TestPlrTool::unreadableDocument_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("kind"); // file, missing, folder
    const QByteArray sample = readAll(m_sample);
    QTest::newRow("missing file") << QByteArray() << "missing";
    QTest::newRow("folder") << QByteArray() << "folder";
    QTest::newRow("empty file") << QByteArray() << "file";
    QTest::newRow("truncated") << sample.left(sample.size() / 2) << "file";
    QTest::newRow("other encoding")
        << QByteArray(sample).replace("encoding=\"UTF-8\"", "encoding=\"ISO-8859-1\"") << "file";
    QTest::newRow("unknown class") << QByteArray(sample)
                                          .replace("<clsPellorGroup ", "<clsPellorGroupX ")
                                          .replace("</clsPellorGroup>", "</clsPellorGroupX>")
                                   << "file";
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF") + sample << "file";
}

// Exit 2, one line on stderr naming the file, nothing on stdout, for both commands.
void TestPlrTool::unreadableDocument() {
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    const QString path = m_dir.filePath(
        QStringLiteral("unreadable %1.plr").arg(QString::fromLatin1(QTest::currentDataTag())));
    if (kind == u"file")
        QVERIFY(writeAll(path, content));
    else if (kind == u"folder")
        QVERIFY(QDir().mkpath(path));

    const QString out = m_dir.filePath(QStringLiteral("not written.plr"));
    for (const QStringList& args : {QStringList{"stats", path}, QStringList{"resave", path, out}}) {
        const Run r = plrtool(args);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.out, QByteArray());
        QVERIFY2(r.err.endsWith('\n') && r.err.count('\n') == 1, r.err.constData());
        QVERIFY2(r.err.contains(path.toUtf8()), r.err.constData());
        QVERIFY(!QFile::exists(out));
    }
}

void TestPlrTool::resaveWritesWhatTheEditorSaves() {
    const QString first = m_dir.filePath(QStringLiteral("first.plr"));
    const QString second = m_dir.filePath(QStringLiteral("second.plr"));
    Run r = plrtool({"resave", m_sample, first});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.err, QByteArray());
    const QByteArray bytes = readAll(first);
    QVERIFY(bytes.startsWith(kUtf8Declaration + "<INodes Object=\"True\">"));
    // What the editor saved comes out unchanged, and so does what the tool wrote.
    QCOMPARE(bytes, readAll(m_sample));
    r = plrtool({"resave", first, second});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(readAll(second), bytes);
}

void TestPlrTool::resaveConvertsShiftJisToUtf8() {
    const QString in = QStringLiteral(PERSISTENCE_FIXTURES "/shift_jis.plr");
    const QString out = m_dir.filePath(QStringLiteral("from-shift_jis.plr"));
    Run r = plrtool({"resave", in, out});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());
    const QByteArray bytes = readAll(out);
    QVERIFY(bytes.startsWith(kUtf8Declaration));
    QVERIFY(bytes.contains(QStringLiteral("<Key VT=\"8\">Engine\\RC1\\ソース温度</Key>").toUtf8()));
    QVERIFY(bytes.contains(QStringLiteral("炉の表示温度（摂氏）").toUtf8()));
    QVERIFY(!bytes.contains("\x83\\")); // no Shift_JIS left
    r = plrtool({"stats", out});
    QCOMPARE(r.out, QByteArray("controllers=1 groups=0 items=1\n"));
}

void TestPlrTool::failedResaveLeavesOutUntouched_data() {
    QTest::addColumn<QString>("failure");
    QTest::newRow("IN malformed") << "malformed";
    QTest::newRow("IN missing") << "missing";
    QTest::newRow("OUT is a folder") << "folder";
    QTest::newRow("OUT below a file") << "below a file";
}

void TestPlrTool::failedResaveLeavesOutUntouched() {
    QFETCH(QString, failure);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.plr"));
    QString out = dir.filePath(QStringLiteral("out.plr"));
    const QByteArray previous = "previous OUT, not a document\r\n";
    QVERIFY(writeAll(out, previous));
    if (failure == u"malformed")
        QVERIFY(writeAll(in, kUtf8Declaration + "<INodes Object=\"True\"><INode"));
    else if (failure != u"missing")
        QVERIFY(QFile::copy(m_sample, in));
    if (failure == u"folder") {
        out = dir.filePath(QStringLiteral("folder.plr"));
        QVERIFY(QDir().mkdir(out));
    } else if (failure == u"below a file") {
        out = dir.filePath(QStringLiteral("out.plr/new.plr"));
    }
    const QStringList before = entriesOf(dir.path());

    const Run r = plrtool({"resave", in, out});
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, QByteArray());
    QVERIFY2(r.err.count('\n') == 1, r.err.constData());
    const QString named = failure == u"malformed" || failure == u"missing" ? in : out;
    QVERIFY2(r.err.contains(named.toUtf8()), r.err.constData());
    QCOMPARE(readAll(dir.filePath(QStringLiteral("out.plr"))), previous);
    QCOMPARE(entriesOf(dir.path()), before);
    if (failure == u"folder")
        QCOMPARE(entriesOf(out), QStringList());
}

int runPlrToolTests(int argc, char** argv) {
    TestPlrTool test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_PlrTool.moc"

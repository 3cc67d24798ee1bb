#include "ScriptedPrompter.h"

#include "core/app/ProgramState.h"
#include "core/app/StartUp.h"
#include "core/model/NodeTree.h"
#include "core/model/clsPellorController.h"
#include "core/model/clsPellorItem.h"
#include "core/model/clsPellorWorkspace.h"
#include "core/persistence/ConfigDocument.h"
#include "core/persistence/FileRegistry.h"
#include "core/persistence/UserInterfaceLanguage.h"
#include "core/persistence/clsPellorData.h"
#include "core/persistence/clsProfile.h"
#include "core/platform/modLocale.h"
#include "gui/app/ClipboardFormats.h"
#include "gui/app/frmPellorConfig.h"
#include "gui/editor/ConfigTree.h"
#include "gui/editor/ConfigTreeModel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace pellor;

namespace {

constexpr int kMsgSettingsUnreadable = 100;
constexpr int kMsgNotRead = 122;
constexpr int kMsgNotSaved = 116;
constexpr int kMsgSaveChanges = 159;
constexpr int kMsgEmptyClipboard = 160;

// A document of one controller with two items, written the way the editor saves.
QString writeSmallDocument(const QString& path, int items = 2) {
    ProgramState state;
    auto tree = std::make_shared<NodeTree>();
    ConfigTree config(tree);
    auto root = tree->add(nullptr, QStringLiteral("Engine"), QStringLiteral("Engine"), 22, 22);
    auto ws = std::make_shared<clsPellorWorkspace>();
    ws->Initialize();
    root->setTag(ws);
    auto ctrl = std::make_shared<clsPellorController>();
    ctrl->Initialize(QStringLiteral("RC1"));
    config.AddCtrlList(ctrl);
    for (int i = 1; i <= items; ++i) {
        auto item = std::make_shared<clsPellorItem>();
        item->Initialize(QStringLiteral("RC1"), QStringLiteral("I%1").arg(i));
        config.AddItemList(item);
    }
    ConfigDocument(state).save(*tree, path);
    return path;
}

// One editor with its own registry, settings folder and scripted answers.
struct Editor {
    QTemporaryDir dir;
    ProgramState state;
    ScriptedPrompter prompter;
    modLocale locale;
    std::unique_ptr<FileRegistry> registry;
    ProgramVariant variant;
    std::unique_ptr<frmPellorConfig> window;

    explicit Editor(const QString& word = QString(), bool create = true) {
        registry = std::make_unique<FileRegistry>(dir.filePath(QStringLiteral("registry.reg")));
        variant = StartUp::chooseVariant(word.isEmpty() ? QStringList() : QStringList{word},
                                         QStringLiteral("PellorConfig"), state);
        if (create)
            make();
    }
    void make() {
        locale.InitLocale(requestedUserInterfaceLanguage(*registry, variant));
        window = std::make_unique<frmPellorConfig>(MainWindowContext{
            state, variant, QStringLiteral("PellorConfig"), prompter, locale, *registry});
    }
    QString text(int id) const { return locale.GetString(id); }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString panel(int i) const { return window->ui().sbarPanel[i]->text(); }
    bool askedMessage(int id) const {
        for (const auto& a : prompter.asked())
            if (a.kind == u"message" && a.text == locale.GetString(id))
                return true;
        return false;
    }
    // Stores a document path in the settings, as a previous session would have.
    void storeDocumentPath(const QString& documentPath) {
        clsPellorData data(*registry, variant.number);
        data.ReadInfo(1);
        data.m_strDataFilePath = documentPath;
        QVERIFY(data.WriteInfo(1));
    }
};

} // namespace

class TestFrmPellorConfig : public QObject {
    Q_OBJECT

private slots:
    void init() {
        // Each test starts without an editor profile or server profile of an earlier one.
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
            .removeRecursively();
        QApplication::clipboard()->clear();
    }

    void startsInEachVariant_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("rootImage");
        QTest::addColumn<bool>("robot");
        QTest::newRow("Pellor") << QString() << QString() << 22 << false;
        QTest::newRow("Ventor") << QStringLiteral("OPC") << QStringLiteral(" [OPC]") << 23 << false;
        QTest::newRow("Kelvo") << QStringLiteral("UPNP") << QStringLiteral(" [UPnP]") << 24
                               << false;
        QTest::newRow("Tovan") << QStringLiteral("OPCUA") << QStringLiteral(" [OPC UA]") << 23
                               << false;
        QTest::newRow("KESTRIN") << QStringLiteral("KESTRIN") << QStringLiteral(" [KESTRIN]") << 22
                                 << true;
    }
    void startsInEachVariant() {
        QFETCH(QString, word);
        QFETCH(QString, suffix);
        QFETCH(int, rootImage);
        QFETCH(bool, robot);
        qputenv("PELLOR_COMMON_APPDATA", QDir::tempPath().toUtf8());
        Editor e(word);
        QVERIFY(e.window->LoadMain());
        QVERIFY(e.window->isReady());
        QVERIFY(e.prompter.asked().isEmpty()); // a fresh start asks nothing
        QCOMPARE(e.window->windowTitle(),
                 QStringLiteral("PellorConfig") + suffix + QStringLiteral(" - ") + e.text(158));
        QVERIFY(!e.text(158).isEmpty());
        TreeNode* root = e.window->configTree().root();
        QVERIFY(root);
        QCOMPARE(root->key(), QStringLiteral("Engine"));
        QCOMPARE(root->image(), rootImage);
        QCOMPARE(e.panel(2), QString()); // a new document empties the name panels
        QCOMPARE(e.panel(4), QStringLiteral("0"));
        QCOMPARE(e.panel(5), QStringLiteral("0"));
        QCOMPARE(e.window->ui().sbarPanel[4]->toolTip(), e.text(3015));
        QCOMPARE(e.window->ui().tabProperty->isTabVisible(1), !robot);
        QCOMPARE(e.window->ui().tabProperty->isTabVisible(3), robot);
        QCOMPARE(e.window->ui().cmbAttr->count(), 3);
        QCOMPARE(e.window->ui().cmbAttr->itemText(0), e.text(240));
        QVERIFY(!e.state.isModified());
    }

    void startOpensTheStoredDocument() {
        Editor e(QString(), false);
        const QString doc = writeSmallDocument(e.path(QStringLiteral("plant.plr")), 3);
        e.storeDocumentPath(doc);
        e.make();
        QVERIFY(e.window->LoadMain());
        QCOMPARE(e.window->windowTitle(), QStringLiteral("PellorConfig - ") + doc);
        QCOMPARE(e.panel(4), QStringLiteral("1"));
        QCOMPARE(e.panel(5), QStringLiteral("3"));
        QCOMPARE(e.panel(2), e.text(3009)); // the starting caption, in the current language
        QVERIFY(e.window->configTree().nodes().nodeByKey(QStringLiteral("Engine\\RC1\\I3")));
        QCOMPARE(e.window->configTree().defaultControllers(), QStringList{QStringLiteral("RC1")});
        QVERIFY(e.prompter.asked().isEmpty());
    }

    void aStoredPathThatIsGoneGivesANewDocumentSilently() {
        Editor e(QString(), false);
        e.storeDocumentPath(e.path(QStringLiteral("gone.plr")));
        e.make();
        QVERIFY(e.window->LoadMain());
        QVERIFY(e.prompter.asked().isEmpty());
        QCOMPARE(e.window->configTree().nodes().Count(), 1);
        QVERIFY(e.window->settings()->m_strDataFilePath.isEmpty());
    }

    void anUnreadableRegistryShowsMessage100AndKeepsTheFile() {
        Editor e(QString(), false);
        const QByteArray garbage =
            "this is not a registry file\n[HKEY_CLASSES_ROOT\\Software\n\"x\"=dword:zz\n";
        {
            QFile f(e.path(QStringLiteral("registry.reg")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(garbage);
        }
        e.prompter.answerMessage(MessageResult::Ok);
        e.make();
        QVERIFY(e.window->LoadMain());
        QVERIFY(e.askedMessage(kMsgSettingsUnreadable));
        QFile f(e.path(QStringLiteral("registry.reg")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), garbage);
    }

    void openSaveAndSaveAsWithScriptedDialogs() {
        Editor e;
        QVERIFY(e.window->LoadMain());
        const QString doc = writeSmallDocument(e.path(QStringLiteral("a.plr")));

        e.prompter.answerText(doc);
        e.window->mnuFileItem_Click(1); // Open
        QCOMPARE(e.prompter.asked().last().kind, QStringLiteral("open"));
        QCOMPARE(e.prompter.asked().last().dialog.title, e.text(120));
        QCOMPARE(e.window->configTree().nodes().Count(), 4);
        QCOMPARE(e.window->windowTitle(), QStringLiteral("PellorConfig - ") + doc);
        QVERIFY(e.state.isModified()); // opening marks the document modified
        QCOMPARE(e.window->configTree().root()->image(), 22);

        // Save writes to the open document's path without asking.
        const int asked = e.prompter.asked().size();
        QFile::remove(doc);
        e.window->mnuFileItem_Click(3);
        QCOMPARE(e.prompter.asked().size(), asked);
        QVERIFY(QFile::exists(doc));
        QVERIFY(!e.state.isModified());

        // Save As asks for a file and writes the same bytes there.
        const QString copy = e.path(QStringLiteral("b.plr"));
        e.prompter.answerText(copy);
        e.window->mnuFileItem_Click(4);
        QCOMPARE(e.prompter.asked().last().kind, QStringLiteral("save"));
        QVERIFY(e.prompter.asked().last().dialog.confirmOverwrite);
        QFile a(doc), b(copy);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), a.readAll());
        QCOMPARE(e.window->windowTitle(), QStringLiteral("PellorConfig - ") + copy);

        // The server settings were written with the document path.
        clsPellorData stored(*e.registry, e.variant.number);
        QVERIFY(stored.ReadInfo(1));
        QCOMPARE(stored.m_strDataFilePath, copy);

        // New empties the tree and forgets the path.
        e.window->mnuFileItem_Click(0);
        QCOMPARE(e.window->configTree().nodes().Count(), 1);
        QCOMPARE(e.window->windowTitle(), QStringLiteral("PellorConfig - ") + e.text(158));
    }

    void cancellingOpenKeepsTheTreeButMarksItModified() {
        Editor e;
        QVERIFY(e.window->LoadMain());
        e.prompter.answerText(std::nullopt);
        e.window->mnuFileItem_Click(1);
        QCOMPARE(e.window->configTree().nodes().Count(), 1);
        QVERIFY(e.state.isModified());
        QVERIFY(e.window->isReady());
    }

    void aDocumentFailingHalfWayShows122WithCountsSoFar() {
        Editor e;
        QVERIFY(e.window->LoadMain());
        const QString good = writeSmallDocument(e.path(QStringLiteral("good.plr")), 5);
        QFile in(good);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QByteArray bytes = in.readAll();
        bytes.truncate(bytes.indexOf("<INode Object=\"True\" Type=\"clsPellorItem\" Name=\"I4\""));
        const QString broken = e.path(QStringLiteral("broken.plr"));
        QFile out(broken);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();

        e.prompter.answerMessage(MessageResult::Ok);
        QVERIFY(!e.window->OpenDocument(broken));
        QVERIFY(e.askedMessage(kMsgNotRead));
        QCOMPARE(e.panel(4), QStringLiteral("1"));
        QCOMPARE(e.panel(5), QStringLiteral("3"));
    }

    void aFailedSaveShows116AndStaysModified() {
        Editor e;
        QVERIFY(e.window->LoadMain());
        e.state.setModified(true);
        // A path whose folder is a file cannot be written.
        QFile blocker(e.path(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        e.prompter.answerText(e.path(QStringLiteral("blocker/doc.plr")));
        e.prompter.answerMessage(MessageResult::Ok);
        e.window->mnuFileItem_Click(4);
        QVERIFY(e.askedMessage(kMsgNotSaved));
        QVERIFY(e.state.isModified());
    }

    void closeSequence_data() {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("withPath");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("saved"); // "", "path" or "dialog"
        QTest::newRow("unmodified") << false << true << 0 << true << QString();
        QTest::newRow("cancel keeps it open")
            << true << true << int(MessageResult::Cancel) << false << QString();
        QTest::newRow("no closes without saving")
            << true << true << int(MessageResult::No) << true << QString();
        QTest::newRow("yes saves to the path")
            << true << true << int(MessageResult::Yes) << true << QStringLiteral("path");
        QTest::newRow("yes without a path asks, cancel still closes")
            << true << false << int(MessageResult::Yes) << true << QStringLiteral("dialog");
    }
    void closeSequence() {
        QFETCH(bool, modified);
        QFETCH(bool, withPath);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(QString, saved);
        Editor e;
        QVERIFY(e.window->LoadMain());
        const QString doc = e.path(QStringLiteral("doc.plr"));
        if (withPath)
            e.window->settings()->m_strDataFilePath = doc;
        e.state.setModified(modified);
        if (modified)
            e.prompter.answerMessage(answer);
        if (saved == u"dialog")
            e.prompter.answerText(std::nullopt);

        QCOMPARE(e.window->close(), closes);
        QCOMPARE(e.askedMessage(kMsgSaveChanges), modified);
        QCOMPARE(QFile::exists(doc), saved == u"path");
        if (saved == u"dialog")
            QCOMPARE(e.prompter.asked().last().kind, QStringLiteral("save"));
        QVERIFY(e.prompter.allAnswersUsed());
    }

    void closingStoresThePlacementInTheEditorProfile() {
        Editor e;
        QVERIFY(e.window->LoadMain());
        e.window->showNormal();
        e.window->resize(700, 500);
        const QSize outer = e.window->frameGeometry().size(); // the frame is part of the placement
        QVERIFY(e.window->close());
        clsPellorData stored(*e.registry, e.variant.number);
        QVERIFY(stored.ReadInfo(3));
        QCOMPARE(stored.m_lWindowState, 0);
        QCOMPARE(stored.m_lFormWidth, outer.width() * 15);
        QCOMPARE(stored.m_lFormHeight, outer.height() * 15);

        Editor again(QString(), false);
        again.registry = std::make_unique<FileRegistry>(e.path(QStringLiteral("registry.reg")));
        again.make();
        QVERIFY(again.window->LoadMain());
        QCOMPARE(again.window->frameGeometry().size(), outer);
        QCOMPARE(again.window->size(), QSize(700, 500));
    }

    void closingOffersToEmptyTheClipboardOfSubtrees_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("yes") << int(MessageResult::Yes) << true;
        QTest::newRow("no") << int(MessageResult::No) << false;
    }
    void closingOffersToEmptyTheClipboardOfSubtrees() {
        QFETCH(int, answer);
        QFETCH(bool, emptied);
        Editor e;
        QVERIFY(e.window->LoadMain());
        auto* data = new QMimeData;
        data->setData(ClipboardFormats::Controller, QByteArrayLiteral("<INode/>"));
        QApplication::clipboard()->setMimeData(data);
        e.prompter.answerMessage(answer);
        QVERIFY(e.window->close());
        QVERIFY(e.askedMessage(kMsgEmptyClipboard));
        const QMimeData* now = QApplication::clipboard()->mimeData();
        QCOMPARE(!now || !now->hasFormat(ClipboardFormats::Controller), emptied);
    }

    void collapsingANodeSelectsIt() {
        Editor e(QString(), false);
        e.storeDocumentPath(writeSmallDocument(e.path(QStringLiteral("c.plr"))));
        e.make();
        QVERIFY(e.window->LoadMain());
        QTreeView* view = e.window->ui().tvList;
        const QModelIndex root = view->model()->index(0, 0);
        const QModelIndex ctrl = view->model()->index(0, 0, root);
        view->expand(root);
        view->expand(ctrl);
        view->setCurrentIndex(view->model()->index(1, 0, ctrl));
        view->collapse(ctrl);
        QCOMPARE(view->currentIndex(), ctrl);
        QCOMPARE(e.window->configTree().nodes().selectedNode()->key(),
                 QStringLiteral("Engine\\RC1"));
        QCOMPARE(e.panel(2), QStringLiteral("RC1"));
    }

    void clearTabsEmptiesTheControllerAndItemPages() {
        Editor e;
        QVERIFY(e.window->LoadMain());
        e.window->ui().cmbCtrlPriority->setCurrentIndex(2);
        e.window->ui().cmbItem->setCurrentIndex(3);
        e.window->ui().cmbTableType->setCurrentIndex(1);
        e.window->ClearTabs();
        QCOMPARE(e.window->ui().cmbCtrlPriority->currentIndex(), -1);
        QCOMPARE(e.window->ui().cmbItem->currentIndex(), 0);
        QCOMPARE(e.window->ui().cmbTableType->currentIndex(),
                 1); // the workspace page is left alone
    }

    void opensADocumentWith100000ItemsUnderOneController() {
        Editor e;
        QVERIFY(e.window->LoadMain());
        const QString doc = writeSmallDocument(e.path(QStringLiteral("big.plr")), 100000);
        QVERIFY(e.window->OpenDocument(doc));
        QCOMPARE(e.panel(5), QStringLiteral("100000"));
        TreeNode* ctrl = e.window->configTree().nodes().nodeByKey(QStringLiteral("Engine\\RC1"));
        QVERIFY(ctrl);
        QCOMPARE(ctrl->childCount(), 100000);
        QVERIFY(ctrl->childByText(QStringLiteral("i99999")));
        QTreeView* view = e.window->ui().tvList;
        view->expand(e.window->treeModel().indexOf(ctrl));
        QCOMPARE(view->model()->rowCount(e.window->treeModel().indexOf(ctrl)), 100000);
    }

    void aLinkedItemShowsItsLinkAsTheTreeToolTip() {
        Editor e;
        QVERIFY(e.window->LoadMain());
        auto ctrl = std::make_shared<clsPellorController>();
        ctrl->Initialize(QStringLiteral("C"));
        QVERIFY(e.window->configTree().AddCtrlList(ctrl));
        auto item = std::make_shared<clsPellorItem>();
        item->Initialize(QStringLiteral("C"), QStringLiteral("I"));
        item->LinkItem = QStringLiteral("D\\J");
        QVERIFY(e.window->configTree().AddItemList(item));
        e.window->NodeClick(
            e.window->configTree().nodes().nodeByKey(QStringLiteral("Engine\\C\\I")));
        QCOMPARE(e.window->ui().tvList->toolTip(),
                 e.locale.GetStringArgs(161, {QStringLiteral("D\\J")}));
        QCOMPARE(e.panel(3), QStringLiteral("I"));
        e.window->NodeClick(e.window->configTree().root());
        QCOMPARE(e.window->ui().tvList->toolTip(), QString());
    }
};

int runFrmPellorConfigTests(int argc, char** argv) {
    TestFrmPellorConfig test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmPellorConfig.moc"

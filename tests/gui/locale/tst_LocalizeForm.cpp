#include "core/platform/modLocale.h"
#include "gui/app/LocalizeForm.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <memory>

using pellor::modLocale;

namespace {

const QString kTestLanguages = QStringLiteral(PELLOR_TEST_LANGUAGES);

template <typename T, typename Parent> T* named(Parent* parent, const QString& name) {
    auto* object = new T(parent);
    object->setObjectName(name);
    return object;
}

// A main window with every kind of control whose captions are localised.
std::unique_ptr<QMainWindow> makeWindow() {
    auto window = std::make_unique<QMainWindow>();
    window->setObjectName("frmTest");
    window->setWindowTitle("Settings#4000");

    auto* central = new QWidget(window.get());
    auto* layout = new QVBoxLayout(central);
    window->setCentralWidget(central);

    auto* label = named<QLabel>(central, "lblLocation");
    label->setText("Location : #3063");
    auto* plain = named<QLabel>(central, "lblPlain");
    plain->setText("No caption here");
    auto* missing = named<QLabel>(central, "lblMissing");
    missing->setText("Missing#9999");
    auto* button = named<QPushButton>(central, "cmdDetails");
    button->setText("&Details...#3022");
    auto* check = named<QCheckBox>(central, "chkRetryCnt");
    check->setText("Unlimited#3060");
    check->setToolTip("ON - Using a QUARN variable | OFF - Using a cache only#3021");
    check->setProperty("Tag", "Pellor.pdf#2054");
    auto* frame = named<QGroupBox>(central, "fraUPnP");
    frame->setTitle("UPnP#3052");
    auto* friendly = named<QLineEdit>(frame, "txtFriendly");
    friendly->setText("Nimbal Device#3053");
    auto* notCaption = named<QLineEdit>(frame, "txtNotCaption");
    notCaption->setText("A#B");
    auto* lastHash = named<QLineEdit>(frame, "txtLastHash");
    lastHash->setText("x#1#2");
    for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(plain),
                       static_cast<QWidget*>(missing), static_cast<QWidget*>(button),
                       static_cast<QWidget*>(check), static_cast<QWidget*>(frame)})
        layout->addWidget(w);

    auto* tabs = named<QTabWidget>(central, "tabProperty");
    tabs->addTab(new QWidget, " E&ngine#3017");
    tabs->addTab(new QWidget, " &Controller#3018");
    tabs->setTabToolTip(1, "Controller#3066");
    layout->addWidget(tabs);

    auto* tree = named<QTreeWidget>(central, "tvList");
    tree->setHeaderLabels({"Language#16003", "Plain header"});
    layout->addWidget(tree);
    auto* table = named<QTableWidget>(central, "grdTable");
    table->setColumnCount(2);
    table->setRowCount(1);
    table->setHorizontalHeaderLabels({"Decimal#16004", "Hex#16005"});
    table->setVerticalHeaderLabels({"Language#16003"});
    layout->addWidget(table);

    // Tool bar: plain buttons and a button with a drop-down menu of its action, plus a tool
    // button carrying a menu of its own.
    auto* toolbar = named<QToolBar>(window.get(), "tbarMain");
    window->addToolBar(toolbar);
    QAction* save = toolbar->addAction("Save#3000");
    save->setObjectName("tbrSave");
    save->setToolTip("Save#3000");
    QAction* service = toolbar->addAction("Service Start/Stop#3005");
    service->setObjectName("tbrService");
    auto* serviceMenu = new QMenu; // owned by nobody in the window's object tree
    serviceMenu->setObjectName("mnuService");
    serviceMenu->addAction("Service St&art#2021")->setObjectName("mnuServiceStart");
    serviceMenu->addAction("Service St&op#2022")->setObjectName("mnuServiceStop");
    service->setMenu(serviceMenu);
    QObject::connect(window.get(), &QObject::destroyed, [serviceMenu] { delete serviceMenu; });
    auto* tools = named<QToolButton>(toolbar, "tbrTools");
    tools->setText("Run PellorTester#3006");
    tools->setPopupMode(QToolButton::MenuButtonPopup);
    auto* toolsMenu = named<QMenu>(tools, "mnuTools");
    toolsMenu->addAction("Run Pellor&Tester#2024")->setObjectName("mnuToolsTester");
    tools->setMenu(toolsMenu);
    toolbar->addWidget(tools);

    // Status bar panels: labels whose texts are values and whose tool tips are captions.
    auto* status = named<QStatusBar>(window.get(), "sbarMain");
    window->setStatusBar(status);
    auto* panelName = named<QLabel>(status, "sbarPanel_2");
    panelName->setText("Controller Name#3009");
    panelName->setToolTip("Controller Name#3011");
    status->addWidget(panelName);
    auto* panelCount = named<QLabel>(status, "sbarPanel_4");
    panelCount->setText("0");
    panelCount->setToolTip("Controller Count#3015");
    status->addPermanentWidget(panelCount);

    // Menu bar with a submenu.
    QMenu* file = window->menuBar()->addMenu("&File#2000");
    file->setObjectName("mnuFile");
    file->addAction("&New#2001")->setObjectName("mnuFileItem_0");
    QAction* open = file->addAction("&Open...#2002");
    open->setObjectName("mnuFileItem_1");
    open->setStatusTip("Open#3001");
    QMenu* transfer = file->addMenu("&Import#2005");
    transfer->setObjectName("mnuTransfer");
    transfer->addAction("&Export...#2006")->setObjectName("mnuTransferExport");

    // A dialog owned by the window: localised when it loads, not with its owner.
    auto* owned = named<QDialog>(window.get(), "frmOwned");
    owned->setWindowTitle("Locales#16000");
    named<QLabel>(owned, "lblOwned")->setText("Location : #3063");
    return window;
}

// Reads one localised text of the test window: a property of a named object, or
// "tabText:N", "tabToolTip:N", "header:N", "rowHeader:N" of a tab widget or item view.
QString read(QMainWindow& window, const QString& objectName, const QString& what) {
    QObject* object =
        objectName == window.objectName() ? &window : window.findChild<QObject*>(objectName);
    if (!object) {
        // Menus outside the window's object tree are reached through their actions.
        const auto actions = window.findChildren<QAction*>();
        for (QAction* action : actions) {
            if (QMenu* menu = action->menu()) {
                if (menu->objectName() == objectName)
                    object = menu;
                else if (QObject* child = menu->findChild<QObject*>(objectName))
                    object = child;
            }
        }
    }
    if (!object)
        return QStringLiteral("<no object %1>").arg(objectName);
    const QString kind = what.section(':', 0, 0);
    const int index = what.section(':', 1, 1).toInt();
    if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
        if (kind == QLatin1String("tabText"))
            return tabs->tabText(index);
        if (kind == QLatin1String("tabToolTip"))
            return tabs->tabToolTip(index);
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(object)) {
        if (kind == QLatin1String("header"))
            return view->model()->headerData(index, Qt::Horizontal).toString();
        if (kind == QLatin1String("rowHeader"))
            return view->model()->headerData(index, Qt::Vertical).toString();
    }
    return object->property(what.toLatin1().constData()).toString();
}

} // namespace

class TestLocalizeForm : public QObject {
    Q_OBJECT

private slots:
    void captions_data();
    void captions();
    void fonts_data();
    void fonts();
    void ownFontsKeepTheirStyle();
    void noLanguageLeavesTheFontAlone();
};

void TestLocalizeForm::captions_data() {
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("expected");

    QTest::newRow("window title") << "frmTest"
                                  << "windowTitle"
                                  << "ja:Settings";
    QTest::newRow("label") << "lblLocation"
                           << "text"
                           << "ja:Location";
    QTest::newRow("text without caption") << "lblPlain"
                                          << "text"
                                          << "No caption here";
    QTest::newRow("caption without text") << "lblMissing"
                                          << "text"
                                          << "";
    QTest::newRow("button") << "cmdDetails"
                            << "text"
                            << "ja:Details...";
    QTest::newRow("check box") << "chkRetryCnt"
                               << "text"
                               << "ja:Unlimited";
    QTest::newRow("tool tip") << "chkRetryCnt"
                              << "toolTip"
                              << "ja:ON - variable | OFF - cache";
    QTest::newRow("Tag") << "chkRetryCnt"
                         << "Tag"
                         << "ja:manual.pdf";
    QTest::newRow("frame title") << "fraUPnP"
                                 << "title"
                                 << "ja:UPnP";
    QTest::newRow("text box inside a frame") << "txtFriendly"
                                             << "text"
                                             << "ja:Nimbal Device";
    QTest::newRow("not a caption") << "txtNotCaption"
                                   << "text"
                                   << "A#B";
    QTest::newRow("last # counts") << "txtLastHash"
                                   << "text"
                                   << "ja:two";
    QTest::newRow("tab caption") << "tabProperty"
                                 << "tabText:0"
                                 << "ja:Engine";
    QTest::newRow("second tab caption") << "tabProperty"
                                        << "tabText:1"
                                        << "ja:Controller";
    QTest::newRow("tab tool tip") << "tabProperty"
                                  << "tabToolTip:1"
                                  << "ja:Robot Controller";
    QTest::newRow("tree header") << "tvList"
                                 << "header:0"
                                 << "ja:Language";
    QTest::newRow("tree header without caption") << "tvList"
                                                 << "header:1"
                                                 << "Plain header";
    QTest::newRow("table header") << "grdTable"
                                  << "header:1"
                                  << "ja:Hex";
    QTest::newRow("table row header") << "grdTable"
                                      << "rowHeader:0"
                                      << "ja:Language";
    QTest::newRow("tool bar button") << "tbrSave"
                                     << "text"
                                     << "ja:Save";
    QTest::newRow("tool bar button tool tip") << "tbrSave"
                                              << "toolTip"
                                              << "ja:Save";
    QTest::newRow("tool bar button with menu") << "tbrService"
                                               << "text"
                                               << "ja:Service Start/Stop";
    QTest::newRow("drop-down entry") << "mnuServiceStart"
                                     << "text"
                                     << "ja:Service Start";
    QTest::newRow("second drop-down entry") << "mnuServiceStop"
                                            << "text"
                                            << "ja:Service Stop";
    QTest::newRow("tool button") << "tbrTools"
                                 << "text"
                                 << "ja:Run Tester";
    QTest::newRow("tool button menu entry") << "mnuToolsTester"
                                            << "text"
                                            << "ja:Run Tester";
    QTest::newRow("status panel text stays") << "sbarPanel_2"
                                             << "text"
                                             << "Controller Name#3009";
    QTest::newRow("status panel tool tip") << "sbarPanel_2"
                                           << "toolTip"
                                           << "ja:Controller Name (tip)";
    QTest::newRow("permanent status panel text stays") << "sbarPanel_4"
                                                       << "text"
                                                       << "0";
    QTest::newRow("permanent status panel tool tip") << "sbarPanel_4"
                                                     << "toolTip"
                                                     << "ja:Controller Count";
    QTest::newRow("menu title") << "mnuFile"
                                << "title"
                                << "ja:File";
    QTest::newRow("menu entry") << "mnuFileItem_0"
                                << "text"
                                << "ja:New";
    QTest::newRow("menu entry status tip") << "mnuFileItem_1"
                                           << "statusTip"
                                           << "ja:Open";
    QTest::newRow("submenu title") << "mnuTransfer"
                                   << "title"
                                   << "ja:Import";
    QTest::newRow("submenu entry") << "mnuTransferExport"
                                   << "text"
                                   << "ja:Export...";
    QTest::newRow("owned dialog keeps its title") << "frmOwned"
                                                  << "windowTitle"
                                                  << "Locales#16000";
    QTest::newRow("owned dialog keeps its captions") << "lblOwned"
                                                     << "text"
                                                     << "Location : #3063";
}

void TestLocalizeForm::captions() {
    QFETCH(QString, object);
    QFETCH(QString, what);
    QFETCH(QString, expected);

    modLocale locale([] { return 0; });
    locale.InitLocale(1041, kTestLanguages);
    QCOMPARE(locale.CurrentLCID(), 1041);
    const auto window = makeWindow();
    pellor::LocalizeForm(locale, window.get());
    QCOMPARE(read(*window, object, what), expected);
}

void TestLocalizeForm::fonts_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QVariant>("font");
    QTest::addColumn<QString>("expected");

    // Test language 1041: id 11 is not installed, id 12 is DejaVu Sans, id 13 Sans Serif.
    // Test language 1033: neither id 11 nor id 12 is installed.
    QTest::newRow("id 11 refused: id 12") << 1041 << QVariant() << "DejaVu Sans";
    QTest::newRow("empty font argument: id 11, then id 12")
        << 1041 << QVariant("") << "DejaVu Sans";
    QTest::newRow("font argument is an id") << 1041 << QVariant(12) << "DejaVu Sans";
    QTest::newRow("font argument names an installed font")
        << 1041 << QVariant("<installed>") << "<installed>";
    QTest::newRow("unknown font argument: id 12")
        << 1041 << QVariant("No Such Font") << "DejaVu Sans";
    QTest::newRow("ids 11 and 12 refused: id 13") << 1033 << QVariant() << "Sans Serif";
}

void TestLocalizeForm::fonts() {
    QFETCH(int, language);
    QFETCH(QVariant, font);
    QFETCH(QString, expected);

    const QStringList families = QFontDatabase::families();
    if (!QFontDatabase::hasFamily("DejaVu Sans") || families.isEmpty())
        QSKIP("the DejaVu Sans font is not installed");
    QString fontArgument = font.toString();
    if (fontArgument == QLatin1String("<installed>")) {
        fontArgument =
            families.last() == QLatin1String("DejaVu Sans") ? families.first() : families.last();
        expected = fontArgument;
    }

    modLocale locale([] { return 0; });
    locale.InitLocale(language, kTestLanguages);
    QCOMPARE(locale.CurrentLCID(), language);
    const auto window = makeWindow();
    pellor::TextOrId argument;
    if (font.metaType().id() == QMetaType::Int)
        argument = font.toInt();
    else if (font.isValid())
        argument = fontArgument;
    pellor::LocalizeForm(locale, window.get(), argument);

    QCOMPARE(window->font().family(), expected);
    // Children without a font of their own follow the window.
    QLabel* label = window->findChild<QLabel*>("lblLocation");
    QVERIFY(!label->testAttribute(Qt::WA_SetFont));
    QCOMPARE(label->font().family(), expected);
}

void TestLocalizeForm::ownFontsKeepTheirStyle() {
    if (!QFontDatabase::hasFamily("DejaVu Sans"))
        QSKIP("the DejaVu Sans font is not installed");
    modLocale locale([] { return 0; });
    locale.InitLocale(1041, kTestLanguages);
    const auto window = makeWindow();
    QLabel* bold = window->findChild<QLabel*>("lblPlain");
    QFont font("Serif", 15);
    font.setBold(true);
    bold->setFont(font);

    pellor::LocalizeForm(locale, window.get());

    QCOMPARE(bold->font().family(), QStringLiteral("DejaVu Sans"));
    QVERIFY(bold->font().bold());
    QCOMPARE(bold->font().pointSize(), 15);
    QMenu* menu = window->findChild<QMenu*>("mnuFile");
    QCOMPARE(menu->font().family(), QStringLiteral("DejaVu Sans"));
}

void TestLocalizeForm::noLanguageLeavesTheFontAlone() {
    QTemporaryDir empty;
    modLocale locale([] { return 0; });
    locale.InitLocale(1041, empty.path());
    const auto window = makeWindow();
    const QFont before = window->font();

    pellor::LocalizeForm(locale, window.get());

    QCOMPARE(window->font(), before);
    QVERIFY(!window->testAttribute(Qt::WA_SetFont));
    // Without a language every caption becomes empty: its text is the (empty) text of its id.
    QCOMPARE(window->windowTitle(), QString());
    QCOMPARE(window->findChild<QLabel*>("lblPlain")->text(), QStringLiteral("No caption here"));
}

int runLocalizeFormTests(int argc, char** argv) {
    TestLocalizeForm test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_LocalizeForm.moc"

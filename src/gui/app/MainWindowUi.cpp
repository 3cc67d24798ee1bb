#include "gui/app/MainWindowUi.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace pellor {

namespace {

QComboBox* dropDown(const char* name, QWidget* parent, bool editable = false) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEditable(editable);
    return c;
}

void addRow(QFormLayout* form, const char* caption, QWidget* field) {
    auto* label = new QLabel(QString::fromUtf8(caption), field->parentWidget());
    label->setObjectName(QStringLiteral("lbl_") + field->objectName());
    label->setBuddy(field);
    form->addRow(label, field);
}

} // namespace

void MainWindowUi::setupUi(QMainWindow* window) {
    // File menu: entries 0..12 with separators at 2, 5, 8 and 11.
    mnuFile = window->menuBar()->addMenu(QStringLiteral("&File#2000"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    const char* const fileCaptions[FileItemCount] = {
        "&New#2001",         "&Open...#2002",   nullptr, "&Save#2003", "Save&As...#2004",
        nullptr,             "&Import...#2005", "&Export...#2006", nullptr,
        "Import &from CSV file...#2007", "Export &to CSV file...#2008", nullptr, "E&xit#2009"};
    for (int i = 0; i < FileItemCount; ++i) {
        QAction* a = fileCaptions[i] ? mnuFile->addAction(QString::fromUtf8(fileCaptions[i])) : mnuFile->addSeparator();
        a->setObjectName(QStringLiteral("mnuFileItem_%1").arg(i));
        mnuFileItem.append(a);
    }
    mnuFileItem[1]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileItem[3]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileItem[4]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));

    mnuHelp = window->menuBar()->addMenu(QStringLiteral("&Help#2027"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpItem.append(mnuHelp->addAction(QStringLiteral("Manual")));
    mnuHelpItem[0]->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelpItem.append(mnuHelp->addSeparator());
    mnuHelpItem.append(mnuHelp->addAction(QStringLiteral("&Version...#2028")));
    for (int i = 0; i < mnuHelpItem.size(); ++i)
        mnuHelpItem[i]->setObjectName(QStringLiteral("mnuHelpItem_%1").arg(i));

    // Tool bar: buttons 1..12, separators at 1, 4 and 8.
    tbarMain = window->addToolBar(QStringLiteral("Tools"));
    tbarMain->setObjectName(QStringLiteral("tbarMain"));
    tbarMain->setMovable(false);
    tbarMain->setIconSize(QSize(16, 16));
    const char* const tips[ToolbarButtonCount + 1] = {nullptr,
                                                      nullptr,
                                                      "Save#3000",
                                                      "Open#3001",
                                                      nullptr,
                                                      "Delete#3002",
                                                      "Copy#3003",
                                                      "Paste#3004",
                                                      nullptr,
                                                      "Service Start/Stop#3005",
                                                      "Run PellorTester#3006",
                                                      "Run PellorControl#3007",
                                                      "Run PellorLauncher#3008"};
    tbarMainButton.append(nullptr);
    for (int i = 1; i <= ToolbarButtonCount; ++i) {
        QAction* a = tips[i] ? tbarMain->addAction(QString()) : tbarMain->addSeparator();
        if (tips[i])
            a->setToolTip(QString::fromUtf8(tips[i]));
        a->setObjectName(QStringLiteral("tbarMain_button_%1").arg(i));
        tbarMainButton.append(a);
    }

    // Status bar: panel 1 is the message pane (with a picture), 2..5 fixed panels.
    QStatusBar* bar = window->statusBar();
    bar->setObjectName(QStringLiteral("sbarMain"));
    sbarPanel.append(nullptr);
    sbarPicture = new QLabel(bar);
    sbarPicture->setObjectName(QStringLiteral("sbarMain_picture_1"));
    bar->addWidget(sbarPicture);
    const char* const texts[StatusPanelCount + 1] = {nullptr, "", "Controller Name#3009", "Item Name#3012", "0", "0"};
    const char* const panelTips[StatusPanelCount + 1] = {nullptr, "", "Controller Name#3011", "Item Name#3014",
                                                         "Controller Count#3015", "Item Count#3016"};
    for (int i = 1; i <= StatusPanelCount; ++i) {
        auto* panel = new QLabel(QString::fromUtf8(texts[i]), bar);
        panel->setObjectName(QStringLiteral("sbarMain_panel_%1").arg(i));
        panel->setToolTip(QString::fromUtf8(panelTips[i]));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setMinimumWidth(i == 1 ? 120 : 80);
        if (i == 1)
            bar->addWidget(panel, 1);
        else
            bar->addPermanentWidget(panel);
        sbarPanel.append(panel);
    }

    // Tree on the left, property pages on the right.
    splitter = new QSplitter(window);
    splitter->setObjectName(QStringLiteral("splitter"));
    tvList = new QTreeView(splitter);
    tvList->setObjectName(QStringLiteral("tvList"));
    tvList->setHeaderHidden(true);
    tvList->setUniformRowHeights(true);
    tvList->setIconSize(QSize(16, 16));
    tvList->setSelectionMode(QAbstractItemView::SingleSelection);
    tabProperty = new QTabWidget(splitter);
    tabProperty->setObjectName(QStringLiteral("tabProperty"));
    const char* const tabCaptions[PageCount] = {" E&ngine#3017", " &Controller#3018", " &Item#3019", "Controller#3066",
                                                "Variable#3067"};
    for (int i = 0; i < PageCount; ++i) {
        auto* page = new QWidget(tabProperty);
        page->setObjectName(QStringLiteral("picFrame_%1").arg(i));
        picFrame.append(page);
        tabProperty->addTab(page, QString::fromUtf8(tabCaptions[i]));
    }

    auto* workspace = new QFormLayout(picFrame[0]);
    cmbTableType = dropDown("cmbTableType", picFrame[0]);
    addRow(workspace, "Table Type : #3058", cmbTableType);
    cmbDefaultController = dropDown("cmbDefaultController", picFrame[0]);
    addRow(workspace, "Default Controller : #3064", cmbDefaultController);

    auto* ctrlPage = new QFormLayout(picFrame[1]);
    cmbProvider = dropDown("cmbProvider", picFrame[1], true);
    addRow(ctrlPage, "Provider Name  : #3044", cmbProvider);
    cmbCtrlPriority = dropDown("cmbCtrlPriority", picFrame[1]);
    addRow(ctrlPage, "Thread Priority : #3050", cmbCtrlPriority);
    cmbTimeStamp = dropDown("cmbTimeStamp", picFrame[1]);
    addRow(ctrlPage, "Time Stamp : #3045", cmbTimeStamp);

    auto* itemPage = new QFormLayout(picFrame[2]);
    cmbItem = dropDown("cmbItem", picFrame[2]);
    addRow(itemPage, "Class : #3025", cmbItem);
    cmbAttr = dropDown("cmbAttr", picFrame[2]);
    addRow(itemPage, "Attribute : #3030", cmbAttr);
    cmbInitType = dropDown("cmbInitType", picFrame[2]);
    addRow(itemPage, "Initialize : #3031", cmbInitType);
    cmbForce = dropDown("cmbForce", picFrame[2]);
    addRow(itemPage, "Force to change  : #3032", cmbForce);

    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    window->setCentralWidget(splitter);
}

} // namespace pellor

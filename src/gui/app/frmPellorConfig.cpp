#include "gui/app/frmPellorConfig.h"

#include "core/app/ProgramState.h"
#include "core/model/NodeTree.h"
#include "core/model/clsPellorItem.h"
#include "core/model/clsPellorWorkspace.h"
#include "core/persistence/ConfigDocument.h"
#include "core/persistence/ProviderDiscovery.h"
#include "core/persistence/ServerSettingsTransaction.h"
#include "core/persistence/clsPellorData.h"
#include "core/platform/CommonAppData.h"
#include "core/platform/FileExists.h"
#include "core/platform/PellorLog.h"
#include "core/platform/Prompter.h"
#include "core/platform/modLocale.h"
#include "gui/app/ClipboardFormats.h"
#include "gui/app/LocalizeForm.h"
#include "gui/dialogs/frmProgress.h"
#include "gui/editor/ConfigTree.h"
#include "gui/editor/ConfigTreeModel.h"
#include "gui/editor/ImageList.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeView>

namespace pellor {

namespace {
constexpr int kTwipsPerPixel = 15;
constexpr qint32 kEditorProfile = 3; // the settings target of the editor profile
} // namespace

frmPellorConfig::frmPellorConfig(MainWindowContext context, QWidget* parent)
    : QMainWindow(parent), m_ctx(std::move(context)), m_nodes(std::make_shared<NodeTree>()) {
    setObjectName(QStringLiteral("frmPellorConfig"));
    m_ui.setupUi(this);
    m_tree = std::make_unique<ConfigTree>(m_nodes);
    m_model = std::make_unique<ConfigTreeModel>(m_nodes,
                                                [](int index) { return ImageList::icon(index); });
    m_ui.tvList->setModel(m_model.get());
    resize(960, 640); // until a placement is stored for the user
    connectSignals();
    RebuildTitle();
}

frmPellorConfig::~frmPellorConfig() {
    m_ui.tvList->setModel(nullptr);
}

// Texts and messages this window shows through text() and message():
// text ids: 100, 112-114, 116, 119-122, 158-161, 222-257, 313, 2051-2056, 2058, 2059
QString frmPellorConfig::text(int id) const {
    return m_ctx.locale.GetString(id);
}

int frmPellorConfig::message(int id, int style, const QStringList& args) {
    return m_ctx.locale.ShowMessage(m_ctx.prompter, id, style, TextOrId(), args);
}

frmProgress& frmPellorConfig::progress() {
    if (!m_progress) {
        m_progress = new frmProgress([this](int id) { return text(id); }, this);
        LocalizeForm(m_ctx.locale, m_progress);
    }
    return *m_progress;
}

void frmPellorConfig::connectSignals() {
    for (int i = 0; i < m_ui.mnuFileItem.size(); ++i)
        connect(m_ui.mnuFileItem[i], &QAction::triggered, this,
                [this, i] { mnuFileItem_Click(i); });
    connect(m_ui.tbarMainButton[2], &QAction::triggered, this, [this] { mnuFileItem_Click(3); });
    connect(m_ui.tbarMainButton[3], &QAction::triggered, this, [this] { mnuFileItem_Click(1); });
    connect(m_ui.tvList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (m_ready)
                    NodeClick(m_model->nodeAt(current));
            });
    connect(m_ui.tvList, &QTreeView::expanded, this, [this](const QModelIndex& i) {
        if (TreeNode* n = m_model->nodeAt(i))
            n->setExpanded(true);
    });
    connect(m_ui.tvList, &QTreeView::collapsed, this, [this](const QModelIndex& i) {
        TreeNode* n = m_model->nodeAt(i);
        if (!n)
            return;
        n->setExpanded(false);
        // A collapsed node becomes the selected node and is shown as if clicked.
        m_ui.tvList->setCurrentIndex(i);
        NodeClick(n);
    });
    connect(m_tree.get(), &ConfigTree::defaultControllersChanged, this,
            &frmPellorConfig::syncDefaultControllerList);
    connect(m_ui.cmbDefaultController, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_tree->setDefaultControllerIndex(index); });
}

void frmPellorConfig::syncDefaultControllerList() {
    QSignalBlocker block(m_ui.cmbDefaultController);
    m_ui.cmbDefaultController->clear();
    m_ui.cmbDefaultController->addItems(m_tree->defaultControllers());
    m_ui.cmbDefaultController->setCurrentIndex(m_tree->defaultControllerIndex());
}

void frmPellorConfig::fillFixedLists() {
    const auto fill = [this](QComboBox* box, std::initializer_list<int> ids) {
        box->clear();
        for (int id : ids)
            box->addItem(text(id));
    };
    fill(m_ui.cmbTableType, {222, 223, 224});
    fill(m_ui.cmbCtrlPriority, {225, 226, 227, 228, 229, 230, 231});
    fill(m_ui.cmbTimeStamp, {232, 233, 234, 235});
    fill(m_ui.cmbItem, {236, 237, 238, 239, 313});
    fill(m_ui.cmbAttr, {240, 241, 242});
    fill(m_ui.cmbInitType, {243, 244, 245, 246, 247, 248, 249, 250, 251, 252, 253, 254});
    fill(m_ui.cmbForce, {255, 256, 257});
}

void frmPellorConfig::setToolbarImages() {
    static constexpr std::pair<int, int> images[] = {{2, 10}, {3, 11},  {5, 12},  {6, 13}, {7, 14},
                                                     {9, 18}, {10, 20}, {11, 21}, {12, 26}};
    for (const auto& [button, image] : images)
        m_ui.tbarMainButton[button]->setIcon(ImageList::icon(image));
    m_ui.tabProperty->setTabIcon(0, ImageList::icon(m_ctx.variant.rootImageIndex));
}

void frmPellorConfig::applyStoredPlacement() {
    const QRect stored(
        m_settings->m_lFormLeft / kTwipsPerPixel, m_settings->m_lFormTop / kTwipsPerPixel,
        m_settings->m_lFormWidth / kTwipsPerPixel, m_settings->m_lFormHeight / kTwipsPerPixel);
    if (stored.width() <= 0 || stored.height() <= 0)
        return; // nothing stored yet
    resize(stored.size());
    move(stored.topLeft());
    m_storedOuterSize = stored.size();
}

void frmPellorConfig::fitStoredOuterSize() {
    // The stored size includes the frame, which is known only once the window is shown.
    if (!m_storedOuterSize.isValid())
        return;
    const QSize frame = frameGeometry().size() - size();
    resize(m_storedOuterSize - frame);
    m_storedOuterSize = QSize();
}

void frmPellorConfig::storePlacement() {
    m_settings->m_lWindowState = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    if (m_settings->m_lWindowState == 0) {
        const QRect frame = frameGeometry();
        m_settings->m_lFormLeft = frame.x() * kTwipsPerPixel;
        m_settings->m_lFormTop = frame.y() * kTwipsPerPixel;
        m_settings->m_lFormWidth = frame.width() * kTwipsPerPixel; // outer size, frame included
        m_settings->m_lFormHeight = frame.height() * kTwipsPerPixel;
    }
}

bool frmPellorConfig::LoadMain() {
    // Phase 1.
    LocalizeForm(m_ctx.locale, this);
    // The panels' starting texts are captions too ("Controller Name#3009").
    for (int i = 1; i <= MainWindowUi::StatusPanelCount; ++i)
        m_ui.sbarPanel[i]->setText(m_ctx.locale.TranslateCaption(m_ui.sbarPanel[i]->text()));
    if (m_ctx.variant.manualCaptionId > 0) {
        m_ui.mnuHelpItem[0]->setText(text(m_ctx.variant.manualCaptionId));
        m_ui.mnuHelpItem[0]->setData(text(m_ctx.variant.manualTagId));
    }
    m_ctx.state.setRootImageIndex(m_ctx.variant.rootImageIndex);
    m_ui.tabProperty->setCurrentIndex(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    fillFixedLists();

    m_settings = std::make_unique<clsPellorData>(m_ctx.registry, m_ctx.variant.number,
                                                 [this](int id, int style) { message(id, style); });
    if (m_settings->ReadInfo(kEditorProfile))
        applyStoredPlacement();
    if (ServerSettingsTransaction(*m_settings, m_ctx.variant, m_ctx.registry, m_ctx.state)
            .LoadRegData())
        m_ctx.state.setModified(false);
    else
        message(100, MessageStyle::OkOnly + MessageStyle::Exclamation);

    setToolbarImages();
    const bool robot = m_ctx.variant.robotMode != 0;
    m_ui.tabProperty->setTabVisible(1, !robot);
    m_ui.tabProperty->setTabVisible(2, !robot);
    m_ui.tabProperty->setTabVisible(3, robot);
    m_ui.tabProperty->setTabVisible(4, robot);
    show();
    fitStoredOuterSize();

    const QString path = m_settings->m_strDataFilePath;
    if (path.isEmpty() || !fileExists(path) || !OpenDocument(path))
        NewDocument();
    m_tree->RefreshDefaultCtrlList();
    QApplication::processEvents();

    // Phase 2.
    for (QWidget* page : m_ui.picFrame)
        page->setEnabled(false);
    m_ui.picFrame[0]->setEnabled(true);
    for (int i = 1; i < MainWindowUi::PageCount; ++i)
        m_ui.tabProperty->setTabEnabled(i, false);
    m_ui.cmbProvider->clear();
    const QStringList providers = ProviderDiscovery::installedProviders(
        m_ctx.registry, [] { QApplication::processEvents(); });
    m_ui.cmbProvider->addItems(providers);
    m_ui.cmbProvider->model()->sort(0);
    if (m_ui.cmbProvider->count() > 0)
        m_ui.cmbProvider->setCurrentIndex(0);
    selectFirstNode();
    writeCounters();
    RebuildTitle();
    setEnabled(true);
    m_ready = true;
    m_ctx.state.setModified(false);
    QApplication::restoreOverrideCursor();
    return m_ready;
}

void frmPellorConfig::writeCounters() {
    WriteMessagePane(4, QString::number(m_ctx.state.controllerCount()));
    WriteMessagePane(5, QString::number(m_ctx.state.itemCount()));
}

void frmPellorConfig::WriteMessagePane(int panel, const QString& value) {
    if (panel >= 1 && panel <= MainWindowUi::StatusPanelCount)
        m_ui.sbarPanel[panel]->setText(value);
}

void frmPellorConfig::SetStatusPicture(int panel, int imageIndex) {
    if (panel != 1)
        return; // only the message pane carries a picture
    m_ui.sbarPicture->setPixmap(imageIndex >= 0 ? ImageList::pixmap(imageIndex) : QPixmap());
}

void frmPellorConfig::ClearTabs() {
    // The controls of the two pages by their names: lblCtrl_0, txtCtrl_n, chkCtrl_n, and the
    // same for the item page.
    for (const char* page : {"Ctrl", "Item"}) {
        const QString suffix = QLatin1String(page);
        for (QWidget* w : m_ui.tabProperty->findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (name == QStringLiteral("lbl%1_0").arg(suffix)) {
                if (auto* label = qobject_cast<QLabel*>(w))
                    label->clear();
            } else if (name.startsWith(QStringLiteral("txt%1_").arg(suffix))) {
                if (auto* edit = qobject_cast<QLineEdit*>(w))
                    edit->clear();
            } else if (name.startsWith(QStringLiteral("chk%1_").arg(suffix))) {
                if (auto* check = qobject_cast<QCheckBox*>(w))
                    check->setChecked(false);
            }
        }
    }
    m_ui.cmbProvider->setCurrentIndex(-1);
    m_ui.cmbCtrlPriority->setCurrentIndex(-1);
    m_ui.cmbTimeStamp->setCurrentIndex(-1);
    m_ui.cmbItem->setCurrentIndex(m_ui.cmbItem->count() > 0 ? 0 : -1);
}

void frmPellorConfig::RebuildTitle() {
    const QString path = m_settings ? m_settings->m_strDataFilePath : QString();
    setWindowTitle(m_ctx.programName + m_ctx.variant.titleSuffix + QStringLiteral(" - ") +
                   (path.isEmpty() ? text(158) : path));
}

void frmPellorConfig::NodeClick(TreeNode* node) {
    if (!node || m_ctx.state.isLinkMode())
        return;
    m_nodes->setSelectedNode(node);
    const SerialObject* tag = node->tag().get();
    if (const auto* item = dynamic_cast<const clsPellorItem*>(tag)) {
        QString group, bare;
        qint32 sep = 0;
        item->GetGroupAndItemName(group, bare, sep);
        WriteMessagePane(2, item->m_strCtrlName);
        WriteMessagePane(3, bare);
        m_ui.tvList->setToolTip(item->LinkItem.isEmpty()
                                    ? QString()
                                    : m_ctx.locale.GetStringArgs(161, {item->LinkItem}));
    } else if (TreeNode* ctrl = m_tree->GetParentController(node)) {
        WriteMessagePane(2, ctrl->text());
        m_ui.tvList->setToolTip(QString());
    } else if (dynamic_cast<const clsPellorWorkspace*>(tag)) {
        m_ui.tvList->setToolTip(QString());
    }
}

void frmPellorConfig::selectFirstNode() {
    if (TreeNode* first = m_nodes->firstNode()) {
        m_ui.tvList->setCurrentIndex(m_model->indexOf(first));
        NodeClick(first);
    }
}

void frmPellorConfig::showTreeState() {
    // Expand what the document stores as expanded, select what it stores as selected.
    std::vector<TreeNode*> pending;
    for (const auto& n : m_nodes->topLevel())
        pending.push_back(n.get());
    while (!pending.empty()) {
        TreeNode* n = pending.back();
        pending.pop_back();
        if (n->childCount() == 0)
            continue;
        if (n->isExpanded())
            m_ui.tvList->setExpanded(m_model->indexOf(n), true);
        for (const auto& c : n->children())
            if (c->childCount() > 0)
                pending.push_back(c.get());
    }
}

bool frmPellorConfig::NewDocument() {
    m_ready = false;
    m_tree->ClearLists();
    const qint32 rootImage = m_ctx.variant.rootImageIndex;
    auto root = m_nodes->add(nullptr, QStringLiteral("Engine"), QStringLiteral("Engine"), rootImage,
                             rootImage);
    if (!root)
        return false;
    auto workspace = std::make_shared<clsPellorWorkspace>();
    workspace->Initialize();
    root->setTag(workspace);
    if (m_settings)
        m_settings->m_strDataFilePath.clear();
    m_ui.tvList->setFocus();
    selectFirstNode();
    m_ctx.state.resetControllerCount();
    m_ctx.state.resetItemCount();
    WriteMessagePane(2, QString());
    WriteMessagePane(3, QString());
    writeCounters();
    m_ready = true;
    return true;
}

bool frmPellorConfig::OpenDocument(const QString& path) {
    QString file = path;
    if (file.isEmpty()) {
        FileDialogRequest request;
        request.title = text(120);
        request.filter = text(119);
        request.initialPath = m_settings ? m_settings->m_strDataFilePath : QString();
        request.defaultSuffix = QStringLiteral("xml");
        const auto chosen = m_ctx.prompter.openFileName(request);
        if (!chosen)
            return true; // cancelled: nothing changes
        if (!fileExists(*chosen)) {
            message(121, MessageStyle::OkOnly + MessageStyle::Exclamation);
            return false;
        }
        file = *chosen;
        m_settings->m_strDataFilePath = file;
    }

    m_ui.tvList->hide();
    ConfigDocument document(m_ctx.state);
    frmProgress& window = progress();
    document.setProgressHandler([&window] { window.refreshElapsed(); });
    window.setLoadWork([&] { return document.load(file, m_nodes, m_ctx.variant.rootImageIndex); });
    m_model->beginBulkChange();
    m_tree->ClearLists();
    window.SetActionPramater(QStringLiteral("2"), frmProgress::DocumentTarget);
    window.exec();
    m_model->endBulkChange();
    const bool ok = window.m_isSuccess;
    if (ok) {
        m_tree->RefreshDefaultCtrlList();
        showTreeState();
    } else {
        qCWarning(lcPellor).noquote() << document.errorString();
        message(122, MessageStyle::OkOnly + MessageStyle::Exclamation);
    }
    writeCounters();
    m_ui.tvList->show();
    return ok;
}

void frmPellorConfig::SaveDocument(bool saveAs) {
    if (!m_settings)
        return; // the window is closing
    QString path = m_settings->m_strDataFilePath;
    if (saveAs || path.isEmpty()) {
        FileDialogRequest request;
        request.title = text(113);
        request.filter = text(112);
        request.defaultSuffix = QStringLiteral("xml");
        request.confirmOverwrite = true;
        // The current document, else the variant's default name (for Tovan in its data folder).
        request.initialPath = path.isEmpty() ? m_settings->proposedDocumentPath() : path;
        const auto chosen = m_ctx.prompter.saveFileName(request);
        if (!chosen || chosen->isEmpty())
            return;
        path = *chosen;
        m_settings->m_strDataFilePath = path;
    }

    m_ui.tvList->hide();
    if (!ServerSettingsTransaction(*m_settings, m_ctx.variant, m_ctx.registry, m_ctx.state)
             .SaveRegData())
        message(114, MessageStyle::OkOnly + MessageStyle::Exclamation);
    ConfigDocument document(m_ctx.state);
    frmProgress& window = progress();
    window.setSaveWork([&] { return document.save(*m_nodes, path); });
    window.SetActionPramater(QStringLiteral("1"), frmProgress::DocumentTarget);
    window.exec();
    if (!window.m_isSuccess) {
        m_ctx.state.setModified(true); // what is on disk is not what the tree shows
        qCWarning(lcPellor).noquote() << document.errorString();
        message(116, MessageStyle::OkOnly + MessageStyle::Exclamation);
    }
    m_ui.tvList->show();
}

void frmPellorConfig::mnuFileItem_Click(int index) {
    switch (index) {
    case 0:
        NewDocument();
        break;
    case 1:
        m_ready = false;
        if (OpenDocument(QString())) {
            m_ui.tvList->setFocus();
            selectFirstNode();
            m_ready = true;
        } else {
            NewDocument();
        }
        m_ctx.state.setModified(true);
        break;
    case 3:
        SaveDocument(false);
        break;
    case 4:
        SaveDocument(true);
        break;
    case 12:
        close();
        return;
    default:
        return; // import and export commands come with their own windows
    }
    RebuildTitle();
}

void frmPellorConfig::closeEvent(QCloseEvent* event) {
    if (!m_settings && m_ready) {
        event->accept(); // closed already: settings written and released
        return;
    }
    if (m_ctx.state.isLinkMode()) {
        event->ignore();
        return;
    }
    if (m_ctx.state.isModified()) {
        const int answer = message(159, MessageStyle::YesNoCancel + MessageStyle::Information);
        if (answer == MessageResult::Cancel) {
            event->ignore();
            return;
        }
        if (answer == MessageResult::Yes)
            SaveDocument(m_settings && m_settings->m_strDataFilePath.isEmpty());
    }
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    if (clip && (clip->hasFormat(ClipboardFormats::Controller) ||
                 clip->hasFormat(ClipboardFormats::Item))) {
        if (message(160, MessageStyle::YesNo + MessageStyle::Question) == MessageResult::Yes)
            QApplication::clipboard()->clear();
    }
    if (m_settings) {
        storePlacement();
        m_settings->WriteInfo(kEditorProfile);
        m_settings->Cleanup();
        m_settings.reset();
    }
    event->accept();
}

} // namespace pellor

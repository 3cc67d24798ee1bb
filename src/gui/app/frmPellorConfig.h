#pragma once

#include "core/app/ProgramVariant.h"
#include "gui/app/MainWindowUi.h"

#include <QMainWindow>
#include <QString>
#include <memory>

namespace pellor {

class ConfigTree;
class ConfigTreeModel;
class NodeTree;
class Prompter;
class ProgramState;
class RegistryBackend;
class TreeNode;
class clsPellorData;
class frmProgress;
class modLocale;

// What the main window is handed at start-up.
struct MainWindowContext {
    ProgramState& state;
    ProgramVariant variant;
    QString programName; // the program file name without extension
    Prompter& prompter;
    modLocale& locale;
    RegistryBackend& registry;
};

// The main window of the editor: the configuration tree on the left, the property pages on
// the right, the File and Help menus, the tool bar and the status bar. It loads the editor
// and server settings and the last document at start, and on closing asks to save and
// stores its placement.
class frmPellorConfig : public QMainWindow {
    Q_OBJECT

public:
    explicit frmPellorConfig(MainWindowContext context, QWidget* parent = nullptr);
    ~frmPellorConfig() override;

    // Builds and shows the window: language captions, settings, server settings, the last
    // document (or a new one), the provider list. True when the window is ready afterwards.
    bool LoadMain();
    bool isReady() const { return m_ready; }

    // The File menu commands by index (0 New, 1 Open, 3 Save, 4 Save As, 12 Exit, ...).
    void mnuFileItem_Click(int index);

    // Document operations.
    bool NewDocument();
    // Opens the document at path; an empty path asks with the open dialog. False when it
    // could not be read (message shown); true also when the dialog was cancelled.
    bool OpenDocument(const QString& path);
    void SaveDocument(bool saveAs);

    void WriteMessagePane(int panel, const QString& text);
    void SetStatusPicture(int panel, int imageIndex);
    void RebuildTitle();
    // Empties the controller and item pages (the workspace page and the objects stay).
    void ClearTabs();
    // Shows a node as clicked: selects it, fills the status panels and the tree's tool tip.
    void NodeClick(TreeNode* node);

    ConfigTree& configTree() const { return *m_tree; }
    ConfigTreeModel& treeModel() const { return *m_model; }
    clsPellorData* settings() const { return m_settings.get(); }
    const MainWindowUi& ui() const { return m_ui; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectSignals();
    void fillFixedLists();
    void applyStoredPlacement();
    void storePlacement();
    void fitStoredOuterSize();
    void setToolbarImages();
    void syncDefaultControllerList();
    void showTreeState();
    void selectFirstNode(); // current in the view and shown as clicked
    void writeCounters();
    QString text(int id) const;
    int message(int id, int style, const QStringList& args = {});
    frmProgress& progress();

    MainWindowContext m_ctx;
    MainWindowUi m_ui;
    std::shared_ptr<NodeTree> m_nodes;
    std::unique_ptr<ConfigTree> m_tree;
    std::unique_ptr<ConfigTreeModel> m_model;
    std::unique_ptr<clsPellorData> m_settings;
    frmProgress* m_progress = nullptr;
    bool m_ready = false;
    QSize m_storedOuterSize; // placement read at start, applied to the frame once shown
};

} // namespace pellor

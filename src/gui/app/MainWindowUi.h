#pragma once

#include <QList>

class QAction;
class QComboBox;
class QLabel;
class QMainWindow;
class QMenu;
class QSplitter;
class QTabWidget;
class QToolBar;
class QTreeView;
class QWidget;

namespace pellor {

// The controls of the main window, built in code. Captions are "English text#id" and are
// replaced by the current language when the window is localised. Every control and action
// has an object name, e.g. "mnuFileItem_3", "tbarMain_button_2", "sbarMain_panel_4".
struct MainWindowUi {
    static constexpr int FileItemCount = 13;
    static constexpr int ToolbarButtonCount = 12; // buttons 1..12; 1, 4 and 8 are separators
    static constexpr int StatusPanelCount = 5;
    static constexpr int PageCount = 5;

    QMenu* mnuFile = nullptr;
    QList<QAction*> mnuFileItem;  // index 0..12 (separators included)
    QMenu* mnuHelp = nullptr;
    QList<QAction*> mnuHelpItem;  // 0 manual, 1 separator, 2 version
    QToolBar* tbarMain = nullptr;
    QList<QAction*> tbarMainButton; // index 1..12 (0 unused)
    QList<QLabel*> sbarPanel;       // index 1..5 (0 unused)
    QLabel* sbarPicture = nullptr;  // the picture of panel 1
    QSplitter* splitter = nullptr;
    QTreeView* tvList = nullptr;
    QTabWidget* tabProperty = nullptr;
    QList<QWidget*> picFrame; // page of each tab
    QComboBox* cmbDefaultController = nullptr;
    QComboBox* cmbTableType = nullptr;
    QComboBox* cmbProvider = nullptr;
    QComboBox* cmbCtrlPriority = nullptr;
    QComboBox* cmbTimeStamp = nullptr;
    QComboBox* cmbItem = nullptr;
    QComboBox* cmbAttr = nullptr;
    QComboBox* cmbInitType = nullptr;
    QComboBox* cmbForce = nullptr;

    void setupUi(QMainWindow* window);
};

} // namespace pellor

#include "gui/app/LocalizeForm.h"

#include "core/platform/modLocale.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QFontDatabase>
#include <QHeaderView>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVariant>

namespace pellor {

namespace {

// The text properties that may carry a caption, in the order they are localised.
constexpr const char* kCaptionProperties[] = {
    "text", "title", "windowTitle", "toolTip", "statusTip", "whatsThis", "placeholderText", "Tag"};

struct Pass {
    const modLocale& locale;
    QString family; // empty: fonts stay as they are
    QSet<const QObject*> done;
};

void translateProperty(const Pass& pass, QObject* object, const char* name) {
    const QVariant value = object->property(name);
    if (!value.isValid() || value.metaType().id() != QMetaType::QString)
        return;
    const QString caption = value.toString();
    const QString text = pass.locale.TranslateCaption(caption);
    if (text != caption)
        object->setProperty(name, text);
}

void translateProperties(const Pass& pass, QObject* object) {
    for (const char* name : kCaptionProperties)
        translateProperty(pass, object, name);
}

void applyFamily(const Pass& pass, QWidget* widget) {
    if (pass.family.isEmpty() || !widget->testAttribute(Qt::WA_SetFont))
        return;
    QFont font = widget->font();
    if (font.family() == pass.family)
        return;
    font.setFamily(pass.family);
    widget->setFont(font);
}

void localizeMenu(Pass& pass, QMenu* menu);

void localizeAction(Pass& pass, QAction* action) {
    if (!action || pass.done.contains(action))
        return;
    pass.done.insert(action);
    translateProperties(pass, action);
    if (QMenu* menu = action->menu())
        localizeMenu(pass, menu);
}

void localizeMenu(Pass& pass, QMenu* menu) {
    if (!menu || pass.done.contains(menu))
        return;
    pass.done.insert(menu);
    // The menu's title is its menu action's text: localise it once, through the menu.
    pass.done.insert(menu->menuAction());
    translateProperties(pass, menu);
    if (!pass.family.isEmpty()) {
        QFont font = menu->font();
        font.setFamily(pass.family);
        menu->setFont(font);
    }
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions)
        localizeAction(pass, action);
}

void localizeTabs(const Pass& pass, QTabBar* tabs) {
    for (int i = 0; i < tabs->count(); ++i) {
        const QString text = pass.locale.TranslateCaption(tabs->tabText(i));
        if (text != tabs->tabText(i))
            tabs->setTabText(i, text);
        const QString tip = pass.locale.TranslateCaption(tabs->tabToolTip(i));
        if (tip != tabs->tabToolTip(i))
            tabs->setTabToolTip(i, tip);
    }
}

void localizeHeaders(const Pass& pass, QAbstractItemView* view) {
    QAbstractItemModel* model = view->model();
    if (!model)
        return;
    // Row headers only where rows have captions of their own: tables.
    const bool rowHeaders = qobject_cast<QTableView*>(view) != nullptr;
    for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        if (orientation == Qt::Vertical && !rowHeaders)
            continue;
        const int count = orientation == Qt::Horizontal ? model->columnCount() : model->rowCount();
        for (int section = 0; section < count; ++section) {
            for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole)}) {
                const QVariant value = model->headerData(section, orientation, role);
                if (value.metaType().id() != QMetaType::QString)
                    continue;
                const QString text = pass.locale.TranslateCaption(value.toString());
                if (text != value.toString())
                    model->setHeaderData(section, orientation, text, role);
            }
        }
    }
}

void localizeChild(Pass& pass, QObject* object);

void localizeChildren(Pass& pass, QObject* parent) {
    const QObjectList children = parent->children();
    for (QObject* child : children)
        localizeChild(pass, child);
}

void localizeChild(Pass& pass, QObject* object) {
    if (pass.done.contains(object))
        return;
    if (QMenu* menu = qobject_cast<QMenu*>(object)) {
        localizeMenu(pass, menu);
        localizeChildren(pass, menu);
        return;
    }
    if (QAction* action = qobject_cast<QAction*>(object)) {
        localizeAction(pass, action);
        return;
    }
    QWidget* widget = qobject_cast<QWidget*>(object);
    if (!widget) {
        localizeChildren(pass, object);
        return;
    }
    if (widget->isWindow())
        return; // a window of its own
    pass.done.insert(widget);
    applyFamily(pass, widget);

    if (qobject_cast<QStatusBar*>(widget->parentWidget())) {
        // A status-bar panel: its tool tip only, never its text.
        translateProperty(pass, widget, "toolTip");
        return;
    }
    translateProperties(pass, widget);

    if (QTabBar* tabs = qobject_cast<QTabBar*>(widget))
        localizeTabs(pass, tabs);
    QAbstractItemView* view = qobject_cast<QAbstractItemView*>(widget);
    if (view && !qobject_cast<QHeaderView*>(view)) // a header shows its view's model
        localizeHeaders(pass, view);
    if (QToolButton* button = qobject_cast<QToolButton*>(widget))
        localizeMenu(pass, button->menu());
    if (qobject_cast<QToolBar*>(widget) || qobject_cast<QMenuBar*>(widget)) {
        const QList<QAction*> actions = widget->actions();
        for (QAction* action : actions)
            localizeAction(pass, action);
    }
    localizeChildren(pass, widget);
}

QString chooseFamily(const modLocale& locale, const TextOrId& font) {
    QString first = locale.GetString(font);
    if (font.isMissing() || first.isEmpty())
        first = locale.GetString(11);
    const QString candidates[] = {first, locale.GetString(12)};
    for (const QString& family : candidates) {
        if (!family.isEmpty() && QFontDatabase::hasFamily(family))
            return family;
    }
    return locale.GetString(13);
}

bool isMultipleDocumentFrame(QWidget* window) {
    auto* main = qobject_cast<QMainWindow*>(window);
    return main && qobject_cast<QMdiArea*>(main->centralWidget());
}

} // namespace

void LocalizeForm(const modLocale& locale, QWidget* window, const TextOrId& font) {
    if (!window)
        return;
    Pass pass{locale, chooseFamily(locale, font), {}};
    if (!pass.family.isEmpty() && !isMultipleDocumentFrame(window)) {
        QFont windowFont = window->font();
        windowFont.setFamily(pass.family);
        window->setFont(windowFont);
    }

    pass.done.insert(window);
    const QString title = locale.TranslateCaption(window->windowTitle());
    if (title != window->windowTitle())
        window->setWindowTitle(title);
    localizeChildren(pass, window);
}

} // namespace pellor

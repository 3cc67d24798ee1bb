#include "gui/app/EnableControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>

namespace pellor {

namespace {

// Many controls derive from QFrame (labels, lists, text areas); only a plain frame is a frame.
bool keepsItsBackground(const QWidget* control) {
    return qobject_cast<const QCheckBox*>(control) || qobject_cast<const QGroupBox*>(control) ||
           qobject_cast<const QRadioButton*>(control) || qobject_cast<const QLabel*>(control) ||
           control->metaObject() == &QFrame::staticMetaObject;
}

} // namespace

void enableControl(QWidget* control, bool enabled) {
    if (!control)
        return;
    control->setEnabled(enabled);
    if (keepsItsBackground(control))
        return;
    const QPalette system = QApplication::palette();
    const QColor colour = system.color(enabled ? QPalette::Base : QPalette::Button);
    // Base paints the field of edits, lists and combo boxes; the background role paints the
    // rest of the control (a button's face).
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(control->backgroundRole(), colour);
    control->setPalette(palette);
}

} // namespace pellor

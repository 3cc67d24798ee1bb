#include "gui/app/MousePointerStack.h"

#include "core/platform/PellorLog.h"

#include <QGuiApplication>

namespace pellor {

void MousePointerStack::PushMousePointer(const QCursor& pointer) {
    QGuiApplication::setOverrideCursor(pointer);
    ++m_depth;
}

int MousePointerStack::PopMousePointer() {
    if (m_depth == 0 || !QGuiApplication::overrideCursor()) {
        qCWarning(lcPellor, "Error in UnChangeMousePointer");
        m_depth = 0;
        return 0;
    }
    QGuiApplication::restoreOverrideCursor();
    return --m_depth;
}

} // namespace pellor

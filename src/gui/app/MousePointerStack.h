#pragma once

#include <QCursor>

namespace pellor {

// The program's stack of mouse pointers on top of Qt's override-cursor stack: a long
// operation pushes the hourglass and pops it afterwards, which brings back whatever pointer
// was shown before. The program keeps one instance.
class MousePointerStack {
public:
    // Keeps the pointer shown now and shows the given one.
    void PushMousePointer(const QCursor& pointer);
    // Shows the pointer kept by the latest push again and returns how many pushes remain.
    // With nothing pushed it only writes "Error in UnChangeMousePointer" to the diagnostics.
    int PopMousePointer();
    int depth() const { return m_depth; }

    // The system's hand pointer, for controls that act like links.
    static QCursor GetHandCursor() { return QCursor(Qt::PointingHandCursor); }

private:
    int m_depth = 0;
};

} // namespace pellor

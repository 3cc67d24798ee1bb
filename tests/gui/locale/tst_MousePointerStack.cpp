#include "gui/app/MousePointerStack.h"

#include <QGuiApplication>
#include <QTest>

using pellor::MousePointerStack;

class TestMousePointerStack : public QObject {
    Q_OBJECT

private slots:
    void popRestoresThePreviousPointer();
    void popOfAnEmptyStackOnlyReports();
};

namespace {

Qt::CursorShape shownShape() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::BlankCursor;
}

} // namespace

void TestMousePointerStack::popRestoresThePreviousPointer() {
    MousePointerStack pointers;
    pointers.PushMousePointer(QCursor(Qt::WaitCursor));
    pointers.PushMousePointer(QCursor(Qt::IBeamCursor));
    QCOMPARE(shownShape(), Qt::IBeamCursor);

    QCOMPARE(pointers.PopMousePointer(), 1);
    QCOMPARE(shownShape(), Qt::WaitCursor);
    QCOMPARE(pointers.PopMousePointer(), 0);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestMousePointerStack::popOfAnEmptyStackOnlyReports() {
    MousePointerStack pointers;
    QTest::ignoreMessage(QtWarningMsg, "Error in UnChangeMousePointer");
    QCOMPARE(pointers.PopMousePointer(), 0);

    // Someone else emptied Qt's stack: still only a report, and the count starts again.
    pointers.PushMousePointer(QCursor(Qt::WaitCursor));
    QGuiApplication::restoreOverrideCursor();
    QTest::ignoreMessage(QtWarningMsg, "Error in UnChangeMousePointer");
    QCOMPARE(pointers.PopMousePointer(), 0);
    QCOMPARE(pointers.depth(), 0);
}

int runMousePointerStackTests(int argc, char** argv) {
    TestMousePointerStack test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_MousePointerStack.moc"

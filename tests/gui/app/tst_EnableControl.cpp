#include "gui/app/EnableControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<QWidget> makeControl(const QString& kind) {
    if (kind == QLatin1String("QLineEdit"))
        return std::make_unique<QLineEdit>();
    if (kind == QLatin1String("QComboBox"))
        return std::make_unique<QComboBox>();
    if (kind == QLatin1String("QListWidget"))
        return std::make_unique<QListWidget>();
    if (kind == QLatin1String("QPushButton"))
        return std::make_unique<QPushButton>();
    if (kind == QLatin1String("QCheckBox"))
        return std::make_unique<QCheckBox>();
    if (kind == QLatin1String("QGroupBox"))
        return std::make_unique<QGroupBox>();
    if (kind == QLatin1String("QFrame"))
        return std::make_unique<QFrame>();
    if (kind == QLatin1String("QRadioButton"))
        return std::make_unique<QRadioButton>();
    if (kind == QLatin1String("QLabel"))
        return std::make_unique<QLabel>();
    return nullptr;
}

const QColor kBase(250, 250, 240);
const QColor kButton(200, 190, 180);

} // namespace

class TestEnableControl : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void enableControl_data();
    void enableControl();

private:
    QPalette m_savedPalette;
};

void TestEnableControl::initTestCase() {
    m_savedPalette = QApplication::palette();
    QPalette palette = m_savedPalette;
    palette.setColor(QPalette::Base, kBase);
    palette.setColor(QPalette::Button, kButton);
    QApplication::setPalette(palette);
}

void TestEnableControl::cleanupTestCase() {
    QApplication::setPalette(m_savedPalette);
}

void TestEnableControl::enableControl_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("showsState");

    for (const bool enabled : {true, false}) {
        const char* state = enabled ? "enable " : "disable ";
        for (const char* kind : {"QLineEdit", "QComboBox", "QListWidget", "QPushButton"})
            QTest::addRow("%s%s", state, kind) << kind << enabled << true;
        for (const char* kind : {"QCheckBox", "QGroupBox", "QFrame", "QRadioButton", "QLabel"})
            QTest::addRow("%s%s", state, kind) << kind << enabled << false;
    }
}

void TestEnableControl::enableControl() {
    QFETCH(QString, kind);
    QFETCH(bool, enabled);
    QFETCH(bool, showsState);

    const std::unique_ptr<QWidget> control = makeControl(kind);
    QVERIFY(control);
    control->setEnabled(!enabled);

    pellor::enableControl(control.get(), enabled);

    QCOMPARE(control->isEnabled(), enabled);
    if (showsState) {
        const QColor expected = enabled ? kBase : kButton;
        QCOMPARE(control->palette().color(QPalette::Base), expected);
        QCOMPARE(control->palette().color(control->backgroundRole()), expected);
    } else {
        QVERIFY(!control->testAttribute(Qt::WA_SetPalette));
    }
}

int runEnableControlTests(int argc, char** argv) {
    TestEnableControl test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_EnableControl.moc"

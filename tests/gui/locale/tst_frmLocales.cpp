#include "core/platform/InstalledLocales.h"
#include "core/platform/modLocale.h"
#include "gui/dialogs/frmLocales.h"

#include <QHeaderView>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using pellor::frmLocales;
using pellor::modLocale;

namespace {

const QString kTestLanguages = QStringLiteral(PELLOR_TEST_LANGUAGES);

QString cell(const frmLocales& dialog, int row, int column) {
    const QTableWidgetItem* item = dialog.grid()->item(row, column);
    return item ? item->text() : QStringLiteral("<no item>");
}

int rowOf(const frmLocales& dialog, const QString& decimalId) {
    for (int row = 0; row < dialog.grid()->rowCount(); ++row)
        if (cell(dialog, row, 1) == decimalId)
            return row;
    return -1;
}

} // namespace

class TestFrmLocales : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void captionsAndNames();
    void rows();
    void selectedRow_data();
    void selectedRow();
    void showingAgainFollowsLocaleId();
    void okTakesTheCurrentRow();
    void cancelKeepsLocaleId_data();
    void cancelKeepsLocaleId();
    void columnWidths();

private:
    modLocale m_locale{[] { return 0; }};
};

void TestFrmLocales::initTestCase() {
    m_locale.InitLocale(1041, kTestLanguages);
    QCOMPARE(m_locale.CurrentLCID(), 1041);
}

void TestFrmLocales::captionsAndNames() {
    frmLocales dialog(m_locale);
    QCOMPARE(dialog.objectName(), QStringLiteral("frmLocales"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("ja:Locales"));
    auto* ok = dialog.findChild<QPushButton*>("cmdOK");
    auto* cancel = dialog.findChild<QPushButton*>("cmdCancel");
    QVERIFY(ok && cancel);
    QCOMPARE(ok->text(), QStringLiteral("ja:OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(cancel->text(), QStringLiteral("ja:Cancel"));
    QCOMPARE(dialog.findChild<QTableWidget*>("grdLocales"), dialog.grid());
    const QAbstractItemModel* model = dialog.grid()->model();
    QCOMPARE(model->columnCount(), 3);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("ja:Language"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("ja:Decimal"));
    QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("ja:Hex"));
}

void TestFrmLocales::rows() {
    frmLocales dialog(m_locale);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(cell(dialog, 0, 0), QStringLiteral("ja:User Default"));
    QCOMPARE(cell(dialog, 0, 1), QStringLiteral("1024"));
    QCOMPARE(cell(dialog, 0, 2), QStringLiteral("0400"));

    const QList<pellor::InstalledLocales::Entry> installed = pellor::InstalledLocales::list();
    QCOMPARE(dialog.grid()->rowCount(), 1 + installed.size());
    QSet<QString> ids;
    for (int row = 1; row < dialog.grid()->rowCount(); ++row) {
        const QString decimal = cell(dialog, row, 1);
        QVERIFY2(!ids.contains(decimal), qPrintable(decimal));
        ids.insert(decimal);
        QCOMPARE(cell(dialog, row, 2), pellor::InstalledLocales::hexId(decimal.toInt()));
        QVERIFY(!cell(dialog, row, 0).isEmpty());
    }
    QVERIFY(ids.contains("1033"));
    QCOMPARE(cell(dialog, rowOf(dialog, "1041"), 2), QStringLiteral("0411"));
}

void TestFrmLocales::selectedRow_data() {
    QTest::addColumn<int>("localeId");
    QTest::addColumn<QString>("expectedId");

    QTest::newRow("installed locale") << 1041 << "1041";
    QTest::newRow("another installed locale") << 3082 << "3082";
    QTest::newRow("user default") << 1024 << "1024";
    QTest::newRow("not installed: first row") << 99999 << "1024";
    QTest::newRow("zero: first row") << 0 << "1024";
}

void TestFrmLocales::selectedRow() {
    QFETCH(int, localeId);
    QFETCH(QString, expectedId);

    frmLocales dialog(m_locale);
    dialog.setLocaleID(localeId);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const int row = dialog.grid()->currentRow();
    QCOMPARE(cell(dialog, row, 1), expectedId);
    const QList<QTableWidgetItem*> selected = dialog.grid()->selectedItems();
    QCOMPARE(selected.size(), 3); // the whole row
    for (QTableWidgetItem* item : selected)
        QCOMPARE(item->row(), row);
}

void TestFrmLocales::showingAgainFollowsLocaleId() {
    frmLocales dialog(m_locale);
    dialog.setLocaleID(1041);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const int rows = dialog.grid()->rowCount();
    dialog.hide();

    dialog.setLocaleID(1036);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.grid()->rowCount(), rows);
    QCOMPARE(cell(dialog, dialog.grid()->currentRow(), 1), QStringLiteral("1036"));
}

void TestFrmLocales::okTakesTheCurrentRow() {
    frmLocales dialog(m_locale);
    dialog.setLocaleID(1041);
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.grid()->setCurrentCell(rowOf(dialog, "1036"), 0);
        dialog.findChild<QPushButton*>("cmdOK")->click();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.LocaleID(), 1036);
    QVERIFY(!dialog.Cancel());
}

void TestFrmLocales::cancelKeepsLocaleId_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("Escape key") << true;
}

void TestFrmLocales::cancelKeepsLocaleId() {
    QFETCH(bool, escape);
    frmLocales dialog(m_locale);
    dialog.setLocaleID(1041);
    QTimer::singleShot(0, &dialog, [&dialog, escape] {
        dialog.grid()->setCurrentCell(rowOf(dialog, "1036"), 0);
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.findChild<QPushButton*>("cmdCancel")->click();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(dialog.Cancel());
    QCOMPARE(dialog.LocaleID(), 1041);
}

void TestFrmLocales::columnWidths() {
    frmLocales dialog(m_locale);
    dialog.resize(600, 400);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const int width = dialog.grid()->viewport()->width();
    QVERIFY(width > 100);
    QCOMPARE(dialog.grid()->columnWidth(0), width / 2);
    QCOMPARE(dialog.grid()->columnWidth(1), width / 5);
    QCOMPARE(dialog.grid()->columnWidth(2), width / 5);
}

int runFrmLocalesTests(int argc, char** argv) {
    TestFrmLocales test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmLocales.moc"

#include "gui/app/WidgetPrompter.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using pellor::FileDialogRequest;
using pellor::WidgetPrompter;
namespace Style = pellor::MessageStyle;
namespace Result = pellor::MessageResult;

Q_DECLARE_METATYPE(QMessageBox::StandardButton)
Q_DECLARE_METATYPE(QMessageBox::Icon)

namespace {

// Answers the next modal dialog once it is shown.
template <typename Dialog, typename Answer> void answerNext(Answer answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QFAIL("no dialog to answer");
            return;
        }
        answer(dialog);
    });
}

} // namespace

class TestWidgetPrompter : public QObject {
    Q_OBJECT

private slots:
    void nameFilters_data();
    void nameFilters();
    void messageBoxSetup_data();
    void messageBoxSetup();
    void messageBoxAnswers_data();
    void messageBoxAnswers();
    void inputBox();
    void fileDialogSetup_data();
    void fileDialogSetup();
};

void TestWidgetPrompter::nameFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("patterns already in the description")
        << "Configuration Files (*.plr)|*.plr|All Files (*.*)|*.*"
        << QStringList{"Configuration Files (*.plr)", "All Files (*)"};
    QTest::newRow("several patterns")
        << "Programs|*.exe;*.bat" << QStringList{"Programs (*.exe *.bat)"};
    QTest::newRow("description without pattern list")
        << "CSV Files|*.csv" << QStringList{"CSV Files (*.csv)"};
    QTest::newRow("empty filter") << "" << QStringList{};
    QTest::newRow("description without patterns at the end")
        << "Exports|*.plx|Dangling" << QStringList{"Exports (*.plx)"};
    QTest::newRow("empty patterns") << "Anything|" << QStringList{"Anything (*)"};
}

void TestWidgetPrompter::nameFilters() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(WidgetPrompter::nameFilters(filter), expected);
}

void TestWidgetPrompter::messageBoxSetup_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QList<int>>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
    QTest::addColumn<QMessageBox::StandardButton>("escapeButton");
    QTest::addColumn<QMessageBox::Icon>("icon");

    QTest::newRow("OK, exclamation")
        << Style::OkOnly + Style::Exclamation << QList<int>{QMessageBox::Ok} << QMessageBox::Ok
        << QMessageBox::Ok << QMessageBox::Warning;
    QTest::newRow("OK/Cancel, Cancel default")
        << Style::OkCancel + Style::Exclamation + Style::DefaultButton2
        << QList<int>{QMessageBox::Ok, QMessageBox::Cancel} << QMessageBox::Cancel
        << QMessageBox::Cancel << QMessageBox::Warning;
    QTest::newRow("Yes/No/Cancel, information")
        << Style::YesNoCancel + Style::Information
        << QList<int>{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel} << QMessageBox::Yes
        << QMessageBox::Cancel << QMessageBox::Information;
    QTest::newRow("Yes/No, question, No default")
        << Style::YesNo + Style::Question + Style::DefaultButton2
        << QList<int>{QMessageBox::Yes, QMessageBox::No} << QMessageBox::No << QMessageBox::No
        << QMessageBox::Question;
    QTest::newRow("Abort/Retry/Ignore, third default")
        << Style::AbortRetryIgnore + Style::Critical + Style::DefaultButton3
        << QList<int>{QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}
        << QMessageBox::Ignore << QMessageBox::NoButton << QMessageBox::Critical;
    QTest::newRow("Retry/Cancel, no icon")
        << Style::RetryCancel << QList<int>{QMessageBox::Retry, QMessageBox::Cancel}
        << QMessageBox::Retry << QMessageBox::Cancel << QMessageBox::NoIcon;
}

void TestWidgetPrompter::messageBoxSetup() {
    QFETCH(int, style);
    QFETCH(QList<int>, buttons);
    QFETCH(QMessageBox::StandardButton, defaultButton);
    QFETCH(QMessageBox::StandardButton, escapeButton);
    QFETCH(QMessageBox::Icon, icon);

    QMessageBox box;
    WidgetPrompter::configureMessageBox(box, style);
    QList<int> shown;
    for (QAbstractButton* button : box.buttons())
        shown.append(box.standardButton(button));
    std::sort(shown.begin(), shown.end());
    std::sort(buttons.begin(), buttons.end());
    QCOMPARE(shown, buttons);
    QCOMPARE(box.standardButton(box.defaultButton()), defaultButton);
    QCOMPARE(box.escapeButton() ? box.standardButton(box.escapeButton()) : QMessageBox::NoButton,
             escapeButton);
    QCOMPARE(box.icon(), icon);
}

void TestWidgetPrompter::messageBoxAnswers_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("action"); // a button to click, "Enter" or "Escape"
    QTest::addColumn<int>("expected");

    QTest::newRow("OK clicked") << Style::OkOnly << "Ok" << Result::Ok;
    QTest::newRow("OK box closed with Escape") << Style::OkOnly << "Escape" << Result::Ok;
    QTest::newRow("Yes clicked") << Style::YesNoCancel << "Yes" << Result::Yes;
    QTest::newRow("Enter takes the second default")
        << Style::YesNoCancel + Style::DefaultButton2 << "Enter" << Result::No;
    QTest::newRow("Escape cancels") << Style::YesNoCancel << "Escape" << Result::Cancel;
    QTest::newRow("Escape in Yes/No answers No") << Style::YesNo << "Escape" << Result::No;
    QTest::newRow("Retry clicked") << Style::AbortRetryIgnore << "Retry" << Result::Retry;
    QTest::newRow("Ignore clicked") << Style::AbortRetryIgnore << "Ignore" << Result::Ignore;
    QTest::newRow("Enter on OK/Cancel with Cancel default")
        << Style::OkCancel + Style::DefaultButton2 << "Enter" << Result::Cancel;
}

void TestWidgetPrompter::messageBoxAnswers() {
    QFETCH(int, style);
    QFETCH(QString, action);
    QFETCH(int, expected);

    answerNext<QMessageBox>([action](QMessageBox* box) {
        if (action == QLatin1String("Escape")) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (action == QLatin1String("Enter")) {
            box->defaultButton()->click();
        } else {
            const QMap<QString, QMessageBox::StandardButton> buttons{
                {"Ok", QMessageBox::Ok},         {"Yes", QMessageBox::Yes},
                {"Retry", QMessageBox::Retry},   {"Ignore", QMessageBox::Ignore},
                {"Cancel", QMessageBox::Cancel}, {"No", QMessageBox::No}};
            box->button(buttons.value(action))->click();
        }
    });
    WidgetPrompter prompter;
    QCOMPARE(prompter.messageBox("Continue?", style, "Title"), expected);
}

void TestWidgetPrompter::inputBox() {
    WidgetPrompter prompter;
    answerNext<QInputDialog>([](QInputDialog* dialog) {
        QCOMPARE(dialog->labelText(), QStringLiteral("Enter the new name:"));
        QCOMPARE(dialog->textValue(), QStringLiteral("C1"));
        dialog->setTextValue("C2");
        dialog->accept();
    });
    QCOMPARE(prompter.inputBox("Enter the new name:", "Rename", "C1"),
             std::optional<QString>("C2"));

    answerNext<QInputDialog>([](QInputDialog* dialog) { dialog->reject(); });
    QCOMPARE(prompter.inputBox("Enter the new name:", "Rename", "C1"), std::nullopt);
}

void TestWidgetPrompter::fileDialogSetup_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("confirmOverwrite");
    QTest::addColumn<QString>("initial"); // relative to a temporary folder; "" for none
    QTest::addColumn<QString>("expectedFolder");
    QTest::addColumn<QString>("expectedFile");

    QTest::newRow("open in a folder") << false << false << "docs"
                                      << "docs"
                                      << "";
    QTest::newRow("save with a proposed file") << true << true << "docs/Pellor.plr"
                                               << "docs"
                                               << "Pellor.plr";
    QTest::newRow("save without overwrite question") << true << false << "docs/C1.plx"
                                                     << "docs"
                                                     << "C1.plx";
}

void TestWidgetPrompter::fileDialogSetup() {
    QFETCH(bool, save);
    QFETCH(bool, confirmOverwrite);
    QFETCH(QString, initial);
    QFETCH(QString, expectedFolder);
    QFETCH(QString, expectedFile);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("docs"));
    FileDialogRequest request;
    request.title = "Save Configuration As";
    request.filter = "Configuration Files (*.plr)|*.plr|All Files (*.*)|*.*";
    request.initialPath = dir.filePath(initial);
    request.defaultSuffix = "plr";
    request.confirmOverwrite = confirmOverwrite;

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    WidgetPrompter::configureFileDialog(dialog, request, save);

    QCOMPARE(dialog.windowTitle(), request.title);
    QCOMPARE(dialog.acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    QCOMPARE(dialog.nameFilters(), (QStringList{"Configuration Files (*.plr)", "All Files (*)"}));
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("plr"));
    QCOMPARE(dialog.testOption(QFileDialog::DontConfirmOverwrite), !confirmOverwrite);
    QCOMPARE(QDir(dialog.directory()).canonicalPath(),
             QDir(dir.filePath(expectedFolder)).canonicalPath());
    if (!expectedFile.isEmpty()) {
        const QStringList selected = dialog.selectedFiles();
        QVERIFY(!selected.isEmpty());
        QCOMPARE(QFileInfo(selected.first()).fileName(), expectedFile);
    }
}

int runWidgetPrompterTests(int argc, char** argv) {
    TestWidgetPrompter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_WidgetPrompter.moc"

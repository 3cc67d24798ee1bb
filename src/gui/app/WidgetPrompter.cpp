#include "gui/app/WidgetPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QPushButton>
#include <QRegularExpression>

namespace pellor {

namespace {

QList<QMessageBox::StandardButton> buttonsOf(int style) {
    switch (style & 0x0F) {
    case MessageStyle::OkCancel:
        return {QMessageBox::Ok, QMessageBox::Cancel};
    case MessageStyle::AbortRetryIgnore:
        return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    case MessageStyle::YesNoCancel:
        return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case MessageStyle::YesNo:
        return {QMessageBox::Yes, QMessageBox::No};
    case MessageStyle::RetryCancel:
        return {QMessageBox::Retry, QMessageBox::Cancel};
    default:
        return {QMessageBox::Ok};
    }
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case MessageStyle::Critical:
        return QMessageBox::Critical;
    case MessageStyle::Question:
        return QMessageBox::Question;
    case MessageStyle::Exclamation:
        return QMessageBox::Warning;
    case MessageStyle::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// The button that closing the box stands for.
QMessageBox::StandardButton closingButtonOf(int style) {
    const QList<QMessageBox::StandardButton> buttons = buttonsOf(style);
    for (QMessageBox::StandardButton candidate : {QMessageBox::Cancel, QMessageBox::No})
        if (buttons.contains(candidate))
            return candidate;
    return buttons.size() == 1 ? buttons.first() : QMessageBox::NoButton;
}

} // namespace

WidgetPrompter::WidgetPrompter(QWidget* owner) : m_owner(owner) {}

QWidget* WidgetPrompter::owner() const {
    return m_owner ? m_owner.data() : QApplication::activeWindow();
}

void WidgetPrompter::configureMessageBox(QMessageBox& box, int style) {
    const QList<QMessageBox::StandardButton> buttons = buttonsOf(style);
    QMessageBox::StandardButtons set;
    for (QMessageBox::StandardButton button : buttons)
        set |= button;
    box.setStandardButtons(set);
    box.setIcon(iconOf(style));
    const int defaultIndex = (style & MessageStyle::DefaultButton3)   ? 2
                             : (style & MessageStyle::DefaultButton2) ? 1
                                                                      : 0;
    box.setDefaultButton(buttons.value(defaultIndex, buttons.first()));
    if (const QMessageBox::StandardButton closing = closingButtonOf(style);
        closing != QMessageBox::NoButton)
        box.setEscapeButton(closing);
}

int WidgetPrompter::resultOf(QMessageBox::StandardButton button, int style) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageResult::Ok;
    case QMessageBox::Cancel:
        return MessageResult::Cancel;
    case QMessageBox::Abort:
        return MessageResult::Abort;
    case QMessageBox::Retry:
        return MessageResult::Retry;
    case QMessageBox::Ignore:
        return MessageResult::Ignore;
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    default:
        return closingButtonOf(style) == QMessageBox::No ? MessageResult::No
                                                         : MessageResult::Cancel;
    }
}

int WidgetPrompter::messageBox(const QString& text, int style, const QString& title) {
    QMessageBox box(owner());
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    configureMessageBox(box, style);
    box.exec();
    return resultOf(box.standardButton(box.clickedButton()), style);
}

std::optional<QString> WidgetPrompter::inputBox(const QString& prompt, const QString& title,
                                                const QString& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner(), title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QStringList WidgetPrompter::nameFilters(const QString& filter) {
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        description.remove(trailingPatterns);
        QStringList patterns;
        for (const QString& pattern : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            patterns.append(trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
        if (patterns.isEmpty())
            patterns.append(QStringLiteral("*"));
        filters.append(
            QStringLiteral("%1 (%2)").arg(description.trimmed(), patterns.join(QLatin1Char(' '))));
    }
    return filters;
}

void WidgetPrompter::configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request,
                                         bool save) {
    dialog.setWindowTitle(request.title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    const QStringList filters = nameFilters(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (request.initialPath.isEmpty())
        return;
    const QFileInfo start(request.initialPath);
    if (start.isDir()) {
        dialog.setDirectory(start.absoluteFilePath());
    } else {
        if (!start.path().isEmpty() && QFileInfo(start.path()).isDir())
            dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    }
}

std::optional<QString> WidgetPrompter::fileName(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(owner());
    configureFileDialog(dialog, request, save);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return files.first();
}

std::optional<QString> WidgetPrompter::openFileName(const FileDialogRequest& request) {
    return fileName(request, false);
}

std::optional<QString> WidgetPrompter::saveFileName(const FileDialogRequest& request) {
    return fileName(request, true);
}

} // namespace pellor

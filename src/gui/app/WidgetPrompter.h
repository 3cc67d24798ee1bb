#pragma once

#include "core/platform/Prompter.h"

#include <QMessageBox>
#include <QPointer>

class QFileDialog;
class QWidget;

namespace pellor {

// The editor's Prompter: real message boxes, input boxes and file dialogs, owned by the given
// window (or by the active window when none is given).
class WidgetPrompter : public Prompter {
public:
    explicit WidgetPrompter(QWidget* owner = nullptr);

    int messageBox(const QString& text, int style, const QString& title) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    std::optional<QString> openFileName(const FileDialogRequest& request) override;
    std::optional<QString> saveFileName(const FileDialogRequest& request) override;

    // Sets up a message box for a style (buttons + icon + default button): the buttons,
    // the icon, the default button and the button that Escape and the close box press.
    static void configureMessageBox(QMessageBox& box, int style);
    // The MessageResult code of a pressed button (Cancel or No for a box closed otherwise).
    static int resultOf(QMessageBox::StandardButton button, int style);

    // Sets up a file dialog for a request: title, filters, start folder and file, default
    // suffix, open or save mode and the overwrite question.
    static void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request,
                                    bool save);
    // "Description|*.a;*.b|Description|*.c" becomes Qt's "Description (*.a *.b);;Description
    // (*.c)"; a pattern list already written in the description is not repeated, and "*.*"
    // (every file) becomes "*".
    static QStringList nameFilters(const QString& filter);

private:
    QWidget* owner() const;
    std::optional<QString> fileName(const FileDialogRequest& request, bool save);

    QPointer<QWidget> m_owner;
};

} // namespace pellor

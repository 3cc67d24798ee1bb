#pragma once

#include "core/platform/InstalledLocales.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace pellor {

class modLocale;

// The locale chooser: a grid of the user-default entry and the locales installed on the
// system (name, decimal id, hexadecimal id). The caller sets LocaleID, shows the dialog
// modally, and reads LocaleID back unless Cancel became true.
class frmLocales : public QDialog {
    Q_OBJECT

public:
    explicit frmLocales(const modLocale& locale, QWidget* parent = nullptr);

    int LocaleID() const { return m_localeId; }
    void setLocaleID(int localeId) { m_localeId = localeId; }
    bool Cancel() const { return m_cancel; }
    void setCancel(bool cancel) { m_cancel = cancel; }

    QTableWidget* grid() const { return m_grid; }

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillRows();
    void addRow(const QString& name, const QString& decimalId, const QString& hexId);
    void sizeColumns();

    const modLocale& m_locale;
    QList<InstalledLocales::Entry> m_installed;
    QTableWidget* m_grid = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancelButton = nullptr;
    int m_localeId = 0;
    bool m_cancel = false;
};

} // namespace pellor

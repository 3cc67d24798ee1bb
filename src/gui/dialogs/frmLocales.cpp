#include "gui/dialogs/frmLocales.h"

#include "core/platform/modLocale.h"
#include "gui/app/LocalizeForm.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pellor {

namespace {

enum Column { NameColumn, DecimalColumn, HexColumn, ColumnCount };

} // namespace

frmLocales::frmLocales(const modLocale& locale, QWidget* parent)
    : QDialog(parent), m_locale(locale) {
    setObjectName(QStringLiteral("frmLocales"));
    setWindowTitle(QStringLiteral("Locales#16000"));

    m_grid = new QTableWidget(0, ColumnCount, this);
    m_grid->setObjectName(QStringLiteral("grdLocales"));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->setWordWrap(false);
    m_grid->viewport()->installEventFilter(this);

    m_ok = new QPushButton(QStringLiteral("&OK#16002"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("&Cancel#16001"), this);
    m_cancelButton->setObjectName(QStringLiteral("cmdCancel"));
    connect(m_ok, &QPushButton::clicked, this, &frmLocales::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &frmLocales::reject);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &frmLocales::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);
    resize(520, 400);

    LocalizeForm(m_locale, this);
    m_grid->setHorizontalHeaderLabels(
        {m_locale.GetString(16003), m_locale.GetString(16004), m_locale.GetString(16005)});
    m_installed = InstalledLocales::list();
}

void frmLocales::addRow(const QString& name, const QString& decimalId, const QString& hexId) {
    const int row = m_grid->rowCount();
    m_grid->insertRow(row);
    m_grid->setItem(row, NameColumn, new QTableWidgetItem(name));
    m_grid->setItem(row, DecimalColumn, new QTableWidgetItem(decimalId));
    m_grid->setItem(row, HexColumn, new QTableWidgetItem(hexId));
}

void frmLocales::fillRows() {
    m_grid->setRowCount(0);
    addRow(m_locale.GetString(16006), QString::number(modLocale::UserDefault),
           InstalledLocales::hexId(modLocale::UserDefault));
    for (const InstalledLocales::Entry& entry : std::as_const(m_installed))
        addRow(entry.name, QString::number(entry.lcid), entry.hexId);

    // The row of LocaleID, compared as text; the user-default row when there is none.
    const QString wanted = QString::number(m_localeId);
    int current = 0;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        if (m_grid->item(row, DecimalColumn)->text() == wanted) {
            current = row;
            break;
        }
    }
    m_grid->setCurrentCell(current, NameColumn);
    m_grid->selectRow(current);
    m_grid->scrollToItem(m_grid->item(current, NameColumn));
}

void frmLocales::sizeColumns() {
    const int width = m_grid->viewport()->width();
    m_grid->setColumnWidth(NameColumn, width * 50 / 100);
    m_grid->setColumnWidth(DecimalColumn, width * 20 / 100);
    m_grid->setColumnWidth(HexColumn, width * 20 / 100);
}

void frmLocales::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) // the window system showing it again (after minimising)
        return;
    fillRows();
    sizeColumns();
}

// The columns follow the width of the grid's visible area (which a scroll bar narrows).
bool frmLocales::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid->viewport() && event->type() == QEvent::Resize)
        sizeColumns();
    return QDialog::eventFilter(watched, event);
}

void frmLocales::accept() {
    const int row = m_grid->currentRow();
    if (row >= 0)
        m_localeId = m_grid->item(row, DecimalColumn)->text().toInt();
    QDialog::accept();
}

void frmLocales::reject() {
    m_cancel = true;
    QDialog::reject();
}

} // namespace pellor

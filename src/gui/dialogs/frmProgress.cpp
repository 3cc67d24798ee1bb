#include "gui/dialogs/frmProgress.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace pellor {

frmProgress::frmProgress(Texts texts, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), m_texts(std::move(texts)) {
    setObjectName(QStringLiteral("frmProgress"));
    setModal(true);
    lblCaption = new QLabel(this);
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    lblTime = new QLabel(QStringLiteral("0:00:00"), this);
    lblTime->setObjectName(QStringLiteral("lblTime"));
    lblTime->setAlignment(Qt::AlignCenter);
    prgState = new QProgressBar(this);
    prgState->setObjectName(QStringLiteral("prgState"));
    prgState->setRange(0, 0); // busy: an action has no measurable end and cannot be cancelled
    prgState->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCaption);
    layout->addWidget(prgState);
    layout->addWidget(lblTime);
    setMinimumWidth(320);
    setFrameless();
}

void frmProgress::setFrameless() {
    setStyleSheet(QStringLiteral("frmProgress { border: 1px solid palette(dark); }"));
}

void frmProgress::SetActionPramater(const QString& Action, qint32 target) {
    prgState->reset();
    m_action = Action.trimmed().toInt();
    m_target = target;
}

QString frmProgress::elapsedText(qint64 milliseconds) {
    const qint64 s = (milliseconds + 500) / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

void frmProgress::refreshElapsed() {
    // Rewritten once per whole second, so the window shows progress and answers input
    // without slowing the work down.
    const qint64 ms = m_started.elapsed();
    if (ms / 1000 == m_shownSeconds)
        return;
    m_shownSeconds = ms / 1000;
    lblTime->setText(elapsedText(ms));
    QApplication::processEvents();
}

void frmProgress::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (parentWidget()) {
        const QRect owner = parentWidget()->frameGeometry();
        move(owner.center() - rect().center());
    }
    if (!event->spontaneous()) // a window restored from minimised does not start anything
        QTimer::singleShot(0, this, &frmProgress::runAction);
}

void frmProgress::reject() {
    if (!m_running) // a running action cannot be cancelled
        QDialog::reject();
}

void frmProgress::closeEvent(QCloseEvent* event) {
    if (m_running)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

// The caption while loading and while saving: text ids: 217, 218
void frmProgress::runAction() {
    if (m_running)
        return;
    m_running = true;
    lblTime->setText(QStringLiteral("0:00:00"));
    m_isSuccess = true;
    const Work* work = m_action == Load ? &m_load : m_action == Save ? &m_save : nullptr;
    if (m_target != DocumentTarget || !work || !*work) {
        m_isSuccess = false;
    } else {
        setWindowTitle(QStringLiteral("State"));
        lblCaption->setText(m_texts ? m_texts(m_action == Load ? 217 : 218) : QString());
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_started.start();
        m_shownSeconds = 0;
        m_isSuccess = (*work)();
        QApplication::restoreOverrideCursor();
    }
    m_action = NoAction;
    m_target = 0;
    m_load = nullptr; // the work refers to its caller's state: use it once
    m_save = nullptr;
    m_running = false;
    accept();
}

} // namespace pellor

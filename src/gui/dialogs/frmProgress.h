#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <functional>

class QLabel;
class QProgressBar;

namespace pellor {

// The small modal window shown while the configuration document is loaded or saved: what
// is being done and the time elapsed. The owner says what to do with SetActionPramater,
// shows the window modally (exec), and reads m_isSuccess afterwards. The work itself is
// supplied by the owner for each run (it is dropped when the run ends); it calls
// refreshElapsed() now and then, which updates the time and lets the window answer input.
class frmProgress : public QDialog {
    Q_OBJECT

public:
    enum Action { NoAction = 0, Save = 1, Load = 2 };
    static constexpr qint32 DocumentTarget = 2;

    using Work = std::function<bool()>;
    using Texts = std::function<QString(int id)>;

    explicit frmProgress(Texts texts, QWidget* owner = nullptr);

    void setLoadWork(Work work) { m_load = std::move(work); }
    void setSaveWork(Work work) { m_save = std::move(work); }

    // Action: "1" save or "2" load; target 2 is the configuration document (any other target
    // ends the action unsuccessfully).
    void SetActionPramater(const QString& Action, qint32 target);
    void refreshElapsed();

    // Elapsed time as the time of day it stands for: hours (not padded), minutes, seconds.
    static QString elapsedText(qint64 milliseconds);

    bool m_isSuccess = true;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void runAction();
    void setFrameless();

    Texts m_texts;
    Work m_load;
    Work m_save;
    qint32 m_action = NoAction;
    qint32 m_target = 0;
    QElapsedTimer m_started;
    qint64 m_shownSeconds = 0;
    bool m_running = false;
    QLabel* lblCaption;
    QLabel* lblTime;
    QProgressBar* prgState;
};

} // namespace pellor

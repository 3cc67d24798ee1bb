#pragma once

#include "core/platform/Prompter.h"

#include <QQueue>
#include <QStringList>
#include <variant>

namespace pellor {

// A Prompter for tests: answers come from a queue set up by the test, and every question
// is recorded. A question with no answer queued fails the test (and answers Cancel).
class ScriptedPrompter : public Prompter {
public:
    struct Asked {
        QString kind; // "message", "input", "open", "save"
        QString text; // message text or prompt; dialog title for file dialogs
        QString title;
        int style = 0;
        FileDialogRequest dialog;
    };

    // Queue answers in the order the questions will come.
    void answerMessage(int result) { m_answers.enqueue(result); }
    void answerText(std::optional<QString> text) { m_answers.enqueue(std::move(text)); }

    int messageBox(const QString& text, int style, const QString& title) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    std::optional<QString> openFileName(const FileDialogRequest& request) override;
    std::optional<QString> saveFileName(const FileDialogRequest& request) override;

    const QList<Asked>& asked() const { return m_asked; }
    bool allAnswersUsed() const { return m_answers.isEmpty(); }

private:
    using Answer = std::variant<int, std::optional<QString>>;
    std::optional<QString> nextText(const char* kind);

    QQueue<Answer> m_answers;
    QList<Asked> m_asked;
};

} // namespace pellor

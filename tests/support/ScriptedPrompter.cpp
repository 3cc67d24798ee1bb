#include "ScriptedPrompter.h"

#include <QTest>

namespace pellor {

int ScriptedPrompter::messageBox(const QString& text, int style, const QString& title) {
    m_asked.append({QStringLiteral("message"), text, title, style, {}});
    if (m_answers.isEmpty() || !std::holds_alternative<int>(m_answers.head())) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected message box: ") + text), __FILE__, __LINE__);
        return MessageResult::Cancel;
    }
    return std::get<int>(m_answers.dequeue());
}

std::optional<QString> ScriptedPrompter::nextText(const char* kind) {
    if (m_answers.isEmpty() || !std::holds_alternative<std::optional<QString>>(m_answers.head())) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected %1 question").arg(QLatin1String(kind))), __FILE__,
                     __LINE__);
        return std::nullopt;
    }
    return std::get<std::optional<QString>>(m_answers.dequeue());
}

std::optional<QString> ScriptedPrompter::inputBox(const QString& prompt, const QString& title,
                                                  const QString& defaultText) {
    m_asked.append({QStringLiteral("input"), prompt, title, 0, {}});
    Q_UNUSED(defaultText);
    return nextText("input");
}

std::optional<QString> ScriptedPrompter::openFileName(const FileDialogRequest& request) {
    m_asked.append({QStringLiteral("open"), request.title, request.title, 0, request});
    return nextText("open-file");
}

std::optional<QString> ScriptedPrompter::saveFileName(const FileDialogRequest& request) {
    m_asked.append({QStringLiteral("save"), request.title, request.title, 0, request});
    return nextText("save-file");
}

} // namespace pellor

#include "core/platform/modLocale.h"

#include "core/platform/NumberText.h"
#include "core/platform/ProgramPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QTranslator>

#include <unicode/uloc.h>

namespace pellor {

modLocale::modLocale() : modLocale(&modLocale::systemDefaultLanguage) {}

modLocale::modLocale(LanguageSource systemLanguage) : m_systemLanguage(std::move(systemLanguage)) {}

modLocale::~modLocale() = default;

QString modLocale::defaultLibraryPath() {
    const QString beside = ProgramPaths::folder() + QStringLiteral("LangRes/");
    if (QFileInfo(beside).isDir())
        return beside;
    const QString installed =
        ProgramPaths::folder() + QStringLiteral("../share/pellorconfig/LangRes/");
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed) + QLatin1Char('/');
    return beside;
}

QString modLocale::languageFileName(int lcid) {
    return QStringLiteral("LangRes_%1.qm").arg(lcid);
}

int modLocale::systemDefaultLanguage() {
    return static_cast<int>(uloc_getLCID(uloc_getDefault()));
}

void modLocale::InitLocale(int requestedLcid, const QString& libraryPath) {
    m_translator.reset();
    m_folder =
        ProgramPaths::withTrailingSlash(libraryPath.isEmpty() ? defaultLibraryPath() : libraryPath);

    if (requestedLcid > 0 && tryLanguage(requestedLcid))
        return;
    if (m_systemLanguage && tryLanguage(m_systemLanguage()))
        return;
    if (tryLanguage(UsEnglish))
        return;
    m_translator.reset();
    m_lcid = UsEnglish;
}

bool modLocale::tryLanguage(int lcid) {
    m_lcid = lcid;
    if (lcid <= 0)
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(m_folder + languageFileName(lcid)))
        return false;
    m_translator = std::move(translator);
    if (!GetString(0).isEmpty())
        return true;
    m_translator.reset();
    return false;
}

QString modLocale::GetString(const TextOrId& idOrText) const {
    const std::optional<int> id = idOrText.id();
    if (!id)
        return idOrText.text();
    if (!m_translator || *id < 0)
        return QString();
    return m_translator->translate(nullptr, QByteArray::number(*id).constData());
}

QString modLocale::GetStringArgs(const TextOrId& idOrText, const QStringList& values) const {
    QString text = GetString(idOrText);
    for (qsizetype k = 0; k < values.size(); ++k)
        text = ReplaceArg(text, static_cast<int>(k + 1), values.at(k));
    return text;
}

QString modLocale::ReplaceArg(const QString& text, int n, const QString& value) {
    const QString placeholder = QLatin1Char('%') + QString::number(n) + QLatin1Char('%');
    QString result = text;
    qsizetype at = result.indexOf(placeholder);
    while (at >= 0) {
        result.replace(at, placeholder.size(), value);
        at = result.indexOf(placeholder, at + value.size());
    }
    return result;
}

QString modLocale::TranslateCaption(const QString& caption) const {
    const qsizetype hash = caption.lastIndexOf(QLatin1Char('#'));
    if (hash < 0)
        return caption;
    const std::optional<double> number = NumberText::parse(QStringView(caption).mid(hash + 1));
    if (!number)
        return caption;
    const std::optional<qint32> id = NumberText::toLong(*number);
    if (!id)
        return caption;
    return GetString(static_cast<int>(*id));
}

int modLocale::ShowMessage(Prompter& prompter, const TextOrId& message, int style,
                           const TextOrId& title, const QStringList& args) const {
    const QString text = GetStringArgs(message, args);
    const QString caption = title.isMissing() ? ProgramPaths::programName() : GetString(title);
    return prompter.messageBox(text, style, caption);
}

} // namespace pellor

#pragma once

#include "core/platform/Prompter.h"
#include "core/platform/TextOrId.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QTranslator;

namespace pellor {

// The user-interface language and the lookup of every text the user sees.
//
// Texts live in Qt id-based translation files, one per language: LangRes_<LCID>.qm in the
// language folder (by default "LangRes/" beside the executable). The id of a message is its
// decimal text id ("542"). Id 0 of a language is its marker: a language counts as present
// only when id 0 has a text. Ids 10 to 14 name the fonts of the language (see LocalizeForm).
//
// The program creates one instance at start-up and hands it to whoever shows texts; the
// chosen language and the loaded translation file belong to that instance.
class modLocale {
public:
    // Gives the LCID of the system's default language (0 when it has none).
    using LanguageSource = std::function<int()>;

    static constexpr int UsEnglish = 1033;
    static constexpr int UserDefault = 1024;

    modLocale();
    explicit modLocale(LanguageSource systemLanguage);
    ~modLocale();
    modLocale(const modLocale&) = delete;
    modLocale& operator=(const modLocale&) = delete;

    // "LangRes/" beside the executable; when that folder does not exist and an installed
    // "../share/pellorconfig/LangRes/" does, that one. Always ends in "/".
    static QString defaultLibraryPath();
    // The file name of one language in the language folder: "LangRes_1033.qm".
    static QString languageFileName(int lcid);
    // The LCID of ICU's default locale (from the environment), 0 when it has none.
    static int systemDefaultLanguage();

    // Releases the language loaded earlier, then tries the requested language (when above 0),
    // the system's default language and 1033 in this order, taking the first whose id 0 has
    // a text. When none has, the language is 1033 and every lookup gives an empty text.
    // An empty libraryPath means defaultLibraryPath().
    void InitLocale(int requestedLcid, const QString& libraryPath = QString());

    // The current language (1033 before the first InitLocale).
    int CurrentLCID() const { return m_lcid; }
    // The language folder of the last InitLocale, ending in "/" (empty before it).
    QString libraryPath() const { return m_folder; }

    // A text passes through unchanged; an id gives its text in the current language; a
    // missing argument, an unknown id or no language gives an empty text.
    QString GetString(const TextOrId& idOrText) const;
    // GetString with the placeholders %1%, %2%, ... filled by values[0], values[1], ...
    QString GetStringArgs(const TextOrId& idOrText, const QStringList& values) const;
    // Replaces every placeholder %n% of the text by the value, searching on after each
    // inserted value, so a value that contains the placeholder itself stays as it is.
    static QString ReplaceArg(const QString& text, int n, const QString& value);
    // "English text#id" becomes the text of the id after the last "#". A caption without
    // "#", or whose part after the last "#" is not a number, is returned unchanged.
    QString TranslateCaption(const QString& caption) const;

    // Shows a message box through the prompter and returns the button pressed. The message
    // is a text or an id, filled with the arguments (one value fills %1%). The title is
    // GetString(title), or the program's file name without extension when it is missing.
    int ShowMessage(Prompter& prompter, const TextOrId& message,
                    int style = MessageStyle::OkOnly + MessageStyle::Exclamation,
                    const TextOrId& title = TextOrId(), const QStringList& args = {}) const;

private:
    bool tryLanguage(int lcid);

    LanguageSource m_systemLanguage;
    std::unique_ptr<QTranslator> m_translator;
    QString m_folder;
    int m_lcid = UsEnglish;
};

} // namespace pellor

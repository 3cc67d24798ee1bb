#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace pellor {

// The words of the program's command line. Only the first word is kept: the word list has a
// single slot, and scanning stops as soon as that word ends.
class CommandLine {
public:
    // Splits the text after the program name. Between words, a double quote opens a quoted word
    // and spaces and tabs are skipped; in a word, a space or tab ends it and anything else
    // (a double quote too) is appended; in quotes, only a double quote ends the word. A word
    // still open at the end of the text counts, and so does an empty quoted word ("").
    static CommandLine split(QStringView text);

    // The command line rebuilt from the arguments the system delivered (program name not
    // included), then split: an argument that is empty or holds a space or tab is quoted so
    // that it stays one word.
    static CommandLine fromArguments(const QStringList& arguments);

    // The text that fromArguments() splits.
    static QString joinArguments(const QStringList& arguments);

    // 0 or 1.
    int wordCount() const { return m_wordCount; }
    // Empty when there is no word or the word is an empty quoted word.
    const QString& firstWord() const { return m_firstWord; }

private:
    int m_wordCount = 0;
    QString m_firstWord;
};

} // namespace pellor

#include "core/app/CommandLine.h"

namespace pellor {

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

constexpr QChar kQuote = QLatin1Char('"');

} // namespace

CommandLine CommandLine::split(QStringView text) {
    enum class State { BetweenWords, InWord, InQuotes };

    CommandLine result;
    State state = State::BetweenWords;
    QString word;
    for (const QChar c : text) {
        switch (state) {
        case State::BetweenWords:
            if (c == kQuote) {
                state = State::InQuotes;
            } else if (!isBlank(c)) {
                word.append(c);
                state = State::InWord;
            }
            break;
        case State::InWord:
            if (isBlank(c)) {
                result.m_wordCount = 1;
                result.m_firstWord = word;
                return result; // the list is full: the rest of the line is ignored
            }
            word.append(c);
            break;
        case State::InQuotes:
            if (c == kQuote) {
                result.m_wordCount = 1;
                result.m_firstWord = word;
                return result;
            }
            word.append(c);
            break;
        }
    }
    if (state != State::BetweenWords) {
        result.m_wordCount = 1;
        result.m_firstWord = word;
    }
    return result;
}

QString CommandLine::joinArguments(const QStringList& arguments) {
    QStringList words;
    words.reserve(arguments.size());
    for (const QString& argument : arguments) {
        const bool needsQuotes = argument.isEmpty() || argument.contains(QLatin1Char(' ')) ||
                                 argument.contains(QLatin1Char('\t'));
        words.append(needsQuotes ? kQuote + argument + kQuote : argument);
    }
    return words.join(QLatin1Char(' '));
}

CommandLine CommandLine::fromArguments(const QStringList& arguments) {
    return split(joinArguments(arguments));
}

} // namespace pellor

#pragma once

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

namespace pellor {

// Finds the text ids a source file refers to. The program refers to ids in three ways, and
// code that shows texts keeps to them so that every id it uses is found:
//
//  1. Captions: a string literal (C++ or a Designer .ui <string>) made of an English text,
//     "#" and the id: "Open#3001". Only the digits after the last "#" count, and only when
//     they end the literal.
//  2. Lookups: an integer literal as the first argument of GetString( or GetStringArgs(, or
//     as the message (second) or title (fourth) argument of ShowMessage(:
//         locale.GetString(217)
//         locale.ShowMessage(prompter, 208, MessageStyle::YesNo, 210, {name})
//  3. Ids that code computes (lists filled in a loop, tables of ids): a comment "text ids:"
//     followed by the ids and ranges, written next to the code:
//         // text ids: 222-224, 313
class TextIdScanner {
public:
    // A caption literal of the program: its text as the program holds it (escapes resolved)
    // and the file it is in.
    struct Caption {
        QString text;
        QString file;
    };

    // The ids of one C++ source text.
    static QSet<int> scanCpp(const QString& source);
    // The ids of one Designer form.
    static QSet<int> scanUi(const QString& form);
    // Every id under a folder (*.cpp, *.h, *.ui), each with the first file that uses it.
    static QMap<int, QString> scanFolder(const QString& folder);
    // Every caption literal (rule 1) under a folder.
    static QList<Caption> captionsInFolder(const QString& folder);
    // The caption literals of one C++ source text or Designer form.
    static QStringList captionsCpp(const QString& source);
    static QStringList captionsUi(const QString& form);
};

} // namespace pellor

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace pellor {

// The text of an INI profile read and changed with the Windows profile rules:
// - a line is read with the blanks around it removed; "[name]" (up to the last "]") starts
//   a section, a line with "=" is a key (name and value trimmed), any other line is kept as
//   it is and takes no part;
// - section and key names compare without regard to case; the first matching section and,
//   in it, the first matching key win;
// - a value enclosed in a matching pair of ' or " loses those quotes.
// Lines that are not changed are written back byte for byte (whatever their encoding), so
// comments, unknown lines, duplicates and text that is not UTF-8 survive every change.
// Text is UTF-8 and is cut before its first NUL.
class ProfileText {
public:
    explicit ProfileText(const QByteArray& bytes = QByteArray());

    QByteArray toBytes() const;

    // The value of the key in the first section of that name; nullopt when missing.
    std::optional<QString> value(QStringView section, QStringView key) const;
    // The names of all sections, in file order (duplicates included).
    QStringList sectionNames() const;

    // The following return whether the text changed. Names are taken without the blanks
    // around them; the caller makes sure no name or data holds a line break or a NUL.
    // Sets the key in the first section of that name, adding the section at the end or the
    // key after the section's last line as needed. Data that the rules above would change
    // on reading (blanks around it, a pair of quotes around it) is written in quotes.
    bool setValue(QStringView section, QStringView key, QStringView data);
    // Removes the first key of that name in a section of that name.
    bool removeKey(QStringView section, QStringView key);
    // Removes the first section of that name with every line up to the next section.
    bool removeSection(QStringView section);

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        QByteArray bytes;  // without line ending
        QByteArray ending; // "\n", "\r\n", "\r" or "" for a last line without one
        Kind kind = Kind::Other;
        QString name;               // section or key name
        qsizetype valueOffset = -1; // keys: where the value starts in bytes
    };

    static Line parseLine(QByteArray bytes, QByteArray ending);
    qsizetype findSection(QStringView name) const;
    qsizetype sectionEnd(qsizetype header) const;
    void insertLine(qsizetype index, const QByteArray& bytes);

    QByteArray m_bom;
    QByteArray m_newline = "\n";
    QList<Line> m_lines;
};

} // namespace pellor

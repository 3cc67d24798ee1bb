#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace pellor {

class ProfileText;

// One INI profile file, read and written with the Windows profile rules (ProfileText).
// Every write reads the file again, changes it and replaces it atomically under a lock
// ("<file>.lock"), so the previous file survives any failure and a change made meanwhile by
// another program is kept. Failures are results: false, the default or an empty list.
class clsProfile {
public:
    // Values longer than this are cut on reading and refused on writing.
    static constexpr qsizetype MaxTextLength = 199999;

    // FileName starts as defaultFileName().
    clsProfile();
    ~clsProfile() { Flush(); }
    clsProfile(const clsProfile&) = delete;
    clsProfile& operator=(const clsProfile&) = delete;

    // "<program name>.ini" in the per-user configuration folder of the program.
    static QString defaultFileName();

    const QString& FileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }

    // For a file that holds a password: every write leaves it with mode 0600.
    void setOwnerOnly(bool ownerOnly) { m_ownerOnly = ownerOnly; }
    bool ownerOnly() const { return m_ownerOnly; }

    // The value text; defVal (without trailing spaces) when the key is missing. Cut at
    // MaxTextLength characters.
    QString GetString(const QString& Section, const QString& Key, const QString& defVal) const;
    // The value read as an integer the way the system reads it (blanks, sign, 0x/0o/0b
    // prefixes, digits up to the first other character; no digits gives 0); defVal when the
    // key is missing or its value empty.
    qint32 GetInt(const QString& Section, const QString& Key, qint32 defVal) const;
    // All section names in file order; empty when there are none or there is no file.
    QStringList GetSectNames() const;

    // Writes the value, creating the file and section as needed (not the folder). False, and
    // the file unchanged, when it cannot be read or written, or when a name or the data holds
    // a line break or NUL, the key is empty, holds "=" or starts with "[" or ";", or the data
    // is longer than MaxTextLength.
    bool WriteString(const QString& Section, const QString& Key, const QString& Data);
    // Removes the key / the section with all its keys; true also when it was not there.
    bool DeleteKey(const QString& Section, const QString& Key);
    bool DeleteSection(const QString& Section);
    // Writes cached changes: every change is written at once, so there is nothing to do.
    void Flush() {}

private:
    // The current file; false when it exists but cannot be read.
    bool load(ProfileText* text) const;
    bool change(const std::function<bool(ProfileText&)>& apply);

    QString m_fileName;
    bool m_ownerOnly = false;
};

} // namespace pellor

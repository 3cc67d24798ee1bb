#include "core/persistence/clsProfile.h"

#include "core/persistence/ProfileText.h"
#include "core/platform/PellorLog.h"
#include "core/platform/ProgramPaths.h"
#include "core/platform/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <sys/stat.h>

namespace pellor {

namespace {

constexpr int kLockTimeoutMs = 10000;
// The system reads integers through a buffer of this many characters.
constexpr qsizetype kIntegerBuffer = 30;

bool hasLineBreakOrNul(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
           text.contains(QChar(0));
}

QString withoutTrailingSpaces(QString text) {
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

// The integer of a text as the system's profile functions read it.
qint32 profileInteger(QStringView text) {
    qsizetype pos = 0;
    while (pos < text.size() && text[pos].unicode() <= ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-'))) {
        negative = text[pos] == QLatin1Char('-');
        ++pos;
    }
    quint32 base = 10;
    if (pos + 1 < text.size() && text[pos] == QLatin1Char('0')) {
        const char16_t p = text[pos + 1].unicode();
        base = p == 'b' ? 2 : p == 'o' ? 8 : p == 'x' ? 16 : 10;
        if (base != 10)
            pos += 2;
    }
    quint32 value = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        quint32 digit = 99;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'z')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'Z')
            digit = c - 'A' + 10;
        if (digit >= base)
            break;
        value = value * base + digit;
    }
    return qint32(negative ? 0u - value : value);
}

} // namespace

clsProfile::clsProfile() : m_fileName(defaultFileName()) {}

QString clsProfile::defaultFileName() {
    return ProgramPaths::configFolder() + ProgramPaths::programName() + QStringLiteral(".ini");
}

bool clsProfile::load(ProfileText* text) const {
    const QFileInfo info(m_fileName);
    if (!info.exists()) {
        *text = ProfileText();
        return true;
    }
    QFile file(m_fileName);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        qCWarning(lcPellor).noquote()
            << "Profile" << m_fileName << "cannot be read:"
            << (info.isDir() ? QStringLiteral("it is a folder") : file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qCWarning(lcPellor).noquote()
            << "Profile" << m_fileName << "cannot be read:" << file.errorString();
        return false;
    }
    *text = ProfileText(bytes);
    return true;
}

bool clsProfile::change(const std::function<bool(ProfileText&)>& apply) {
    QLockFile lock(m_fileName + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockTimeoutMs)) {
        qCWarning(lcPellor).noquote() << "Profile" << m_fileName << "cannot be locked";
        return false;
    }
    ProfileText text;
    if (!load(&text))
        return false;
    if (!apply(text)) {
        if (m_ownerOnly && QFileInfo::exists(m_fileName))
            return QFile::setPermissions(m_fileName, QFile::ReadOwner | QFile::WriteOwner);
        return true;
    }

    QSaveFile file(m_fileName);
    QString error;
    bool written = file.open(QIODevice::WriteOnly);
    if (written && m_ownerOnly)
        written = ::fchmod(file.handle(), S_IRUSR | S_IWUSR) == 0;
    if (written) {
        const QByteArray bytes = text.toBytes();
        written = file.write(bytes) == bytes.size();
    }
    if (written)
        written = SafeFile::commit(file, &error);
    else
        error = file.errorString();
    if (!written) {
        file.cancelWriting();
        qCWarning(lcPellor).noquote() << "Profile" << m_fileName << "cannot be written:" << error;
    }
    return written;
}

QString clsProfile::GetString(const QString& Section, const QString& Key,
                              const QString& defVal) const {
    ProfileText text;
    std::optional<QString> value;
    if (load(&text))
        value = text.value(Section, Key);
    QString result = value ? *value : withoutTrailingSpaces(defVal);
    result.truncate(MaxTextLength);
    return result;
}

qint32 clsProfile::GetInt(const QString& Section, const QString& Key, qint32 defVal) const {
    QString text = GetString(Section, Key, QString());
    text.truncate(kIntegerBuffer - 1);
    if (text.isEmpty())
        return defVal;
    return profileInteger(text);
}

QStringList clsProfile::GetSectNames() const {
    ProfileText text;
    if (!load(&text))
        return {};
    // The names as the system lists them: each followed by a NUL, in a buffer of
    // MaxTextLength characters; trailing NULs dropped, the rest split at each NUL.
    QString buffer;
    for (const QString& name : text.sectionNames()) {
        buffer += name;
        buffer += QChar(0);
    }
    buffer.truncate(MaxTextLength - 1);
    while (buffer.endsWith(QChar(0)))
        buffer.chop(1);
    if (buffer.isEmpty())
        return {};
    return buffer.split(QChar(0));
}

bool clsProfile::WriteString(const QString& Section, const QString& Key, const QString& Data) {
    const QString key = Key.trimmed();
    if (hasLineBreakOrNul(Section) || hasLineBreakOrNul(Key) || hasLineBreakOrNul(Data) ||
        key.isEmpty() || key.contains(QLatin1Char('=')) || key.startsWith(QLatin1Char('[')) ||
        key.startsWith(QLatin1Char(';')) || Data.size() > MaxTextLength) {
        qCWarning(lcPellor).noquote()
            << "Profile" << m_fileName << "refuses key" << Key << "of section" << Section;
        return false;
    }
    return change([&](ProfileText& text) { return text.setValue(Section, Key, Data); });
}

bool clsProfile::DeleteKey(const QString& Section, const QString& Key) {
    if (!QFileInfo::exists(m_fileName))
        return true;
    return change([&](ProfileText& text) { return text.removeKey(Section, Key); });
}

bool clsProfile::DeleteSection(const QString& Section) {
    if (!QFileInfo::exists(m_fileName))
        return true;
    return change([&](ProfileText& text) { return text.removeSection(Section); });
}

} // namespace pellor

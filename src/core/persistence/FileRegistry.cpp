#include "core/persistence/FileRegistry.h"

#include "core/platform/ProgramPaths.h"

#include "core/persistence/RegistryTextReader.h"
#include "core/persistence/RegistryTextWriter.h"
#include "core/platform/PellorLog.h"
#include "core/platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <unistd.h>

namespace pellor {

namespace {

constexpr int kLockTimeoutMs = 10000;

bool hasControlCharacter(const QString& name) {
    for (const QChar c : name) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
            return true;
    }
    return false;
}

// The names of a key path relative to an open key; the empty path is the key itself.
qint32 splitKeyPath(const QString& subKey, QStringList* names) {
    names->clear();
    if (subKey.isEmpty())
        return RegError::Success;
    QStringList parts = subKey.split(QLatin1Char('\\'));
    if (parts.size() > 1 && parts.last().isEmpty())
        parts.removeLast(); // a trailing backslash
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > RegMaxKeyNameLength)
            return RegError::InvalidParameter;
        for (const QChar c : part) {
            if (c.unicode() < 0x20)
                return RegError::InvalidParameter;
        }
    }
    *names = parts;
    return RegError::Success;
}

bool isTextType(quint32 type) {
    return type == RegType::Sz || type == RegType::ExpandSz || type == RegType::MultiSz;
}

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}

bool startsWith(const QStringList& path, const QStringList& prefix) {
    if (path.size() < prefix.size())
        return false;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        if (path.at(i).compare(prefix.at(i), Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

qint32 codeOfFileError(QFileDevice::FileError error, qint32 otherwise) {
    return error == QFileDevice::PermissionsError ? RegError::AccessDenied : otherwise;
}

// Reads a whole file; a missing file is no error (exists is set to false).
qint32 readWholeFile(const QString& path, QByteArray* text, bool* exists, QString* error) {
    text->clear();
    const QFileInfo info(path);
    *exists = info.exists();
    if (!*exists)
        return RegError::Success;
    if (info.isDir()) {
        *error = QStringLiteral("%1: is a folder, not a file").arg(path);
        return RegError::CannotRead;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return codeOfFileError(file.error(), RegError::CannotRead);
    }
    *text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return RegError::CannotRead;
    }
    return RegError::Success;
}

} // namespace

FileRegistry::FileRegistry(QString filePath) : m_filePath(std::move(filePath)) {}

QString FileRegistry::defaultPath() {
    const QString configured = qEnvironmentVariable("PELLOR_REGISTRY");
    if (!configured.isEmpty())
        return configured;
    return ProgramPaths::configFolder() + QStringLiteral("registry.reg");
}

qint32 FileRegistry::fail(qint32 code, const QString& what) {
    m_lastError = what;
    qCWarning(lcPellor).noquote() << "Registry:" << what;
    return code;
}

RegKeyHandle FileRegistry::newHandle(const QStringList& path, quint32 access) {
    const RegKeyHandle handle = m_nextHandle++;
    m_open.insert(handle, {path, access});
    return handle;
}

qint32 FileRegistry::resolve(RegKeyHandle key, quint32 neededAccess, QStringList* path) const {
    if (key == HKEY_CLASSES_ROOT) {
        path->clear();
        return RegError::Success;
    }
    const auto it = m_open.constFind(key);
    if (it == m_open.constEnd())
        return RegError::InvalidHandle;
    if ((it->access & neededAccess) != neededAccess)
        return RegError::AccessDenied;
    *path = it->path;
    return RegError::Success;
}

qint32 FileRegistry::currentTree(RegistryKeyNode** root) {
    QByteArray text;
    bool exists = false;
    QString error;
    if (const qint32 rc = readWholeFile(m_filePath, &text, &exists, &error))
        return fail(rc, error);
    if (m_tree && exists == m_treeFileExists && text == m_treeText) {
        *root = m_tree.get();
        m_lastError.clear();
        return RegError::Success;
    }
    m_tree.reset();
    auto tree = std::make_unique<RegistryKeyNode>();
    if (exists) {
        RegistryTextReader reader(m_filePath);
        if (!reader.read(text, *tree)) {
            m_lastError = reader.errorString();
            if (text != m_reportedBadText) {
                m_reportedBadText = text;
                qCWarning(lcPellor).noquote()
                    << "Registry file cannot be parsed and is left as it is:" << m_lastError;
            }
            return RegError::BadDatabase;
        }
    }
    m_tree = std::move(tree);
    m_treeText = text;
    m_treeFileExists = exists;
    m_lastError.clear();
    *root = m_tree.get();
    return RegError::Success;
}

qint32 FileRegistry::keyNode(const QStringList& path, RegistryKeyNode** node) {
    RegistryKeyNode* root = nullptr;
    if (const qint32 rc = currentTree(&root))
        return rc;
    *node = root->find(path);
    return *node ? RegError::Success : RegError::KeyDeleted;
}

qint32 FileRegistry::change(const Change& apply) {
    const QFileInfo info(m_filePath);
    if (!QDir().mkpath(info.absolutePath()))
        return fail(RegError::CannotWrite,
                    QStringLiteral("%1: cannot create the folder").arg(info.absolutePath()));

    QLockFile lock(m_filePath + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockTimeoutMs)) {
        const QString why = lock.error() == QLockFile::LockFailedError
                                ? QStringLiteral("locked by another process")
                                : QStringLiteral("cannot create the lock file");
        return fail(lock.error() == QLockFile::PermissionError ? RegError::AccessDenied
                                                               : RegError::CannotWrite,
                    QStringLiteral("%1: %2").arg(m_filePath, why));
    }

    RegistryKeyNode* root = nullptr;
    if (const qint32 rc = currentTree(&root))
        return rc;
    bool changed = false;
    const qint32 rc = apply(*root, changed);
    if (rc != RegError::Success || !changed) {
        if (rc != RegError::Success)
            m_tree.reset(); // it may be half changed: read the file again next time
        return rc;
    }

    const QByteArray text = RegistryTextWriter::registryText(*root);
    QSaveFile file(m_filePath);
    QString error;
    bool written = file.open(QIODevice::WriteOnly);
    if (written)
        written = RegistryTextWriter::write(file, text, &error);
    else
        error = file.errorString();
    if (written)
        written = SafeFile::commit(file, &error);
    if (!written) {
        m_tree.reset();
        return fail(codeOfFileError(file.error(), RegError::CannotWrite),
                    QStringLiteral("%1: cannot be written: %2").arg(m_filePath, error));
    }
    m_treeText = text;
    m_treeFileExists = true;
    return RegError::Success;
}

qint32 FileRegistry::openKey(RegKeyHandle parent, const QString& subKey, quint32 samDesired,
                             RegKeyHandle* result) {
    if (!result)
        return RegError::InvalidParameter;
    QStringList path;
    QStringList names;
    if (const qint32 rc = resolve(parent, 0, &path))
        return rc;
    if (const qint32 rc = splitKeyPath(subKey, &names))
        return rc;
    RegistryKeyNode* node = nullptr;
    if (const qint32 rc = keyNode(path, &node))
        return rc;
    for (const QString& name : names) {
        node = node->child(name);
        if (!node)
            return RegError::FileNotFound;
        path.append(node->name());
    }
    *result = newHandle(path, samDesired);
    return RegError::Success;
}

qint32 FileRegistry::createKey(RegKeyHandle parent, const QString& subKey, quint32 options,
                               quint32 samDesired, RegKeyHandle* result, quint32* disposition) {
    Q_UNUSED(options);
    if (!result)
        return RegError::InvalidParameter;
    QStringList base;
    QStringList names;
    if (const qint32 rc = resolve(parent, RegAccess::CreateSubKey, &base))
        return rc;
    if (const qint32 rc = splitKeyPath(subKey, &names))
        return rc;

    // An existing key is opened without touching the file.
    RegistryKeyNode* node = nullptr;
    if (const qint32 rc = keyNode(base, &node))
        return rc;
    QStringList path = base;
    for (const QString& name : names) {
        node = node ? node->child(name) : nullptr;
        if (node)
            path.append(node->name());
    }
    bool created = false;
    if (!node) {
        const qint32 rc = change([&](RegistryKeyNode& root, bool& changed) {
            RegistryKeyNode* n = root.find(base);
            if (!n)
                return RegError::KeyDeleted;
            path = base;
            for (const QString& name : names) {
                bool c = false;
                n = n->addChild(name, &c);
                created = created || c;
                path.append(n->name());
            }
            changed = created;
            return RegError::Success;
        });
        if (rc != RegError::Success)
            return rc;
    }
    *result = newHandle(path, samDesired);
    if (disposition)
        *disposition = created ? RegDisposition::CreatedNewKey : RegDisposition::OpenedExistingKey;
    return RegError::Success;
}

qint32 FileRegistry::closeKey(RegKeyHandle key) {
    if (key == HKEY_CLASSES_ROOT)
        return RegError::Success;
    return m_open.remove(key) ? RegError::Success : RegError::InvalidHandle;
}

qint32 FileRegistry::queryValue(RegKeyHandle key, const QString& name, quint32* type,
                                QByteArray* data) {
    QStringList path;
    if (const qint32 rc = resolve(key, RegAccess::QueryValue, &path))
        return rc;
    RegistryKeyNode* node = nullptr;
    if (const qint32 rc = keyNode(path, &node))
        return rc;
    const RegistryValue* value = node->value(name);
    if (!value)
        return RegError::FileNotFound;
    if (type)
        *type = value->type;
    if (data)
        *data = value->data;
    return RegError::Success;
}

qint32 FileRegistry::setValue(RegKeyHandle key, const QString& name, quint32 type,
                              const QByteArray& data) {
    QStringList path;
    if (const qint32 rc = resolve(key, RegAccess::SetValue, &path))
        return rc;
    if (name.size() > RegMaxValueNameLength || hasControlCharacter(name))
        return RegError::InvalidParameter;
    if (isTextType(type) && !isUtf8(data))
        return RegError::InvalidData;
    return change([&](RegistryKeyNode& root, bool& changed) {
        RegistryKeyNode* node = root.find(path);
        if (!node)
            return RegError::KeyDeleted;
        const RegistryValue* old = node->value(name);
        changed = !old || old->type != type || old->data != data;
        if (changed)
            node->setValue(name, type, data);
        return RegError::Success;
    });
}

qint32 FileRegistry::deleteValue(RegKeyHandle key, const QString& name) {
    QStringList path;
    if (const qint32 rc = resolve(key, RegAccess::SetValue, &path))
        return rc;
    return change([&](RegistryKeyNode& root, bool& changed) {
        RegistryKeyNode* node = root.find(path);
        if (!node)
            return RegError::KeyDeleted;
        changed = node->removeValue(name);
        return changed ? RegError::Success : RegError::FileNotFound;
    });
}

qint32 FileRegistry::deleteKey(RegKeyHandle key, const QString& subKey) {
    QStringList path;
    QStringList names;
    if (const qint32 rc = resolve(key, 0, &path))
        return rc;
    if (const qint32 rc = splitKeyPath(subKey, &names))
        return rc;
    if (names.isEmpty())
        return RegError::InvalidParameter;
    return change([&](RegistryKeyNode& root, bool& changed) {
        RegistryKeyNode* parent = root.find(path);
        if (!parent)
            return RegError::KeyDeleted;
        const QString last = names.takeLast();
        parent = parent->find(names);
        RegistryKeyNode* target = parent ? parent->child(last) : nullptr;
        if (!target)
            return RegError::FileNotFound;
        if (!target->children().empty())
            return RegError::AccessDenied;
        changed = parent->removeChild(last);
        return RegError::Success;
    });
}

qint32 FileRegistry::enumKey(RegKeyHandle key, quint32 index, QString* name) {
    QStringList path;
    if (const qint32 rc = resolve(key, RegAccess::EnumerateSubKeys, &path))
        return rc;
    RegistryKeyNode* node = nullptr;
    if (const qint32 rc = keyNode(path, &node))
        return rc;
    if (index >= node->children().size())
        return RegError::NoMoreItems;
    if (name)
        *name = node->children().at(index)->name();
    return RegError::Success;
}

qint32 FileRegistry::enumValue(RegKeyHandle key, quint32 index, QString* name) {
    QStringList path;
    if (const qint32 rc = resolve(key, RegAccess::QueryValue, &path))
        return rc;
    RegistryKeyNode* node = nullptr;
    if (const qint32 rc = keyNode(path, &node))
        return rc;
    if (index >= quint32(node->values().size()))
        return RegError::NoMoreItems;
    if (name)
        *name = node->values().at(index).name;
    return RegError::Success;
}

qint32 FileRegistry::queryInfoKey(RegKeyHandle key, RegistryKeyInfo* info) {
    QStringList path;
    if (const qint32 rc = resolve(key, RegAccess::QueryValue, &path))
        return rc;
    RegistryKeyNode* node = nullptr;
    if (const qint32 rc = keyNode(path, &node))
        return rc;
    RegistryKeyInfo result;
    result.subKeys = quint32(node->children().size());
    for (const auto& child : node->children())
        result.maxSubKeyLength = std::max(result.maxSubKeyLength, quint32(child->name().size()));
    result.values = quint32(node->values().size());
    for (const RegistryValue& value : node->values()) {
        result.maxValueNameLength = std::max(result.maxValueNameLength, quint32(value.name.size()));
        result.maxValueDataLength = std::max(result.maxValueDataLength, quint32(value.data.size()));
    }
    if (info)
        *info = result;
    return RegError::Success;
}

qint32 FileRegistry::saveKey(RegKeyHandle key, const QString& filePath) {
    QStringList path;
    if (const qint32 rc = resolve(key, 0, &path))
        return rc;
    RegistryKeyNode* node = nullptr;
    if (const qint32 rc = keyNode(path, &node))
        return rc;
    const QFileInfo info(filePath);
    if (info.exists() || info.isSymLink())
        return RegError::AlreadyExists;
    if (!info.absoluteDir().exists())
        return RegError::PathNotFound;

    const QByteArray text = RegistryTextWriter::subtreeText(*node, path);
    QFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (QFileInfo::exists(filePath))
            return RegError::AlreadyExists;
        return fail(codeOfFileError(file.error(), RegError::CannotWrite),
                    QStringLiteral("%1: %2").arg(filePath, file.errorString()));
    }
    QString error;
    bool written = RegistryTextWriter::write(file, text, &error) && file.flush() &&
                   ::fsync(file.handle()) == 0;
    if (!written) {
        if (error.isEmpty())
            error = file.errorString();
        file.close();
        file.remove();
        return fail(RegError::CannotWrite, QStringLiteral("%1: %2").arg(filePath, error));
    }
    return RegError::Success;
}

qint32 FileRegistry::restoreKey(RegKeyHandle key, const QString& filePath, quint32 flags) {
    QStringList path;
    if (const qint32 rc = resolve(key, 0, &path))
        return rc;

    QByteArray text;
    bool exists = false;
    QString error;
    if (const qint32 rc = readWholeFile(filePath, &text, &exists, &error))
        return fail(rc, error);
    if (!exists)
        return RegError::FileNotFound;
    RegistryKeyNode saved;
    RegistryTextReader reader(filePath);
    if (!reader.read(text, saved))
        return fail(RegError::BadDatabase, reader.errorString());
    if (reader.keyPaths().isEmpty())
        return fail(RegError::BadDatabase, QStringLiteral("%1: holds no key").arg(filePath));
    const QStringList savedPath = reader.keyPaths().first();
    for (const QStringList& keyPath : reader.keyPaths()) {
        if (!startsWith(keyPath, savedPath))
            return fail(RegError::BadDatabase,
                        QStringLiteral("%1: holds keys outside the saved key").arg(filePath));
    }
    RegistryKeyNode* source = saved.find(savedPath);

    if (!(flags & REG_FORCE_RESTORE)) {
        for (auto it = m_open.cbegin(); it != m_open.cend(); ++it) {
            if (it.key() != key && startsWith(it->path, path))
                return RegError::AccessDenied;
        }
    }
    return change([&](RegistryKeyNode& root, bool& changed) {
        RegistryKeyNode* target = root.find(path);
        if (!target)
            return RegError::KeyDeleted;
        target->takeContent(*source);
        changed = true;
        return RegError::Success;
    });
}

} // namespace pellor

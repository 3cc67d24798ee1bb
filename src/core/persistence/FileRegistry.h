#pragma once

#include "core/persistence/RegistryBackend.h"
#include "core/persistence/RegistryKeyNode.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace pellor {

// The registry kept in one text file in the regedit export format (RegistryTextReader).
//
// Every operation sees the file as it is on disk now, so changes made by another editor in
// the meantime are never overwritten: a change locks the file (QLockFile "<file>.lock"),
// reads it again, applies itself and replaces the file atomically. A missing file is an
// empty registry and is created, with its folder, by the first change. A file that cannot be
// parsed makes every operation fail with RegError::BadDatabase, is reported on the "pellor"
// logging category with file, line and reason, and is never written.
//
// Handles name a key by its path: a handle whose key has been deleted (here or by another
// process) fails with RegError::KeyDeleted.
class FileRegistry : public RegistryBackend {
public:
    explicit FileRegistry(QString filePath = defaultPath());
    ~FileRegistry() override = default;
    FileRegistry(const FileRegistry&) = delete;
    FileRegistry& operator=(const FileRegistry&) = delete;

    // $PELLOR_REGISTRY when set and not empty, else "registry.reg" in the per-user
    // configuration folder of the program.
    static QString defaultPath();

    const QString& filePath() const { return m_filePath; }
    // What went wrong with the file in the last failed operation that involved it (file,
    // line and reason); empty after a success.
    const QString& lastError() const { return m_lastError; }

    qint32 openKey(RegKeyHandle parent, const QString& subKey, quint32 samDesired,
                   RegKeyHandle* result) override;
    qint32 createKey(RegKeyHandle parent, const QString& subKey, quint32 options,
                     quint32 samDesired, RegKeyHandle* result, quint32* disposition) override;
    qint32 closeKey(RegKeyHandle key) override;
    qint32 queryValue(RegKeyHandle key, const QString& name, quint32* type,
                      QByteArray* data) override;
    qint32 setValue(RegKeyHandle key, const QString& name, quint32 type,
                    const QByteArray& data) override;
    qint32 deleteValue(RegKeyHandle key, const QString& name) override;
    qint32 deleteKey(RegKeyHandle key, const QString& subKey) override;
    qint32 enumKey(RegKeyHandle key, quint32 index, QString* name) override;
    qint32 enumValue(RegKeyHandle key, quint32 index, QString* name) override;
    qint32 queryInfoKey(RegKeyHandle key, RegistryKeyInfo* info) override;
    qint32 saveKey(RegKeyHandle key, const QString& filePath) override;
    qint32 restoreKey(RegKeyHandle key, const QString& filePath, quint32 flags) override;

private:
    struct OpenKey {
        QStringList path;
        quint32 access = 0;
    };
    // A change to the tree: returns a result code and tells whether it changed anything.
    using Change = std::function<qint32(RegistryKeyNode& root, bool& changed)>;

    qint32 resolve(RegKeyHandle key, quint32 neededAccess, QStringList* path) const;
    qint32 currentTree(RegistryKeyNode** root);
    qint32 keyNode(const QStringList& path, RegistryKeyNode** node);
    qint32 change(const Change& apply);
    qint32 fail(qint32 code, const QString& what);
    RegKeyHandle newHandle(const QStringList& path, quint32 access);

    QString m_filePath;
    QHash<RegKeyHandle, OpenKey> m_open;
    RegKeyHandle m_nextHandle = 1;
    // The file content last parsed into m_tree (m_treeFileExists: whether there was a file).
    std::unique_ptr<RegistryKeyNode> m_tree;
    QByteArray m_treeText;
    bool m_treeFileExists = false;
    QByteArray m_reportedBadText;
    QString m_lastError;
};

} // namespace pellor

#include "core/persistence/ServerSettingsTransaction.h"

#include "core/app/ProgramState.h"
#include "core/persistence/clsPellorData.h"
#include "core/persistence/clsRegKey.h"
#include "core/platform/PellorLog.h"
#include "core/platform/ProgramPaths.h"

#include <QDir>
#include <QFile>

namespace pellor {

namespace {
constexpr qint32 kRegistryTarget = 1;
constexpr qint32 kTovanProfileTarget = 4;
} // namespace

ServerSettingsTransaction::ServerSettingsTransaction(clsPellorData& data,
                                                     const ProgramVariant& variant,
                                                     RegistryBackend& registry, ProgramState& state)
    : m_data(data), m_variant(variant), m_registry(registry), m_state(state) {}

QString ServerSettingsTransaction::backupFilePath() {
    return ProgramPaths::configFolder() + QStringLiteral("temp.hiv");
}

bool ServerSettingsTransaction::LoadRegData() {
    bool ok = false;
    if (m_variant.number == ProgramVariant::Tovan) {
        m_data.ReadReadTovanRegInfo(); // legacy values; their absence is no failure
        ok = m_data.ReadInfo(kTovanProfileTarget);
    } else {
        ok = m_data.ReadInfo(kRegistryTarget);
    }
    if (ok)
        m_state.setModified(false);
    return ok;
}

bool ServerSettingsTransaction::SaveRegData() {
    if (m_variant.number == ProgramVariant::Tovan) {
        if (!m_data.WriteInfo(kTovanProfileTarget))
            return false;
        m_state.setModified(false);
        return true;
    }

    // A backup left by an interrupted save is older than the key: never restore from it.
    const QString backup = backupFilePath();
    QDir().mkpath(QFileInfo(backup).absolutePath());
    if (QFile::exists(backup) && !QFile::remove(backup)) {
        qCWarning(lcPellor) << "an old settings backup cannot be removed:" << backup;
        return false;
    }

    // Without a backup of an existing key, a failed write could not be undone: save nothing.
    bool keyExisted = false;
    {
        clsRegKey key(m_registry);
        const qint32 opened =
            key.OpenReg(HKEY_CLASSES_ROOT, m_variant.registryKey, RegAccess::Read);
        if (opened == RegError::Success) {
            keyExisted = true;
            const qint32 saved = m_registry.saveKey(key.m_hKey(), backup);
            if (saved != RegError::Success) {
                qCWarning(lcPellor) << "the settings key could not be backed up, code" << saved;
                return false;
            }
        } else if (opened != RegError::FileNotFound) {
            qCWarning(lcPellor) << "the settings key cannot be read, code" << opened;
            return false;
        }
    }

    bool ok = m_data.DeleteRegInfo() == RegError::Success && m_data.WriteInfo(kRegistryTarget);
    if (ok)
        m_state.setModified(false);
    else
        restoreFromBackup(keyExisted);
    QFile::remove(backup);
    return ok;
}

bool ServerSettingsTransaction::restoreFromBackup(bool keyExisted) {
    clsRegKey key(m_registry);
    if (!keyExisted) {
        // The key did not exist before this save: take away what the failed write left.
        clsRegKey softwareKey(m_registry);
        const QString path = m_variant.registryKey;
        const qsizetype cut = path.lastIndexOf(u'\\');
        if (softwareKey.OpenReg(HKEY_CLASSES_ROOT, path.left(qMax<qsizetype>(cut, 0)),
                                RegAccess::AllAccess) != RegError::Success)
            return false;
        return softwareKey.RecurseDeleteKey(path.mid(cut + 1)) == RegError::Success;
    }
    if (key.CreateKey(HKEY_CLASSES_ROOT, m_variant.registryKey) != RegError::Success)
        return false;
    const qint32 restored =
        m_registry.restoreKey(key.m_hKey(), backupFilePath(), REG_FORCE_RESTORE);
    if (restored != RegError::Success)
        qCWarning(lcPellor) << "the settings key could not be restored from its backup, code"
                            << restored;
    return restored == RegError::Success;
}

} // namespace pellor

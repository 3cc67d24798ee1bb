#pragma once

#include "core/app/ProgramVariant.h"

#include <QString>

namespace pellor {

class ProgramState;
class RegistryBackend;
class clsPellorData;

// Reads and writes the server settings of the variant. Writing the registry key is one
// transaction: the key is saved to a backup file first; when deleting the old values or
// writing the new ones fails, the key is restored from the backup, so a failed save leaves
// the key as it was. When an existing key cannot be backed up, nothing is written. The Tovan
// server keeps its settings in its own profile instead.
class ServerSettingsTransaction {
public:
    ServerSettingsTransaction(clsPellorData& data, const ProgramVariant& variant,
                              RegistryBackend& registry, ProgramState& state);

    // Success clears the document-modified flag.
    bool LoadRegData();
    bool SaveRegData();

    // "temp.hiv" in the per-user configuration folder.
    static QString backupFilePath();

private:
    bool restoreFromBackup(bool keyExisted);

    clsPellorData& m_data;
    ProgramVariant m_variant;
    RegistryBackend& m_registry;
    ProgramState& m_state;
};

} // namespace pellor

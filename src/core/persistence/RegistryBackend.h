#pragma once

#include "core/persistence/RegistryCodes.h"
#include "core/persistence/RegistryKeyInfo.h"

#include <QByteArray>
#include <QString>

namespace pellor {

// The registry below HKEY_CLASSES_ROOT as the program sees it. Results are the Windows system
// error codes (RegError), 0 on success; out arguments are set only on success.
//
// Key paths are relative to an open key and use "\" between names; an empty path means the
// key itself. Key and value names compare without regard to case and keep the case they were
// created with; the empty value name is the key's default value.
//
// Value data is the bytes the ANSI registry functions exchange: REG_SZ and REG_EXPAND_SZ are
// UTF-8 text with its terminating NUL, REG_MULTI_SZ is UTF-8 texts each ended by a NUL plus a
// final NUL, REG_DWORD is 4 bytes little-endian, anything else raw bytes.
class RegistryBackend {
public:
    virtual ~RegistryBackend() = default;

    // Opens an existing key with the access mask; FileNotFound when it does not exist.
    virtual qint32 openKey(RegKeyHandle parent, const QString& subKey, quint32 samDesired,
                           RegKeyHandle* result) = 0;
    // Creates a key with every missing key on its path, or opens it when it exists; the
    // parent needs RegAccess::CreateSubKey. disposition (optional) receives RegDisposition.
    virtual qint32 createKey(RegKeyHandle parent, const QString& subKey, quint32 options,
                             quint32 samDesired, RegKeyHandle* result, quint32* disposition) = 0;
    virtual qint32 closeKey(RegKeyHandle key) = 0;

    // Type and data of a value (RegAccess::QueryValue); FileNotFound when it does not exist.
    virtual qint32 queryValue(RegKeyHandle key, const QString& name, quint32* type,
                              QByteArray* data) = 0;
    // Creates or replaces a value (RegAccess::SetValue).
    virtual qint32 setValue(RegKeyHandle key, const QString& name, quint32 type,
                            const QByteArray& data) = 0;
    virtual qint32 deleteValue(RegKeyHandle key, const QString& name) = 0;
    // Deletes a key that has no subkeys (AccessDenied when it has some).
    virtual qint32 deleteKey(RegKeyHandle key, const QString& subKey) = 0;

    // Name of the subkey (RegAccess::EnumerateSubKeys) or value (RegAccess::QueryValue) with
    // the given index; NoMoreItems past the last. Subkeys come in name order, values in the
    // order they were created.
    virtual qint32 enumKey(RegKeyHandle key, quint32 index, QString* name) = 0;
    virtual qint32 enumValue(RegKeyHandle key, quint32 index, QString* name) = 0;
    virtual qint32 queryInfoKey(RegKeyHandle key, RegistryKeyInfo* info) = 0;

    // Writes the key with all its values and subkeys to a new file; AlreadyExists when the
    // file exists (it is never overwritten).
    virtual qint32 saveKey(RegKeyHandle key, const QString& filePath) = 0;
    // Replaces the values and subkeys of the key with those saved in the file. Without
    // REG_FORCE_RESTORE it fails with AccessDenied while another handle refers to the key or
    // a key below it.
    virtual qint32 restoreKey(RegKeyHandle key, const QString& filePath, quint32 flags) = 0;
};

} // namespace pellor

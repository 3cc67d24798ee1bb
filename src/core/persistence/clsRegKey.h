#pragma once

#include "core/persistence/DefaultRegistry.h"
#include "core/persistence/RegistryBackend.h"

#include <QString>
#include <QStringList>
#include <QVariant>

namespace pellor {

// One open registry key. Results are the system's error codes (RegError), 0 on success,
// except where -1 is stated. Text crosses the registry as UTF-8 and is cut before its first
// NUL. Destroying the object closes its key.
class clsRegKey {
public:
    explicit clsRegKey(RegistryBackend& registry = defaultRegistry()) : m_registry(registry) {}
    ~clsRegKey() { CloseReg(); }
    clsRegKey(const clsRegKey&) = delete;
    clsRegKey& operator=(const clsRegKey&) = delete;

    // The held key; 0 when none. The registry's save and restore operations take it.
    RegKeyHandle m_hKey() const { return m_key; }
    RegistryBackend& registry() const { return m_registry; }

    // Opens the subkey; on failure returns the system's code and keeps the key held so far,
    // on success closes that key, holds the new one and returns the result of the close.
    qint32 OpenReg(RegKeyHandle hKeyParent, const QString& lpszKeyName,
                   quint32 samDesired = RegAccess::AllAccess);
    // Creates or opens the subkey; lpdwDisposition (optional) receives RegDisposition. On
    // success the key held so far is closed and the new one held.
    qint32 CreateKey(RegKeyHandle hKeyParent, const QString& lpszKeyName,
                     quint32 dwOptions = RegOption::NonVolatile,
                     quint32 samDesired = RegAccess::AllAccess, quint32* lpdwDisposition = nullptr);
    // Closes the held key; 0 when none was held.
    qint32 CloseReg();
    // Holds the given key; the key held so far is not closed.
    void Attach(RegKeyHandle hKey) { m_key = hKey; }
    // Returns the held key and holds none.
    RegKeyHandle Detach();

    // Reads a value (the empty name is the key's default value) into value: REG_SZ as text,
    // REG_EXPAND_SZ as text with %VAR% references expanded, REG_BINARY as QByteArray,
    // REG_DWORD as a signed 32-bit number, REG_MULTI_SZ as QStringList. Returns -1 and
    // leaves value unchanged when the value is missing, when a REG_MULTI_SZ is empty and
    // for any other type.
    qint32 QueryValue(QVariant& value, const QString& lpszValueName);
    // Writes a value: bool and numbers as REG_DWORD (true as -1, others rounded to a 32-bit
    // number: InvalidParameter when out of range), QByteArray as REG_BINARY, anything else as
    // REG_SZ text (an empty text is one NUL byte). Lists and maps, which have no text, are
    // refused with InvalidParameter.
    qint32 SetValue(const QVariant& value, const QString& lpszValueName);
    qint32 DeleteValue(const QString& lpszValue);
    // Deletes a subkey that has no subkeys of its own.
    qint32 DeleteSubKey(const QString& lpszSubKey);
    // Deletes a subkey with everything below it; an empty name is refused (InvalidParameter).
    qint32 RecurseDeleteKey(const QString& lpszKey);
    // The names of the held key's subkeys / values; on failure returns the code and leaves
    // the list unchanged.
    qint32 EnumSubKeyNames(QStringList& vntKeyNames);
    qint32 EnumValueNames(QStringList& vntValueNames);

private:
    // The names of the held key's subkeys (subKeys true) or values; the list is set only on
    // success.
    qint32 enumNames(bool subKeys, QStringList& result);

    RegistryBackend& m_registry;
    RegKeyHandle m_key = 0;
};

} // namespace pellor

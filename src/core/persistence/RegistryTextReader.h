#pragma once

#include "core/persistence/RegistryKeyNode.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace pellor {

// Reads the registry file format, the regedit export text in UTF-8:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CLASSES_ROOT\Software\Pellor]
//   "DataPath"="/home/ann/Pellor.plr"     REG_SZ, with \\ and \" escapes
//   @="default value"                     the key's unnamed value
//   "LCID"=dword:00000400                 REG_DWORD
//   "Data"=hex:01,02,ff                   REG_BINARY
//   "Path"=hex(2):25,00,48,00,00,00       REG_EXPAND_SZ as UTF-16LE bytes (also hex(1), hex(7))
//   "Other"=hex(b):00,00,00,00,00,00,00,00   any other type: its bytes
//
// Hex lists may continue on the next line after a trailing "\"; lines starting with ";" are
// comments. An empty file is an empty registry. A key or value that appears twice is merged
// in file order (the later value wins), as importing the file would do.
class RegistryTextReader {
public:
    // fileName only names the file in errorString().
    explicit RegistryTextReader(QString fileName = QString()) : m_fileName(std::move(fileName)) {}

    // Adds the keys and values of the text to root, the HKEY_CLASSES_ROOT key. On failure
    // root may hold part of the text; errorString() tells file, line and what is wrong.
    bool read(const QByteArray& text, RegistryKeyNode& root);
    bool read(QIODevice& device, RegistryKeyNode& root);

    QString errorString() const { return m_error; }
    int errorLine() const { return m_errorLine; }
    // The key paths (below HKEY_CLASSES_ROOT) of the key headers, in file order.
    const QList<QStringList>& keyPaths() const { return m_keyPaths; }

private:
    bool fail(int line, const QString& what);
    bool readLine(const QString& line, int lineNumber, RegistryKeyNode& root,
                  RegistryKeyNode*& current);
    bool readKeyHeader(QStringView line, int lineNumber, RegistryKeyNode& root,
                       RegistryKeyNode*& current);
    bool readValue(QStringView line, int lineNumber, RegistryKeyNode& current);

    QString m_fileName;
    QString m_error;
    int m_errorLine = 0;
    QList<QStringList> m_keyPaths;
};

} // namespace pellor

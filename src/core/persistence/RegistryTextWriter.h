#pragma once

#include "core/persistence/RegistryKeyNode.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

namespace pellor {

// Writes keys in the registry file format that RegistryTextReader reads: the regedit export
// text in UTF-8, keys in name order, values in their order. Text values that hold line
// breaks or other control characters, or no single terminating NUL, are written as hex(1)
// so that every value reads back byte for byte.
class RegistryTextWriter {
public:
    // The whole registry below root (the HKEY_CLASSES_ROOT key). The root's own header is
    // written only when it holds values.
    static QByteArray registryText(const RegistryKeyNode& root);
    // One key with everything below it, under its path below HKEY_CLASSES_ROOT; the key's
    // header is always written, so that the file names the key it was saved from.
    static QByteArray subtreeText(const RegistryKeyNode& key, const QStringList& path);

    static bool write(QIODevice& device, const QByteArray& text, QString* error = nullptr);
};

} // namespace pellor

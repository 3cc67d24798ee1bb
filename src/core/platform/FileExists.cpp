#include "core/platform/FileExists.h"

#include <QFile>

namespace pellor {

bool fileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace pellor

#include "core/platform/SafeFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

namespace pellor::SafeFile {

bool commit(QSaveFile& file, QString* error) {
    const QString target = file.fileName();
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray dir = QFile::encodeName(QFileInfo(target).absolutePath());
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return true;
}

} // namespace pellor::SafeFile

#include "core/platform/ProgramPaths.h"

#include <QStandardPaths>

#include <QCoreApplication>
#include <QFileInfo>

namespace pellor {

QString ProgramPaths::folder() {
    return withTrailingSlash(QCoreApplication::applicationDirPath());
}

QString ProgramPaths::programName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString ProgramPaths::withTrailingSlash(const QString& folder) {
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString ProgramPaths::configFolder() {
    return withTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

} // namespace pellor

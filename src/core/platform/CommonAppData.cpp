#include "core/platform/CommonAppData.h"

#include <QStandardPaths>

namespace pellor {

QString commonAppDataFolder() {
    const QString configured = qEnvironmentVariable("PELLOR_COMMON_APPDATA");
    if (!configured.isEmpty())
        return configured;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

} // namespace pellor

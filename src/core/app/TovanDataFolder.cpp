#include "core/app/TovanDataFolder.h"

#include "core/platform/CommonAppData.h"
#include "core/platform/ProgramPaths.h"

namespace pellor {

QString tovanDataFolder() {
    const QString configured = qEnvironmentVariable("Tovan");
    if (!configured.isEmpty())
        return configured;
    return ProgramPaths::withTrailingSlash(commonAppDataFolder()) + QStringLiteral("OPCUA");
}

} // namespace pellor

#pragma once

#include <QString>

namespace pellor {

// The machine-wide application-data folder: $PELLOR_COMMON_APPDATA when set and not empty,
// otherwise the generic data location of the user. The folder is not created.
QString commonAppDataFolder();

} // namespace pellor

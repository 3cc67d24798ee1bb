#pragma once

#include <QString>

namespace pellor {

// The folder of the Tovan server's data (its default document): the environment variable
// "Tovan" when it is set and not empty, otherwise "OPCUA" under the common application-data
// folder. The folder is not created here.
QString tovanDataFolder();

} // namespace pellor

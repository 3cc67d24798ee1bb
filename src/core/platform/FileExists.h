#pragma once

#include <QString>

namespace pellor {

// True when the file can be opened for reading; false on any error (missing, a folder,
// no permission).
bool fileExists(const QString& path);

} // namespace pellor

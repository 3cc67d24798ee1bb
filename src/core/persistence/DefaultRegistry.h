#pragma once

#include "core/persistence/RegistryBackend.h"

namespace pellor {

// The registry of the running program: a FileRegistry at FileRegistry::defaultPath(), made on
// first use and kept for the life of the process.
RegistryBackend& defaultRegistry();

} // namespace pellor

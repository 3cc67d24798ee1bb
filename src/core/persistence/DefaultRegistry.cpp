#include "core/persistence/DefaultRegistry.h"

#include "core/persistence/FileRegistry.h"

namespace pellor {

RegistryBackend& defaultRegistry() {
    static FileRegistry registry;
    return registry;
}

} // namespace pellor

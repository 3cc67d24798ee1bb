#pragma once

#include <QtGlobal>

namespace pellor {

class RegistryBackend;
struct ProgramVariant;

// The language the user chose for the editor: the 16-bit "Locale" value of the variant's
// settings key (created when missing). 0 (the system's default) when the value is missing,
// when the key cannot be created, and for the Tovan variant, which keeps no registry key.
qint32 requestedUserInterfaceLanguage(RegistryBackend& registry, const ProgramVariant& variant);

} // namespace pellor

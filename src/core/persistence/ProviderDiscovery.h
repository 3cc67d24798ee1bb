#pragma once

#include <QStringList>
#include <functional>

namespace pellor {

class RegistryBackend;

// The Quarn providers installed on this machine, as the class registry lists them: every
// class under "CLSID" whose "QUARN Provider" subkey has an "Enabled" value that reads as true
// contributes the default value of its "VersionIndependentProgID" subkey.
namespace ProviderDiscovery {

// ProgIDs in enumeration order; empty when the class registry cannot be read. beforeEach
// (optional) runs before each class is looked at, so a window can stay responsive.
QStringList installedProviders(RegistryBackend& registry,
                               const std::function<void()>& beforeEach = {});

} // namespace ProviderDiscovery
} // namespace pellor
